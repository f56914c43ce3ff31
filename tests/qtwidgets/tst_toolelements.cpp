#include <QMainWindow>
#include <QMenu>
#include <QStyleOption>
#include <QTest>
#include <QToolBar>
#include <QToolButton>

#include "abstractelement.h"
#include "elementcache.h"
#include "elementdispatch.h"
#include "quiltstyle.h"
#include "widgettest.h"

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::containsColor;
using QuiltWidgetTest::iconColor;

namespace
{
const QColor ToolBarColor(0x30, 0x60, 0x30);
const QColor HandleColor(0xe0, 0x80, 0x20);
const QColor FooterHandleColor(0x20, 0x80, 0xe0);
const QColor SeparatorColor(0xd0, 0x20, 0x60);
const QColor ButtonColor(0x50, 0x50, 0x90);
const QColor IndicatorColor(0x90, 0x90, 0x20);
const QColor IconOnlyColor(0x20, 0x90, 0x90);

QByteArray styleSheet()
{
    return R"(
ApplicationWindow { background-color: #d0d0d0; }
SmallIconSize { width: 16px; height: 16px; }
ToolBar { padding: 2px 2px 4px 4px; spacing: 5px; border: 1px solid #000000; icon-size: 20px; background-color: #306030; }
ToolBar Handle { width: 4px; height: 10px; background-color: #e08020; }
ToolBar Handle.footer { background-color: #2080e0; }
ToolBar Separator { width: 1px; height: 2px; background-color: #d02060; }
ToolBar Extension { width: 12px; height: 14px; }
ToolButton { padding: 3px; spacing: 2px; background-color: #505090; }
ToolButton[display="icon-only"] { background-color: #209090; }
ToolButton Indicator { width: 8px; height: 8px; padding: 2px; layout-alignment-horizontal: end; icon-name: pan-down-symbolic; background-color: #909020; }
)";
}

class ToolButton : public QToolButton
{
public:
    using QToolButton::initStyleOption;
    using QToolButton::QToolButton;
};

std::shared_ptr<AbstractElement> subControlElement(const QStyleOptionToolButton* option, const QWidget* widget)
{
    return ElementDispatch::cachedElement(
        { ElementDispatch::SubControlRect, QStyle::CC_ToolButton, option, widget, {} });
}

// How many pixels of `color` a line through the image holds.
int countAlong(const QImage& image, QPoint from, QPoint step, int steps, const QColor& color)
{
    int count = 0;
    for (int i = 0; i < steps; ++i, from += step) {
        count += QuiltWidgetTest::fuzzyColor(colorAt(image, from), color);
    }
    return count;
}
} // namespace

// Tool bars and tool buttons drawn, measured and laid out from the fixture
// style.
class tst_ToolElements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();
    void toolBarMetrics_data();
    void toolBarMetrics();
    void toolBarsInAllAreas();
    void separatorWithPlainOption();
    void toolButtonModes_data();
    void toolButtonModes();
    void toolButtonStates();
    void arrowButtons_data();
    void arrowButtons();
    void cramped();
};

void tst_ToolElements::init()
{
    // Sizes are answered from an element's last update; the rows' options
    // and buttons share their addresses.
    elementCache().clear();
}

void tst_ToolElements::toolBarMetrics_data()
{
    QTest::addColumn<Qt::ToolBarArea>("area");
    QTest::addColumn<int>("handle");
    QTest::addColumn<int>("separator");
    QTest::addColumn<int>("extension");
    // Top and bottom take the heights, left and right the widths.
    QTest::newRow("top") << Qt::TopToolBarArea << 10 << 2 << 14;
    QTest::newRow("bottom") << Qt::BottomToolBarArea << 10 << 2 << 14;
    QTest::newRow("left") << Qt::LeftToolBarArea << 4 << 1 << 12;
    QTest::newRow("right") << Qt::RightToolBarArea << 4 << 1 << 12;
}

void tst_ToolElements::toolBarMetrics()
{
    QFETCH(Qt::ToolBarArea, area);
    QFETCH(int, handle);
    QFETCH(int, separator);
    QFETCH(int, extension);

    QStyle* style = QuiltWidgetTest::style();
    QStyleOptionToolBar option;
    option.rect = QRect(0, 0, 200, 30);
    option.toolBarArea = area;
    QCOMPARE(style->pixelMetric(QStyle::PM_ToolBarHandleExtent, &option), handle);
    QCOMPARE(style->pixelMetric(QStyle::PM_ToolBarSeparatorExtent, &option), separator);
    QCOMPARE(style->pixelMetric(QStyle::PM_ToolBarExtensionExtent, &option), extension);
    QCOMPARE(style->pixelMetric(QStyle::PM_ToolBarFrameWidth, &option), 1);
    QCOMPARE(style->pixelMetric(QStyle::PM_ToolBarItemSpacing, &option), 5);
    QCOMPARE(style->pixelMetric(QStyle::PM_ToolBarItemMargin, &option), 3);
    QCOMPARE(style->pixelMetric(QStyle::PM_ToolBarIconSize, &option), 20);
    // Asked without an option, the icon size is the common style's.
    QCommonStyle common;
    QCOMPARE(style->pixelMetric(QStyle::PM_ToolBarIconSize), common.pixelMetric(QStyle::PM_ToolBarIconSize));
}

void tst_ToolElements::toolBarsInAllAreas()
{
    QMainWindow window;
    window.setCentralWidget(new QWidget);
    QList<QToolBar*> bars;
    for (const Qt::ToolBarArea area :
         { Qt::TopToolBarArea, Qt::BottomToolBarArea, Qt::LeftToolBarArea, Qt::RightToolBarArea }) {
        auto* bar = new QToolBar;
        bar->setMovable(true);
        bar->addAction(QIcon::fromTheme(QStringLiteral("window-close-symbolic")), QStringLiteral("One"));
        bar->addSeparator();
        bar->addAction(QIcon::fromTheme(QStringLiteral("window-restore")), QStringLiteral("Two"));
        window.addToolBar(area, bar);
        bars.append(bar);
    }
    window.resize(400, 300);
    QVERIFY(QuiltWidgetTest::showAndWait(&window));

    for (QToolBar* bar : std::as_const(bars)) {
        const Qt::ToolBarArea area = window.toolBarArea(bar);
        const bool horizontal = area == Qt::TopToolBarArea || area == Qt::BottomToolBarArea;
        const QImage image = QuiltWidgetTest::grabImage(bar);
        const QString name = QString::number(int(area));

        // The panel shows between the buttons and the edges.
        QVERIFY2(containsColor(image, image.rect().adjusted(0, 0, 0, 0), ToolBarColor), qPrintable(name));

        // The handle, across the bar at its start: 10 wide in a horizontal
        // bar, 4 high in a vertical one; footers in their own colour.
        QStyleOptionToolBar option;
        option.initFrom(bar);
        option.toolBarArea = area;
        option.features = QStyleOptionToolBar::Movable;
        if (horizontal) {
            option.state |= QStyle::State_Horizontal;
        }
        const QRect handle = QuiltWidgetTest::style()->subElementRect(QStyle::SE_ToolBarHandle, &option, bar);
        QVERIFY2(handle.isValid(), qPrintable(name));
        const QColor color = area == Qt::BottomToolBarArea ? FooterHandleColor : HandleColor;
        const int extent = horizontal ? countAlong(image, QPoint(0, handle.center().y()), QPoint(1, 0), 30, color)
                                      : countAlong(image, QPoint(handle.center().x(), 0), QPoint(0, 1), 30, color);
        QCOMPARE(extent, horizontal ? 10 : 4);

        // The separator widget is painted with a plain option: a line of the
        // width 1 along the shorter side, whatever the area.
        QVERIFY2(containsColor(image, image.rect(), SeparatorColor), qPrintable(name));
    }
}

void tst_ToolElements::separatorWithPlainOption()
{
    QStyle* style = QuiltWidgetTest::style();
    QToolBar bar;
    QStyleOption option;
    option.state = QStyle::State_Enabled;

    // Taller than wide: a vertical line as wide as the separator's width.
    option.rect = QRect(0, 0, 6, 24);
    QImage image = QuiltWidgetTest::paintImage(QSize(6, 24), [&](QPainter* painter) {
        style->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &option, painter, &bar);
    });
    QCOMPARE(countAlong(image, QPoint(0, 12), QPoint(1, 0), 6, SeparatorColor), 1);
    QCOMPARE(countAlong(image, QPoint(2, 0), QPoint(0, 1), 24, SeparatorColor)
                 + countAlong(image, QPoint(3, 0), QPoint(0, 1), 24, SeparatorColor),
             24);

    // Wider than tall: a horizontal line.
    option.rect = QRect(0, 0, 24, 6);
    image = QuiltWidgetTest::paintImage(QSize(24, 6), [&](QPainter* painter) {
        style->drawPrimitive(QStyle::PE_IndicatorToolBarSeparator, &option, painter, &bar);
    });
    QCOMPARE(countAlong(image, QPoint(12, 0), QPoint(0, 1), 6, SeparatorColor), 1);
}

void tst_ToolElements::toolButtonModes_data()
{
    QTest::addColumn<int>("popupMode");
    QTest::addColumn<int>("buttonStyle");
    QTest::addColumn<QString>("menuHint");
    QTest::addColumn<QString>("display");

    const struct
    {
        QToolButton::ToolButtonPopupMode mode;
        const char* name;
        const char* hint;
    } modes[] = {
        { QToolButton::InstantPopup, "instant", "with-menu" },
        { QToolButton::DelayedPopup, "delayed", "with-inline-arrow" },
        { QToolButton::MenuButtonPopup, "menu button", "with-menu-button" },
    };
    const struct
    {
        Qt::ToolButtonStyle style;
        const char* display;
    } styles[] = {
        { Qt::ToolButtonIconOnly, "icon-only" },
        { Qt::ToolButtonTextOnly, "text-only" },
        { Qt::ToolButtonTextBesideIcon, "text-beside-icon" },
        { Qt::ToolButtonTextUnderIcon, "text-under-icon" },
    };
    for (const auto& mode : modes) {
        for (const auto& style : styles) {
            // An icon-only look shows no menu beside the content.
            QString hint = QString::fromLatin1(mode.hint);
            if (mode.mode == QToolButton::InstantPopup && style.style == Qt::ToolButtonIconOnly) {
                hint.clear();
            }
            QTest::addRow("%s, %s", mode.name, style.display)
                << int(mode.mode) << int(style.style) << hint << QString::fromLatin1(style.display);
        }
    }
}

void tst_ToolElements::toolButtonModes()
{
    QFETCH(int, popupMode);
    QFETCH(int, buttonStyle);
    QFETCH(QString, menuHint);
    QFETCH(QString, display);

    QMenu menu;
    menu.addAction(QStringLiteral("Item"));
    ToolButton button;
    button.setIcon(QIcon::fromTheme(QStringLiteral("window-close-symbolic")));
    button.setText(QStringLiteral("Tool"));
    button.setMenu(&menu);
    button.setPopupMode(QToolButton::ToolButtonPopupMode(popupMode));
    button.setToolButtonStyle(Qt::ToolButtonStyle(buttonStyle));
    button.setFixedSize(100, 40);

    QStyleOptionToolButton option;
    button.initStyleOption(&option);
    QStyle* style = QuiltWidgetTest::style();
    const QRect content = style->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton, &button);
    const QRect indicator = style->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButtonMenu, &button);

    const auto element = subControlElement(&option, &button);
    QVERIFY(element);
    const QStringList hints = element->elementChain().last()->hints();
    const QStringList expected = menuHint.isEmpty() ? QStringList { QStringLiteral("raised") }
                                                    : QStringList { menuHint, QStringLiteral("raised") };
    QCOMPARE(hints, expected);
    QCOMPARE(element->elementChain().last()->attributes().value(QStringLiteral("display")).toString(), display);

    // The indicator: 8 x 8 grown by its padding of 2, centred vertically.
    QCOMPARE(indicator.top(), (40 - 12) / 2);
    QCOMPARE(indicator.height(), 12);
    if (popupMode == QToolButton::DelayedPopup) {
        // Over the content, which keeps the whole button.
        QCOMPARE(content, QRect(0, 0, 100, 40));
        QCOMPARE(indicator.right(), 99);
    } else if (menuHint == QLatin1String("with-menu")) {
        // Inside the button's right padding, narrowed by that padding and its
        // own left one; the content ends where it begins.
        QCOMPARE(indicator.width(), 12 - 2 - 3);
        QCOMPARE(indicator.right(), 99 - 3);
        QCOMPARE(content, QRect(0, 0, indicator.left(), 40));
    } else {
        // At the right edge, and the content gives up its room.
        QCOMPARE(indicator, QRect(100 - 12, 14, 12, 12));
        QCOMPARE(content, QRect(0, 0, 88, 40));
    }

    // Drawn: the panel (coloured by the display), and the indicator with its
    // icon.
    QVERIFY(QuiltWidgetTest::showAndWait(&button));
    const QImage image = QuiltWidgetTest::grabImage(&button);
    const QColor panel = buttonStyle == Qt::ToolButtonIconOnly ? IconOnlyColor : ButtonColor;
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(1, 1)), panel);
    QVERIFY(containsColor(image, indicator, IndicatorColor) || indicator.width() < 9);
    QVERIFY(containsColor(image, indicator.adjusted(-4, -4, 4, 4), iconColor("pan-down-symbolic")));

    // Only the beside mode grows the size, by the indicator's part outside
    // the content.
    const QSize size = style->sizeFromContents(QStyle::CT_ToolButton, &option, QSize(50, 20), &button);
    QStyleOptionToolButton plain = option;
    plain.features &= ~(QStyleOptionToolButton::HasMenu | QStyleOptionToolButton::MenuButtonPopup
                        | QStyleOptionToolButton::PopupDelay);
    const QSize plainSize = style->sizeFromContents(QStyle::CT_ToolButton, &plain, QSize(50, 20), &button);
    QCOMPARE(size.width() - plainSize.width(), menuHint == QLatin1String("with-menu") ? 7 : 0);
    QCOMPARE(size.height(), plainSize.height());
}

void tst_ToolElements::toolButtonStates()
{
    QStyle* style = QuiltWidgetTest::style();
    auto hintsOf = [&](const QStyleOptionToolButton& option) {
        style->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButton, nullptr);
        return subControlElement(&option, nullptr)->elementChain().last()->hints();
    };

