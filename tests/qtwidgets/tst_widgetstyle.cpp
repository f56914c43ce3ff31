// The style plug-in and the style class: the factory, member lists, polish,
// the window colour, mnemonics and icons.

#include "compositing.h"
#include "elementcache.h"
#include "iconpropertygroup.h"
#include "quiltstyle.h"
#include "standins.h"
#include "stylepropertygroup.h"
#include "widgettest.h"

#include <QApplication>
#include <QComboBox>
#include <QCommandLinkButton>
#include <QDialog>
#include <QGroupBox>
#include <QJsonArray>
#include <QJsonObject>
#include <QLabel>
#include <QListView>
#include <QMainWindow>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPluginLoader>
#include <QPushButton>
#include <QScrollBar>
#include <QSpinBox>
#include <QSplitter>
#include <QStyleFactory>
#include <QStylePlugin>
#include <QTest>
#include <QTextBrowser>
#include <QToolBar>
#include <QToolButton>
#include <QToolTip>

#include <memory>

using namespace QuiltWidgetTest;
using namespace Quilt::Properties;

namespace
{
// A top-level widget that counts its paint events and the key presses it gets.
class PaintCounter : public QWidget
{
public:
    int paints = 0;
    int keyPresses = 0;

protected:
    void paintEvent(QPaintEvent*) override { ++paints; }
    void keyPressEvent(QKeyEvent* event) override
    {
        ++keyPresses;
        QWidget::keyPressEvent(event);
    }
};

// Widgets in the arrangement a member list is asked for: the root owns the
// rest, the probe is the widget asked about.
struct Scene
{
    std::unique_ptr<QWidget> root;
    QWidget* probe = nullptr;
};

Scene makeScene(const QString& name)
{
    Scene scene;
    auto single = [&scene](QWidget* widget) {
        scene.root.reset(widget);
        scene.probe = widget;
    };
    if (name == QLatin1String("button in group box in dialog")) {
        auto* dialog = new QDialog;
        scene.root.reset(dialog);
        scene.probe = new QPushButton(QStringLiteral("OK"), new QGroupBox(dialog));
    } else if (name == QLatin1String("plain widget")) {
        single(new QWidget);
    } else if (name == QLatin1String("widget in main window")) {
        auto* window = new QMainWindow;
        scene.root.reset(window);
        scene.probe = new QWidget;
        window->setCentralWidget(scene.probe);
    } else if (name == QLatin1String("menu of menu bar")) {
        auto* window = new QMainWindow;
        scene.root.reset(window);
        scene.probe = window->menuBar()->addMenu(QStringLiteral("File"));
    } else if (name == QLatin1String("tool button in tool bar")) {
        auto* window = new QMainWindow;
        scene.root.reset(window);
        QToolBar* toolBar = window->addToolBar(QStringLiteral("Tools"));
        scene.probe = toolBar->widgetForAction(toolBar->addAction(QStringLiteral("Go")));
    } else if (name == QLatin1String("combo box popup")) {
        auto* combo = new QComboBox;
        combo->addItem(QStringLiteral("one"));
        scene.root.reset(combo);
        scene.probe = combo->view();
    } else if (name == QLatin1String("scroll bar of list view")) {
        auto* list = new QListView;
        scene.root.reset(list);
        scene.probe = list->verticalScrollBar();
    } else if (name == QLatin1String("text browser")) {
        single(new QTextBrowser);
    } else if (name == QLatin1String("splitter")) {
        single(new QSplitter);
    } else if (name == QLatin1String("label")) {
        single(new QLabel);
    } else if (name == QLatin1String("command link button")) {
        single(new QCommandLinkButton);
    } else if (name == QLatin1String("tool button")) {
        single(new QToolButton);
    } else if (name == QLatin1String("side tab bar")) {
        single(new LoomSideTabBar);
    } else if (name == QLatin1String("meter bar")) {
        single(new LoomMeterBar);
    } else if (name == QLatin1String("suggest box")) {
        single(new LoomSuggestBox);
    } else if (name == QLatin1String("page list")) {
        single(new VYRPrivate::LoomPageList);
    } else if (name == QLatin1String("page tree")) {
        single(new VYRPrivate::LoomPageTree);
    }
    return scene;
}

std::unique_ptr<StylePropertyGroup> iconProperties(const QVariant& name, const QColor& color)
{
    auto icon = std::make_unique<IconPropertyGroup>();
    if (name.isValid()) {
        icon->setName(name.toString());
    }
    if (color.isValid()) {
        icon->setColor(Quilt::Color::rgba(color.red(), color.green(), color.blue(), color.alpha()));
    }
    auto properties = std::make_unique<StylePropertyGroup>();
    properties->setIcon(std::move(icon));
    return properties;
}

// The lowest row with a dark pixel; -1 when there is none.
int lowestDarkRow(const QImage& image, const QRect& rect)
{
    for (int y = rect.bottom(); y >= rect.top(); --y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (qGray(image.pixel(x, y)) < 128) {
                return y;
            }
        }
    }
    return -1;
}
} // namespace

