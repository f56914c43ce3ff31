#include <QComboBox>
#include <QLineEdit>
#include <QPainter>
#include <QSpinBox>
#include <QStyleOption>
#include <QTableWidget>
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

QByteArray styleSheet()
{
    return QuiltWidgetTest::standardStyleSheet() + R"(
TextField { border: 2px solid #c02080; padding: 3px 5px; }
TextField LineEditIconSize { width: 18px; height: 18px; }
SpinBox { border: 1px solid #30a040; padding: 0px 4px; }
SpinBox Indicator { width: 20px; height: 12px; }
)";
}

QuiltStyle* style()
{
    return QuiltWidgetTest::style();
}

QStyleOptionFrame editOption(const QWidget* widget)
{
    QStyleOptionFrame option;
    if (widget) {
        option.initFrom(widget);
    }
    option.rect = QRect(0, 0, 100, 30);
    option.lineWidth = 1;
    option.frameShape = QFrame::StyledPanel;
    return option;
}

QImage paintPanel(const QStyleOptionFrame& option, const QWidget* widget)
{
    return QuiltWidgetTest::paintImage(option.rect.size(), [&](QPainter* painter) {
        style()->drawPrimitive(QStyle::PE_PanelLineEdit, &option, painter, widget);
    });
}

QStringList hintsOf(const QStyleOptionFrame& option, const QWidget* widget)
{
    paintPanel(option, widget);
    const auto element = ElementDispatch::cachedElement(
        { ElementDispatch::DrawPrimitive, QStyle::PE_PanelLineEdit, &option, widget, {} });
    return element ? element->elementChain().last()->hints() : QStringList { QStringLiteral("no element") };
}

QStyleOptionSpinBox spinOption(QAbstractSpinBox::ButtonSymbols symbols, Qt::LayoutDirection direction = Qt::LeftToRight)
{
    QStyleOptionSpinBox option;
    option.rect = QRect(0, 0, 120, 40);
    option.state = QStyle::State_Enabled;
    option.buttonSymbols = symbols;
    option.direction = direction;
    option.frame = true;
    return option;
}
} // namespace

// Line edits and spin boxes drawn and measured from the fixture style.
class tst_LineEditElements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void panelAndBorder();
    void embeddedEditorsPaintNothing();
    void insideTable();
    void contentsAndMetrics();
    void spinBoxButtons_data();
    void spinBoxButtons();
    void spinBoxRects_data();
    void spinBoxRects();
    void spinBoxSize();
};

void tst_LineEditElements::panelAndBorder()
{
    QLineEdit edit;
    edit.setFixedSize(120, 30);
    QVERIFY(QuiltWidgetTest::showAndWait(&edit));
    QImage image = QuiltWidgetTest::grabImage(&edit);
    // Qt draws line edits sunken, which is the pressed state.
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(60, 15)), fixtureColor("TextField:pressed"));
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(1, 15)), BorderColor);

    // Without a frame only the background is painted.
    edit.setFrame(false);
    image = QuiltWidgetTest::grabImage(&edit);
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(60, 15)), fixtureColor("TextField:pressed"));
    QVERIFY(!QuiltWidgetTest::fuzzyColor(colorAt(image, QPoint(1, 15)), BorderColor));

    // Without a widget nothing is painted.
    const QStyleOptionFrame option = editOption(nullptr);
    QUILT_COMPARE_COLOR(colorAt(paintPanel(option, nullptr), QPoint(50, 15)), QColor(Qt::transparent));
}

void tst_LineEditElements::embeddedEditorsPaintNothing()
{
    QComboBox combo;
    combo.setEditable(true);
    QSpinBox spin;
    for (QLineEdit* editor : { combo.lineEdit(), spin.findChild<QLineEdit*>() }) {
        QVERIFY(editor);
        const QStyleOptionFrame option = editOption(editor);
        QUILT_COMPARE_COLOR(colorAt(paintPanel(option, editor), QPoint(50, 15)), QColor(Qt::transparent));
    }

    // So the spin box's own panel shows through its editor.
    spin.setFixedSize(120, 40);
    QVERIFY(QuiltWidgetTest::showAndWait(&spin));
    QUILT_COMPARE_COLOR(colorAt(QuiltWidgetTest::grabImage(&spin), QPoint(40, 20)), fixtureColor("SpinBox"));
}

void tst_LineEditElements::insideTable()
{
    QTableWidget table(2, 2);
    table.setItem(0, 0, new QTableWidgetItem(QStringLiteral("cell")));
    QVERIFY(QuiltWidgetTest::showAndWait(&table));
    table.editItem(table.item(0, 0));
    auto* editor = table.findChild<QLineEdit*>();
    QVERIFY(editor);
    QVERIFY(hintsOf(editOption(editor), editor).contains(QStringLiteral("inside-table")));

    // An edit without parent, or without grandparent, is in no table.
    QLineEdit orphan;
    QCOMPARE(hintsOf(editOption(&orphan), &orphan), QStringList());
    QWidget parent;
    auto* child = new QLineEdit(&parent);
    QCOMPARE(hintsOf(editOption(child), child), QStringList());
}

