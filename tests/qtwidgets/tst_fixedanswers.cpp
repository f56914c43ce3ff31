#include <QCommonStyle>
#include <QListView>
#include <QPainter>
#include <QRubberBand>
#include <QStyleOption>
#include <QTest>

#include "fixedanswers.h"
#include "quiltstyle.h"
#include "widgettest.h"

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::iconColor;

// What the style answers without an element.
class tst_FixedAnswers : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void zeroMetrics_data();
    void zeroMetrics();
    void fixedHints_data();
    void fixedHints();
    void underlineFollowsAlt();
    void animationDuration_data();
    void animationDuration();
    void rubberBandMask();
    void rubberBandMaskWithoutOption();
    void headerArrowFallback_data();
    void headerArrowFallback();
    void menuMarginsDrawNothing();
    void scrollBarHitTest();
};

void tst_FixedAnswers::zeroMetrics_data()
{
    QTest::addColumn<int>("metric");
    QTest::newRow("PM_ButtonShiftHorizontal") << int(QStyle::PM_ButtonShiftHorizontal);
    QTest::newRow("PM_ButtonShiftVertical") << int(QStyle::PM_ButtonShiftVertical);
    QTest::newRow("PM_MenuBarPanelWidth") << int(QStyle::PM_MenuBarPanelWidth);
    QTest::newRow("PM_TabBarTabShiftHorizontal") << int(QStyle::PM_TabBarTabShiftHorizontal);
    QTest::newRow("PM_TabBarTabShiftVertical") << int(QStyle::PM_TabBarTabShiftVertical);
    QTest::newRow("PM_TabBar_ScrollButtonOverlap") << int(QStyle::PM_TabBar_ScrollButtonOverlap);
    QTest::newRow("PM_ScrollView_ScrollBarOverlap") << int(QStyle::PM_ScrollView_ScrollBarOverlap);
}

void tst_FixedAnswers::zeroMetrics()
{
    QFETCH(int, metric);
    QStyleOptionTab option;
    QWidget widget;
    QStyle* style = QuiltWidgetTest::style();
    QCOMPARE(style->pixelMetric(QStyle::PixelMetric(metric)), 0);
    QCOMPARE(style->pixelMetric(QStyle::PixelMetric(metric), &option, &widget), 0);
}

void tst_FixedAnswers::fixedHints_data()
{
    QTest::addColumn<int>("hint");
    QTest::addColumn<int>("expected");

    auto row = [](const char* name, QStyle::StyleHint hint, int expected) {
        QTest::newRow(name) << int(hint) << expected;
    };
    row("SH_ScrollBar_MiddleClickAbsolutePosition", QStyle::SH_ScrollBar_MiddleClickAbsolutePosition, 1);
    row("SH_ProgressDialog_CenterCancelButton", QStyle::SH_ProgressDialog_CenterCancelButton, 0);
    row("SH_Menu_SubMenuPopupDelay", QStyle::SH_Menu_SubMenuPopupDelay, 150);
    row("SH_ScrollView_FrameOnlyAroundContents", QStyle::SH_ScrollView_FrameOnlyAroundContents, 0);
    row("SH_ComboBox_ListMouseTracking", QStyle::SH_ComboBox_ListMouseTracking, 1);
    row("SH_Menu_MouseTracking", QStyle::SH_Menu_MouseTracking, 1);
    row("SH_MenuBar_MouseTracking", QStyle::SH_MenuBar_MouseTracking, 1);
    row("SH_TitleBar_NoBorder", QStyle::SH_TitleBar_NoBorder, 1);
    row("SH_Menu_Scrollable", QStyle::SH_Menu_Scrollable, 1);
    row("SH_GroupBox_TextLabelVerticalAlignment", QStyle::SH_GroupBox_TextLabelVerticalAlignment, 128);
    row("SH_Menu_SloppySubMenus", QStyle::SH_Menu_SloppySubMenus, 1);
    row("SH_ToolBox_SelectedPageTitleBold", QStyle::SH_ToolBox_SelectedPageTitleBold, 0);
    row("SH_ScrollBar_LeftClickAbsolutePosition", QStyle::SH_ScrollBar_LeftClickAbsolutePosition, 1);
    row("SH_FocusFrame_Mask", QStyle::SH_FocusFrame_Mask, 0);
    row("SH_MessageBox_TextInteractionFlags", QStyle::SH_MessageBox_TextInteractionFlags, 5);
    row("SH_DialogButtonBox_ButtonsHaveIcons", QStyle::SH_DialogButtonBox_ButtonsHaveIcons, 1);
    row("SH_MessageBox_CenterButtons", QStyle::SH_MessageBox_CenterButtons, 0);
    row("SH_FocusFrame_AboveWidget", QStyle::SH_FocusFrame_AboveWidget, 1);
    row("SH_DockWidget_ButtonsHaveFrame", QStyle::SH_DockWidget_ButtonsHaveFrame, 0);
    row("SH_RequestSoftwareInputPanel", QStyle::SH_RequestSoftwareInputPanel, 1);
    row("SH_Menu_SupportsSections", QStyle::SH_Menu_SupportsSections, 1);
}

