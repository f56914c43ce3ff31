#include <QListWidget>
#include <QPainter>
#include <QScopeGuard>
#include <QStyleOption>
#include <QTableWidget>
#include <QTest>
#include <QTreeWidget>

#include "abstractelement.h"
#include "elementdispatch.h"
#include "paintcounters.h"
#include "quiltstyle.h"
#include "widgettest.h"

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::containsColor;
using QuiltWidgetTest::fixtureColor;
using QuiltWidgetTest::iconColor;

namespace
{
const QColor Unchecked(0x20, 0x40, 0x80);
const QColor Checked(0x40, 0xa0, 0x20);
const QColor Indeterminate(0xa0, 0x40, 0x20);
// Colours that no rule of the sheet uses.
const QColor PaletteHighlight(0x60, 0x10, 0xa0);
const QColor PaletteAlternate(0x10, 0x60, 0x30);
const QColor ModelBrush(0xb0, 0x60, 0x10);

QByteArray styleSheet()
{
    return QuiltWidgetTest::standardStyleSheet() + R"(
ItemViewItem { spacing: 4px; }
ItemViewItem CheckBox { width: 12px; height: 12px; }
CheckBox Indicator { width: 12px; height: 12px; background-color: #204080; }
CheckBox:checked Indicator { background-color: #40a020; }
CheckBox.indeterminate Indicator { background-color: #a04020; }
TreeView TreeViewDelegate Indicator { width: 10px; height: 10px; }
TreeView TreeViewDelegate Indentation { width: 24px; }
)";
}

QuiltStyle* style()
{
    return QuiltWidgetTest::style();
}

QColor itemColor(QListWidget& list, int row)
{
    const QImage image = list.viewport()->grab().toImage();
    const QRect rect = list.visualItemRect(list.item(row));
    return colorAt(image, QPoint(rect.right() - 3, rect.center().y()));
}

std::unique_ptr<QListWidget> makeList()
{
    auto list = std::make_unique<QListWidget>();
    for (const char* text : { "Zero", "One", "Two" }) {
        list->addItem(QString::fromLatin1(text));
    }
    list->setFixedSize(160, 120);
    return list;
}

std::shared_ptr<AbstractElement> paintItem(const QStyleOptionViewItem& option, const QWidget* widget)
{
    QuiltWidgetTest::paintImage(option.rect.size(), [&](QPainter* painter) {
        style()->drawControl(QStyle::CE_ItemViewItem, &option, painter, widget);
    });
    return ElementDispatch::cachedElement(
        { ElementDispatch::DrawControl, QStyle::CE_ItemViewItem, &option, widget, {} });
}
} // namespace

// Items of list, table and tree views, and tree branches.
class tst_ItemViewElements : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void selection();
    void alternatingRows();
    void modelBackground();
    void checkBoxes();
    void decorationOnTop();
    void decorationBeside_data();
    void decorationBeside();
    void position_data();
    void position();
    void branches();
    void branchNeverLargerThanItsPlace();
    void branchArrowsKeptUntilTheThemeChanges();
    void indentation();
    void repaintMakesNoElements();
};

void tst_ItemViewElements::selection()
{
    auto list = makeList();
    list->item(1)->setSelected(true);
    QVERIFY(QuiltWidgetTest::showAndWait(list.get()));
    QUILT_COMPARE_COLOR(itemColor(*list, 0), fixtureColor("ItemViewItem"));
    QUILT_COMPARE_COLOR(itemColor(*list, 1), fixtureColor("ItemViewItem:highlighted"));

    // A palette that sets the selection colour has it.
    QPalette palette = list->palette();
    palette.setColor(QPalette::Highlight, PaletteHighlight);
    list->setPalette(palette);
    QUILT_COMPARE_COLOR(itemColor(*list, 1), PaletteHighlight);
    QUILT_COMPARE_COLOR(itemColor(*list, 0), fixtureColor("ItemViewItem"));
}

void tst_ItemViewElements::alternatingRows()
{
    auto list = makeList();
    list->setAlternatingRowColors(true);
    QPalette palette = list->palette();
    palette.setColor(QPalette::AlternateBase, PaletteAlternate);
    list->setPalette(palette);
    QVERIFY(QuiltWidgetTest::showAndWait(list.get()));

    // Only the alternate rows take the palette's alternate colour.
    QUILT_COMPARE_COLOR(itemColor(*list, 0), fixtureColor("ItemViewItem"));
    QUILT_COMPARE_COLOR(itemColor(*list, 1), PaletteAlternate);
    QUILT_COMPARE_COLOR(itemColor(*list, 2), fixtureColor("ItemViewItem"));
}

void tst_ItemViewElements::modelBackground()
{
    auto list = makeList();
    list->item(0)->setBackground(ModelBrush);
    list->item(2)->setBackground(ModelBrush);
    list->item(2)->setSelected(true);
    QVERIFY(QuiltWidgetTest::showAndWait(list.get()));
    QUILT_COMPARE_COLOR(itemColor(*list, 0), ModelBrush);
    QUILT_COMPARE_COLOR(itemColor(*list, 1), fixtureColor("ItemViewItem"));
    // Selected, the item shows the selection, not the brush.
    QUILT_COMPARE_COLOR(itemColor(*list, 2), fixtureColor("ItemViewItem:highlighted"));
}

void tst_ItemViewElements::checkBoxes()
{
    QTableWidget table(3, 1);
    const Qt::CheckState states[] = { Qt::Unchecked, Qt::Checked, Qt::PartiallyChecked };
    for (int row = 0; row < 3; ++row) {
        auto* item = new QTableWidgetItem(QStringLiteral("Row"));
        item->setFlags(item->flags() | Qt::ItemIsUserCheckable);
        item->setCheckState(states[row]);
        table.setItem(row, 0, item);
    }
    table.setFixedSize(200, 150);
    QVERIFY(QuiltWidgetTest::showAndWait(&table));
    const QImage image = table.viewport()->grab().toImage();
    const QColor expected[] = { Unchecked, Checked, Indeterminate };
    for (int row = 0; row < 3; ++row) {
        const QRect rect = table.visualItemRect(table.item(row, 0));
        for (int other = 0; other < 3; ++other) {
            QCOMPARE(containsColor(image, rect, expected[other]), other == row);
        }
    }
}

void tst_ItemViewElements::decorationOnTop()
{
    QListWidget list;
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.widget = &list;
    option.rect = QRect(0, 0, 80, 60);
    option.text = QStringLiteral("Below");
    option.icon = QIcon::fromTheme(QStringLiteral("window-close-symbolic"));
    option.decorationSize = QSize(16, 16);
    option.decorationPosition = QStyleOptionViewItem::Top;
    option.displayAlignment = Qt::AlignCenter;
    option.decorationAlignment = Qt::AlignCenter;
    option.features = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
    option.state = QStyle::State_Enabled;

    const auto element = paintItem(option, &list);
    QVERIFY(element);
    QCOMPARE(element->elementChain().last()->attributes().value(QStringLiteral("display")).toString(),
             QStringLiteral("text-below-icon"));

    const QRect icon = style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, &list);
    const QRect text = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, &list);
    QCOMPARE(icon.size(), QSize(16, 16));
    QCOMPARE(text.top(), icon.bottom() + 1 + 4);

    // The icon is painted in its place.
    const QImage image = QuiltWidgetTest::paintImage(option.rect.size(), [&](QPainter* painter) {
        style()->drawControl(QStyle::CE_ItemViewItem, &option, painter, &list);
    });
    QUILT_COMPARE_COLOR(colorAt(image, icon.center()), iconColor("window-close-symbolic"));
}