void tst_LineEditElements::contentsAndMetrics()
{
    QLineEdit edit;
    const QStyleOptionFrame option = editOption(&edit);
    QCOMPARE(style()->subElementRect(QStyle::SE_LineEditContents, &option, &edit), QRect(5, 3, 90, 24));
    QCOMPARE(style()->pixelMetric(QStyle::PM_LineEditIconSize, &option, &edit), 18);
    QCOMPARE(style()->pixelMetric(QStyle::PM_LineEditIconMargin, &option, &edit), 4);
    QCOMPARE(style()->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(50, 20), &edit), QSize(60, 26));
}

void tst_LineEditElements::spinBoxButtons_data()
{
    QTest::addColumn<int>("symbols");
    QTest::addColumn<QString>("up");
    QTest::addColumn<QString>("down");

    QTest::newRow("arrows") << int(QAbstractSpinBox::UpDownArrows) << "pan-up-symbolic"
                            << "pan-down-symbolic";
    QTest::newRow("plus and minus") << int(QAbstractSpinBox::PlusMinus) << "list-add-symbolic"
                                    << "list-remove-symbolic";
}

void tst_LineEditElements::spinBoxButtons()
{
    QFETCH(int, symbols);
    QFETCH(QString, up);
    QFETCH(QString, down);

    QSpinBox spin;
    spin.setButtonSymbols(QAbstractSpinBox::ButtonSymbols(symbols));
    spin.setFixedSize(120, 40);
    QVERIFY(QuiltWidgetTest::showAndWait(&spin));
    const QImage image = QuiltWidgetTest::grabImage(&spin);
    // Stacked at the top right, each of the indicator's size: (100, 0, 20, 12)
    // and (100, 12, 20, 12).
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(110, 6)), iconColor(up));
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(110, 18)), iconColor(down));
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(110, 30)), fixtureColor("SpinBox"));
}

void tst_LineEditElements::spinBoxRects_data()
{
    QTest::addColumn<int>("symbols");
    QTest::addColumn<int>("direction");
    QTest::addColumn<QRect>("up");
    QTest::addColumn<QRect>("down");
    QTest::addColumn<QRect>("edit");

    QTest::newRow("buttons") << int(QAbstractSpinBox::UpDownArrows) << int(Qt::LeftToRight) << QRect(100, 0, 20, 12)
                             << QRect(100, 12, 20, 12) << QRect(0, 0, 100, 40);
    QTest::newRow("right to left") << int(QAbstractSpinBox::UpDownArrows) << int(Qt::RightToLeft) << QRect(0, 0, 20, 12)
                                   << QRect(0, 12, 20, 12) << QRect(20, 0, 100, 40);
    QTest::newRow("no buttons") << int(QAbstractSpinBox::NoButtons) << int(Qt::LeftToRight) << QRect() << QRect()
                                << QRect(0, 0, 120, 40);
}

void tst_LineEditElements::spinBoxRects()
{
    QFETCH(int, symbols);
    QFETCH(int, direction);
    QFETCH(QRect, up);
    QFETCH(QRect, down);
    QFETCH(QRect, edit);

    const QStyleOptionSpinBox option
        = spinOption(QAbstractSpinBox::ButtonSymbols(symbols), Qt::LayoutDirection(direction));
    auto rect = [&](QStyle::SubControl control) {
        return style()->subControlRect(QStyle::CC_SpinBox, &option, control, nullptr);
    };
    QCOMPARE(rect(QStyle::SC_SpinBoxEditField), edit);
    QCOMPARE(rect(QStyle::SC_SpinBoxFrame), QRect(0, 0, 120, 40));
    if (up.isNull()) {
        QVERIFY(rect(QStyle::SC_SpinBoxUp).isEmpty());
        QVERIFY(rect(QStyle::SC_SpinBoxDown).isEmpty());
    } else {
        QCOMPARE(rect(QStyle::SC_SpinBoxUp), up);
        QCOMPARE(rect(QStyle::SC_SpinBoxDown), down);
    }
}

void tst_LineEditElements::spinBoxSize()
{
    QStyleOptionSpinBox option = spinOption(QAbstractSpinBox::UpDownArrows);
    QCOMPARE(style()->pixelMetric(QStyle::PM_SpinBoxFrameWidth, &option, nullptr), 1);
    // Frame 1 on each side, padding 4 and 4, the button column; the height
    // is that of the two buttons, whatever the contents.
    QCOMPARE(style()->sizeFromContents(QStyle::CT_SpinBox, &option, QSize(50, 20), nullptr), QSize(80, 24));
    QStyleOptionSpinBox bare = spinOption(QAbstractSpinBox::NoButtons);
    QCOMPARE(style()->sizeFromContents(QStyle::CT_SpinBox, &bare, QSize(50, 20), nullptr), QSize(60, 22));
}

QUILT_WIDGET_TEST_MAIN(tst_LineEditElements, styleSheet())

#include "tst_lineeditelements.moc"
