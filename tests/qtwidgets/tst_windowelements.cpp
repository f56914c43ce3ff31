#include <QAbstractButton>
#include <QDockWidget>
#include <QGroupBox>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPainter>
#include <QRubberBand>
#include <QScrollArea>
#include <QSplitter>
#include <QStatusBar>
#include <QStyleOption>
#include <QTabWidget>
#include <QTest>
#include <QToolBox>
#include <QVBoxLayout>

#include "abstractelement.h"
#include "elementcache.h"
#include "elementdispatch.h"
#include "quiltstyle.h"
#include "widgettest.h"

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::fixtureColor;
using QuiltWidgetTest::iconColor;
using namespace ElementDispatch;

namespace
{
const QColor TextColor(0xf0, 0xb0, 0x10);

QByteArray styleSheet()
{
    return QuiltWidgetTest::standardStyleSheet() + R"(
ScrollBar { width: 12px; height: 12px; }
TitleBar {
    height: 24px;
    padding: 4px;
    spacing: 2px;
    color: #f0b010;
    icon-size: 16px;
    icon-alignment-horizontal: start;
    icon-alignment-vertical: center;
    icon-alignment-order: -1;
    text-alignment-horizontal: start;
    text-alignment-vertical: center;
}
TitleBar MinimizeButton, TitleBar MaximizeButton, TitleBar CloseButton, TitleBar SystemMenu,
TitleBar HelpButton, TitleBar ShadeButton {
    width: 16px;
    height: 16px;
    layout-alignment-horizontal: end;
    layout-alignment-vertical: center;
}
TitleBar CloseButton { icon-name: pan-up-symbolic; }
TitleBar NormalButton { width: 18.6px; }
DockWidget {
    border: 2px solid #c02080;
    padding: 2px;
    spacing: 2px;
    color: #f0b010;
    text-alignment-horizontal: start;
    text-alignment-vertical: center;
}
DockWidget CloseButton, DockWidget FloatButton {
    width: 14px;
    height: 14px;
    layout-alignment-horizontal: end;
    layout-alignment-vertical: center;
}
Splitter { width: 7px; }
ToolTip { border-top: 1px solid #c02080; border-bottom: 1px solid #c02080; }
SmallIconSize { width: 16px; height: 16px; }
)";
}

QuiltStyle* quiltStyle()
{
    return QuiltWidgetTest::style();
}

// The type's colour, or its hovered colour where the pointer happens to be.
bool isColorOf(const QColor& color, const char* type)
{
    const QString name = QString::fromLatin1(type);
    return QuiltWidgetTest::fuzzyColor(color, fixtureColor(name))
        || QuiltWidgetTest::fuzzyColor(color, fixtureColor(name + QStringLiteral(":hover")));
}

QStyleOptionTitleBar titleBarOption(Qt::WindowFlags flags, Qt::WindowStates states = Qt::WindowNoState)
{
    QStyleOptionTitleBar option;
    option.rect = QRect(0, 0, 200, 24);
    option.state = QStyle::State_Enabled;
    option.text = QStringLiteral("Window");
    option.icon = QIcon::fromTheme(QStringLiteral("pan-down-symbolic"));
    option.titleBarFlags = flags;
    option.titleBarState = int(states);
    return option;
}

std::shared_ptr<AbstractElement> paintedTitleBar(const QStyleOptionTitleBar& option, QImage* image = nullptr)
{
    const QImage painted = QuiltWidgetTest::paintImage(option.rect.size(), [&](QPainter* painter) {
        quiltStyle()->drawComplexControl(QStyle::CC_TitleBar, &option, painter, nullptr);
    });
    if (image) {
        *image = painted;
    }
    return cachedElement({ DrawComplexControl, QStyle::CC_TitleBar, &option, nullptr, {} });
}

QRect titleBarRect(const QStyleOptionTitleBar& option, QStyle::SubControl control)
{
    return quiltStyle()->subControlRect(QStyle::CC_TitleBar, &option, control, nullptr);
}

const Qt::WindowFlags UsualFlags = Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowMinimizeButtonHint
    | Qt::WindowMaximizeButtonHint | Qt::WindowCloseButtonHint;
} // namespace

// Title bars, dock widgets, rubber bands, scroll-area corners, size grips,
// splitters and tool tips.
class tst_WindowElements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void titleBarPlaces_data();
    void titleBarPlaces();
    void titleBarWithoutTitle();
    void titleBarIcons();
    void titleBarMetrics();
    void mdiSubWindow();

    void dockWidget_data();
    void dockWidget();
    void dockWidgetRequests();

    void smallWidgets();
    void toolTip();

    void application();
};