class tst_WidgetStyle : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void factory_data();
    void factory();
    void pluginRefusesOtherKeys();
    void memberLists_data();
    void memberLists();
    void polishAttributes();
    void windowColor();
    void mnemonicsFollowAlt();
    void mnemonicFlags_data();
    void mnemonicFlags();
    void mnemonicUnderline();
    void resolveIcon_data();
    void resolveIcon();
    void factoryStyleInApplication();
    void destructionClearsElementCache();
};

void tst_WidgetStyle::initTestCase()
{
    QVERIFY(style());
    QCOMPARE(QApplication::style(), style());
    QCOMPARE(platform()->metaObject()->className(), "TestPlatformPlugin");
}

void tst_WidgetStyle::factory_data()
{
    QTest::addColumn<QString>("key");
    QTest::newRow("QUILT") << QStringLiteral("QUILT");
    QTest::newRow("quilt") << QStringLiteral("quilt");
    QTest::newRow("Quilt") << QStringLiteral("Quilt");
}

void tst_WidgetStyle::factory()
{
    QFETCH(QString, key);
    QVERIFY(QStyleFactory::keys().contains(QStringLiteral("Quilt")));

    // The plug-in carries its own copy of the class, so compare by name.
    std::unique_ptr<QStyle> first(QStyleFactory::create(key));
    std::unique_ptr<QStyle> second(QStyleFactory::create(key));
    QVERIFY(first);
    QVERIFY(second);
    QVERIFY(first.get() != second.get());
    const QMetaObject* meta = first->metaObject();
    QCOMPARE(meta->className(), "QuiltStyle");
    QVERIFY(first->inherits("QCommonStyle"));
    const int info = meta->indexOfClassInfo("X-VYR-CustomElements");
    QVERIFY(info >= 0);
    QCOMPARE(meta->classInfo(info).value(), "false");
}

void tst_WidgetStyle::pluginRefusesOtherKeys()
{
    QPluginLoader loader(QStringLiteral(QUILT_TEST_STYLE_PLUGIN_FILE));
    auto* plugin = qobject_cast<QStylePlugin*>(loader.instance());
    QVERIFY2(plugin, qPrintable(loader.errorString()));
    QCOMPARE(plugin->metaObject()->className(), "StylePlugin");
    QCOMPARE(loader.metaData().value(QLatin1String("MetaData")).toObject().value(QLatin1String("Keys")).toArray(),
             QJsonArray { QStringLiteral("Quilt") });

    for (const QString& key : { QStringLiteral("Fusion"), QStringLiteral("Windows"), QStringLiteral("quilt2"),
                                QStringLiteral(" quilt"), QString() }) {
        QVERIFY2(!plugin->create(key), qPrintable(key));
    }
    std::unique_ptr<QStyle> style(plugin->create(QStringLiteral("qUiLt")));
    QVERIFY(style);
}

void tst_WidgetStyle::memberLists_data()
{
    QTest::addColumn<QString>("scene");
    QTest::addColumn<QStringList>("members");

    auto row = [](const char* name, const QStringList& members) {
        QTest::newRow(name) << QString::fromLatin1(name) << members;
    };
    row("button in group box in dialog", { "Dialog", "GroupBox", "Button" });
    row("plain widget", {});
    row("widget in main window", { "ApplicationWindow" });
    // The walk follows QObject parents across window boundaries.
    row("menu of menu bar", { "ApplicationWindow", "MenuBar", "Menu" });
    row("tool button in tool bar", { "ApplicationWindow", "ToolBar", "ToolButton" });
    row("combo box popup", { "ComboBox", "Frame", "Popup" });
    row("scroll bar of list view", { "ListView", "ScrollBar" });
    row("text browser", { "TextArea" });
    row("splitter", { "Frame" });
    row("label", { "Label" });
    row("command link button", { "Button" });
    row("tool button", { "ToolButton" });
    row("side tab bar", { "TabBar" });
    row("meter bar", { "ProgressBar" });
    row("suggest box", { "Frame" });
    row("page list", { "ListView" });
    row("page tree", { "TreeView" });
}