void tst_ItemViewElements::decorationBeside_data()
{
    QTest::addColumn<int>("direction");
    QTest::newRow("left to right") << int(Qt::LeftToRight);
    QTest::newRow("right to left") << int(Qt::RightToLeft);
}

void tst_ItemViewElements::decorationBeside()
{
    // The text stays inside the item, on the far side of the icon; right to
    // left, that is the icon's left.
    QFETCH(int, direction);
    QListWidget list;
    QStyleOptionViewItem option;
    option.initFrom(&list);
    option.widget = &list;
    option.direction = Qt::LayoutDirection(direction);
    option.rect = QRect(0, 0, 120, 20);
    option.text = QStringLiteral("Beside");
    option.icon = QIcon::fromTheme(QStringLiteral("window-close-symbolic"));
    option.decorationSize = QSize(16, 16);
    option.decorationPosition = QStyleOptionViewItem::Left;
    option.displayAlignment = Qt::AlignLeft | Qt::AlignVCenter;
    option.features = QStyleOptionViewItem::HasDisplay | QStyleOptionViewItem::HasDecoration;
    option.state = QStyle::State_Enabled;

    QVERIFY(paintItem(option, &list));
    const QRect icon = style()->subElementRect(QStyle::SE_ItemViewItemDecoration, &option, &list);
    const QRect text = style()->subElementRect(QStyle::SE_ItemViewItemText, &option, &list);
    QVERIFY(option.rect.contains(text));
    QVERIFY(!text.intersects(icon));
    if (option.direction == Qt::RightToLeft) {
        QVERIFY(text.right() < icon.left());
    } else {
        QVERIFY(text.left() > icon.right());
    }
}

