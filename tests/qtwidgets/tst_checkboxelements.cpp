#include <QCheckBox>
#include <QPainter>
#include <QRadioButton>
#include <QStyleOption>
#include <QTest>

#include "abstractelement.h"
#include "elementdispatch.h"
#include "quiltstyle.h"
#include "widgettest.h"

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::fixtureColor;
using QuiltWidgetTest::iconColor;

namespace
{
const QColor Unchecked(0x20, 0x40, 0x80);
const QColor Checked(0x40, 0xa0, 0x20);
const QColor Indeterminate(0xa0, 0x40, 0x20);
const QColor RadioUnchecked(0x80, 0x20, 0x60);
const QColor RadioChecked(0x20, 0x80, 0x80);
const QColor TextColor(0xf0, 0xb0, 0x10);
// Thin glyphs are blended with the background all along.
const int ThinStrokes = 60;

QByteArray styleSheet()
{
    return QuiltWidgetTest::standardStyleSheet() + R"(
CheckBox, RadioButton { padding: 4px; spacing: 6px; color: #f0b010; }
CheckBox Indicator, RadioButton Indicator {
    layout-alignment-horizontal: start;
    layout-alignment-vertical: center;
    icon-alignment-horizontal: start;
    icon-alignment-vertical: center;
    text-alignment-horizontal: start;
    text-alignment-vertical: center;
}
CheckBox Indicator { width: 16px; height: 16px; background-color: #204080; }
CheckBox:checked Indicator { background-color: #40a020; }
CheckBox.indeterminate Indicator { background-color: #a04020; }
RadioButton Indicator { width: 14px; height: 14px; background-color: #802060; }
RadioButton:checked Indicator { background-color: #208080; }
)";
}

QuiltStyle* style()
{
    return QuiltWidgetTest::style();
}

const QSize BoxSize(140, 30);
// Inside the padding, vertically centred: (4, 7, 16, 16).
const QPoint IndicatorCentre(12, 15);
} // namespace

// Check boxes and radio buttons drawn and measured from the fixture style.
class tst_CheckBoxElements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void checkBoxStates_data();
    void checkBoxStates();
    void radioButtonStates();
    void iconAndText();
    void rects();
    void sizes();
    void metrics();
};

void tst_CheckBoxElements::checkBoxStates_data()
{
    QTest::addColumn<int>("state");
    QTest::addColumn<QColor>("expected");

    QTest::newRow("unchecked") << int(Qt::Unchecked) << Unchecked;
    QTest::newRow("checked") << int(Qt::Checked) << Checked;
    // A hint, not the checked state.
    QTest::newRow("partially checked") << int(Qt::PartiallyChecked) << Indeterminate;
}

void tst_CheckBoxElements::checkBoxStates()
{
    QFETCH(int, state);
    QFETCH(QColor, expected);

    QCheckBox box(QStringLiteral("Check"));
    box.setTristate(true);
    box.setCheckState(Qt::CheckState(state));
    box.setFixedSize(BoxSize);
    QVERIFY(QuiltWidgetTest::showAndWait(&box));

    const QImage image = QuiltWidgetTest::grabImage(&box);
    QUILT_COMPARE_COLOR(colorAt(image, IndicatorCentre), expected);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(2, 2)),
                        fixtureColor(state == Qt::Checked ? "CheckBox:checked" : "CheckBox"));
    QVERIFY(QuiltWidgetTest::containsColor(image, QRect(26, 4, 100, 22), TextColor, ThinStrokes));
}

void tst_CheckBoxElements::radioButtonStates()
{
    QRadioButton radio(QStringLiteral("Radio"));
    radio.setFixedSize(BoxSize);
    QVERIFY(QuiltWidgetTest::showAndWait(&radio));
    // (4, 8, 14, 14)
    QUILT_COMPARE_COLOR(colorAt(QuiltWidgetTest::grabImage(&radio), QPoint(11, 15)), RadioUnchecked);
    radio.setChecked(true);
    QUILT_COMPARE_COLOR(colorAt(QuiltWidgetTest::grabImage(&radio), QPoint(11, 15)), RadioChecked);
}

void tst_CheckBoxElements::iconAndText()
{
    const QIcon icon = QIcon::fromTheme(QStringLiteral("window-close-symbolic"));
    QCheckBox box(QStringLiteral("Icon"));
    box.setIcon(icon);
    box.setIconSize(QSize(16, 16));
    box.setFixedSize(BoxSize);
    QVERIFY(QuiltWidgetTest::showAndWait(&box));

    // Indicator, spacing, then the icon: (26, 7, 16, 16).
    const QImage image = QuiltWidgetTest::grabImage(&box);
    QUILT_COMPARE_COLOR(colorAt(image, IndicatorCentre), Unchecked);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(34, 15)), iconColor("window-close-symbolic"));
    QVERIFY(QuiltWidgetTest::containsColor(image, QRect(48, 4, 80, 22), TextColor, ThinStrokes));

