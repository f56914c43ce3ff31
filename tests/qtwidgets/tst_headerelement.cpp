#include <QHeaderView>
#include <QPainter>
#include <QStyleOption>
#include <QTableWidget>
#include <QTest>

#include "abstractelement.h"
#include "elementdispatch.h"
#include "quiltstyle.h"
#include "widgettest.h"

using QuiltWidgetTest::colorAt;
using QuiltWidgetTest::containsColor;
using QuiltWidgetTest::fixtureColor;
using QuiltWidgetTest::iconColor;

namespace
{
QByteArray styleSheet()
{
    return QuiltWidgetTest::standardStyleSheet() + R"(
HeaderViewDelegate {
    padding: 2px 6px;
    spacing: 4px;
    height: 24px;
    text-alignment-horizontal: start;
    text-alignment-vertical: center;
}
HeaderViewDelegate Indicator {
    width: 12px;
    height: 12px;
    layout-alignment-horizontal: end;
    layout-alignment-vertical: center;
}
)";
}

QuiltStyle* style()
{
    return QuiltWidgetTest::style();
}

QStyleOptionHeader headerOption(const QHeaderView* header, const QString& text,
                                QStyleOptionHeader::SortIndicator sort = QStyleOptionHeader::None)
{
    QStyleOptionHeader option;
    option.initFrom(header);
    option.rect = QRect(0, 0, 100, 24);
    option.text = text;
    option.sortIndicator = sort;
    option.orientation = header->orientation();
    return option;
}
} // namespace

// Header sections drawn and measured from the fixture style.
class tst_HeaderElement : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void sortedSections();
    void sectionSizes();
    void labelRect_data();
    void labelRect();
    void metrics();
    void labelFromTheCommonStyle();
};

void tst_HeaderElement::sortedSections()
{
    QTableWidget table(3, 2);
    table.setHorizontalHeaderLabels({ QStringLiteral("Name"), QStringLiteral("Size") });
    table.setSortingEnabled(true);
    table.sortItems(0, Qt::AscendingOrder);
    table.setFixedSize(300, 150);
    QVERIFY(QuiltWidgetTest::showAndWait(&table));

    QHeaderView* header = table.horizontalHeader();
    const QImage image = header->grab().toImage();
    const QRect sorted(header->sectionViewportPosition(0), 0, header->sectionSize(0), header->height());
    const QRect unsorted(header->sectionViewportPosition(1), 0, header->sectionSize(1), header->height());
    // Sorted ascending, Qt's "sort down": the up arrow, at the end.
    QVERIFY(containsColor(image, sorted, iconColor("pan-up-symbolic")));
    QVERIFY(!containsColor(image, unsorted, iconColor("pan-up-symbolic")));
    QVERIFY(!containsColor(image, unsorted, iconColor("pan-down-symbolic")));
    QUILT_COMPARE_COLOR(colorAt(image, QPoint(unsorted.center().x(), 2)), fixtureColor("HeaderViewDelegate"));

    const QStyleOptionHeader option = headerOption(header, QStringLiteral("Name"), QStyleOptionHeader::SortDown);
    QImage scratch(100, 24, QImage::Format_ARGB32_Premultiplied);
    QPainter painter(&scratch);
    style()->drawControl(QStyle::CE_Header, &option, &painter, header);
    const auto element
        = ElementDispatch::cachedElement({ ElementDispatch::DrawControl, QStyle::CE_Header, &option, header, {} });
    QVERIFY(element);
    QCOMPARE(element->elementChain().last()->hints(), QStringList { QStringLiteral("sort-ascending") });
    QCOMPARE(element->elementChain().at(element->elementChain().size() - 2)->type(), QStringLiteral("HeaderView"));
}

