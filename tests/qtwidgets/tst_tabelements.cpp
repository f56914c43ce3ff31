#include <QPainter>
#include <QStyleOption>
#include <QTabBar>
#include <QTabWidget>
#include <QTest>

#include "abstractelement.h"
#include "elementcache.h"
#include "elementdispatch.h"
#include "quiltstyle.h"
#include "standins.h"
#include "tabelement.h"
#include "widgettest.h"

using QuiltWidgetTest::fixtureColor;
using QuiltWidgetTest::iconColor;
using namespace ElementDispatch;

namespace
{
const QColor TextColor(0xf0, 0xb0, 0x10);
const QColor BaseColor(0xc0, 0x20, 0x80);
const QColor SideColor(0x20, 0xc0, 0xb0);

QByteArray styleSheet()
{
    return QuiltWidgetTest::standardStyleSheet() + R"(
TabButton {
    padding: 3px 6px 3px 5px;
    spacing: 4px;
    color: #f0b010;
    text-alignment-horizontal: center;
    text-alignment-vertical: center;
    icon-size: 16px;
    icon-alignment-horizontal: start;
    icon-alignment-vertical: center;
}
TabBar { border-bottom: 2px solid #c02080; icon-width: 20px; }
TabBar[direction=bottom] { text-elide: middle; layout-alignment-horizontal: center; }
TabBar.LoomSideTabBar[direction=right] { border: 3px solid #20c0b0; }
TabBar TabScrollButton { width: 12.7px; }
SmallIconSize { width: 16px; height: 16px; }
TabBar TabButton CloseButton { width: 16px; height: 16px; }
TabButton[direction=bottom] { border-bottom: 3px solid #c02080; }
TabButton[display=icon-only] { border-top: 3px solid #20c0b0; }
)";
}

QuiltStyle* quiltStyle()
{
    return QuiltWidgetTest::style();
}

QIcon themeIcon(const char* name)
{
    return QIcon::fromTheme(QString::fromLatin1(name));
}

// Asks for the tab's label, so that its element updates from the option; the
// element as the dispatch keeps it.
std::shared_ptr<AbstractElement> paintedTab(const QStyleOptionTab& option, const QWidget* widget = nullptr)
{
    QuiltWidgetTest::paintImage(QSize(200, 200), [&](QPainter* painter) {
        quiltStyle()->drawControl(QStyle::CE_TabBarTabLabel, &option, painter, widget);
    });
    return cachedElement({ DrawControl, QStyle::CE_TabBarTabLabel, &option, widget, {} });
}

// How far along the tab the colour reaches: from its first to its last pixel
// in the direction the text runs.
int extentOf(const QImage& image, const QRect& rect, const QColor& color, bool vertical)
{
    int first = -1;
    int last = -1;
    for (int y = rect.top(); y <= rect.bottom(); ++y) {
        for (int x = rect.left(); x <= rect.right(); ++x) {
            if (QuiltWidgetTest::fuzzyColor(QuiltWidgetTest::colorAt(image, QPoint(x, y)), color, 40)) {
                const int along = vertical ? y : x;
                first = first < 0 ? along : std::min(first, along);
                last = std::max(last, along);
            }
        }
    }
    return first < 0 ? 0 : last - first + 1;
}

QStyleOptionTab tabOption(QTabBar::Shape shape, const QRect& rect, bool icon, bool text)
{
    QStyleOptionTab option;
    option.shape = shape;
    option.rect = rect;
    option.state = QStyle::State_Enabled;
    option.iconSize = QSize(16, 16);
    if (icon) {
        option.icon = themeIcon("pan-up-symbolic");
    }
    if (text) {
        option.text = QStringLiteral("Tab");
    }
    return option;
}
} // namespace

// Tabs, tab bar bases, tab widget frames and tab close buttons.
class tst_TabElements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void tabBarPaints_data();
    void tabBarPaints();
    void rotatedFrame();
    void roomForButtons_data();
    void roomForButtons();
    void hints_data();
    void hints();
    void immutable_data();
    void immutable();
    void statesAndAttributes_data();
    void statesAndAttributes();
    void sizes_data();
    void sizes();
    void metrics();
    void narrowTabPaintsInside();

    void tabBarBase();
    void tabBarHints();
    void tabWidgetWithCloseButtons();
    void sideTabBar();
};

void tst_TabElements::init()
{
    elementCache().clear();
}

void tst_TabElements::tabBarPaints_data()
{
    QTest::addColumn<QTabBar::Shape>("shape");
    QTest::newRow("RoundedNorth") << QTabBar::RoundedNorth;
    QTest::newRow("RoundedSouth") << QTabBar::RoundedSouth;
    QTest::newRow("RoundedWest") << QTabBar::RoundedWest;
    QTest::newRow("RoundedEast") << QTabBar::RoundedEast;
    QTest::newRow("TriangularNorth") << QTabBar::TriangularNorth;
    QTest::newRow("TriangularSouth") << QTabBar::TriangularSouth;
    QTest::newRow("TriangularWest") << QTabBar::TriangularWest;
    QTest::newRow("TriangularEast") << QTabBar::TriangularEast;
}

void tst_TabElements::tabBarPaints()
{
    QFETCH(QTabBar::Shape, shape);

    QTabBar bar;
    bar.setShape(shape);
    bar.setDrawBase(false);
    bar.addTab(themeIcon("pan-up-symbolic"), QStringLiteral("First tab"));
    bar.addTab(QStringLiteral("Second tab"));
    bar.setElideMode(Qt::ElideNone);
    bar.move(0, 0);
    QVERIFY(QuiltWidgetTest::showAndWait(&bar));
    const QImage image = QuiltWidgetTest::grabImage(&bar);

    const QRect current = bar.tabRect(0);
    const QRect other = bar.tabRect(1);
    // (Hovered where the pointer happens to be: other tests share the screen.)
    const auto isTab = [&](const QRect& rect, const char* selector) {
        const QColor color = QuiltWidgetTest::colorAt(image, rect.topLeft() + QPoint(2, 2));
        return QuiltWidgetTest::fuzzyColor(color, fixtureColor(QString::fromLatin1(selector)))
            || QuiltWidgetTest::fuzzyColor(color, fixtureColor(QStringLiteral("TabButton:hover")));
    };
    QVERIFY(isTab(current, "TabButton:checked"));
    QVERIFY(isTab(other, "TabButton"));
    // Icon and text land inside their own tab, in every direction.
    QVERIFY(QuiltWidgetTest::containsColor(image, current, iconColor("pan-up-symbolic")));
    QVERIFY(QuiltWidgetTest::containsColor(image, current, TextColor, 40));
    QVERIFY(QuiltWidgetTest::containsColor(image, other, TextColor, 40));
    QVERIFY(!QuiltWidgetTest::containsColor(image, other, iconColor("pan-up-symbolic")));
    // The whole text, not elided to the tab's thickness.
    const bool vertical = other.height() > other.width();
    const int thickness = vertical ? other.width() : other.height();
    QVERIFY(extentOf(image, other, TextColor, vertical) > thickness + 10);
    QVERIFY(extentOf(image, other, TextColor, vertical) >= bar.fontMetrics().horizontalAdvance(bar.tabText(1)) - 4);
}

void tst_TabElements::rotatedFrame()
{
    const QRect rect(0, 10, 30, 100);
    QCOMPARE(TabElement::labelTransform(QTabBar::RoundedWest, rect).map(QPointF(0, 0)), QPointF(0, 110));
    QCOMPARE(TabElement::labelTransform(QTabBar::RoundedWest, rect).map(QPointF(100, 30)), QPointF(30, 10));
    QCOMPARE(TabElement::labelTransform(QTabBar::RoundedEast, rect).map(QPointF(0, 0)), QPointF(30, 10));
    QCOMPARE(TabElement::labelTransform(QTabBar::RoundedEast, rect).map(QPointF(100, 30)), QPointF(0, 110));
    QVERIFY(TabElement::labelTransform(QTabBar::RoundedNorth, rect).isIdentity());

    // The label is laid out in the upright frame (0, 0, 100 x 30).
    const QStyleOptionTab option = tabOption(QTabBar::RoundedWest, rect, true, false);
    const auto element = paintedTab(option);
    QVERIFY(element && element->isValid());
    const QRectF icon = element->subElementLayout().value(QStringLiteral("Icon")).rect;
    QCOMPARE(icon, QRectF(5, 7, 16, 16));
}

void tst_TabElements::roomForButtons_data()
{
    QTest::addColumn<QTabBar::Shape>("shape");
    QTest::addColumn<QSize>("button");
    QTest::addColumn<double>("shift");

    // The text is centred in what the button leaves: half the room it takes.
    QTest::newRow("north, 16 x 16 and spacing 4") << QTabBar::RoundedNorth << QSize(16, 16) << 10.0;
    QTest::newRow("west, the button's height") << QTabBar::RoundedWest << QSize(16, 20) << 12.0;
}

void tst_TabElements::roomForButtons()
{
    QFETCH(QTabBar::Shape, shape);
    QFETCH(QSize, button);
    QFETCH(double, shift);

    const bool vertical = shape == QTabBar::RoundedWest;
    const QRect rect = vertical ? QRect(0, 0, 30, 120) : QRect(0, 0, 120, 30);
    QStyleOptionTab plain = tabOption(shape, rect, false, true);
    const QRectF without = paintedTab(plain)->subElementLayout().value(QStringLiteral("Text")).rect;
    QStyleOptionTab closable = tabOption(shape, rect, false, true);
    closable.rightButtonSize = button;
    const QRectF with = paintedTab(closable)->subElementLayout().value(QStringLiteral("Text")).rect;
    QCOMPARE(without.x() - with.x(), shift);
}

void tst_TabElements::hints_data()
{
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("first of three") << 3 << 0 << QStringList { QStringLiteral("first") };
    QTest::newRow("second of three") << 3 << 1 << QStringList();
    QTest::newRow("last of three") << 3 << 2 << QStringList { QStringLiteral("last") };
    QTest::newRow("alone") << 1 << 0 << QStringList { QStringLiteral("first") };
    QTest::newRow("index not set") << 3 << -1 << QStringList();
}

void tst_TabElements::hints()
{
    QFETCH(int, count);
    QFETCH(int, index);
    QFETCH(QStringList, expected);

    QTabBar bar;
    for (int i = 0; i < count; ++i) {
        bar.addTab(QStringLiteral("Tab %1").arg(i));
    }
    QStyleOptionTab option = tabOption(QTabBar::RoundedNorth, QRect(0, 0, 80, 30), false, true);
    option.tabIndex = index;
    QCOMPARE(paintedTab(option, &bar)->elementChain().last()->hints(), expected);

    // Without a tab bar there is nothing to count.
    QCOMPARE(paintedTab(option)->elementChain().last()->hints(), QStringList());
}

void tst_TabElements::immutable_data()
{
    QTest::addColumn<bool>("documentMode");
    QTest::addColumn<bool>("expanding");
    QTest::addColumn<bool>("closable");
    QTest::addColumn<QTabBar::Shape>("shape");
    QTest::addColumn<bool>("immutable");

    QTest::newRow("document, expanding") << true << true << false << QTabBar::RoundedNorth << true;
    QTest::newRow("document, vertical") << true << false << false << QTabBar::RoundedWest << true;
    QTest::newRow("document, not expanding") << true << false << false << QTabBar::RoundedNorth << false;
    QTest::newRow("closable") << true << true << true << QTabBar::RoundedNorth << false;
    QTest::newRow("not document") << false << true << false << QTabBar::RoundedNorth << false;
}

void tst_TabElements::immutable()
{
    QFETCH(bool, documentMode);
    QFETCH(bool, expanding);
    QFETCH(bool, closable);
    QFETCH(QTabBar::Shape, shape);
    QFETCH(bool, immutable);

    QTabBar bar;
    bar.setDocumentMode(documentMode);
    bar.setExpanding(expanding);
    bar.setTabsClosable(closable);
    bar.addTab(QStringLiteral("One"));
    bar.addTab(QStringLiteral("Two"));
    QStyleOptionTab option = tabOption(shape, QRect(0, 0, 80, 30), false, true);
    option.documentMode = documentMode;
    option.tabIndex = 1;
    const QStringList hints = paintedTab(option, &bar)->elementChain().last()->hints();
    QCOMPARE(hints.contains(QStringLiteral("immutable")), immutable);
    QCOMPARE(hints.last(), QStringLiteral("last"));
}

void tst_TabElements::statesAndAttributes_data()
{
    QTest::addColumn<QTabBar::Shape>("shape");
    QTest::addColumn<bool>("icon");
    QTest::addColumn<bool>("text");
    QTest::addColumn<int>("state");
    QTest::addColumn<QVariantMap>("attributes");
    QTest::addColumn<bool>("checked");

    const int enabled = QStyle::State_Enabled;
    const auto map = [](const char* direction, const char* display) {
        QVariantMap result { { QStringLiteral("direction"), QString::fromLatin1(direction) } };
        if (display) {
            result.insert(QStringLiteral("display"), QString::fromLatin1(display));
        }
        return result;
    };
    QTest::newRow("selected is checked") << QTabBar::RoundedNorth << true << true
                                         << int(enabled | QStyle::State_Selected) << map("top", nullptr) << true;
    QTest::newRow("on is not checked") << QTabBar::TriangularSouth << false << true << int(enabled | QStyle::State_On)
                                       << map("bottom", "text-only") << false;
    QTest::newRow("west, icon only") << QTabBar::RoundedWest << true << false << enabled << map("left", "icon-only")
                                     << false;
    QTest::newRow("east") << QTabBar::TriangularEast << false << true << enabled << map("right", "text-only") << false;
}

void tst_TabElements::statesAndAttributes()
{
    QFETCH(QTabBar::Shape, shape);
    QFETCH(bool, icon);
    QFETCH(bool, text);
    QFETCH(int, state);
    QFETCH(QVariantMap, attributes);
    QFETCH(bool, checked);

    QStyleOptionTab option = tabOption(shape, QRect(0, 0, 80, 30), icon, text);
    option.state = QStyle::State(state);
    const auto element = paintedTab(option);
    const auto own = element->elementChain().last();
    QCOMPARE(own->type(), QStringLiteral("TabButton"));
    QCOMPARE(own->attributes(), attributes);
    QCOMPARE(bool(own->states() & Quilt::Element::State::Checked), checked);
    QVERIFY(!(own->states() & Quilt::Element::State::Highlighted));

    // Rules select on them.
    const QImage image = QuiltWidgetTest::paintImage(QSize(80, 30), [&](QPainter* painter) {
        quiltStyle()->drawControl(QStyle::CE_TabBarTabShape, &option, painter, nullptr);
    });
    const auto display = attributes.value(QStringLiteral("display"));
    QCOMPARE(QuiltWidgetTest::fuzzyColor(QuiltWidgetTest::colorAt(image, QPoint(40, 29)), BaseColor),
             attributes.value(QStringLiteral("direction")) == QStringLiteral("bottom"));
    QCOMPARE(QuiltWidgetTest::fuzzyColor(QuiltWidgetTest::colorAt(image, QPoint(40, 0)), SideColor),
             display == QStringLiteral("icon-only"));
}

void tst_TabElements::sizes_data()
{
    QTest::addColumn<QTabBar::Shape>("shape");
    QTest::addColumn<bool>("icon");
    QTest::addColumn<bool>("text");
    QTest::addColumn<bool>("button");
    QTest::addColumn<QSize>("expected");

    // Contents 50 x 20 hold what the bar added for the padding, the space
    // metrics (5 along the text, 3 across it): that comes off, the padding
    // (5, 6 and 3, 3) goes on; a gap is a spacing of 4. A vertical tab's
    // contents come as thickness and length, and it is padded upright.
    QTest::newRow("icon only") << QTabBar::RoundedNorth << true << false << false << QSize(52, 23);
    QTest::newRow("icon and text") << QTabBar::RoundedNorth << true << true << false << QSize(60, 23);
    QTest::newRow("icon, text, button") << QTabBar::RoundedNorth << true << true << true << QSize(64, 23);
    QTest::newRow("west, icon and text") << QTabBar::RoundedWest << true << true << false << QSize(53, 30);
    QTest::newRow("neither: not valid") << QTabBar::RoundedNorth << false << false << false << QSize(50, 20);
}

void tst_TabElements::sizes()
{
    QFETCH(QTabBar::Shape, shape);
    QFETCH(bool, icon);
    QFETCH(bool, text);
    QFETCH(bool, button);
    QFETCH(QSize, expected);

    QStyleOptionTab option = tabOption(shape, QRect(0, 0, 80, 30), icon, text);
    if (button) {
        option.rightButtonSize = QSize(16, 16);
    }
    QCOMPARE(quiltStyle()->sizeFromContents(QStyle::CT_TabBarTab, &option, QSize(50, 20)), expected);
}

void tst_TabElements::metrics()
{
    QStyleOptionTab option = tabOption(QTabBar::RoundedNorth, QRect(0, 0, 80, 30), false, true);
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_TabBarTabHSpace, &option), 5); // (5 + 6) / 2
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_TabBarTabVSpace, &option), 3);
    // A tab with neither icon nor text is not valid.
    QStyleOptionTab empty = tabOption(QTabBar::RoundedNorth, QRect(0, 0, 80, 30), false, false);
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_TabBarTabVSpace, &empty), 0);
    QVERIFY(!paintedTab(empty)->isValid());
}