    QStyleOptionToolButton option;
    option.rect = QRect(0, 0, 40, 40);
    option.state = QStyle::State_Enabled;
    option.features = QStyleOptionToolButton::None;
    // Without features not even "raised".
    QCOMPARE(hintsOf(option), QStringList());

    option.features = QStyleOptionToolButton::HasMenu;
    option.state = QStyle::State_Enabled | QStyle::State_AutoRaise;
    QCOMPARE(hintsOf(option), QStringList());
    option.state = QStyle::State_Enabled | QStyle::State_Raised | QStyle::State_Sunken;
    QCOMPARE(hintsOf(option), (QStringList { QStringLiteral("raised"), QStringLiteral("menu-open") }));

    // A button without a menu has no menu part.
    option.features = QStyleOptionToolButton::None;
    QCOMPARE(style->subControlRect(QStyle::CC_ToolButton, &option, QStyle::SC_ToolButtonMenu, nullptr),
             QRect(0, 0, 0, 0));
}

void tst_ToolElements::arrowButtons_data()
{
    QTest::addColumn<Qt::ArrowType>("arrow");
    QTest::addColumn<QString>("icon");
    QTest::newRow("up") << Qt::UpArrow << QStringLiteral("pan-up-symbolic");
    QTest::newRow("down") << Qt::DownArrow << QStringLiteral("pan-down-symbolic");
    QTest::newRow("left") << Qt::LeftArrow << QStringLiteral("pan-start-symbolic");
    QTest::newRow("right") << Qt::RightArrow << QStringLiteral("pan-end-symbolic");
}

