#include "desktopsettings.h"
#include "platformplugin.h"
#include "quickelement.h"
#include "quicktestfixture.h"
#include "styleregistry.h"

#include <frameworkhints.h>
#include <themefactory.h>
#include <timings.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QIcon>
#include <QImage>
#include <QPalette>
#include <QPluginLoader>
#include <QQmlEngine>
#include <QQmlListReference>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using QuiltTest::TemporaryXdg;

namespace
{
TemporaryXdg* xdg = nullptr;

// A black square among the icons of no theme.
QString squareIcon()
{
    return xdg->path() + QStringLiteral("/icons/quilt-test-square.png");
}

void rewrite(const QByteArray& settings)
{
    QVERIFY(QuiltTest::writeDesktopSettings(*xdg, settings));
}

// One notch of the wheel over the middle of `window`.
void wheel(QQuickWindow* window)
{
    const QPointF position(50, 50);
    QWheelEvent event(position, window->mapToGlobal(position), QPoint(), QPoint(0, -120), Qt::NoButton, Qt::NoModifier,
                      Qt::NoScrollPhase, false);
    QGuiApplication::sendEvent(window, &event);
}

// The settings every test starts from.
constexpr char baseline[] = "[VYR]\nquiltStyle=first\n";

// The Sashiko platform plug-in's factory, loaded as the framework loads it;
// creating it registers the maker of the framework's style hints.
Sashiko::Platform::ThemeFactory* sashikoFactory()
{
    QString file;
    for (const QString& path : QCoreApplication::libraryPaths()) {
        if (QFileInfo::exists(path + QStringLiteral("/sashiko/platform/libquilt-sashiko-platform.so"))) {
            file = path + QStringLiteral("/sashiko/platform/libquilt-sashiko-platform.so");
        }
    }
    QPluginLoader loader(file);
    auto* factory = qobject_cast<Sashiko::Platform::ThemeFactory*>(loader.instance());
    if (!factory) {
        qWarning().noquote() << loader.errorString();
    }
    return factory;
}

QColor pixel(QQuickWindow* window, QPointF point)
{
    const QImage image = window->grabWindow();
    return image.pixelColor((point * image.devicePixelRatio()).toPoint());
}

QPointF sceneCentre(const QQuickItem* item)
{
    return item->mapToScene(item->boundingRect().center());
}

QQuickItem* item(const std::unique_ptr<QObject>& root, const char* name)
{
    return root->property(name).value<QQuickItem*>();
}
} // namespace

