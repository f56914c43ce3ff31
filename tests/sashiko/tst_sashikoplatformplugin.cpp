#include "desktopsettings.h"
#include "quickelement.h"
#include "quicktestfixture.h"
#include "quicktestmain.h"
#include "stylehints.h"

#include "backgroundpropertygroup.h"
#include "elementquery.h"
#include "stylepropertygroup.h"
#include <frameworkhints.h>
#include <itemtheme.h>
#include <themefactory.h>
#include <timings.h>

#include <QDir>
#include <QGuiApplication>
#include <QPluginLoader>
#include <QQmlComponent>
#include <QQmlEngine>
#include <QQmlListReference>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QStandardPaths>
#include <QTest>

#include <climits>

using namespace Sashiko::Platform;
using QuiltQuickTest::attached;

namespace
{
// Boxes take their colour from the colour set the theme publishes.
const QByteArray fixtureCss = R"(
Box { background-color: #ff0000; }
Box[colorSet="Window"] { background-color: #00ff00; }
Box.flat[colorSet="View"] { background-color: #0000ff; }
)";

QString pluginFile()
{
    for (const QString& path : QCoreApplication::libraryPaths()) {
        const QString file = QDir(path).filePath(QStringLiteral("sashiko/platform/libquilt-sashiko-platform.so"));
        if (QFileInfo::exists(file)) {
            return file;
        }
    }
    return QString();
}

// One distinct colour per key of the set "Window", and other ones for the
// inactive and disabled groups.
QByteArray fixtureScheme()
{
    const char* const keys[] = { "BackgroundNormal",  "BackgroundAlternate", "BackgroundActive",  "BackgroundLink",
                                 "BackgroundVisited", "BackgroundNegative",  "BackgroundNeutral", "BackgroundPositive",
                                 "ForegroundNormal",  "ForegroundInactive",  "ForegroundActive",  "ForegroundLink",
                                 "ForegroundVisited", "ForegroundNegative",  "ForegroundNeutral", "ForegroundPositive",
                                 "DecorationFocus",   "DecorationHover" };
    QByteArray scheme = "[Colors:Window]\n";
    int i = 1;
    for (const char* key : keys) {
        scheme += QByteArray(key) + "=" + QByteArray::number(i) + ",0,0\n";
        ++i;
    }
    scheme += "[Colors:Window:Inactive]\nForegroundNormal=0,0,1\n"
              "[Colors:Window:Disabled]\nForegroundNormal=0,0,2\n"
              "[Colors:Selection]\nBackgroundNormal=0,1,0\nForegroundNormal=0,2,0\n"
              "[Scheme]\nFrameContrast=0.4\n";
    return scheme;
}

// Calls the protected notification of a hints object, as the framework does.
struct HintsCaller : FrameworkHints
{
    static void changed(FrameworkHints* hints, int index) { (hints->*(&HintsCaller::hintChanged))(index); }
};
} // namespace

class TestSashikoPlatformPlugin : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase()
    {
        const QString configHome = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
        qputenv("XDG_CONFIG_DIRS", QFile::encodeName(configHome + QStringLiteral("/no-system")));
        QVERIFY(QuiltTest::writeFile(configHome + QStringLiteral("/loomglobals"), fixtureScheme()));

        m_loader.setFileName(pluginFile());
        QVERIFY2(m_loader.load(), qPrintable(m_loader.errorString()));
        m_factory = qobject_cast<ThemeFactory*>(m_loader.instance());
        QVERIFY(m_factory);
    }

    void cleanup()
    {
        QuiltQuickTest::setAnimationSpeedMultiplier(1.0);
        m_windows.clear();
    }

    void metadata()
    {
        QCOMPARE(m_loader.metaData().value("IID").toString(), QStringLiteral("org.vyr.sashiko.ThemeFactory"));
        QCOMPARE(m_loader.metaData().value("className").toString(), QStringLiteral("PluginFactory"));
        QVERIFY(m_loader.instance()->qt_metacast("org.vyr.sashiko.ThemeFactory"));
        QCOMPARE(m_loader.instance(), m_loader.instance());
    }

    void colours()
    {
        QQuickItem item;
        std::unique_ptr<ItemTheme> theme(m_factory->createTheme(&item));
        QVERIFY(theme->supportsIconColoring());
        theme->setColorSet(ItemTheme::Window);
        theme->setColorGroup(ItemTheme::Active);

        const ItemTheme::ColorRole foregrounds[] = {
            ItemTheme::TextColor,        ItemTheme::DisabledTextColor, ItemTheme::ActiveTextColor,
            ItemTheme::LinkColor,        ItemTheme::VisitedLinkColor,  ItemTheme::PositiveTextColor,
            ItemTheme::NeutralTextColor, ItemTheme::NegativeTextColor,
        };
        const int foregroundKeys[] = { 9, 10, 11, 12, 13, 16, 15, 14 };
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(theme->color(foregrounds[i]), QColor(foregroundKeys[i], 0, 0));
        }
        const ItemTheme::ColorRole backgrounds[] = {
            ItemTheme::BackgroundColor,
            ItemTheme::AlternateBackgroundColor,
            ItemTheme::ActiveBackgroundColor,
            ItemTheme::LinkBackgroundColor,
            ItemTheme::VisitedLinkBackgroundColor,
            ItemTheme::PositiveBackgroundColor,
            ItemTheme::NeutralBackgroundColor,
            ItemTheme::NegativeBackgroundColor,
        };
        const int backgroundKeys[] = { 1, 2, 3, 4, 5, 8, 7, 6 };
        for (int i = 0; i < 8; ++i) {
            QCOMPARE(theme->color(backgrounds[i]), QColor(backgroundKeys[i], 0, 0));
        }
        QCOMPARE(theme->color(ItemTheme::FocusColor), QColor(17, 0, 0));
        QCOMPARE(theme->color(ItemTheme::HoverColor), QColor(18, 0, 0));
        // The selection colours whatever the item's set.
        QCOMPARE(theme->color(ItemTheme::HighlightColor), QColor(0, 1, 0));
        QCOMPARE(theme->color(ItemTheme::HighlightedTextColor), QColor(0, 2, 0));
        QCOMPARE(theme->frameContrast(), QColor::fromRgbF(0, 0, 0, 0.4f).alphaF());

        // A disabled item takes the group "disabled" whatever its own.
        item.setEnabled(false);
        QCOMPARE(theme->textColor(), QColor(0, 0, 2));
        item.setEnabled(true);
        QCOMPARE(theme->textColor(), QColor(9, 0, 0));
        theme->setColorGroup(ItemTheme::Inactive);
        QCOMPARE(theme->textColor(), QColor(0, 0, 1));

        // Updates end: the theme's own colour notices re-enter no update, and
        // an update that changes nothing announces nothing.
        QSignalSpy changed(theme.get(), &ItemTheme::changed);
        theme->setColorSet(ItemTheme::View);
        QCOMPARE(changed.size(), 2);
        QCOMPARE(changed.at(0).at(0).value<ItemTheme::Changes>(), ItemTheme::Changes(ItemTheme::ColorChange));
        QCOMPARE(changed.at(1).at(0).value<ItemTheme::Changes>(), ItemTheme::Changes(ItemTheme::ColorSetChange));
        item.setVisible(false);
        item.setVisible(true);
        QCOMPARE(changed.size(), 2);
    }