void tst_WidgetStyle::memberLists()
{
    QFETCH(QString, scene);
    QFETCH(QStringList, members);

    const Scene widgets = makeScene(scene);
    QVERIFY(widgets.probe);
    QCOMPARE(style()->memberListForWidget(widgets.probe), members);

    // Polishing stores the list, replacing what was there.
    widgets.probe->setProperty(MemberListProperty, QStringList { QStringLiteral("Stale") });
    style()->polish(widgets.probe);
    QCOMPARE(widgets.probe->property(MemberListProperty).toStringList(), members);
    QVERIFY(widgets.probe->testAttribute(Qt::WA_Hover));

    QCOMPARE(style()->memberListForWidget(nullptr), QStringList());
}

void tst_WidgetStyle::polishAttributes()
{
    QMenu menu;
    style()->polish(&menu);
    // Translucent only where something blends it; the tests' X server has no
    // compositing manager.
    QCOMPARE(menu.testAttribute(Qt::WA_TranslucentBackground), platformComposites());

    QComboBox combo;
    combo.addItem(QStringLiteral("one"));
    QWidget* container = combo.view()->parentWidget();
    QVERIFY(container && container->inherits("QComboBoxPrivateContainer"));
    style()->polish(container);
    QCOMPARE(container->testAttribute(Qt::WA_TranslucentBackground), platformComposites());
    QWidget* viewport = combo.view()->viewport();
    viewport->setAutoFillBackground(true);
    style()->polish(viewport);
    QVERIFY(viewport->testAttribute(Qt::WA_TranslucentBackground));
    QVERIFY(!viewport->autoFillBackground());

    QSpinBox spinBox;
    spinBox.setAutoFillBackground(true);
    style()->polish(&spinBox);
    QVERIFY(!spinBox.autoFillBackground());
    QVERIFY(!spinBox.testAttribute(Qt::WA_TranslucentBackground));

    QScrollBar scrollBar;
    scrollBar.setAttribute(Qt::WA_OpaquePaintEvent);
    style()->polish(&scrollBar);
    QVERIFY(!scrollBar.testAttribute(Qt::WA_OpaquePaintEvent));

    QWidget plain;
    plain.setAutoFillBackground(true);
    style()->polish(&plain);
    QVERIFY(plain.autoFillBackground());
    QVERIFY(!plain.testAttribute(Qt::WA_TranslucentBackground));

    // A real tool tip: Qt polishes its label when it shows it.
    QWidget anchor;
    QVERIFY(showAndWait(&anchor));
    QToolTip::showText(anchor.mapToGlobal(QPoint(5, 5)), QStringLiteral("Tip"), &anchor);
    QWidget* tip = nullptr;
    QTRY_VERIFY((tip = [] {
        const auto widgets = QApplication::topLevelWidgets();
        for (QWidget* widget : widgets) {
            if (widget->inherits("QTipLabel")) {
                return widget;
            }
        }
        return static_cast<QWidget*>(nullptr);
    }()));
    QCOMPARE(tip->testAttribute(Qt::WA_TranslucentBackground), platformComposites());
    QToolTip::hideText();
}

void tst_WidgetStyle::windowColor()
{
    const QColor window = fixtureColor(QStringLiteral("ApplicationWindow"));
    const QPalette palette = QApplication::palette();
    QUILT_COMPARE_COLOR(palette.color(QPalette::Active, QPalette::Window), window);
    QUILT_COMPARE_COLOR(palette.color(QPalette::Inactive, QPalette::Window), window);
    QUILT_COMPARE_COLOR(palette.color(QPalette::Disabled, QPalette::Window), window);
    QCOMPARE(palette.brush(QPalette::Window).style(), Qt::SolidPattern);

    QWidget widget;
    QUILT_COMPARE_COLOR(widget.palette().color(QPalette::Window), window);
}