void tst_FixedAnswers::fixedHints()
{
    QFETCH(int, hint);
    QFETCH(int, expected);
    QStyleOption option;
    QWidget widget;
    QStyle* style = QuiltWidgetTest::style();
    QCOMPARE(style->styleHint(QStyle::StyleHint(hint)), expected);
    QCOMPARE(style->styleHint(QStyle::StyleHint(hint), &option, &widget), expected);
}

void tst_FixedAnswers::underlineFollowsAlt()
{
    QWidget widget;
    QVERIFY(QuiltWidgetTest::showAndWait(&widget));
    QStyle* style = QuiltWidgetTest::style();

    QCOMPARE(style->styleHint(QStyle::SH_UnderlineShortcut), 0);
    QTest::keyPress(&widget, Qt::Key_Alt);
    QCOMPARE(style->styleHint(QStyle::SH_UnderlineShortcut), 1);
    QTest::keyRelease(&widget, Qt::Key_Alt);
    QCOMPARE(style->styleHint(QStyle::SH_UnderlineShortcut), 0);
}

void tst_FixedAnswers::animationDuration_data()
{
    QTest::addColumn<QByteArray>("speed");
    QTest::addColumn<int>("duration");

    QTest::newRow("unset") << QByteArray() << 150;
    QTest::newRow("0.33") << QByteArray("0.33") << 50;
    QTest::newRow("0.5") << QByteArray("0.5") << 75;
    QTest::newRow("0") << QByteArray("0") << 0;
    QTest::newRow("2") << QByteArray("2") << 300;
    QTest::newRow("nan") << QByteArray("nan") << 150;
    QTest::newRow("inf") << QByteArray("inf") << 150;
    QTest::newRow("-1") << QByteArray("-1") << 0;
    QTest::newRow("1e300") << QByteArray("1e300") << 15000;
}

void tst_FixedAnswers::animationDuration()
{
    QFETCH(QByteArray, speed);
    QFETCH(int, duration);

    if (speed.isNull()) {
        qunsetenv("QUILT_TEST_ANIMATION_SPEED");
    } else {
        qputenv("QUILT_TEST_ANIMATION_SPEED", speed);
    }
    const int answer = QuiltWidgetTest::style()->styleHint(QStyle::SH_Widget_Animation_Duration);
    qunsetenv("QUILT_TEST_ANIMATION_SPEED");
    QCOMPARE(answer, duration);

    // Whatever the platform makes of the text, the arithmetic holds too.
    if (!speed.isNull()) {
        QCOMPARE(FixedAnswers::animationDuration(QLocale::c().toDouble(QString::fromLatin1(speed))), duration);
    }
    QCOMPARE(FixedAnswers::animationDuration(qQNaN()), 150);
    QCOMPARE(FixedAnswers::animationDuration(-qInf()), 150);
}

void tst_FixedAnswers::rubberBandMask()
{
    // In a view's viewport: the full rectangle.
    QListView view;
    view.resize(200, 200);
    QVERIFY(QuiltWidgetTest::showAndWait(&view));
    QRubberBand inView(QRubberBand::Rectangle, view.viewport());
    inView.setGeometry(10, 10, 50, 40);
    inView.show();
    QCOMPARE(inView.mask(), QRegion(0, 0, 50, 40));

    // Anywhere else: a frame one pixel wide.
    QWidget plain;
    plain.resize(200, 200);
    QVERIFY(QuiltWidgetTest::showAndWait(&plain));
    QRubberBand onPlain(QRubberBand::Rectangle, &plain);
    onPlain.setGeometry(10, 10, 50, 40);
    onPlain.show();
    QCOMPARE(onPlain.mask(), QRegion(0, 0, 50, 40) - QRegion(1, 1, 48, 38));

    // Without a widget as well.
    QStyleOptionRubberBand option;
    option.rect = QRect(0, 0, 50, 40);
    QStyleHintReturnMask mask;
    QCOMPARE(QuiltWidgetTest::style()->styleHint(QStyle::SH_RubberBand_Mask, &option, nullptr, &mask), 1);
    QCOMPARE(mask.region, QRegion(0, 0, 50, 40) - QRegion(1, 1, 48, 38));
}

void tst_FixedAnswers::rubberBandMaskWithoutOption()
{
    QStyle* style = QuiltWidgetTest::style();
    QStyleHintReturnMask mask;
    mask.region = QRegion(3, 4, 5, 6);

    QCOMPARE(style->styleHint(QStyle::SH_RubberBand_Mask, nullptr, nullptr, &mask), 0);
    QCOMPARE(mask.region, QRegion(3, 4, 5, 6));

    QStyleOptionRubberBand option;
    option.rect = QRect(0, 0, 50, 40);
    QCOMPARE(style->styleHint(QStyle::SH_RubberBand_Mask, &option, nullptr, nullptr), 0);
    QStyleHintReturnVariant notAMask;
    QCOMPARE(style->styleHint(QStyle::SH_RubberBand_Mask, &option, nullptr, &notAMask), 0);
}