void tst_ToolElements::arrowButtons()
{
    QFETCH(Qt::ArrowType, arrow);
    QFETCH(QString, icon);

    QToolButton button;
    button.setArrowType(arrow);
    button.setIcon(QIcon::fromTheme(QStringLiteral("window-close-symbolic")));
    button.setFixedSize(40, 40);
    QVERIFY(QuiltWidgetTest::showAndWait(&button));
    const QImage image = QuiltWidgetTest::grabImage(&button);
    QVERIFY(containsColor(image, image.rect(), iconColor(icon)));
    // The arrow replaces the icon.
    QVERIFY(!containsColor(image, image.rect(), iconColor("window-close-symbolic")));
}

void tst_ToolElements::cramped()
{
    // Padding wider than the button, with a menu part: drawn without complaint.
    QMenu menu;
    QToolButton button;
    button.setText(QStringLiteral("Cramped"));
    button.setMenu(&menu);
    button.setPopupMode(QToolButton::MenuButtonPopup);
    button.setFixedSize(4, 4);
    const QImage image = QuiltWidgetTest::grabImage(&button);
    QCOMPARE(image.size() / image.devicePixelRatio(), QSize(4, 4));
}

QUILT_WIDGET_TEST_MAIN(tst_ToolElements, styleSheet())
#include "tst_toolelements.moc"