void tst_WindowElements::init()
{
    elementCache().clear();
}

void tst_WindowElements::titleBarPlaces_data()
{
    QTest::addColumn<int>("states");
    QTest::addColumn<QStringList>("hints");

    QTest::newRow("normal") << int(Qt::WindowNoState) << QStringList();
    QTest::newRow("maximized") << int(Qt::WindowMaximized) << QStringList { QStringLiteral("maximized") };
    QTest::newRow("minimized") << int(Qt::WindowMinimized) << QStringList { QStringLiteral("minimized") };
}

void tst_WindowElements::titleBarPlaces()
{
    QFETCH(int, states);
    QFETCH(QStringList, hints);

    const QStyleOptionTitleBar option = titleBarOption(UsualFlags, Qt::WindowStates(states));
    const auto element = paintedTitleBar(option);
    QVERIFY(element);
    QCOMPARE(element->elementChain().last()->hints(), hints);
    QCOMPARE(element->subElementLayout().keys().size(), 6);

    // The buttons in their order at the end, the title after the icon at
    // the start.
    const QRect icon = element->subElementLayout().value(QStringLiteral("Icon")).rect.toRect();
    const QRect label = titleBarRect(option, QStyle::SC_TitleBarLabel);
    const QRect minimize = titleBarRect(option, QStyle::SC_TitleBarMinButton);
    const QRect maximize = titleBarRect(option, QStyle::SC_TitleBarMaxButton);
    const QRect close = titleBarRect(option, QStyle::SC_TitleBarCloseButton);
    const QRect menu = titleBarRect(option, QStyle::SC_TitleBarSysMenu);
    QCOMPARE(icon, QRect(4, 4, 16, 16));
    QCOMPARE(label.left(), 4 + 16 + 2);
    // The title is measured: its place ends where the text does.
    QVERIFY(label.width() > 20);
    QVERIFY(label.right() < minimize.left());
    // (The end group counts a spacing after each of its items.)
    QCOMPARE(menu, QRect(200 - 4 - 2 - 16, 4, 16, 16));
    QCOMPARE(close.right() + 1 + 2, menu.left());
    QCOMPARE(maximize.right() + 1 + 2, close.left());
    QCOMPARE(minimize.right() + 1 + 2, maximize.left());
    QCOMPARE(titleBarRect(option, QStyle::SC_TitleBarNormalButton), QRect());
    QCOMPARE(titleBarRect(option, QStyle::SC_TitleBarContextHelpButton), QRect());

    const QStyleOptionTitleBar shaded = titleBarOption(UsualFlags | Qt::WindowShadeButtonHint);
    QVERIFY(!titleBarRect(shaded, QStyle::SC_TitleBarShadeButton).isEmpty());
    QCOMPARE(titleBarRect(shaded, QStyle::SC_TitleBarUnshadeButton),
             titleBarRect(shaded, QStyle::SC_TitleBarShadeButton));
}

void tst_WindowElements::titleBarWithoutTitle()
{
    const QStyleOptionTitleBar option = titleBarOption(Qt::WindowCloseButtonHint);
    QImage image;
    const auto element = paintedTitleBar(option, &image);
    QVERIFY(!element->subElementLayout().contains(QStringLiteral("Text")));
    QVERIFY(!QuiltWidgetTest::containsColor(image, option.rect, TextColor, 40));
    QCOMPARE(titleBarRect(option, QStyle::SC_TitleBarLabel), QRect());
}

void tst_WindowElements::titleBarIcons()
{
    const QStyleOptionTitleBar option = titleBarOption(UsualFlags);
    QImage image;
    paintedTitleBar(option, &image);
    QVERIFY(isColorOf(colorAt(image, QPoint(1, 1)), "TitleBar"));
    QVERIFY(QuiltWidgetTest::containsColor(image, titleBarRect(option, QStyle::SC_TitleBarLabel), TextColor, 40));
    QVERIFY(QuiltWidgetTest::containsColor(image, QRect(4, 4, 16, 16), iconColor("pan-down-symbolic")));

    // The rule on "TitleBar CloseButton" changes the close button only.
    const auto iconIn = [&](QStyle::SubControl control, const char* name) {
        return QuiltWidgetTest::containsColor(image, titleBarRect(option, control), iconColor(name));
    };
    QVERIFY(iconIn(QStyle::SC_TitleBarCloseButton, "pan-up-symbolic"));
    QVERIFY(!iconIn(QStyle::SC_TitleBarCloseButton, "window-close-symbolic"));
    QVERIFY(iconIn(QStyle::SC_TitleBarMinButton, "window-minimize-symbolic"));
    QVERIFY(iconIn(QStyle::SC_TitleBarMaxButton, "window-maximize-symbolic"));
    QVERIFY(iconIn(QStyle::SC_TitleBarSysMenu, "application-menu-symbolic"));
}