void tst_WidgetStyle::mnemonicsFollowAlt()
{
    PaintCounter widget;
    widget.resize(60, 40);
    QVERIFY(showAndWait(&widget));
    widget.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&widget));
    style()->setMnemonicsVisible(false);
    QTest::qWait(50);
    QVERIFY(!style()->mnemonicsVisible());

    widget.paints = 0;
    QTest::keyPress(&widget, Qt::Key_Alt);
    QVERIFY(style()->mnemonicsVisible());
    QTRY_COMPARE(widget.paints, 1);
    // The filter consumes nothing.
    QCOMPARE(widget.keyPresses, 1);

    // Held down, Alt repeats: no further repaint.
    QTest::keyPress(&widget, Qt::Key_Alt);
    QTest::qWait(50);
    QVERIFY(style()->mnemonicsVisible());
    QCOMPARE(widget.paints, 1);

    QTest::keyRelease(&widget, Qt::Key_Alt);
    QVERIFY(!style()->mnemonicsVisible());
    QTRY_COMPARE(widget.paints, 2);
    QTest::keyRelease(&widget, Qt::Key_Alt);
    QTest::qWait(50);
    QCOMPARE(widget.paints, 2);

    // Other keys leave the state alone.
    QTest::keyClick(&widget, Qt::Key_A);
    QTest::keyClick(&widget, Qt::Key_Control);
    QVERIFY(!style()->mnemonicsVisible());

    // Switching to another application while Alt is held hides them.
    QTest::keyPress(&widget, Qt::Key_Alt);
    QVERIFY(style()->mnemonicsVisible());
    QTRY_COMPARE(widget.paints, 3);
    QApplicationStateChangeEvent inactive(Qt::ApplicationInactive);
    QCoreApplication::sendEvent(qApp, &inactive);
    QVERIFY(!style()->mnemonicsVisible());
    QTRY_COMPARE(widget.paints, 4);
}

void tst_WidgetStyle::mnemonicFlags_data()
{
    QTest::addColumn<int>("flags");
    QTest::addColumn<bool>("visible");
    QTest::addColumn<int>("expected");

    const int show = Qt::TextShowMnemonic;
    const int hide = Qt::TextHideMnemonic;
    const int other = Qt::AlignHCenter | Qt::AlignVCenter | Qt::TextWordWrap;
    QTest::newRow("show, hidden") << show << false << hide;
    QTest::newRow("hide, shown") << hide << true << show;
    QTest::newRow("show, shown") << show << true << show;
    QTest::newRow("hide, hidden") << hide << false << hide;
    QTest::newRow("both, shown") << (show | hide) << true << show;
    QTest::newRow("both, hidden") << (show | hide) << false << hide;
    QTest::newRow("neither, shown") << other << true << other;
    QTest::newRow("neither, hidden") << other << false << other;
    QTest::newRow("other bits kept") << (other | show) << false << (other | hide);
}

void tst_WidgetStyle::mnemonicFlags()
{
    QFETCH(int, flags);
    QFETCH(bool, visible);
    QFETCH(int, expected);
    QCOMPARE(mnemonicTextFlags(flags, visible), expected);
}

void tst_WidgetStyle::mnemonicUnderline()
{
    QFont font = QApplication::font();
    font.setPixelSize(20);
    const QFontMetrics metrics(font);
    const QRect rect(0, 0, 60, metrics.height() + 4);
    QPalette palette;
    palette.setColor(QPalette::WindowText, Qt::black);

    // "W" has no descender: whatever is painted below its baseline is the underline.
    auto lowestRow = [&](bool visible) {
        style()->setMnemonicsVisible(visible);
        QImage image(rect.size(), QImage::Format_RGB32);
        image.fill(Qt::white);
        QPainter painter(&image);
        painter.setFont(font);
        style()->drawItemText(&painter, rect, Qt::AlignLeft | Qt::AlignTop | Qt::TextShowMnemonic, palette, true,
                              QStringLiteral("&W"), QPalette::WindowText);
        painter.end();
        return lowestDarkRow(image, rect);
    };
    const int hidden = lowestRow(false);
    const int shown = lowestRow(true);
    style()->setMnemonicsVisible(false);
    QVERIFY(hidden > 0);
    QVERIFY2(hidden <= metrics.ascent(), qPrintable(QString::number(hidden)));
    QVERIFY2(shown > metrics.ascent(), qPrintable(QString::number(shown)));
}

