#include <QFormLayout>
#include <QPainter>
#include <QStyleOption>
#include <QTabBar>
#include <QTest>

#include "indicatorelement.h"
#include "quiltstyle.h"
#include "standins.h"
#include "widgettest.h"

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::fixtureColor;
using QuiltWidgetTest::iconColor;

namespace
{
QByteArray styleSheet()
{
    return QuiltWidgetTest::standardStyleSheet() + R"(
SmallIconSize { width: 16.7px; }
ListViewIconSize { width: 20px; }
IconViewIconSize { width: 40px; }
LargeIconSize { width: 32px; }
MessageBoxIconSize { width: 48px; }
TextCursorWidth { width: 2px; }
IndicatorArrowLeft { icon-name: window-close-symbolic; }
)";
}

// Records the tab-bar base that the side tab bar is drawn as.
class RecordingStyle : public QuiltStyle
{
public:
    void drawPrimitive(PrimitiveElement primitive, const QStyleOption* option, QPainter* painter,
                       const QWidget* widget = nullptr) const override
    {
        if (const auto* base = qstyleoption_cast<const QStyleOptionTabBarBase*>(option);
            base && primitive == PE_FrameTabBarBase) {
            shapes.append(base->shape);
        }
        QuiltStyle::drawPrimitive(primitive, option, painter, widget);
    }

    mutable QList<QTabBar::Shape> shapes;
};

QImage paintPrimitive(QStyle::PrimitiveElement primitive, const QStyleOption& option)
{
    return QuiltWidgetTest::paintImage(option.rect.size(), [&](QPainter* painter) {
        QuiltWidgetTest::style()->drawPrimitive(primitive, &option, painter);
    });
}
} // namespace

// Plain widgets, form layouts, arrows and icon sizes.
class tst_WidgetElements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formLayoutPolicies();
    void metrics_data();
    void metrics();
    void arrows_data();
    void arrows();
    void otherPrimitivesPaintNothing();
    void styledBackground();
    void sideTabBarShape_data();
    void sideTabBarShape();
    void sideTabBarIsNoPlainWidget();
};

void tst_WidgetElements::formLayoutPolicies()
{
    QWidget widget;
    auto* form = new QFormLayout(&widget);
    QCOMPARE(form->rowWrapPolicy(), QFormLayout::DontWrapRows);
    QCOMPARE(form->fieldGrowthPolicy(), QFormLayout::ExpandingFieldsGrow);
    QCOMPARE(form->formAlignment(), Qt::AlignLeft | Qt::AlignTop);
    QCOMPARE(form->labelAlignment(), Qt::AlignRight);
    QCOMPARE(QuiltWidgetTest::style()->styleHint(QStyle::SH_FormLayoutFormAlignment), 33);
}

void tst_WidgetElements::metrics_data()
{
    QTest::addColumn<int>("metric");
    QTest::addColumn<int>("expected");

    QTest::newRow("small, truncated") << int(QStyle::PM_SmallIconSize) << 16;
    QTest::newRow("list view") << int(QStyle::PM_ListViewIconSize) << 20;
    QTest::newRow("icon view") << int(QStyle::PM_IconViewIconSize) << 40;
    QTest::newRow("large") << int(QStyle::PM_LargeIconSize) << 32;
    QTest::newRow("message box") << int(QStyle::PM_MessageBoxIconSize) << 48;
    QTest::newRow("text cursor") << int(QStyle::PM_TextCursorWidth) << 2;
}

void tst_WidgetElements::metrics()
{
    QFETCH(int, metric);
    QFETCH(int, expected);

    // With neither option nor widget: the chain is "Widget" and the metric's name.
    QCOMPARE(QuiltWidgetTest::style()->pixelMetric(QStyle::PixelMetric(metric)), expected);

    // Metrics the element does not serve are 0.
    IndicatorElement element(nullptr, QuiltWidgetTest::style(), nullptr);
    QCOMPARE(element.pixelMetric(QStyle::PixelMetric(metric)), double(expected));
    QCOMPARE(element.pixelMetric(QStyle::PM_ButtonMargin), 0.0);
}