void tst_WindowElements::titleBarMetrics()
{
    const QStyleOptionTitleBar option = titleBarOption(UsualFlags);
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_TitleBarHeight, &option), 24);
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_TitleBarButtonIconSize, &option), 16);
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_TitleBarButtonSize, &option), 18);
}

void tst_WindowElements::mdiSubWindow()
{
    QMdiArea area;
    QMdiSubWindow* window = area.addSubWindow(new QWidget);
    window->setWindowTitle(QStringLiteral("Sub-window"));
    window->setGeometry(10, 10, 220, 120);
    area.resize(300, 200);
    QVERIFY(QuiltWidgetTest::showAndWait(&area));
    const QImage image = QuiltWidgetTest::grabImage(window);

    const QRect bar(0, 0, window->width(), 24);
    QVERIFY(QuiltWidgetTest::containsColor(image, bar, TextColor, 40));
    QVERIFY(QuiltWidgetTest::containsColor(image, bar, iconColor("pan-up-symbolic")));
    QVERIFY(QuiltWidgetTest::containsColor(image, bar, iconColor("window-minimize-symbolic")));
    QVERIFY(!QuiltWidgetTest::containsColor(image, bar, iconColor("window-close-symbolic")));
}

void tst_WindowElements::dockWidget_data()
{
    QTest::addColumn<bool>("features");
    QTest::addColumn<bool>("floating");

    QTest::newRow("docked") << true << false;
    QTest::newRow("floating") << true << true;
    QTest::newRow("no features") << false << false;
}

void tst_WindowElements::dockWidget()
{
    QFETCH(bool, features);
    QFETCH(bool, floating);

    QMainWindow window;
    window.setCentralWidget(new QWidget);
    auto* dock = new QDockWidget(QStringLiteral("Dock"));
    dock->setWidget(new QWidget);
    dock->setFeatures(features ? QDockWidget::DockWidgetClosable | QDockWidget::DockWidgetFloatable
                              | QDockWidget::DockWidgetMovable
                               : QDockWidget::NoDockWidgetFeatures);
    window.addDockWidget(Qt::LeftDockWidgetArea, dock);
    window.resize(400, 240);
    QVERIFY(QuiltWidgetTest::showAndWait(&window));
    if (floating) {
        dock->setFloating(true);
        QVERIFY(QTest::qWaitForWindowExposed(dock));
    }
    const QImage image = QuiltWidgetTest::grabImage(dock);

    QStyleOptionDockWidget option;
    option.initFrom(dock);
    option.rect = QRect(0, 0, dock->width(), 24);
    option.title = dock->windowTitle();
    option.closable = features;
    option.floatable = features;
    const QRect text = quiltStyle()->subElementRect(QStyle::SE_DockWidgetTitleBarText, &option, dock);
    QVERIFY(!text.isEmpty());
    QVERIFY(QuiltWidgetTest::containsColor(image, text, TextColor, 40));

    auto* close = dock->findChild<QAbstractButton*>(QStringLiteral("qt_dockwidget_closebutton"));
    auto* floatButton = dock->findChild<QAbstractButton*>(QStringLiteral("qt_dockwidget_floatbutton"));
    QVERIFY(close && floatButton);
    QCOMPARE(close->isVisible(), features);
    QCOMPARE(floatButton->isVisible(), features);
    if (!features) {
        QCOMPARE(quiltStyle()->subElementRect(QStyle::SE_DockWidgetCloseButton, &option, dock), QRect());
        return;
    }
    // Close, then float, at the end; each shows the standard icon the style
    // names for it.
    QVERIFY(close->x() < floatButton->x());
    QVERIFY(close->geometry().right() < floatButton->geometry().left());
    QVERIFY(QuiltWidgetTest::containsColor(image, close->geometry(), iconColor("window-close-symbolic")));
    QVERIFY(QuiltWidgetTest::containsColor(image, floatButton->geometry(), iconColor("window-restore")));
    if (!floating) {
        QVERIFY(isColorOf(colorAt(image, QPoint(text.left(), 3)), "DockWidget"));
    }
}

