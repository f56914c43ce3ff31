#include <QTest>

#include "subelementlayout.h"

#include "properties.h"

using Quilt::Properties::Alignment;

using PlacedRects = QMap<QString, QRectF>;

Q_DECLARE_METATYPE(QList<SubElementItem>)

namespace
{
SubElementItem item(const QString& name, QSizeF size, Alignment horizontal, Alignment vertical, int order = 0)
{
    SubElementItem result;
    result.name = name;
    result.order = order;
    result.horizontal = int(horizontal);
    result.vertical = int(vertical);
    result.rect = QRectF(QPointF(), size);
    return result;
}
} // namespace

// The geometry of the one-row layout, measured items in, placed items out.
class tst_SubElementLayout : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void arrange_data();
    void arrange();
    void contentsRect();
};

void tst_SubElementLayout::arrange_data()
{
    QTest::addColumn<QList<SubElementItem>>("items");
    QTest::addColumn<QRectF>("content");
    QTest::addColumn<double>("spacing");
    QTest::addColumn<PlacedRects>("expected");

    using A = Alignment;

    // Start group (0, 0, 20, 30), centre group (28, 0, 44, 30): no overlap.
    QTest::newRow("icon at start, text centred")
        << QList { item("Icon", { 16, 16 }, A::Start, A::Center), item("Text", { 40, 14 }, A::Center, A::Center) }
        << QRectF(0, 0, 100, 30) << 4.0 << PlacedRects { { "Icon", { 0, 7, 16, 16 } }, { "Text", { 30, 8, 40, 14 } } };

    // The centre group (10, 0, 40, 20) overlaps the start group, so it moves to
    // x 26 with width 24 and centres its one item there.
    QTest::newRow("centre pushed aside by start")
        << QList { item("Icon", { 16, 20 }, A::Start, A::Start), item("Text", { 40, 20 }, A::Center, A::Start) }
        << QRectF(0, 0, 60, 20) << 0.0 << PlacedRects { { "Icon", { 0, 0, 16, 20 } }, { "Text", { 18, 0, 40, 20 } } };

    QTest::newRow("centre pushed aside by end")
        << QList { item("Text", { 40, 20 }, A::Center, A::Start), item("Indicator", { 16, 20 }, A::End, A::Start) }
        << QRectF(0, 0, 60, 20) << 2.0
        << PlacedRects { { "Text", { 4.5, 0, 40, 20 } }, { "Indicator", { 42, 0, 16, 20 } } };

    // Fill runs from the end of the start group to the start of the end group;
    // the pen moves on by a Fill item's own width only.
    QTest::newRow("fill between start and end")
        << QList { item("A", { 16, 10 }, A::Start, A::Start), item("F", { 10, 10 }, A::Fill, A::Start),
                   item("G", { 5, 10 }, A::Fill, A::Start), item("E", { 20, 10 }, A::End, A::Start) }
        << QRectF(0, 0, 100, 20) << 0.0
        << PlacedRects { { "A", { 0, 0, 16, 10 } },
                         { "F", { 16, 0, 64, 10 } },
                         { "G", { 26, 0, 54, 10 } },
                         { "E", { 80, 0, 20, 10 } } };

    // Without items the end group still sits at the right edge.
    QTest::newRow("fill up to the right edge")
        << QList { item("A", { 16, 10 }, A::Start, A::Start), item("F", { 10, 10 }, A::Fill, A::Start) }
        << QRectF(5, 5, 100, 20) << 0.0 << PlacedRects { { "A", { 5, 5, 16, 10 } }, { "F", { 21, 5, 84, 10 } } };

    QTest::newRow("vertical end and fill")
        << QList { item("A", { 10, 10 }, A::Start, A::End), item("B", { 10, 10 }, A::Start, A::Fill) }
        << QRectF(0, 0, 100, 30) << 4.0 << PlacedRects { { "A", { 0, 20, 10, 10 } }, { "B", { 14, 0, 10, 30 } } };

    // A stacked centre group spans the content width; each item is centred
    // across it and the pen moves down.
    QTest::newRow("stacked centre") << QList { item("A", { 20, 10 }, A::Center, A::StackCenter),
                                               item("B", { 30, 10 }, A::Center, A::StackCenter) }
                                    << QRectF(0, 0, 100, 60) << 2.0
                                    << PlacedRects { { "A", { 40, 18, 20, 10 } }, { "B", { 35, 30, 30, 10 } } };

    QTest::newRow("equal orders keep name order")
        << QList { item("B", { 10, 10 }, A::Start, A::Start), item("A", { 10, 10 }, A::Start, A::Start),
                   item("C", { 10, 10 }, A::Start, A::Start, -1) }
        << QRectF(0, 0, 100, 10) << 0.0
        << PlacedRects { { "C", { 0, 0, 10, 10 } }, { "B", { 10, 0, 10, 10 } }, { "A", { 20, 0, 10, 10 } } };

    SubElementItem stray = item("X", { 10, 10 }, A::Start, A::Start);
    stray.horizontal = 9;
    QTest::newRow("alignment out of range dropped")
        << QList { stray, item("Y", { 10, 10 }, A::Start, A::Start) } << QRectF(0, 0, 100, 10) << 0.0
        << PlacedRects { { "Y", { 0, 0, 10, 10 } } };

    // Start and end together are wider than the content: the fill and centre
    // groups get no room instead of a negative width.
    QTest::newRow("crowded") << QList { item("S", { 20, 10 }, A::Start, A::Start),
                                        item("E", { 20, 10 }, A::End, A::Start),
                                        item("C", { 10, 10 }, A::Center, A::Start),
                                        item("F", { 5, 10 }, A::Fill, A::Start) }
                             << QRectF(0, 0, 30, 20) << 0.0
                             << PlacedRects { { "S", { 0, 0, 20, 10 } },
                                              { "E", { 10, 0, 20, 10 } },
                                              { "C", { 25, 0, 10, 10 } },
                                              { "F", { 20, 0, 0, 10 } } };
}

void tst_SubElementLayout::arrange()
{
    QFETCH(QList<SubElementItem>, items);
    QFETCH(QRectF, content);
    QFETCH(double, spacing);
    QFETCH(PlacedRects, expected);

    const SubElementLayout layout = arrangeSubElements(items, content, spacing);

    PlacedRects placed;
    for (auto it = layout.cbegin(); it != layout.cend(); ++it) {
        QCOMPARE(it->name, it.key());
        placed.insert(it.key(), it->rect);
    }
    QCOMPARE(placed, expected);
}

void tst_SubElementLayout::contentsRect()
{
    SubElementLayout layout;
    layout.insert("Indicator", item("Indicator", { 16, 16 }, Alignment::End, Alignment::Center));
    QCOMPARE(layoutContentsRect(layout), QRectF(0, 0, 0, 0));

    auto icon = item("Icon", { 16, 16 }, Alignment::Start, Alignment::Center);
    icon.rect.moveTo(2.4, 7);
    auto text = item("Text", { 40, 14 }, Alignment::Center, Alignment::Center);
    text.rect.moveTo(30, 8);
    layout.insert("Icon", icon);
    layout.insert("Text", text);
    // Made whole before they are united; the indicator stays out.
    QCOMPARE(layoutContentsRect(layout), QRectF(2, 7, 68, 16));
}

QTEST_APPLESS_MAIN(tst_SubElementLayout)

#include "tst_subelementlayout.moc"