void tst_WidgetStyle::resolveIcon_data()
{
    QTest::addColumn<bool>("withProperties");
    QTest::addColumn<QVariant>("name");
    QTest::addColumn<QColor>("color");
    QTest::addColumn<QString>("fallback");
    // Empty when the platform is not asked.
    QTest::addColumn<QString>("platformName");
    QTest::addColumn<QColor>("platformColor");
    // Invalid for a null icon.
    QTest::addColumn<QColor>("iconColor");

    const QColor none;
    const QColor transparent(Qt::transparent);
    const QColor red(Qt::red);
    const QString down = QStringLiteral("pan-down-symbolic");
    const QString close = QStringLiteral("window-close-symbolic");
    const QString left = QStringLiteral("pan-start-symbolic");
    const QString increase = QStringLiteral("list-add-symbolic");

    QTest::newRow("no properties") << false << QVariant() << none << down << down << transparent << iconColor(down);
    QTest::newRow("name and colour") << true << QVariant(close) << red << down << close << red << iconColor(close);
    QTest::newRow("colour only") << true << QVariant() << red << increase << increase << red << iconColor(increase);
    QTest::newRow("name without colour") << true << QVariant(close) << none << QString() << close << transparent
                                         << iconColor(close);
    // Set, but empty: the fallback's theme icon, without the platform.
    QTest::newRow("empty name") << true << QVariant(QString()) << red << left << QString() << none << iconColor(left);
    QTest::newRow("nothing at all") << true << QVariant() << none << QString() << QString() << none << none;
    QTest::newRow("unknown name") << true << QVariant(QStringLiteral("no-such-icon")) << none << down
                                  << QStringLiteral("no-such-icon") << transparent << none;
}

void tst_WidgetStyle::resolveIcon()
{
    QFETCH(bool, withProperties);
    QFETCH(QVariant, name);
    QFETCH(QColor, color);
    QFETCH(QString, fallback);
    QFETCH(QString, platformName);
    QFETCH(QColor, platformColor);
    QFETCH(QColor, iconColor);

    const auto properties = iconProperties(name, color);
    platform()->setProperty("lastIconName", QString());
    platform()->setProperty("lastIconColor", QColor());

    const QIcon icon = style()->resolveIcon(withProperties ? properties.get() : nullptr, fallback);

    QCOMPARE(platform()->property("lastIconName").toString(), platformName);
    QCOMPARE(platform()->property("lastIconColor").value<QColor>(), platformColor);
    QCOMPARE(icon.isNull(), !iconColor.isValid());
    if (iconColor.isValid()) {
        QUILT_COMPARE_COLOR(icon.pixmap(16, 16).toImage().pixelColor(8, 8), iconColor);
    }
}

void tst_WidgetStyle::factoryStyleInApplication()
{
    const QColor window = fixtureColor(QStringLiteral("ApplicationWindow"));
    QApplication::setPalette(QPalette(Qt::magenta));
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Quilt")));
    QCOMPARE(QApplication::style()->metaObject()->className(), "QuiltStyle");
    QVERIFY(QApplication::style() != style());
    QUILT_COMPARE_COLOR(QApplication::palette().color(QPalette::Window), window);

    // The plug-in's style shows the mnemonic of a button's label while Alt is held.
    QPushButton button(QStringLiteral("&Wide"));
    QFont font = button.font();
    font.setPixelSize(20);
    button.setFont(font);
    button.resize(200, 60);
    QVERIFY(showAndWait(&button));
    button.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&button));

    // Where the label lies is the button's business: count the pixels in the
    // text colour, which the underline adds to.
    const QColor textColor = button.palette().color(QPalette::ButtonText);
    auto inkPixels = [&] {
        const QImage image = grabImage(&button);
        int count = 0;
        for (int y = 0; y < image.height(); ++y) {
            for (int x = 0; x < image.width(); ++x) {
                count += fuzzyColor(image.pixelColor(x, y), textColor, 20) ? 1 : 0;
            }
        }
        return count;
    };

    const int hidden = inkPixels();
    QVERIFY(hidden > 0);
    QTest::keyPress(&button, Qt::Key_Alt);
    QTRY_VERIFY(inkPixels() > hidden);
    QTest::keyRelease(&button, Qt::Key_Alt);
    QTRY_COMPARE(inkPixels(), hidden);

    // Back to the harness's style for the rest of the program.
    auto* own = new QuiltStyle;
    QApplication::setStyle(own);
}

void tst_WidgetStyle::destructionClearsElementCache()
{
    // The cache is shared by every style of the process: any style's end
    // empties it, since its elements may point at that style.
    elementCache().put(1, {});
    elementCache().put(2, {});
    auto other = std::make_unique<QuiltStyle>();
    QVERIFY(elementCache().contains(1));
    other.reset();
    QVERIFY(!elementCache().contains(1));
    QVERIFY(!elementCache().contains(2));
    QCOMPARE(elementCache().size(), 0u);
}

QUILT_WIDGET_TEST_MAIN(tst_WidgetStyle, standardStyleSheet())
#include "tst_widgetstyle.moc"
