#include <QTest>

#include <cmath>

#include "layoutgeometry_p.h"

using namespace Quilt::Quick;

namespace
{
using Setup = void (*)(LayoutPass&);

// Items are told apart by a tag in place of the Qt Quick item: the geometry
// never looks at the item.
QQuickItem* tag(int n)
{
    return reinterpret_cast<QQuickItem*>(quintptr(n));
}

int s_nextTag = 1;

void add(LayoutPass& pass, LayoutPass::ContainerKind container, LayoutBucket::Kind bucket, QSizeF implicitSize,
         int verticalAlignment = 0, QMarginsF margins = {}, int order = 0)
{
    LayoutItem item;
    item.implicitSize = implicitSize;
    item.verticalAlignment = verticalAlignment;
    item.margins = margins;
    item.order = order;
    item.item = tag(s_nextTag++);
    LayoutBucket& b = pass.container(container).bucket(bucket);
    b.stackCenter = b.stackCenter || verticalAlignment == 5;
    b.stackFill = b.stackFill || verticalAlignment == 6;
    b.items.append(item);
}

const LayoutItem* find(const LayoutPass& pass, int n)
{
    for (const LayoutContainer& c : pass.containers) {
        for (const LayoutBucket& b : c.buckets) {
            for (const LayoutItem& item : b.items) {
                if (item.item == tag(n)) {
                    return &item;
                }
            }
        }
    }
    return nullptr;
}

bool near(const QRectF& a, const QRectF& b)
{
    const auto close = [](double x, double y) {
        return std::abs(x - y) < 1e-9;
    };
    return close(a.x(), b.x()) && close(a.y(), b.y()) && close(a.width(), b.width()) && close(a.height(), b.height());
}

constexpr auto Item = LayoutPass::ItemContainer;
constexpr auto Content = LayoutPass::ContentContainer;
constexpr auto Background = LayoutPass::BackgroundContainer;
constexpr auto Start = LayoutBucket::Start;
constexpr auto Center = LayoutBucket::Center;
constexpr auto End = LayoutBucket::End;
constexpr auto Fill = LayoutBucket::Fill;
} // namespace

Q_DECLARE_METATYPE(Setup)

class tst_LayoutGeometry : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void computeLayout_data();
    void computeLayout();
};