    // The label alone paints the icon and the text, not the indicator.
    QStyleOptionButton option;
    option.initFrom(&box);
    option.rect = QRect(QPoint(0, 0), BoxSize);
    option.icon = icon;
    option.iconSize = QSize(16, 16);
    option.text = QStringLiteral("Icon");
    const QImage label = QuiltWidgetTest::paintImage(
        BoxSize, [&](QPainter* painter) { style()->drawControl(QStyle::CE_CheckBoxLabel, &option, painter, &box); });
    QUILT_COMPARE_COLOR(colorAt(label, QPoint(34, 15)), iconColor("window-close-symbolic"));
    QUILT_COMPARE_COLOR(colorAt(label, IndicatorCentre), QColor(Qt::transparent));
    const auto element
        = ElementDispatch::cachedElement({ ElementDispatch::DrawControl, QStyle::CE_CheckBoxLabel, &option, &box, {} });
    QVERIFY(element);
    QVERIFY(element->elementChain().last()->hints().contains(QStringLiteral("with-icon")));
}

void tst_CheckBoxElements::rects()
{
    QCheckBox box(QStringLiteral("Check"));
    QStyleOptionButton option;
    option.initFrom(&box);
    option.rect = QRect(QPoint(0, 0), BoxSize);
    option.text = QStringLiteral("Check");

    // With a widget: the laid-out place; without widget and style object:
    // the common style's, from the indicator metrics.
    QCOMPARE(style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box), QRect(4, 7, 16, 16));
    QStyleOptionButton bare = option;
    bare.styleObject = nullptr;
    QCOMPARE(style()->subElementRect(QStyle::SE_CheckBoxIndicator, &bare, nullptr), QRect(0, 7, 16, 16));
    // The common style's contents: after the indicator and the spacing.
    QCOMPARE(style()->subElementRect(QStyle::SE_CheckBoxContents, &option, &box), QRect(25, 0, 118, 30));

    // A radio button's contents are its laid-out icon and text.
    QRadioButton radio(QStringLiteral("Radio"));
    QStyleOptionButton radioOption;
    radioOption.initFrom(&radio);
    radioOption.rect = QRect(QPoint(0, 0), BoxSize);
    radioOption.text = QStringLiteral("Radio");
    QCOMPARE(style()->subElementRect(QStyle::SE_RadioButtonIndicator, &radioOption, &radio), QRect(4, 8, 14, 14));
    const QRect contents = style()->subElementRect(QStyle::SE_RadioButtonContents, &radioOption, &radio);
    QCOMPARE(contents.left(), 4 + 14 + 6);
    QCOMPARE(contents.width(), radioOption.fontMetrics.horizontalAdvance(QStringLiteral("Radio")));

    // Right to left, the places are mirrored: the indicator at the right,
    // the text to its left.
    const int width = BoxSize.width();
    option.direction = Qt::RightToLeft;
    QCOMPARE(style()->subElementRect(QStyle::SE_CheckBoxIndicator, &option, &box), QRect(width - 4 - 16, 7, 16, 16));
    radioOption.direction = Qt::RightToLeft;
    QCOMPARE(style()->subElementRect(QStyle::SE_RadioButtonIndicator, &radioOption, &radio),
             QRect(width - 4 - 14, 8, 14, 14));
    const QRect mirrored = style()->subElementRect(QStyle::SE_RadioButtonContents, &radioOption, &radio);
    QCOMPARE(mirrored.right(), width - 1 - (4 + 14 + 6));
    QCOMPARE(mirrored.width(), contents.width());
}

void tst_CheckBoxElements::sizes()
{
    QCheckBox box(QStringLiteral("Check"));
    QStyleOptionButton option;
    option.initFrom(&box);
    // Padding on both sides, the spacing and the indicator's width; at least
    // the indicator's height, so that it is never cut.
    QCOMPARE(style()->sizeFromContents(QStyle::CT_CheckBox, &option, QSize(50, 4), &box), QSize(50 + 8 + 6 + 16, 16));

    QRadioButton radio(QStringLiteral("Radio"));
    QStyleOptionButton radioOption;
    radioOption.initFrom(&radio);
    QCOMPARE(style()->sizeFromContents(QStyle::CT_RadioButton, &radioOption, QSize(50, 4), &radio),
             QSize(50 + 8 + 6 + 14, 14));
    // The widget's own size hint goes the same way.
    QCOMPARE(box.sizeHint().width() - radio.sizeHint().width(),
             option.fontMetrics.horizontalAdvance(QStringLiteral("Check"))
                 - radioOption.fontMetrics.horizontalAdvance(QStringLiteral("Radio")) + 2);
}

void tst_CheckBoxElements::metrics()
{
    QStyleOptionButton option;
    QCOMPARE(style()->pixelMetric(QStyle::PM_IndicatorWidth, &option), 16);
    QCOMPARE(style()->pixelMetric(QStyle::PM_IndicatorHeight, &option), 16);
    QCOMPARE(style()->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, &option), 6);
    QCOMPARE(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth, &option), 14);
    QCOMPARE(style()->pixelMetric(QStyle::PM_ExclusiveIndicatorHeight, &option), 14);
    QCOMPARE(style()->pixelMetric(QStyle::PM_RadioButtonLabelSpacing, &option), 6);
}

QUILT_WIDGET_TEST_MAIN(tst_CheckBoxElements, styleSheet())

#include "tst_checkboxelements.moc"