class TestMeridianQuick : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCOMPARE(Quilt::StyleRegistry::instance()->platform()->name(), QStringLiteral("meridian")); }

    // Every test leaves the desktop's settings as it found them.
    void cleanup()
    {
        rewrite(baseline);
        const auto platform = Quilt::StyleRegistry::instance()->platform();
        QTRY_COMPARE(platform->defaultStyleName(), QStringLiteral("first"));
        QTRY_COMPARE(platform->animationSpeedMultiplier(), 1.0);
        QTRY_VERIFY(platform->smoothScroll());
    }

    void runningSceneRestyles()
    {
        QQmlEngine engine;
        auto root = QuiltQuickTest::createObject(&engine, R"(
Item {
    property color colour: Quilt.Style.properties.background.color
    Quilt.Element.type: "Box"
    Item {
        objectName: "inner"
        property color colour: Quilt.Style.properties.background.color
        Quilt.Element.type: "Box"
        Quilt.StyledRectangle { width: 10; height: 10 }
    }
})");
        QVERIFY(root);
        auto* inner = root->findChild<QObject*>(QStringLiteral("inner"));
        QCOMPARE(root->property("colour").value<QColor>(), QColor(255, 0, 0));
        QCOMPARE(inner->property("colour").value<QColor>(), QColor(255, 0, 0));

        rewrite("[VYR]\nquiltStyle=second\n");
        QTRY_COMPARE(root->property("colour").value<QColor>(), QColor(0, 0, 255));
        QCOMPARE(inner->property("colour").value<QColor>(), QColor(0, 0, 255));

        rewrite("[VYR]\nquiltStyle=first\n");
        QTRY_COMPARE(inner->property("colour").value<QColor>(), QColor(255, 0, 0));
    }

    // The provider's filter on the application was installed after the
    // style's (the usual order): it drops its colours before the style
    // reads them again.
    void paletteChangeRecolours()
    {
        QQmlEngine engine;
        auto root = QuiltQuickTest::createObject(&engine, R"(
Item {
    property color colour: Quilt.Style.properties.background.color
    Quilt.Element.type: "Desktop"
})");
        QVERIFY(root);
        QCOMPARE(root->property("colour").value<QColor>(), QColor(0xef, 0xf0, 0xf1));
        rewrite("[VYR]\nquiltStyle=first\n[Colors:Window]\nBackgroundNormal=#202326\n");
        // The file alone changes nothing: colours are kept until the palette
        // changes.
        QTest::qWait(300);
        QCOMPARE(root->property("colour").value<QColor>(), QColor(0xef, 0xf0, 0xf1));
        QGuiApplication::setPalette(QPalette(Qt::darkGray));
        QTRY_COMPARE(root->property("colour").value<QColor>(), QColor(0x20, 0x23, 0x26));
    }

    void animationSpeedReachesSashiko()
    {
        auto* factory = sashikoFactory();
        QVERIFY(factory);
        QObject object;
        auto* timings = factory->createTimings(&object);
        auto durations = [timings] {
            return QList<int> { timings->veryShortDuration(), timings->shortDuration(), timings->longDuration(),
                                timings->veryLongDuration() };
        };
        QCOMPARE(durations(), QList<int>({ 50, 100, 200, 400 }));
        rewrite("[VYR]\nquiltStyle=first\nAnimationDurationFactor=0\n");
        QTRY_COMPARE(durations(), QList<int>({ 0, 0, 0, 0 }));
        rewrite("[VYR]\nquiltStyle=first\nAnimationDurationFactor=0.5\n");
        QTRY_COMPARE(durations(), QList<int>({ 25, 50, 100, 200 }));
        rewrite("[VYR]\nquiltStyle=first\n");
        QTRY_COMPARE(durations(), QList<int>({ 50, 100, 200, 400 }));
    }

    void animationSpeedReachesStyleHints()
    {
        QQmlEngine engine;
        auto root = QuiltQuickTest::createObject(&engine, R"(
QtObject {
    property real speed: Quilt.StyleHints.animationSpeedMultiplier
})");
        QVERIFY(root);
        QCOMPARE(root->property("speed").toDouble(), 1.0);
        rewrite("[VYR]\nquiltStyle=first\nAnimationDurationFactor=0\n");
        QTRY_COMPARE(root->property("speed").toDouble(), 0.0);
        rewrite("[VYR]\nquiltStyle=first\nAnimationDurationFactor=0.5\n");
        QTRY_COMPARE(root->property("speed").toDouble(), 0.5);
        rewrite("[VYR]\nquiltStyle=first\n");
        QTRY_COMPARE(root->property("speed").toDouble(), 1.0);
    }

    void smoothScrollingFollowsSettingsAndBus()
    {
        QQmlEngine engine;
        auto root = QuiltQuickTest::createObject(&engine, R"(
Window {
    width: 100; height: 100
    visible: true
    property alias flickable: flickable
    Flickable {
        id: flickable
        anchors.fill: parent
        contentHeight: 10000
        Quilt.WheelHandler { target: flickable }
    }
})");
        QVERIFY(root);
        auto* window = qobject_cast<QQuickWindow*>(root.get());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto* flickable = root->property("flickable").value<QObject*>();
        auto contentY = [flickable] {
            return flickable->property("contentY").toDouble();
        };

        // Smooth: the move is animated.
        wheel(window);
        QVERIFY(contentY() < 60);
        QTRY_COMPARE(contentY(), 60.0);

        // Off in the settings: the move is immediate.
        const auto platform = Quilt::StyleRegistry::instance()->platform();
        QSignalSpy spy(platform.get(), &Quilt::PlatformPlugin::smoothScrollChanged);
        rewrite("[VYR]\nquiltStyle=first\nSmoothScroll=false\n");
        QTRY_COMPARE(spy.size(), 1);
        wheel(window);
        QCOMPARE(contentY(), 120.0);

        // On again from the bus.
        QDBusMessage message = QDBusMessage::createSignal(
            QStringLiteral("/SmoothScroll"), QStringLiteral("org.vyr.SmoothScroll"), QStringLiteral("notifyChange"));
        message << true;
        QVERIFY(QDBusConnection::sessionBus().send(message));
        QTRY_COMPARE(spy.size(), 2);
        wheel(window);
        QVERIFY(contentY() < 180);
        QTRY_COMPARE(contentY(), 180.0);
    }

    // Controls on screen take the new style's sizes and colours when the
    // desktop names another style, and the old ones when it names it again.
    void runningControlsRestyle()
    {
        QQmlEngine engine;
        auto root = QuiltQuickTest::createObject(&engine, R"(
import org.vyr.quilt
Window {
    width: 100; height: 100
    visible: true
    color: "white"
    property alias button: button
    Button { id: button }
})");
        QVERIFY(root);
        auto* window = qobject_cast<QQuickWindow*>(root.get());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto* button = item(root, "button");
        const QPointF inside(20, 15);
        QCOMPARE(button->property("leftPadding").toDouble(), 5.0);
        QTRY_COMPARE(pixel(window, inside), QColor(255, 0, 0));

        rewrite("[VYR]\nquiltStyle=second\n");
        QTRY_COMPARE(button->property("leftPadding").toDouble(), 15.0);
        QCOMPARE(button->width(), 70.0);
        QTRY_COMPARE(pixel(window, inside), QColor(0, 0, 255));

        rewrite(baseline);
        QTRY_COMPARE(button->property("leftPadding").toDouble(), 5.0);
        QCOMPARE(button->width(), 60.0);
        QTRY_COMPARE(pixel(window, inside), QColor(255, 0, 0));
    }

    void animationSpeedReachesControls_data()
    {
        QTest::addColumn<QByteArray>("factor");
        QTest::addColumn<int>("stackDuration");
        QTest::addColumn<int>("drawerDuration");
        QTest::addColumn<QList<int>>("sashikoDurations");
        // The drawer's slide keeps its velocity at every speed but 0, where
        // it takes no time.
        QTest::newRow("off") << QByteArray("0") << 0 << 0 << QList<int> { 0, 0, 0, 0 };
        QTest::newRow("half") << QByteArray("0.5") << 200 << -1 << QList<int> { 25, 50, 100, 200 };
        QTest::newRow("slower") << QByteArray("1.25") << 500 << -1 << QList<int> { 62, 125, 250, 500 };
        QTest::newRow("infinite") << QByteArray("inf") << 0 << 0 << QList<int> { 0, 0, 0, 0 };
    }

    // One change of the file reaches the stack view's transitions, the
    // drawer's and Sashiko's durations of the same scene, and both controls
    // still end their transitions where they belong.
    void animationSpeedReachesControls()
    {
        QFETCH(QByteArray, factor);
        QFETCH(int, stackDuration);
        QFETCH(int, drawerDuration);
        QFETCH(QList<int>, sashikoDurations);

        auto* factory = sashikoFactory();
        QVERIFY(factory);
        QQmlEngine engine;
        auto root = QuiltQuickTest::createObject(&engine, R"(
import org.vyr.quilt
Window {
    width: 200; height: 200
    visible: true
    property alias stack: stack
    property alias drawer: drawer
    function pushPage() { stack.push(page) }
    Component { id: page; Rectangle { color: "green" } }
    StackView { id: stack; anchors.fill: parent; initialItem: Item {} }
    Drawer { id: drawer; width: 50; height: 200 }
})");
        QVERIFY(root);
        auto* window = qobject_cast<QQuickWindow*>(root.get());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto* stack = item(root, "stack");
        QObject* drawer = root->property("drawer").value<QObject*>();
        auto* timings = factory->createTimings(stack);
        auto sashiko = [timings] {
            return QList<int> { timings->veryShortDuration(), timings->shortDuration(), timings->longDuration(),
                                timings->veryLongDuration() };
        };
        // The first animation of each transition; a transition makes its
        // animations when it first runs.
        auto animation = [](QObject* owner, const char* transition) -> QObject* {
            auto* object = owner->property(transition).value<QObject*>();
            if (!object) {
                return nullptr;
            }
            qmlExecuteDeferred(object);
            const QQmlListReference list(object, "animations");
            return list.count() > 0 ? list.at(0) : nullptr;
        };
        QObject* pushEnter = animation(stack, "pushEnter");
        QObject* popExit = animation(stack, "popExit");
        QObject* enter = animation(drawer, "enter");
        QObject* exit = animation(drawer, "exit");
        QVERIFY(pushEnter && popExit && enter && exit);
        QCOMPARE(pushEnter->property("duration").toInt(), 400);
        QCOMPARE(enter->property("duration").toInt(), -1);
        QCOMPARE(sashiko(), QList<int>({ 50, 100, 200, 400 }));

        rewrite("[VYR]\nquiltStyle=first\nAnimationDurationFactor=" + factor + "\n");
        QTRY_COMPARE(sashiko(), sashikoDurations);
        QCOMPARE(pushEnter->property("duration").toInt(), stackDuration);
        QCOMPARE(popExit->property("duration").toInt(), stackDuration);
        QCOMPARE(enter->property("duration").toInt(), drawerDuration);
        QCOMPARE(exit->property("duration").toInt(), drawerDuration);

        QVERIFY(QMetaObject::invokeMethod(root.get(), "pushPage"));
        QTRY_VERIFY(!stack->property("busy").toBool());
        auto* current = stack->property("currentItem").value<QQuickItem*>();
        QVERIFY(current);
        QCOMPARE(current->x(), 0.0);
        QCOMPARE(current->opacity(), 1.0);

        QVERIFY(QMetaObject::invokeMethod(drawer, "open"));
        QTRY_VERIFY(drawer->property("opened").toBool());
        QCOMPARE(drawer->property("position").toDouble(), 1.0);
        QCOMPARE(drawer->property("x").toDouble(), 0.0);
        QVERIFY(QMetaObject::invokeMethod(drawer, "close"));
        QTRY_VERIFY(!drawer->property("visible").toBool());
        QCOMPARE(drawer->property("position").toDouble(), 0.0);
    }

    // Wheel scrolling of a scroll view, switched by the bus and then by the
    // file, which overrides what the bus set.
    void smoothScrollingOfScrollView()
    {
        QQmlEngine engine;
        auto root = QuiltQuickTest::createObject(&engine, R"(
import org.vyr.quilt
Window {
    width: 100; height: 100
    visible: true
    property alias view: view
    ScrollView {
        id: view
        anchors.fill: parent
        Item { implicitWidth: 50; implicitHeight: 10000 }
    }
})");
        QVERIFY(root);
        auto* window = qobject_cast<QQuickWindow*>(root.get());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto* flickable = item(root, "view")->property("contentItem").value<QObject*>();
        QVERIFY(flickable);
        auto contentY = [flickable] {
            return flickable->property("contentY").toDouble();
        };
        const auto platform = Quilt::StyleRegistry::instance()->platform();
        QSignalSpy spy(platform.get(), &Quilt::PlatformPlugin::smoothScrollChanged);
        auto notifyChange = [](bool smooth) {
            QDBusMessage message
                = QDBusMessage::createSignal(QStringLiteral("/SmoothScroll"), QStringLiteral("org.vyr.SmoothScroll"),
                                             QStringLiteral("notifyChange"));
            message << smooth;
            return QDBusConnection::sessionBus().send(message);
        };

        wheel(window);
        QVERIFY(contentY() < 60);
        QTRY_COMPARE(contentY(), 60.0);

        QVERIFY(notifyChange(false));
        QTRY_COMPARE(spy.size(), 1);
        wheel(window);
        QCOMPARE(contentY(), 120.0);

        // The bus wrote nothing to the file: a change of the key there wins.
        rewrite("[VYR]\nquiltStyle=first\nSmoothScroll=true\n");
        QTRY_COMPARE(spy.size(), 2);
        wheel(window);
        QVERIFY(contentY() < 180);
        QTRY_COMPARE(contentY(), 180.0);

        rewrite("[VYR]\nquiltStyle=first\nSmoothScroll=false\n");
        QTRY_COMPARE(spy.size(), 3);
        wheel(window);
        QCOMPARE(contentY(), 240.0);
    }

    // What Sashiko code sets as an item's style hints shows on the control:
    // tick marks under a slider, the alternate colour on odd rows, a scroll
    // view's frame and a combo box's icon, themed and tinted by the desktop.
    void sashikoHintsReachControls()
    {
        QVERIFY(sashikoFactory());
        QQmlEngine engine;
        auto root = QuiltQuickTest::createObject(&engine, R"(
import org.vyr.quilt
Window {
    width: 200; height: 200
    visible: true
    color: "white"
    property alias slider: slider
    property alias list: list
    property alias view: view
    property alias combo: combo
    Slider { id: slider; width: 200; height: 40; to: 100 }
    ListView {
        id: list
        y: 50; width: 200; height: 40
        model: 2
        delegate: ItemDelegate { width: 200; height: 20 }
    }
    ScrollView { id: view; y: 100; width: 100; height: 50 }
    ComboBox { id: combo; y: 160; width: 200; height: 30; model: ["one"] }
})");
        QVERIFY(root);
        auto* window = qobject_cast<QQuickWindow*>(root.get());
        QVERIFY(QTest::qWaitForWindowExposed(window));
        auto* slider = item(root, "slider");
        auto* list = item(root, "list");
        auto* view = item(root, "view");
        auto* combo = item(root, "combo");
        QList<QQuickItem*> rows;
        for (int index : { 0, 1 }) {
            QQuickItem* row = nullptr;
            QVERIFY(QMetaObject::invokeMethod(list, "itemAtIndex", Q_RETURN_ARG(QQuickItem*, row), Q_ARG(int, index)));
            QVERIFY(row);
            rows << row;
        }
        QQuickItem* icon = nullptr;
        for (auto* child : combo->childItems()) {
            if (child->inherits("Quilt::Quick::Icon") && child != combo->property("indicator").value<QQuickItem*>()) {
                icon = child;
            }
        }
        QVERIFY(icon);

        // The second of three tick marks (step 50 over 0 to 100), below the
        // groove and clear of the handle.
        const QPointF tick(100, 25);
        const QPointF firstRow(100, 60);
        const QPointF secondRow(100, 80);
        const QPointF frame(50, 125);
        const QColor white(255, 255, 255);
        QTRY_COMPARE(pixel(window, secondRow), white);
        QCOMPARE(pixel(window, tick), white);
        QCOMPARE(pixel(window, frame), white);
        QVERIFY(!icon->isVisible());

        using Sashiko::Platform::FrameworkHints;
        FrameworkHints::hintsFor(slider)->setTickMarkStepSize(50);
        for (auto* row : rows) {
            FrameworkHints::hintsFor(row)->setUseAlternateBackgroundColor(true);
        }
        FrameworkHints::hintsFor(view)->setShowFramedBackground(true);
        FrameworkHints::hintsFor(combo)->setIconName(QStringLiteral("quilt-test-square"));

        QTRY_COMPARE(pixel(window, tick), QColor(255, 0, 255));
        QCOMPARE(pixel(window, secondRow), QColor(0, 255, 0));
        QCOMPARE(pixel(window, firstRow), white);
        QCOMPARE(pixel(window, frame), QColor(0, 0, 255));
        QVERIFY(icon->isVisible());
        QTRY_COMPARE(pixel(window, sceneCentre(icon)), QColor(255, 0, 255));
        // A file is shown as it is.
        FrameworkHints::hintsFor(combo)->setIconName(QString());
        FrameworkHints::hintsFor(combo)->setIconSource(QUrl::fromLocalFile(squareIcon()));
        QVERIFY(icon->isVisible());
        QTRY_COMPARE(pixel(window, sceneCentre(icon)), QColor(0, 0, 0));

        // And back.
        FrameworkHints::hintsFor(slider)->setTickMarkStepSize(0);
        FrameworkHints::hintsFor(rows.at(1))->setUseAlternateBackgroundColor(false);
        FrameworkHints::hintsFor(view)->setShowFramedBackground(false);
        FrameworkHints::hintsFor(combo)->setIconSource(QUrl());
        QTRY_COMPARE(pixel(window, tick), white);
        QCOMPARE(pixel(window, secondRow), white);
        QCOMPARE(pixel(window, frame), white);
        QVERIFY(!icon->isVisible());
    }
};

