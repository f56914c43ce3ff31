#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
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
const QColor BorderColor(0xc0, 0x20, 0x80);
const QColor TextColor(0xf0, 0xb0, 0x10);
const QColor PopupCurrent(0x50, 0x20, 0xa0);

QByteArray styleSheet()
{
    return QuiltWidgetTest::standardStyleSheet() + R"(
SmallIconSize { width: 16px; height: 16px; }
ItemViewItem.combobox:highlighted { background-color: #5020a0; }
ComboBox {
    border: 2px solid #c02080;
    padding: 2px 4px;
    spacing: 3px;
    color: #f0b010;
    icon-alignment-horizontal: start;
    icon-alignment-vertical: center;
    icon-alignment-order: 0;
    text-alignment-horizontal: start;
    text-alignment-vertical: center;
    text-alignment-order: 1;
}
ComboBox Indicator {
    width: 16px;
    height: 16px;
    layout-alignment-horizontal: end;
    layout-alignment-vertical: center;
    icon-name: pan-down-symbolic;
}
)";
}

QuiltStyle* style()
{
    return QuiltWidgetTest::style();
}

const QSize ComboSize(160, 30);
// Inside the padding, vertically centred: (4, 7, 16, 16).
const QPoint IconCentre(12, 15);

// A half-transparent icon: painted twice in one place, it would come out
// darker than once.
QIcon translucentIcon()
{
    QPixmap pixmap(16, 16);
    pixmap.fill(QColor(255, 0, 0, 128));
    return QIcon(pixmap);
}

QColor blendedOnce(const QColor& background)
{
    const double a = 128 / 255.0;
    return QColor(qRound(255 * a + background.red() * (1 - a)), qRound(background.green() * (1 - a)),
                  qRound(background.blue() * (1 - a)));
}

QStyleOptionComboBox comboOption(const QComboBox* combo, Qt::LayoutDirection direction = Qt::LeftToRight)
{
    QStyleOptionComboBox option;
    option.initFrom(combo);
    option.rect = QRect(QPoint(0, 0), ComboSize);
    option.direction = direction;
    option.frame = true;
    option.iconSize = QSize(16, 16);
    return option;
}
} // namespace

// Combo boxes drawn and measured from the fixture style.
class tst_ComboBoxElement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void iconPaintedOnce_data();
    void iconPaintedOnce();
    void editableHasNoLabelText();
    void flatHasNoBorder();
    void rects_data();
    void rects();
    void sizeAndFrameWidth();
    void popupItems();
};

void tst_ComboBoxElement::iconPaintedOnce_data()
{
    QTest::addColumn<bool>("editable");
    QTest::newRow("closed") << false;
    QTest::newRow("editable") << true;
}

void tst_ComboBoxElement::iconPaintedOnce()
{
    QFETCH(bool, editable);

    QComboBox combo;
    combo.setEditable(editable);
    combo.setIconSize(QSize(16, 16));
    combo.addItem(translucentIcon(), QStringLiteral("Red"));
    combo.setFixedSize(ComboSize);
    QVERIFY(QuiltWidgetTest::showAndWait(&combo));

    const QImage image = QuiltWidgetTest::grabImage(&combo);
    const QColor background = colorAt(image, QPoint(80, 4));
    QUILT_COMPARE_COLOR(colorAt(image, IconCentre), blendedOnce(background));
    // The arrow at the end, from the style's icon name.
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(145, 15)), iconColor("pan-down-symbolic"));
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(1, 15)), BorderColor);
    if (!editable) {
        QVERIFY(QuiltWidgetTest::containsColor(image, QRect(24, 4, 100, 22), TextColor, 60));
    }
}

void tst_ComboBoxElement::editableHasNoLabelText()
{
    QComboBox combo;
    combo.setEditable(true);
    QStyleOptionComboBox option = comboOption(&combo);
    option.editable = true;
    option.currentText = QStringLiteral("Typed");
    const QImage image = QuiltWidgetTest::paintImage(ComboSize, [&](QPainter* painter) {
        style()->drawControl(QStyle::CE_ComboBoxLabel, &option, painter, &combo);
    });
    QVERIFY(!QuiltWidgetTest::containsColor(image, image.rect(), TextColor, 100));
    const auto element = ElementDispatch::cachedElement(
        { ElementDispatch::DrawControl, QStyle::CE_ComboBoxLabel, &option, &combo, {} });
    QVERIFY(element);
    QVERIFY(element->elementChain().last()->hints().contains(QStringLiteral("editable")));
}

