#include "desktopsettings.h"
#include "platformplugin.h"
#include "quickelement.h"
#include "quicktestfixture.h"
#include "styleregistry.h"

#include <themefactory.h>
#include <timings.h>

#include <QDBusConnection>
#include <QDBusMessage>
#include <QFileInfo>
#include <QGuiApplication>
#include <QPalette>
#include <QPluginLoader>
#include <QQmlEngine>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>
#include <QWheelEvent>

using QuiltTest::TemporaryXdg;

namespace
{
TemporaryXdg* xdg = nullptr;

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
} // namespace

class TestMeridianQuick : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase() { QCOMPARE(Quilt::StyleRegistry::instance()->platform()->name(), QStringLiteral("meridian")); }

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
        QString file;
        for (const QString& path : QCoreApplication::libraryPaths()) {
            if (QFileInfo::exists(path + QStringLiteral("/sashiko/platform/libquilt-sashiko-platform.so"))) {
                file = path + QStringLiteral("/sashiko/platform/libquilt-sashiko-platform.so");
            }
        }
        QPluginLoader loader(file);
        auto* factory = qobject_cast<Sashiko::Platform::ThemeFactory*>(loader.instance());
        QVERIFY2(factory, qPrintable(loader.errorString()));
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
    if (!QuiltQuickTest::writeCssStyle(
            temporary, QStringLiteral("first"),
            "Box { background-color: #ff0000; }\n"
            "Desktop { background-color: custom(loompalette, active, window, background, normal); }")
        || !QuiltQuickTest::writeCssStyle(temporary, QStringLiteral("second"), "Box { background-color: #0000ff; }")
        || !QuiltTest::writeDesktopSettings(temporary, "[VYR]\nquiltStyle=first\n")) {
        qFatal("Could not write the fixture");
    }
    qputenv("QUILT_FORCE_PLATFORM", "meridian");
    qputenv("QUILT_DISABLE_STYLE_CACHE", "1");
    qunsetenv("QUILT_STYLE_NAME");
    // Only the fixture's styles and no installed default sheet.
    qputenv("XDG_DATA_DIRS", QFile::encodeName(temporary.path() + QStringLiteral("/no-data-dirs")));

    QGuiApplication app(argc, argv);
    Quilt::StyleRegistry::instance()->load();
    TestMeridianQuick test;
    const int result = QTest::qExec(&test, argc, argv);
    QuiltQuickTest::pinLoadedLibraries();
    return result;
}
#include "tst_meridianquick.moc"