void tst_HeaderElement::sectionSizes()
{
    QTableWidget table(1, 1);
    QHeaderView* horizontal = table.horizontalHeader();
    // One option object at one address for every measure, as the header
    // view measures its sections.
    auto size = [&](const QHeaderView* header, QStyleOptionHeader::SortIndicator sort) {
        const QStyleOptionHeader option = headerOption(header, QStringLiteral("Name"), sort);
        return style()->sizeFromContents(QStyle::CT_HeaderSection, &option, QSize(), header);
    };
    const QSize plain = size(horizontal, QStyleOptionHeader::None);
    const QSize sorted = size(horizontal, QStyleOptionHeader::SortDown);
    // Wider by the arrow's place and the spacing, no taller.
    QCOMPARE(sorted.width() - plain.width(), 12 + 4);
    QCOMPARE(sorted.height(), plain.height());
    // The text, the padding, at least the style's height.
    const QFontMetrics metrics = headerOption(horizontal, QString()).fontMetrics;
    QCOMPARE(plain.width(), metrics.size(0, QStringLiteral("Name")).width() + 12);
    QCOMPARE(plain.height(), std::max(24, metrics.height() + 4));

    // A vertical header does not grow for the arrow.
    QHeaderView* vertical = table.verticalHeader();
    QCOMPARE(size(vertical, QStyleOptionHeader::SortDown), size(vertical, QStyleOptionHeader::None));
}

void tst_HeaderElement::labelRect_data()
{
    QTest::addColumn<int>("direction");
    QTest::addColumn<int>("left");

    // Never wider than the section less its right padding; mirrored.
    QTest::newRow("left to right") << int(Qt::LeftToRight) << 6;
    QTest::newRow("right to left") << int(Qt::RightToLeft) << 0;
}

void tst_HeaderElement::labelRect()
{
    QFETCH(int, direction);
    QFETCH(int, left);

    QTableWidget table(1, 1);
    QStyleOptionHeader option
        = headerOption(table.horizontalHeader(), QStringLiteral("A header label far too long for its section"));
    option.rect = QRect(0, 0, 60, 24);
    option.direction = Qt::LayoutDirection(direction);
    const QRect label = style()->subElementRect(QStyle::SE_HeaderLabel, &option, table.horizontalHeader());
    QCOMPARE(label.left(), left);
    QCOMPARE(label.width(), 60 - 6);
}

void tst_HeaderElement::metrics()
{
    QTableWidget table(1, 1);
    const QStyleOptionHeader option = headerOption(table.horizontalHeader(), QStringLiteral("Name"));
    QCOMPARE(style()->pixelMetric(QStyle::PM_HeaderMargin, &option, table.horizontalHeader()), 4);
    QCOMPARE(style()->pixelMetric(QStyle::PM_HeaderGripMargin, &option, table.horizontalHeader()), 4);
    QCOMPARE(style()->pixelMetric(QStyle::PM_HeaderMarkSize, &option, table.horizontalHeader()), 0);
    QCOMPARE(style()->pixelMetric(QStyle::PM_HeaderDefaultSectionSizeVertical, &option, table.horizontalHeader()), 24);
}

void tst_HeaderElement::labelFromTheCommonStyle()
{
    QTableWidget table(1, 1);
    const QStyleOptionHeader option = headerOption(table.horizontalHeader(), QStringLiteral("Name"));
    const QImage ours = QuiltWidgetTest::paintImage(QSize(100, 24), [&](QPainter* painter) {
        style()->drawControl(QStyle::CE_HeaderLabel, &option, painter, table.horizontalHeader());
    });
    const QImage common = QuiltWidgetTest::paintImage(QSize(100, 24), [&](QPainter* painter) {
        style()->QCommonStyle::drawControl(QStyle::CE_HeaderLabel, &option, painter, table.horizontalHeader());
    });
    QCOMPARE(ours, common);

    // The empty area takes any option; with one that is no header it paints
    // nothing.
    QStyleOption plain;
    plain.rect = QRect(0, 0, 100, 24);
    const QImage empty = QuiltWidgetTest::paintImage(QSize(100, 24), [&](QPainter* painter) {
        style()->drawControl(QStyle::CE_HeaderEmptyArea, &plain, painter, nullptr);
    });
    QUILT_COMPARE_COLOR(colorAt(empty, QPoint(50, 12)), QColor(Qt::transparent));
}

QUILT_WIDGET_TEST_MAIN(tst_HeaderElement, styleSheet())

#include "tst_headerelement.moc"