void tst_WindowElements::dockWidgetRequests()
{
    QStyleOptionDockWidget option;
    option.rect = QRect(0, 0, 200, 24);
    option.state = QStyle::State_Enabled;
    option.title = QStringLiteral("Dock");
    option.closable = true;
    option.floatable = true;
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_DockWidgetFrameWidth, &option), 2);
    QCOMPARE(quiltStyle()->subElementRect(QStyle::SE_DockWidgetIcon, &option), QRect());
    // Close, then float, at the end: the padding leaves 198, and the end group
    // counts a spacing of 2 after each item.
    QCOMPARE(quiltStyle()->subElementRect(QStyle::SE_DockWidgetFloatButton, &option), QRect(198 - 2 - 14, 5, 14, 14));
    QCOMPARE(quiltStyle()->subElementRect(QStyle::SE_DockWidgetCloseButton, &option),
             QRect(198 - 2 - 14 - 2 - 14, 5, 14, 14));
    // Right to left, the same places mirrored: the buttons at the left end,
    // the title at the right.
    const QRect title = quiltStyle()->subElementRect(QStyle::SE_DockWidgetTitleBarText, &option);
    option.direction = Qt::RightToLeft;
    QCOMPARE(quiltStyle()->subElementRect(QStyle::SE_DockWidgetFloatButton, &option), QRect(2 + 2, 5, 14, 14));
    QCOMPARE(quiltStyle()->subElementRect(QStyle::SE_DockWidgetCloseButton, &option), QRect(2 + 2 + 14 + 2, 5, 14, 14));
    const QRect mirroredTitle = quiltStyle()->subElementRect(QStyle::SE_DockWidgetTitleBarText, &option);
    QCOMPARE(mirroredTitle.size(), title.size());
    QCOMPARE(mirroredTitle.right(), 199 - title.left());
    option.direction = Qt::LeftToRight;

    const auto nameOf = [&](QStyle::StandardPixmap pixmap) {
        return quiltStyle()->standardIcon(pixmap, &option).name();
    };
    QCOMPARE(nameOf(QStyle::SP_TitleBarCloseButton), QStringLiteral("window-close-symbolic"));
    QCOMPARE(nameOf(QStyle::SP_DockWidgetCloseButton), QStringLiteral("window-close-symbolic"));
    QCOMPARE(nameOf(QStyle::SP_TitleBarNormalButton), QStringLiteral("window-restore"));
}

void tst_WindowElements::smallWidgets()
{
    QMainWindow window;
    auto* splitter = new QSplitter;
    auto* scrollArea = new QScrollArea;
    scrollArea->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    scrollArea->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    splitter->addWidget(scrollArea);
    splitter->addWidget(new QWidget);
    window.setCentralWidget(splitter);
    auto* left = new QDockWidget(QStringLiteral("Left"));
    left->setWidget(new QWidget);
    window.addDockWidget(Qt::LeftDockWidgetArea, left);
    auto* band = new QRubberBand(QRubberBand::Rectangle, &window);
    band->setGeometry(300, 150, 40, 30);
    band->show();
    window.resize(480, 240);
    QVERIFY(QuiltWidgetTest::showAndWait(&window));
    const QImage image = QuiltWidgetTest::grabImage(&window);

    QCOMPARE(splitter->handleWidth(), 7);
    QSplitterHandle* handle = splitter->handle(1);
    const QPoint handleCentre = handle->mapTo(&window, handle->rect().center());
    QVERIFY(isColorOf(colorAt(image, handleCentre), "Splitter"));

    // The separator between the dock and the centre is a splitter too.
    const int separator = left->geometry().right() + 1 + 3;
    QVERIFY(isColorOf(colorAt(image, QPoint(separator, left->geometry().center().y())), "Splitter"));

    const QPoint corner = scrollArea->mapTo(&window, scrollArea->rect().bottomRight() - QPoint(3, 3));
    QVERIFY(isColorOf(colorAt(image, corner), "ScrollAreaCorner"));
    QVERIFY(isColorOf(colorAt(image, band->geometry().topLeft()), "RubberBand"));

    // Asked without an option, the splitter's width still comes from the style.
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_SplitterWidth, nullptr, nullptr), 7);
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, nullptr), 7);

    // A plain option is no size grip's: the common style draws it.
    QStyleOption plain;
    plain.rect = QRect(0, 0, 16, 16);
    QuiltWidgetTest::paintImage(QSize(16, 16), [&](QPainter* painter) {
        quiltStyle()->drawControl(QStyle::CE_SizeGrip, &plain, painter, nullptr);
    });
    QVERIFY(!cachedElement({ DrawControl, QStyle::CE_SizeGrip, &plain, nullptr, {} }));
    QStyleOptionSizeGrip grip;
    grip.rect = QRect(0, 0, 16, 16);
    grip.state = QStyle::State_Enabled;
    const QImage gripImage = QuiltWidgetTest::paintImage(QSize(16, 16), [&](QPainter* painter) {
        quiltStyle()->drawControl(QStyle::CE_SizeGrip, &grip, painter, nullptr);
    });
    QUILT_COMPARE_COLOR(colorAt(gripImage, QPoint(8, 8)), fixtureColor("SizeGrip"));
}