    void groupsFollowTheWindows()
    {
        QQuickWindow* first = window();
        QQuickWindow* second = window();
        first->show();
        QVERIFY(QTest::qWaitForWindowExposed(first));
        first->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(first));

        // Made for an item that is already in a window: it follows that one.
        auto* item = new QQuickItem(first->contentItem());
        auto* theme = m_factory->createTheme(item);
        theme->setColorSet(ItemTheme::Window);
        QCOMPARE(theme->textColor(), QColor(9, 0, 0));

        second->show();
        QVERIFY(QTest::qWaitForWindowExposed(second));
        second->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(second));
        QTRY_COMPARE(theme->textColor(), QColor(0, 0, 1));

        // Moved into the active window: follows it; the old one no more.
        item->setParentItem(second->contentItem());
        QTRY_COMPARE(theme->textColor(), QColor(9, 0, 0));
        first->requestActivate();
        QVERIFY(QTest::qWaitForWindowActive(first));
        QTRY_COMPARE(theme->textColor(), QColor(0, 0, 1));

        // An inactive window that is not exposed keeps the framework's group.
        second->hide();
        QTRY_VERIFY(!second->isExposed());
        theme->setColorGroup(ItemTheme::Disabled);
        theme->setColorGroup(ItemTheme::Active);
        QCOMPARE(theme->textColor(), QColor(9, 0, 0));
    }

    void publishesTheColourSet()
    {
        QQmlEngine engine;
        auto root = QuiltQuickTest::createObject(&engine, "Item { Quilt.Element.type: \"Box\" }");
        QVERIFY(root);
        auto* item = qobject_cast<QQuickItem*>(root.get());
        auto* element = attached<Quilt::Quick::QuickElement>(item);
        auto* theme = m_factory->createTheme(item);
        QVERIFY(theme->inherit());
        QVERIFY(!element->element()->attributes().contains("colorSet"));

        theme->setColorSet(ItemTheme::Window);
        theme->setInherit(false);
        QCOMPARE(element->element()->attributes().value("colorSet"), QVariant(QStringLiteral("Window")));
        QCOMPARE(element->query()->properties()->background()->color()->toQColor(), QColor(0, 255, 0));

        theme->setInherit(true);
        QVERIFY(!element->element()->attributes().contains("colorSet"));
        QCOMPARE(element->query()->properties()->background()->color()->toQColor(), QColor(255, 0, 0));

        // A theme that goes before its item leaves the element nothing that
        // dangles, and no colour set.
        theme->setInherit(false);
        QVERIFY(element->element()->attributes().contains("colorSet"));
        delete theme;
        QVERIFY(!element->element()->attributes().contains("colorSet"));
        QQmlListReference attributes(element, "attributes");
        QCOMPARE(attributes.count(), 1);
        QCOMPARE(attributes.at(0)->parent(), element);
        element->updateAttributes();
        QVERIFY(!element->element()->attributes().contains("colorSet"));

        // One that goes with its item.
        auto* second = m_factory->createTheme(item);
        second->setInherit(false);
        QVERIFY(element->element()->attributes().contains("colorSet"));
        root.reset();
    }

    // Made while QML still creates the item, the theme completes the element
    // early; it still ends with the item's own description.
    void madeDuringCreation()
    {
        QQmlEngine engine;
        QQmlComponent component(&engine);
        component.setData(
            "import QtQuick\nimport org.vyr.quilt.impl as Quilt\n"
            "Item { Quilt.Element.type: \"Box\"; Quilt.Element.hints: [Quilt.ElementHint { name: \"flat\" }] }",
            QUrl());
        std::unique_ptr<QObject> root(component.beginCreate(engine.rootContext()));
        QVERIFY2(root, qPrintable(component.errorString()));
        auto* theme = m_factory->createTheme(root.get());
        theme->setColorSet(ItemTheme::View);
        theme->setInherit(false);
        component.completeCreate();

        auto* element = attached<Quilt::Quick::QuickElement>(root.get());
        QCOMPARE(element->element()->type(), QStringLiteral("Box"));
        QCOMPARE(element->element()->hints(), QStringList({ "flat" }));
        QCOMPARE(element->element()->attributes().value("colorSet"), QVariant(QStringLiteral("View")));
        QCOMPARE(element->query()->properties()->background()->color()->toQColor(), QColor(0, 0, 255));
    }

    void icons()
    {
        QQuickItem item;
        std::unique_ptr<ItemTheme> theme(m_factory->createTheme(&item));
        QIcon icon;
        QVERIFY(QMetaObject::invokeMethod(theme.get(), "iconFromTheme", Q_RETURN_ARG(QIcon, icon),
                                          Q_ARG(QString, "document-open")));
        QCOMPARE(QuiltQuickTest::testPlatform()->property("lastIconName").toString(), QStringLiteral("document-open"));
        QCOMPARE(QuiltQuickTest::testPlatform()->property("lastIconColor").value<QColor>(), QColor(Qt::transparent));
        QVERIFY(QMetaObject::invokeMethod(theme.get(), "iconFromTheme", Q_RETURN_ARG(QIcon, icon),
                                          Q_ARG(QString, "edit-copy"), Q_ARG(QColor, QColor(Qt::red))));
        QCOMPARE(QuiltQuickTest::testPlatform()->property("lastIconColor").value<QColor>(), QColor(Qt::red));
    }

    void durations_data()
    {
        QTest::addColumn<double>("multiplier");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("1") << 1.0 << QList<int> { 50, 100, 200, 400 };
        QTest::newRow("0") << 0.0 << QList<int> { 0, 0, 0, 0 };
        QTest::newRow("0.3") << 0.3 << QList<int> { 15, 30, 60, 120 };
        QTest::newRow("1.25") << 1.25 << QList<int> { 62, 125, 250, 500 };
        QTest::newRow("nan") << qQNaN() << QList<int> { 0, 0, 0, 0 };
        QTest::newRow("huge") << 1e300 << QList<int> { INT_MAX, INT_MAX, INT_MAX, INT_MAX };
        QTest::newRow("infinite") << qInf() << QList<int> { INT_MAX, INT_MAX, INT_MAX, INT_MAX };
        QTest::newRow("minus infinite") << -qInf() << QList<int> { INT_MIN, INT_MIN, INT_MIN, INT_MIN };
    }

    void durations()
    {
        QFETCH(double, multiplier);
        QFETCH(QList<int>, expected);
        QObject first;
        QObject second;
        std::unique_ptr<Timings> before(m_factory->createTimings(&first));
        QuiltQuickTest::setAnimationSpeedMultiplier(multiplier);
        std::unique_ptr<Timings> after(m_factory->createTimings(&second));
        for (Timings* timings : { before.get(), after.get() }) {
            QCOMPARE(QList<int>({ timings->veryShortDuration(), timings->shortDuration(), timings->longDuration(),
                                  timings->veryLongDuration() }),
                     expected);
        }
    }

    void hintsReachTheItemsLibrary()
    {
        QObject object;
        FrameworkHints* hints = FrameworkHints::hintsFor(&object);
        QVERIFY(hints);
        auto* styleHints = attached<Quilt::Quick::StyleHints>(&object);
        QVERIFY(styleHints);
        QCOMPARE(styleHints->parent(), &object);

        hints->setUseAlternateBackgroundColor(true);
        hints->setShowFramedBackground(true);
        hints->setTickMarkStepSize(5);
        hints->setIconName(QStringLiteral("go-next"));
        hints->setIconSource(QUrl(QStringLiteral("file:///tmp/icon.png")));
        QVERIFY(styleHints->useAlternatingColors());
        QVERIFY(styleHints->showFramedBackground());
        QCOMPARE(styleHints->tickMarkStepSize(), 5);
        QCOMPARE(styleHints->iconName(), QStringLiteral("go-next"));
        QCOMPARE(styleHints->iconSource(), QUrl(QStringLiteral("file:///tmp/icon.png")));

        // Unknown indices change nothing; hints never changed keep defaults.
        QSignalSpy updated(styleHints, &Quilt::Quick::StyleHints::updated);
        HintsCaller::changed(hints, 5);
        HintsCaller::changed(hints, -1);
        QCOMPARE(updated.size(), 0);

        QObject other;
        FrameworkHints::hintsFor(&other);
        auto* untouched = attached<Quilt::Quick::StyleHints>(&other);
        QVERIFY(!untouched->useAlternatingColors());
        QCOMPARE(untouched->tickMarkStepSize(), 0);
        QVERIFY(untouched->iconName().isEmpty());
    }

private:
    QQuickWindow* window()
    {
        m_windows.push_back(std::make_unique<QQuickWindow>());
        m_windows.back()->resize(100, 100);
        return m_windows.back().get();
    }

    QPluginLoader m_loader;
    ThemeFactory* m_factory = nullptr;
    std::vector<std::unique_ptr<QQuickWindow>> m_windows;
};

QUILT_QUICK_TEST_MAIN(TestSashikoPlatformPlugin, fixtureCss)
#include "tst_sashikoplatformplugin.moc"