void tst_TabElements::narrowTabPaintsInside()
{
    // Buttons wider than the tab leave its layout a negative width: nothing
    // may be painted outside the tab, and nothing breaks.
    QStyleOptionTab option = tabOption(QTabBar::RoundedNorth, QRect(20, 20, 24, 30), true, true);
    option.leftButtonSize = QSize(16, 16);
    option.rightButtonSize = QSize(16, 16);
    const QImage image = QuiltWidgetTest::paintImage(QSize(80, 80), [&](QPainter* painter) {
        quiltStyle()->drawControl(QStyle::CE_TabBarTab, &option, painter, nullptr);
    });
    QUILT_COMPARE_COLOR(QuiltWidgetTest::colorAt(image, QPoint(22, 22)), fixtureColor("TabButton"));
    for (const QRect& outside :
         { QRect(0, 0, 80, 20), QRect(0, 50, 80, 30), QRect(0, 0, 20, 80), QRect(44, 0, 36, 80) }) {
        QVERIFY(!QuiltWidgetTest::containsColor(image, outside, TextColor, 40));
        QVERIFY(!QuiltWidgetTest::containsColor(image, outside, iconColor("pan-up-symbolic")));
    }
}

void tst_TabElements::tabBarBase()
{
    QStyleOptionTabBarBase option;
    option.rect = QRect(0, 0, 60, 10);
    option.state = QStyle::State_Enabled;
    const QImage image = QuiltWidgetTest::paintImage(QSize(60, 10), [&](QPainter* painter) {
        quiltStyle()->drawPrimitive(QStyle::PE_FrameTabBarBase, &option, painter, nullptr);
    });
    // The border line, and no background although "TabBar" has one.
    QUILT_COMPARE_COLOR(QuiltWidgetTest::colorAt(image, QPoint(30, 9)), BaseColor);
    QCOMPARE(QuiltWidgetTest::colorAt(image, QPoint(30, 3)).alpha(), 0);
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_TabBarScrollButtonWidth, &option), 12);
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_TabBarIconSize, &option), 20);
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_TabBarBaseHeight, &option), 0);
    // Tab bars ask for their icon size without an option: the common style
    // answers, from the small icon size.
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_TabBarIconSize, nullptr), 16);

    const auto element = cachedElement({ DrawPrimitive, QStyle::PE_FrameTabBarBase, &option, nullptr, {} });
    QCOMPARE(element->elementChain().last()->attributes().value(QStringLiteral("direction")), QStringLiteral("top"));
    option.shape = QTabBar::TriangularSouth;
    QuiltWidgetTest::paintImage(QSize(60, 10), [&](QPainter* painter) {
        quiltStyle()->drawPrimitive(QStyle::PE_FrameTabBarBase, &option, painter, nullptr);
    });
    QCOMPARE(element->elementChain().last()->attributes().value(QStringLiteral("direction")), QStringLiteral("bottom"));
}