void tst_ItemViewElements::position_data()
{
    QTest::addColumn<int>("behavior");
    QTest::addColumn<int>("position");
    QTest::addColumn<QString>("expected");

    QTest::newRow("items") << int(QAbstractItemView::SelectItems) << int(QStyleOptionViewItem::Middle) << "onlyone";
    QTest::newRow("rows, beginning") << int(QAbstractItemView::SelectRows) << int(QStyleOptionViewItem::Beginning)
                                     << "beginning";
    QTest::newRow("rows, middle") << int(QAbstractItemView::SelectRows) << int(QStyleOptionViewItem::Middle)
                                  << "middle";
    QTest::newRow("rows, end") << int(QAbstractItemView::SelectRows) << int(QStyleOptionViewItem::End) << "end";
}

void tst_ItemViewElements::position()
{
    QFETCH(int, behavior);
    QFETCH(int, position);
    QFETCH(QString, expected);

    QTableWidget table(2, 3);
    table.setSelectionBehavior(QAbstractItemView::SelectionBehavior(behavior));
    QStyleOptionViewItem option;
    option.initFrom(table.viewport());
    option.widget = &table;
    option.rect = QRect(0, 0, 60, 20);
    option.text = QStringLiteral("Cell");
    option.viewItemPosition = QStyleOptionViewItem::ViewItemPosition(position);

    const auto element = paintItem(option, table.viewport());
    QVERIFY(element);
    const auto item = element->elementChain().last();
    QCOMPARE(item->attributes().value(QStringLiteral("position")).toString(), expected);
    QVERIFY(item->hints().contains(QStringLiteral("inside-table")));
    QVERIFY(item->hints().contains(QStringLiteral("hover-enabled")));
}

void tst_ItemViewElements::branches()
{
    QTreeWidget tree;
    tree.setColumnCount(1);
    auto* open = new QTreeWidgetItem(&tree, { QStringLiteral("Open") });
    new QTreeWidgetItem(open, { QStringLiteral("Child") });
    auto* closed = new QTreeWidgetItem(&tree, { QStringLiteral("Closed") });
    new QTreeWidgetItem(closed, { QStringLiteral("Child") });
    auto* leaf = new QTreeWidgetItem(&tree, { QStringLiteral("Leaf") });
    open->setExpanded(true);
    tree.setFixedSize(200, 150);
    QVERIFY(QuiltWidgetTest::showAndWait(&tree));
    QCOMPARE(tree.indentation(), 24);

    const QImage image = tree.viewport()->grab().toImage();
    auto branch = [&](QTreeWidgetItem* item) {
        const QRect rect = tree.visualItemRect(item);
        return QRect(0, rect.top(), tree.indentation(), rect.height());
    };
    QVERIFY(containsColor(image, branch(open), iconColor("pan-down-symbolic")));
    QVERIFY(!containsColor(image, branch(open), iconColor("pan-end-symbolic")));
    QVERIFY(containsColor(image, branch(closed), iconColor("pan-end-symbolic")));
    QVERIFY(!containsColor(image, branch(leaf), iconColor("pan-end-symbolic")));
    QVERIFY(!containsColor(image, branch(leaf), iconColor("pan-down-symbolic")));
}

