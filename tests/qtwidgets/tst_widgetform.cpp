#include <QCheckBox>
#include <QComboBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QHeaderView>
#include <QLineEdit>
#include <QListWidget>
#include <QRadioButton>
#include <QSpinBox>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "quiltstyle.h"
#include "widgettest.h"

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::containsColor;

namespace
{
const QColor Window(0xef, 0xf0, 0xf1);
const QColor Field(0xfc, 0xfc, 0xfc);
const QColor Accent(0x3d, 0xae, 0xe9);
const QColor HeaderColor(0xe3, 0xe5, 0xe7);

// A sober style, as an application would get it.
QByteArray styleSheet()
{
    return R"(
ApplicationWindow, Widget { background-color: #eff0f1; }
SmallIconSize { width: 16px; height: 16px; }
Frame { background-color: #fcfcfc; border: 1px solid #bcbebf; }
TextField { background-color: #fcfcfc; border: 1px solid #bcbebf; border-radius: 3px; padding: 3px 6px; }
TextField:active-focus { border-color: #3daee9; }
SpinBox { background-color: #fcfcfc; border: 1px solid #bcbebf; border-radius: 3px; padding: 0px 4px; }
SpinBox Indicator { width: 18px; height: 13px; }
ComboBox {
    background-color: #f5f6f7;
    border: 1px solid #bcbebf;
    border-radius: 3px;
    padding: 3px 6px;
    spacing: 4px;
    icon-alignment-horizontal: start;
    icon-alignment-vertical: center;
    text-alignment-horizontal: start;
    text-alignment-vertical: center;
    text-alignment-order: 1;
}
ComboBox Indicator {
    width: 12px;
    height: 12px;
    layout-alignment-horizontal: end;
    layout-alignment-vertical: center;
    icon-name: pan-down-symbolic;
}
CheckBox, RadioButton { padding: 2px; spacing: 6px; }
CheckBox Indicator, RadioButton Indicator {
    width: 14px;
    height: 14px;
    background-color: #fcfcfc;
    border: 1px solid #7f8c8d;
    border-radius: 2px;
    layout-alignment-horizontal: start;
    layout-alignment-vertical: center;
    text-alignment-horizontal: start;
    text-alignment-vertical: center;
}
RadioButton Indicator { border-radius: 7px; }
CheckBox:checked Indicator, RadioButton:checked Indicator { background-color: #3daee9; border-color: #3daee9; }
CheckBox.indeterminate Indicator { background-color: #93cee9; }
ItemViewItem { padding: 2px 4px; spacing: 4px; }
ItemViewItem:highlighted { background-color: #3daee9; color: #fcfcfc; }
ItemViewItem CheckBox { width: 14px; height: 14px; }
HeaderViewDelegate {
    background-color: #e3e5e7;
    border-right: 1px solid #bcbebf;
    border-bottom: 1px solid #bcbebf;
    padding: 2px 6px;
    spacing: 4px;
    text-alignment-horizontal: start;
    text-alignment-vertical: center;
}
HeaderViewDelegate Indicator { width: 10px; height: 10px; layout-alignment-horizontal: end; layout-alignment-vertical: center; }
TreeView TreeViewDelegate Indicator { width: 10px; height: 10px; }
TreeView TreeViewDelegate Indentation { width: 20px; }
)";
}
} // namespace

// A form and a data view side by side, drawn and sized from one style.
class tst_WidgetForm : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void formAndViews();
};

void tst_WidgetForm::formAndViews()
{
    QWidget window;
    auto* grid = new QGridLayout(&window);
    grid->setSpacing(8);

    auto* form = new QFormLayout;
    auto* name = new QLineEdit(QStringLiteral("Quilt"));
    form->addRow(QStringLiteral("Name"), name);
    auto* count = new QSpinBox;
    count->setValue(12);
    form->addRow(QStringLiteral("Count"), count);
    auto* choice = new QComboBox;
    choice->addItems({ QStringLiteral("First"), QStringLiteral("Second") });
    form->addRow(QStringLiteral("Choice"), choice);
    auto* editable = new QComboBox;
    editable->setEditable(true);
    editable->addItem(QStringLiteral("Typed"));
    form->addRow(QStringLiteral("Editable"), editable);
    auto* on = new QCheckBox(QStringLiteral("Checked"));
    on->setChecked(true);
    auto* off = new QCheckBox(QStringLiteral("Unchecked"));
    auto* partial = new QCheckBox(QStringLiteral("Partial"));
    partial->setTristate(true);
    partial->setCheckState(Qt::PartiallyChecked);
    auto* radio = new QRadioButton(QStringLiteral("Radio"));
    radio->setChecked(true);
    for (QWidget* widget : std::initializer_list<QWidget*> { on, off, partial, radio }) {
        form->addRow(widget);
    }
    grid->addLayout(form, 0, 0);

    auto* list = new QListWidget;
    list->addItems({ QStringLiteral("Alpha"), QStringLiteral("Beta"), QStringLiteral("Gamma") });
    list->item(1)->setSelected(true);
    grid->addWidget(list, 1, 0);

    auto* table = new QTableWidget(4, 2);
    table->setHorizontalHeaderLabels({ QStringLiteral("Name"), QStringLiteral("Size") });
    for (int row = 0; row < 4; ++row) {
        auto* item = new QTableWidgetItem(QStringLiteral("Item %1").arg(row));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(row % 2 ? Qt::Checked : Qt::Unchecked);
        table->setItem(row, 0, item);
        table->setItem(row, 1, new QTableWidgetItem(QString::number(row * 10)));
    }
    table->setSortingEnabled(true);
    table->sortItems(0, Qt::AscendingOrder);
    grid->addWidget(table, 0, 1);

    auto* tree = new QTreeWidget;
    tree->setHeaderLabels({ QStringLiteral("Tree") });
    auto* parent = new QTreeWidgetItem(tree, { QStringLiteral("Parent") });
    new QTreeWidgetItem(parent, { QStringLiteral("Child") });
    new QTreeWidgetItem(tree, { QStringLiteral("Sibling") });
    new QTreeWidgetItem(tree->topLevelItem(1), { QStringLiteral("Hidden") });
    parent->setExpanded(true);
    grid->addWidget(tree, 1, 1);

    window.resize(560, 420);
    QVERIFY(QuiltWidgetTest::showAndWait(&window));
    const QImage image = QuiltWidgetTest::grabImage(&window);
    if (const QByteArray folder = qgetenv("QUILT_TEST_SCREENSHOTS"); !folder.isEmpty()) {
        image.save(QString::fromLocal8Bit(folder) + QStringLiteral("/widgetform.png"));
    }

    auto area = [&](const QWidget* widget) {
        return QRect(widget->mapTo(&window, QPoint(0, 0)), widget->size());
    };
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(2, 2)), Window);
    QUILT_COMPARE_COLOR(colorAt(image, area(name).center() + QPoint(area(name).width() / 2 - 8, 0)), Field);
    QVERIFY(containsColor(image, area(on), Accent));
    QVERIFY(!containsColor(image, area(off), Accent));
    QVERIFY(containsColor(image, area(radio), Accent));
    QVERIFY(containsColor(image, area(list), Accent));
    QVERIFY(containsColor(image, area(table->horizontalHeader()), HeaderColor));
    QVERIFY(containsColor(image, area(table->horizontalHeader()), QuiltWidgetTest::iconColor("pan-up-symbolic")));
    QVERIFY(containsColor(image, area(tree), QuiltWidgetTest::iconColor("pan-down-symbolic")));
    QVERIFY(containsColor(image, area(tree), QuiltWidgetTest::iconColor("pan-end-symbolic")));

    // Sized from the style: the spin box from its two buttons, the line edit
    // from its padding, the views with a frame where they share the grid.
    QCOMPARE(count->sizeHint().height(), 26);
    QVERIFY(name->sizeHint().height() >= name->fontMetrics().height() + 6);
    QCOMPARE(list->frameWidth() > 0, true);
}

QUILT_WIDGET_TEST_MAIN(tst_WidgetForm, styleSheet())

#include "tst_widgetform.moc"