void tst_TabElements::tabBarHints()
{
    // Tab bars ask these without an option: the common style answers them.
    QStyleOptionTabBarBase top;
    QCOMPARE(quiltStyle()->styleHint(QStyle::SH_TabBar_ElideMode, &top), int(Qt::ElideRight));
    QCOMPARE(quiltStyle()->styleHint(QStyle::SH_TabBar_Alignment, &top), int(Qt::AlignLeft));
    QStyleOptionTabBarBase bottom;
    bottom.shape = QTabBar::RoundedSouth;
    QCOMPARE(quiltStyle()->styleHint(QStyle::SH_TabBar_ElideMode, &bottom), int(Qt::ElideMiddle));
    QCOMPARE(quiltStyle()->styleHint(QStyle::SH_TabBar_Alignment, &bottom), int(Qt::AlignHCenter));
    QCOMPARE(quiltStyle()->styleHint(QStyle::SH_TabBar_ElideMode, nullptr),
             QCommonStyle().styleHint(QStyle::SH_TabBar_ElideMode, nullptr));
}

void tst_TabElements::tabWidgetWithCloseButtons()
{
    QTabWidget tabs;
    tabs.setTabsClosable(true);
    tabs.setTabPosition(QTabWidget::West);
    tabs.addTab(new QWidget, QStringLiteral("One"));
    tabs.addTab(new QWidget, QStringLiteral("Two"));
    tabs.resize(240, 160);
    QVERIFY(QuiltWidgetTest::showAndWait(&tabs));
    const QImage image = QuiltWidgetTest::grabImage(&tabs);

    // The frame around the pages, from "TabWidget".
    const QRect page = tabs.currentWidget()->geometry();
    // (Hovered where the pointer happens to be.)
    const QColor pane = QuiltWidgetTest::colorAt(image, page.center());
    QVERIFY2(QuiltWidgetTest::fuzzyColor(pane, fixtureColor("TabWidget"))
                 || QuiltWidgetTest::fuzzyColor(pane, fixtureColor("TabWidget:hover")),
             qPrintable(QuiltWidgetTest::describe(pane)));

    // Close buttons sized by the style and showing the close icon.
    QTabBar* bar = tabs.tabBar();
    QWidget* close = bar->tabButton(0, QTabBar::LeftSide);
    if (!close) {
        close = bar->tabButton(0, QTabBar::RightSide);
    }
    QVERIFY(close);
    QCOMPARE(close->size(), QSize(16, 16));
    const QRect closeRect(close->mapTo(&tabs, QPoint(0, 0)), close->size());
    QVERIFY(QuiltWidgetTest::containsColor(image, closeRect, iconColor("window-close-symbolic")));

    // No size in the style and no option: nothing to measure.
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_TabCloseIndicatorWidth, nullptr, nullptr), 0);
    QCOMPARE(quiltStyle()->pixelMetric(QStyle::PM_TabCloseIndicatorHeight, nullptr, bar), 16);

    // The frame's "direction".
    QStyleOptionTabWidgetFrame frame;
    frame.rect = QRect(0, 0, 40, 40);
    frame.shape = QTabBar::RoundedWest;
    QuiltWidgetTest::paintImage(QSize(40, 40), [&](QPainter* painter) {
        quiltStyle()->drawPrimitive(QStyle::PE_FrameTabWidget, &frame, painter, nullptr);
    });
    const auto element = cachedElement({ DrawPrimitive, QStyle::PE_FrameTabWidget, &frame, nullptr, {} });
    QCOMPARE(element->elementChain().last()->attributes().value(QStringLiteral("direction")), QStringLiteral("left"));
}

void tst_TabElements::sideTabBar()
{
    for (int position : { 1, 7 }) {
        LoomSideTabBar bar;
        bar.setProperty("position", position);
        bar.resize(60, 40);
        QVERIFY(QuiltWidgetTest::showAndWait(&bar));
        const QImage image = QuiltWidgetTest::grabImage(&bar);
        // Drawn as a right-hand base that carries the side tab bar's hint.
        QCOMPARE(QuiltWidgetTest::fuzzyColor(QuiltWidgetTest::colorAt(image, QPoint(1, 20)), SideColor), position == 1);
    }
}

QUILT_WIDGET_TEST_MAIN(tst_TabElements, styleSheet())

#include "tst_tabelements.moc"