void tst_WindowElements::toolTip()
{
    QObject styleObject;
    styleObject.setProperty("_halcyon_borders_sides", QVariant::fromValue(Qt::Edges(Qt::TopEdge)));
    QStyleOptionFrame option;
    option.rect = QRect(0, 0, 40, 20);
    option.state = QStyle::State_Enabled;
    option.styleObject = &styleObject;
    const QImage image = QuiltWidgetTest::paintImage(QSize(40, 20), [&](QPainter* painter) {
        quiltStyle()->drawPrimitive(QStyle::PE_PanelTipLabel, &option, painter, nullptr);
    });
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(20, 10)), fixtureColor("ToolTip"));
    const auto element = cachedElement({ DrawPrimitive, QStyle::PE_PanelTipLabel, &option, nullptr, {} });
    QCOMPARE(element->elementChain().last()->hints(), QStringList { QStringLiteral("top-edge") });
    // A border of 1 on two sides is half a pixel on average: none.
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_ToolTipLabelFrameWidth, &option), 0);
}

void tst_WindowElements::application()
{
    // Everything at once, drawn and sized from the fixture style.
    QMainWindow window;
    auto* area = new QMdiArea;
    window.setCentralWidget(area);
    QList<QTabWidget*> tabWidgets;
    for (QTabWidget::TabPosition position :
         { QTabWidget::North, QTabWidget::South, QTabWidget::West, QTabWidget::East }) {
        auto* tabs = new QTabWidget;
        tabs->setTabPosition(position);
        tabs->setTabsClosable(position == QTabWidget::North);
        tabs->addTab(new QLabel(QStringLiteral("Page")), QIcon::fromTheme(QStringLiteral("pan-up-symbolic")),
                     QStringLiteral("First"));
        tabs->addTab(new QWidget, QStringLiteral("Second"));
        QMdiSubWindow* sub = area->addSubWindow(tabs);
        sub->setWindowTitle(QStringLiteral("Tabs %1").arg(int(position)));
        sub->resize(220, 150);
        tabWidgets.append(tabs);
    }
    area->tileSubWindows();

    auto* dock = new QDockWidget(QStringLiteral("Panels"));
    auto* panels = new QWidget;
    auto* layout = new QVBoxLayout(panels);
    auto* group = new QGroupBox(QStringLiteral("Group"));
    group->setCheckable(true);
    (new QVBoxLayout(group))->addWidget(new QLabel(QStringLiteral("Inside")));
    layout->addWidget(group);
    auto* toolBox = new QToolBox;
    toolBox->addItem(new QLabel(QStringLiteral("One")), QStringLiteral("First page"));
    toolBox->addItem(new QLabel(QStringLiteral("Two")), QStringLiteral("Second page"));
    layout->addWidget(toolBox);
    dock->setWidget(panels);
    window.addDockWidget(Qt::LeftDockWidgetArea, dock);
    window.statusBar()->addWidget(new QLabel(QStringLiteral("Ready")));
    window.statusBar()->addPermanentWidget(new QLabel(QStringLiteral("Permanent")));
    window.resize(900, 600);
    QVERIFY(QuiltWidgetTest::showAndWait(&window));
    const QImage image = QuiltWidgetTest::grabImage(&window);

    for (QTabWidget* tabs : tabWidgets) {
        const QRect current = tabs->tabBar()->tabRect(tabs->currentIndex());
        const QRect inWindow(tabs->tabBar()->mapTo(&window, current.topLeft()), current.size());
        QVERIFY(QuiltWidgetTest::containsColor(image, inWindow, fixtureColor("TabButton:checked"))
                || QuiltWidgetTest::containsColor(image, inWindow, fixtureColor("TabButton:hover")));
    }
    // Title bars of the style's height, the dock separator of its width.
    QMdiSubWindow* first = area->subWindowList().first();
    QCOMPARE(first->widget()->mapTo(first, QPoint(0, 0)).y() >= 24, true);
    QCOMPARE(window.style()->pixelMetric(QStyle::PM_DockWidgetSeparatorExtent, nullptr, &window), 7);
}

QUILT_WIDGET_TEST_MAIN(tst_WindowElements, styleSheet())

#include "tst_windowelements.moc"