void tst_LayoutGeometry::computeLayout_data()
{
    QTest::addColumn<Setup>("setup");
    // The rectangles of the items in the order they were added.
    QTest::addColumn<QList<QRectF>>("rects");
    QTest::addColumn<QSizeF>("implicitSize");

    QTest::newRow("no items") << Setup(+[](LayoutPass& p) { p.controlSize = { 100, 40 }; }) << QList<QRectF> {}
                              << QSizeF(0, 0);
    QTest::newRow("no items, padding and inset") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 100, 40 };
        p.padding = { 3, 2, 5, 4 };
        p.inset = { 1, 1, 1, 1 };
    }) << QList<QRectF> {} << QSizeF(8, 6);

    QTest::newRow("control of size zero") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 0, 0 };
        p.padding = { 2, 2, 2, 2 };
        add(p, Content, Start, { 30, 10 }, 2);
    }) << QList<QRectF> { { 2, 2, 30, 10 } }
                                          << QSizeF(34, 14);

    QTest::newRow("row with spacing") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 100, 20 };
        p.spacing = 4;
        add(p, Content, Start, { 10, 10 });
        add(p, Content, Start, { 20, 20 });
    }) << QList<QRectF> { { 0, 0, 10, 10 }, { 14, 0, 20, 20 } }
                                      << QSizeF(34, 20);

    QTest::newRow("empty widths take no column") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 100, 20 };
        p.spacing = 4;
        add(p, Content, Start, { 0, 5 });
        add(p, Content, Start, { 10, 10 });
        add(p, Content, Start, { 1e-13, 5 });
        add(p, Content, Start, { 20, 10 });
    }) << QList<QRectF> { { 0, 0, 0, 5 }, { 0, 0, 10, 10 }, { 0, 0, 1e-13, 5 }, { 14, 0, 20, 10 } }
                                                 << QSizeF(34, 10);

    QTest::newRow("spacing only between columns") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 200, 30 };
        p.spacing = 6;
        add(p, Content, Fill, { 50, 10 });
    }) << QList<QRectF> { { 0, 0, 200, 10 } } << QSizeF(50, 10);

    QTest::newRow("start, center and end") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 100, 30 };
        p.spacing = 5;
        add(p, Content, Start, { 10, 10 }, 2);
        add(p, Content, Center, { 20, 10 }, 2);
        add(p, Content, End, { 10, 10 }, 2);
    }) << QList<QRectF> { { 0, 10, 10, 10 }, { 40, 10, 20, 10 }, { 90, 10, 10, 10 } }
                                           << QSizeF(50, 10);

    QTest::newRow("fill shares the width") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 100, 20 };
        add(p, Content, Fill, { 10, 10 }, 0, { 5, 0, 5, 0 });
        add(p, Content, Fill, { 10, 10 }, 0, { 5, 0, 5, 0 });
    }) << QList<QRectF> { { 5, 0, 40, 10 }, { 55, 0, 40, 10 } }
                                           << QSizeF(40, 10);

    QTest::newRow("end and fill vertically") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 100, 40 };
        add(p, Content, Start, { 10, 10 }, 3, { 0, 0, 0, 2 });
        add(p, Content, Start, { 10, 10 }, 4, { 0, 3, 0, 1 });
    }) << QList<QRectF> { { 0, 28, 10, 10 }, { 10, 3, 10, 36 } }
                                             << QSizeF(20, 14);

    QTest::newRow("stack fill") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 100, 90 };
        for (int i = 0; i < 3; ++i) {
            add(p, Content, Start, { 20, 10 }, 6);
        }
    }) << QList<QRectF> { { 0, 0, 20, 30 }, { 0, 30, 20, 30 }, { 0, 60, 20, 30 } }
                                << QSizeF(20, 30);

    QTest::newRow("stack fill with margins") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 100, 90 };
        for (int i = 0; i < 3; ++i) {
            add(p, Content, Start, { 20, 10 }, 6, { 0, 2, 0, 2 });
        }
    }) << QList<QRectF> { { 0, 2, 20, 26 }, { 0, 32, 20, 26 }, { 0, 62, 20, 26 } }
                                             << QSizeF(20, 42);

    QTest::newRow("stack center") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 100, 50 };
        add(p, Content, Start, { 10, 10 }, 5);
        add(p, Content, Start, { 30, 20 }, 5);
    }) << QList<QRectF> { { 10, 10, 10, 10 }, { 0, 20, 30, 20 } }
                                  << QSizeF(30, 30);

    QTest::newRow("stable order") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 100, 10 };
        add(p, Content, Start, { 10, 10 }, 0, {}, 0);
        add(p, Content, Start, { 20, 10 }, 0, {}, 0);
        add(p, Content, Start, { 5, 10 }, 0, {}, -1);
    }) << QList<QRectF> { { 5, 0, 10, 10 }, { 15, 0, 20, 10 }, { 0, 0, 5, 10 } }
                                  << QSizeF(35, 10);

    QTest::newRow("item container start beside the content") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 100, 30 };
        p.spacing = 4;
        p.padding = { 5, 5, 5, 5 };
        add(p, Item, Start, { 16, 16 });
        add(p, Content, Start, { 30, 10 });
    }) << QList<QRectF> { { 0, 0, 16, 16 }, { 21, 5, 30, 10 } }
                                                             << QSizeF(60, 20);

    QTest::newRow("item container center and fill") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 100, 20 };
        p.padding = { 2, 2, 2, 2 };
        add(p, Item, Center, { 50, 30 });
        add(p, Item, Fill, { 60, 40 });
    }) << QList<QRectF> { { 25, 0, 50, 20 }, { 0, 0, 100, 20 } }
                                                    << QSizeF(4, 40);

    // Columns wider than the control: the start column ends at the container,
    // giving way to the end column, which keeps its size.
    QTest::newRow("start row past the container") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 60, 20 };
        p.spacing = 4;
        add(p, Content, Start, { 16, 16 });
        add(p, Content, Start, { 80, 10 });
    }) << QList<QRectF> { { 0, 0, 16, 16 }, { 20, 0, 40, 10 } }
                                                  << QSizeF(100, 16);

    QTest::newRow("start gives way to end") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 60, 20 };
        p.spacing = 4;
        add(p, Content, Start, { 80, 10 });
        add(p, Content, End, { 16, 16 });
    }) << QList<QRectF> { { 0, 0, 40, 10 }, { 44, 0, 16, 16 } }
                                            << QSizeF(100, 16);

    // Taller than the control: centred items stand out evenly above and below.
    QTest::newRow("taller than the container") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 60, 10 };
        add(p, Content, Start, { 16, 16 }, 2);
        add(p, Content, End, { 10, 12 }, 2);
    }) << QList<QRectF> { { 0, -3, 16, 16 }, { 50, -1, 10, 12 } }
                                               << QSizeF(26, 16);

    QTest::newRow("background follows the inset") << Setup(+[](LayoutPass& p) {
        p.controlSize = { 50, 20 };
        p.inset = { 3, 1, 3, 1 };
        p.padding = { 1, 1, 1, 1 };
        add(p, Background, Fill, { 10, 10 }, 4);
    }) << QList<QRectF> { { 3, 1, 44, 18 } } << QSizeF(16, 12);
}

void tst_LayoutGeometry::computeLayout()
{
    QFETCH(Setup, setup);
    QFETCH(QList<QRectF>, rects);
    QFETCH(QSizeF, implicitSize);

    s_nextTag = 1;
    LayoutPass pass;
    setup(pass);
    QCOMPARE(s_nextTag - 1, rects.size());
    Quilt::Quick::computeLayout(pass);

    for (int i = 0; i < rects.size(); ++i) {
        const LayoutItem* item = find(pass, i + 1);
        QVERIFY(item);
        if (!near(item->geometry, rects.at(i))) {
            qWarning() << "item" << i + 1 << "is at" << item->geometry << "expected" << rects.at(i);
            QFAIL("wrong item geometry");
        }
    }
    QCOMPARE(pass.implicitSize, implicitSize);
}

QTEST_APPLESS_MAIN(tst_LayoutGeometry)
#include "tst_layoutgeometry.moc"