void tst_WidgetElements::arrows_data()
{
    QTest::addColumn<int>("primitive");
    QTest::addColumn<QString>("icon");

    QTest::newRow("down") << int(QStyle::PE_IndicatorArrowDown) << "pan-down-symbolic";
    QTest::newRow("up") << int(QStyle::PE_IndicatorArrowUp) << "pan-up-symbolic";
    QTest::newRow("right") << int(QStyle::PE_IndicatorArrowRight) << "pan-end-symbolic";
    QTest::newRow("drop-down") << int(QStyle::PE_IndicatorButtonDropDown) << "pan-down-symbolic";
    // The style names another icon for the left arrow.
    QTest::newRow("left, named by the style") << int(QStyle::PE_IndicatorArrowLeft) << "window-close-symbolic";
    QTest::newRow("column view arrow") << int(QStyle::PE_IndicatorColumnViewArrow) << "pan-end-symbolic";
}

void tst_WidgetElements::arrows()
{
    QFETCH(int, primitive);
    QFETCH(QString, icon);

    QStyleOption option;
    option.rect = QRect(0, 0, 24, 24);
    option.state = QStyle::State_Enabled;
    const QImage image = paintPrimitive(QStyle::PrimitiveElement(primitive), option);
    // The fixture's 16 x 16 icon, centred.
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(12, 12)), iconColor(icon));
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(5, 5)), iconColor(icon));
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(2, 2)), QColor(Qt::transparent));
}

void tst_WidgetElements::otherPrimitivesPaintNothing()
{
    QStyleOption option;
    option.rect = QRect(0, 0, 24, 24);
    option.state = QStyle::State_Enabled;
    IndicatorElement element(&option, QuiltWidgetTest::style(), nullptr);
    const QImage image = QuiltWidgetTest::paintImage(
        QSize(24, 24), [&](QPainter* painter) { element.draw(painter, -1, -1, QStyle::PE_IndicatorBranch); });
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(12, 12)), QColor(Qt::transparent));
}

void tst_WidgetElements::styledBackground()
{
    QWidget styled;
    styled.setAttribute(Qt::WA_StyledBackground);
    styled.resize(60, 40);
    QVERIFY(QuiltWidgetTest::showAndWait(&styled));
    QUILT_COMPARE_COLOR(colorAt(QuiltWidgetTest::grabImage(&styled), QPoint(30, 20)), fixtureColor("Widget"));

    QWidget plain;
    plain.resize(60, 40);
    QVERIFY(QuiltWidgetTest::showAndWait(&plain));
    QVERIFY(!QuiltWidgetTest::fuzzyColor(colorAt(QuiltWidgetTest::grabImage(&plain), QPoint(30, 20)),
                                         fixtureColor("Widget")));
}

void tst_WidgetElements::sideTabBarShape_data()
{
    QTest::addColumn<int>("position");
    QTest::addColumn<QTabBar::Shape>("shape");

    QTest::newRow("0") << 0 << QTabBar::RoundedWest;
    QTest::newRow("1") << 1 << QTabBar::RoundedEast;
    QTest::newRow("2") << 2 << QTabBar::RoundedNorth;
    QTest::newRow("3") << 3 << QTabBar::RoundedSouth;
    QTest::newRow("7 keeps the default") << 7 << QStyleOptionTabBarBase().shape;
}

void tst_WidgetElements::sideTabBarShape()
{
    QFETCH(int, position);
    QFETCH(QTabBar::Shape, shape);

    RecordingStyle recording;
    LoomSideTabBar bar;
    bar.setStyle(&recording);
    bar.setProperty("position", position);
    bar.resize(60, 40);
    QuiltWidgetTest::grabImage(&bar);
    QCOMPARE(recording.shapes, QList<QTabBar::Shape>({ shape }));
}

void tst_WidgetElements::sideTabBarIsNoPlainWidget()
{
    for (int position : { 1, 7 }) {
        LoomSideTabBar bar;
        bar.setProperty("position", position);
        bar.resize(60, 40);
        QVERIFY(QuiltWidgetTest::showAndWait(&bar));
        const QImage image = QuiltWidgetTest::grabImage(&bar);
        QVERIFY(!QuiltWidgetTest::containsColor(image, QRect(0, 0, 60, 40), fixtureColor("Widget")));
    }
}

QUILT_WIDGET_TEST_MAIN(tst_WidgetElements, styleSheet())

#include "tst_widgetelements.moc"