int main(int argc, char** argv)
{
    TemporaryXdg temporary;
    xdg = &temporary;
    QuiltTest::isolateSystemSettings(temporary);
    QuiltTest::PrivateSessionBus bus;
    if (!bus.isRunning()) {
        qFatal("dbus-daemon did not start");
    }
    const QByteArray first = R"(
Box { background-color: #ff0000; }
Desktop { background-color: custom(loompalette, active, window, background, normal); }
Button { width: 60px; height: 30px; padding: 0px 5px; background-color: #ff0000; }
Slider { height: 4px; background-color: #c0c0c0; }
Slider Handle { width: 10px; height: 10px; background-color: #404040; }
Slider TickMark { width: 4px; height: 6px; background-color: #ff00ff; }
ItemDelegate { background-color: #ffffff; }
ItemDelegate.alternating-colors { background-color: #00ff00; }
ScrollView { background-color: #ffffff; }
ScrollView.framed-background { background-color: #0000ff; }
ComboBox { icon-size: 16px; icon-color: #ff00ff; }
)";
    const QByteArray second = R"(
Box { background-color: #0000ff; }
Button { width: 70px; height: 30px; padding: 0px 15px; background-color: #0000ff; }
)";
    const QString icons = QFileInfo(squareIcon()).path();
    QImage square(16, 16, QImage::Format_ARGB32);
    square.fill(Qt::black);
    if (!QuiltQuickTest::writeCssStyle(temporary, QStringLiteral("first"), first)
        || !QuiltQuickTest::writeCssStyle(temporary, QStringLiteral("second"), second)
        || !QuiltTest::writeDesktopSettings(temporary, baseline) || !QDir().mkpath(icons)
        || !square.save(squareIcon())) {
        qFatal("Could not write the fixture");
    }
    qputenv("QUILT_FORCE_PLATFORM", "meridian");
    qputenv("QUILT_DISABLE_STYLE_CACHE", "1");
    qunsetenv("QUILT_STYLE_NAME");
    // Only the fixture's styles and no installed default sheet.
    qputenv("XDG_DATA_DIRS", QFile::encodeName(temporary.path() + QStringLiteral("/no-data-dirs")));

    QGuiApplication app(argc, argv);
    QIcon::setFallbackSearchPaths({ icons });
    Quilt::StyleRegistry::instance()->load();
    TestMeridianQuick test;
    const int result = QTest::qExec(&test, argc, argv);
    QuiltQuickTest::pinLoadedLibraries();
    return result;
}
#include "tst_meridianquick.moc"