void tst_ItemViewElements::branchNeverLargerThanItsPlace()
{
    QTreeView tree;
    QStyleOption option;
    option.initFrom(&tree);
    option.rect = QRect(6, 6, 8, 6);
    option.state = QStyle::State_Enabled | QStyle::State_Item | QStyle::State_Children;
    const QImage image = QuiltWidgetTest::paintImage(QSize(20, 20), [&](QPainter* painter) {
        style()->drawPrimitive(QStyle::PE_IndicatorBranch, &option, painter, &tree);
    });
    QVERIFY(containsColor(image, option.rect, iconColor("pan-end-symbolic")));
    // The style's 10 x 10 arrow is cut down to the branch's 6 x 6 square.
    QVERIFY(!containsColor(image, QRect(0, 0, 20, 6), iconColor("pan-end-symbolic")));
    QVERIFY(!containsColor(image, QRect(0, 12, 20, 8), iconColor("pan-end-symbolic")));
    QVERIFY(!containsColor(image, QRect(0, 0, 6, 20), iconColor("pan-end-symbolic")));
    QVERIFY(!containsColor(image, QRect(14, 0, 6, 20), iconColor("pan-end-symbolic")));
}

// The arrows are resolved once, not on every paint of a branch; a new icon
// theme is seen at the next paint, in either direction.
void tst_ItemViewElements::branchArrowsKeptUntilTheThemeChanges()
{
    QTreeWidget tree;
    auto* closed = new QTreeWidgetItem(&tree, { QStringLiteral("Closed") });
    new QTreeWidgetItem(closed, { QStringLiteral("Child") });
    tree.setFixedSize(200, 150);
    QVERIFY(QuiltWidgetTest::showAndWait(&tree));
    const auto branch = [&] {
        const QRect rect = tree.visualItemRect(closed);
        return QStyle::visualRect(tree.layoutDirection(), tree.viewport()->rect(),
                                  QRect(0, rect.top(), tree.indentation(), rect.height()));
    };
    const QColor arrow = iconColor("pan-end-symbolic");
    const QString theme = QIcon::themeName();
    const auto restore = qScopeGuard([&] { QIcon::setThemeName(theme); });

    for (const Qt::LayoutDirection direction : { Qt::LeftToRight, Qt::RightToLeft }) {
        tree.setLayoutDirection(direction);
        QIcon::setThemeName(theme);
        QVERIFY(containsColor(tree.viewport()->grab().toImage(), branch(), arrow));
        const quint64 resolved = paintCounters().iconsResolved;
        QVERIFY(containsColor(tree.viewport()->grab().toImage(), branch(), arrow));
        QCOMPARE(paintCounters().iconsResolved, resolved);

        // Without the theme the style draws its own arrow, in another colour.
        QIcon::setThemeName(QStringLiteral("no-such-theme"));
        const QImage image = tree.viewport()->grab().toImage();
        QVERIFY(!containsColor(image, branch(), arrow));
    }
}

void tst_ItemViewElements::indentation()
{
    QCOMPARE(style()->pixelMetric(QStyle::PM_TreeViewIndentation, nullptr, nullptr), 24);
}

void tst_ItemViewElements::repaintMakesNoElements()
{
    // One element serves every item of a view; once warm, painting the items
    // again reuses its chains. Elements are found by the addresses of Qt's
    // options on the stack, which the address sanitizer moves around.
#if defined(__SANITIZE_ADDRESS__)
    QSKIP("Stack addresses vary from call to call under the address sanitizer");
#endif
    QTreeWidget tree;
    for (int row = 0; row < 20; ++row) {
        auto* item = new QTreeWidgetItem(&tree, { QStringLiteral("Row %1").arg(row) });
        item->setCheckState(0, row % 2 ? Qt::Checked : Qt::Unchecked);
        new QTreeWidgetItem(item, { QStringLiteral("Child") });
    }
    tree.setFixedSize(200, 300);
    QVERIFY(QuiltWidgetTest::showAndWait(&tree));
    tree.viewport()->grab();
    const quint64 warm = AbstractElement::createdChainElements();
    tree.viewport()->grab();
    QCOMPARE(AbstractElement::createdChainElements(), warm);
}

QUILT_WIDGET_TEST_MAIN(tst_ItemViewElements, styleSheet())

#include "tst_itemviewelements.moc"