void tst_FixedAnswers::headerArrowFallback_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QString>("icon");

    QTest::newRow("up") << int(QStyle::State_UpArrow) << "pan-up-symbolic";
    QTest::newRow("down") << int(QStyle::State_DownArrow) << "pan-down-symbolic";
    QTest::newRow("both") << int(QStyle::State_UpArrow | QStyle::State_DownArrow) << "pan-up-symbolic";
    QTest::newRow("neither") << 0 << QString();
}

void tst_FixedAnswers::headerArrowFallback()
{
    QFETCH(int, state);
    QFETCH(QString, icon);

    QStyleOption option;
    option.rect = QRect(0, 0, 16, 16);
    option.state = QStyle::State_Enabled | QStyle::State(state);
    const QImage image = QuiltWidgetTest::paintImage(QSize(16, 16), [&](QPainter* painter) {
        QuiltWidgetTest::style()->drawPrimitive(QStyle::PE_IndicatorHeaderArrow, &option, painter);
    });
    const QColor expected = icon.isEmpty() ? QColor(Qt::transparent) : iconColor(icon);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(8, 8)), expected);
}

void tst_FixedAnswers::menuMarginsDrawNothing()
{
    QStyleOptionMenuItem option;
    option.rect = QRect(0, 0, 16, 16);
    for (auto control : { QStyle::CE_MenuVMargin, QStyle::CE_MenuHMargin, QStyle::CE_MenuEmptyArea }) {
        QPainter::RenderHints hints;
        const QImage image = QuiltWidgetTest::paintImage(QSize(16, 16), [&](QPainter* painter) {
            painter->setRenderHint(QPainter::Antialiasing, false);
            QuiltWidgetTest::style()->drawControl(control, &option, painter);
            hints = painter->renderHints();
        });
        QUILT_COMPARE_COLOR(colorAt(image, QPoint(8, 8)), QColor(Qt::transparent));
        QVERIFY(hints & QPainter::Antialiasing);
    }
}

void tst_FixedAnswers::scrollBarHitTest()
{
    QuiltStyle* style = QuiltWidgetTest::style();
    QStyleOptionSlider option;
    option.rect = QRect(0, 0, 16, 200);
    option.minimum = 0;
    option.maximum = 100;
    option.pageStep = 10;
    option.sliderPosition = 50;
    option.sliderValue = 50;
    option.orientation = Qt::Vertical;
    option.state = QStyle::State_Enabled;
    option.subControls = QStyle::SC_All;

    auto hit = [&](const QPoint& point) {
        return style->hitTestComplexControl(QStyle::CC_ScrollBar, &option, point);
    };
    auto rect = [&](QStyle::SubControl control) {
        return style->subControlRect(QStyle::CC_ScrollBar, &option, control);
    };

    QRect groove = rect(QStyle::SC_ScrollBarGroove);
    QRect slider = rect(QStyle::SC_ScrollBarSlider);
    QVERIFY(groove.contains(slider));
    QVERIFY(slider.top() > groove.top());
    // The slider's top edge is on the slider; a pixel above is the sub page.
    QCOMPARE(hit(QPoint(8, slider.top())), QStyle::SC_ScrollBarSlider);
    QCOMPARE(hit(QPoint(8, slider.top() - 1)), QStyle::SC_ScrollBarSubPage);
    QCOMPARE(hit(QPoint(8, slider.bottom() + 1)), QStyle::SC_ScrollBarAddPage);
    // Outside the groove the common style decides.
    const QPoint outside(8, groove.top() - 1);
    QVERIFY(!groove.contains(outside));
    QCOMPARE(hit(outside), style->QCommonStyle::hitTestComplexControl(QStyle::CC_ScrollBar, &option, outside));

    // Horizontal, both directions.
    option.rect = QRect(0, 0, 200, 16);
    option.orientation = Qt::Horizontal;
    option.state |= QStyle::State_Horizontal;
    for (Qt::LayoutDirection direction : { Qt::LeftToRight, Qt::RightToLeft }) {
        option.direction = direction;
        groove = rect(QStyle::SC_ScrollBarGroove);
        slider = rect(QStyle::SC_ScrollBarSlider);
        const QPoint left(slider.left() - 2, 8);
        const QPoint right(slider.right() + 2, 8);
        QVERIFY(groove.contains(left) && groove.contains(right));
        const bool ltr = direction == Qt::LeftToRight;
        QCOMPARE(hit(left), ltr ? QStyle::SC_ScrollBarSubPage : QStyle::SC_ScrollBarAddPage);
        QCOMPARE(hit(right), ltr ? QStyle::SC_ScrollBarAddPage : QStyle::SC_ScrollBarSubPage);
    }
}

QUILT_WIDGET_TEST_MAIN(tst_FixedAnswers, QuiltWidgetTest::standardStyleSheet())

#include "tst_fixedanswers.moc"