void tst_ComboBoxElement::flatHasNoBorder()
{
    QComboBox combo;
    QStyleOptionComboBox option = comboOption(&combo);
    option.frame = false;
    const QImage image = QuiltWidgetTest::paintImage(ComboSize, [&](QPainter* painter) {
        style()->drawComplexControl(QStyle::CC_ComboBox, &option, painter, &combo);
    });
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(60, 15)), fixtureColor("ComboBox"));
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(1, 15)), QColor(Qt::transparent));
    const auto element = ElementDispatch::cachedElement(
        { ElementDispatch::DrawComplexControl, QStyle::CC_ComboBox, &option, &combo, {} });
    QVERIFY(element);
    QCOMPARE(element->elementChain().last()->hints(), QStringList { QStringLiteral("flat") });
}

void tst_ComboBoxElement::rects_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<bool>("withIcon");
    QTest::addColumn<QRect>("arrow");
    QTest::addColumn<QRect>("editField");

    // The arrow: the indicator (137, 7, 16, 16) grown by the spacing on both
    // sides. The edit field: inside the border, up to the arrow.
    QTest::newRow("left to right") << int(Qt::LeftToRight) << false << QRect(134, 7, 22, 16) << QRect(0, 2, 134, 26);
    QTest::newRow("with icon") << int(Qt::LeftToRight) << true << QRect(134, 7, 22, 16) << QRect(0, 2, 134, 26);
    QTest::newRow("right to left") << int(Qt::RightToLeft) << false << QRect(4, 7, 22, 16) << QRect(26, 2, 134, 26);
}

void tst_ComboBoxElement::rects()
{
    QFETCH(int, direction);
    QFETCH(bool, withIcon);
    QFETCH(QRect, arrow);
    QFETCH(QRect, editField);

    QComboBox combo;
    QStyleOptionComboBox option = comboOption(&combo, Qt::LayoutDirection(direction));
    if (withIcon) {
        option.currentIcon = translucentIcon();
    }
    auto rect = [&](QStyle::SubControl control) {
        return style()->subControlRect(QStyle::CC_ComboBox, &option, control, &combo);
    };
    QCOMPARE(rect(QStyle::SC_ComboBoxArrow), arrow);
    QCOMPARE(rect(QStyle::SC_ComboBoxEditField), editField);
    QCOMPARE(rect(QStyle::SC_ComboBoxFrame), QRect(QPoint(0, 0), ComboSize));
    QCOMPARE(rect(QStyle::SC_ComboBoxListBoxPopup), QRect(QPoint(0, 0), ComboSize));
}

void tst_ComboBoxElement::sizeAndFrameWidth()
{
    QComboBox combo;
    const QStyleOptionComboBox option = comboOption(&combo);
    QCOMPARE(style()->pixelMetric(QStyle::PM_ComboBoxFrameWidth, &option, &combo), 2);
    // Padding around the contents, then the indicator with the padding too,
    // and the spacing.
    QCOMPARE(style()->sizeFromContents(QStyle::CT_ComboBox, &option, QSize(50, 16), &combo), QSize(58 + 24 + 3, 20));
}

void tst_ComboBoxElement::popupItems()
{
    QComboBox combo;
    combo.addItem(QStringLiteral("One"));
    QAbstractItemView* list = combo.view();
    QVERIFY(list->inherits("QComboBoxListView"));
    combo.setFixedSize(ComboSize);
    QVERIFY(QuiltWidgetTest::showAndWait(&combo));
    combo.showPopup();
    // The popup's current item, drawn as an item of a combo box's list.
    QTRY_VERIFY(list->isVisible());
    QTRY_VERIFY(QuiltWidgetTest::fuzzyColor(
        colorAt(list->viewport()->grab().toImage(), QPoint(list->viewport()->width() - 4, 8)), PopupCurrent));

    QStyleOptionViewItem option;
    option.initFrom(list);
    option.widget = list;
    option.rect = QRect(0, 0, 100, 20);
    option.text = QStringLiteral("One");
    const QImage image = QuiltWidgetTest::paintImage(option.rect.size(), [&](QPainter* painter) {
        style()->drawControl(QStyle::CE_ItemViewItem, &option, painter, list);
    });
    combo.hidePopup();
    const auto element
        = ElementDispatch::cachedElement({ ElementDispatch::DrawControl, QStyle::CE_ItemViewItem, &option, list, {} });
    QVERIFY(element);
    QVERIFY(element->elementChain().last()->hints().contains(QStringLiteral("combobox")));
    QCOMPARE(element->elementChain().at(element->elementChain().size() - 2)->type(), QStringLiteral("Popup"));
}

QUILT_WIDGET_TEST_MAIN(tst_ComboBoxElement, styleSheet())

#include "tst_comboboxelement.moc"
