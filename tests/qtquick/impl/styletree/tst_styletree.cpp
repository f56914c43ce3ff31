#include <QGuiApplication>
#include <QJSValue>
#include <QQuickItem>
#include <QtCore/private/qhooks_p.h>
#include <QTest>

#include <atomic>

#include "quickelement.h"
#include "quickstyle.h"
#include "quicktestfixture.h"
#include "styledrectangle.h"
#include "stylepropertygroupquick.h"

using namespace Quilt::Quick;
using QuiltQuickTest::attached;
using QuiltQuickTest::createObject;

namespace
{
const QByteArray Css = R"(
Button { width: 80px; background-color: #ff0000; }
Label { width: 5px; }
)";

std::atomic<int> createdObjects { 0 };

// QObjects made while `function` runs.
template<typename Function> int objectsMadeBy(Function function)
{
    const int before = createdObjects;
    function();
    return createdObjects - before;
}
} // namespace

// The property-group tree of an attached Style is made when first read, so
// items that paint from the raw result (every styled rectangle) carry none.
class tst_StyleTree : public QObject
{
    Q_OBJECT

private:
    QQmlEngine m_engine;

private Q_SLOTS:
    void initTestCase()
    {
        qtHookData[QHooks::AddQObject] = reinterpret_cast<quintptr>(+[](QObject*) { ++createdObjects; });
    }
    void cleanupTestCase() { qtHookData[QHooks::AddQObject] = 0; }
    void treeMadeOnFirstRead();
};

void tst_StyleTree::treeMadeOnFirstRead()
{
    auto root = createObject(&m_engine, R"(
        Item {
            Quilt.Element.type: "Button"
            Quilt.StyledRectangle { objectName: "rectangle"; width: 10; height: 10 }
        }
    )");
    QVERIFY(root);
    auto* item = qobject_cast<QQuickItem*>(root.get());
    auto* rectangle = item->findChild<QQuickItem*>(QStringLiteral("rectangle"));
    QVERIFY(rectangle);
    QuickStyle* style = attached<QuickStyle>(item);
    QVERIFY(style);

    // A re-query before the first read: the tree, made now (its root, then
    // each group when first read), shows the newest result.
    attached<QuickElement>(item)->setType(QStringLiteral("Label"));
    QCOMPARE(objectsMadeBy([style] { style->properties(); }), 1);
    QCOMPARE(objectsMadeBy([style] { style->properties()->layout(); }), 1);
    QCOMPARE(style->properties()->layout()->width().toNumber(), 5.0);
    QCOMPARE(objectsMadeBy([style] { style->properties()->layout(); }), 0);

    // Once made, it follows the element.
    attached<QuickElement>(item)->setType(QStringLiteral("Button"));
    QCOMPARE(style->properties()->layout()->width().toNumber(), 80.0);

    // The rectangle paints from the item's Style, which made its tree only
    // when read above, and has no Style of its own.
    QCOMPARE(qobject_cast<StyledRectangle*>(rectangle)->style(), style);
    QVERIFY(!attached<QuickStyle>(rectangle));
}

QUILT_QUICK_TEST_MAIN(tst_StyleTree, Css)
#include "tst_styletree.moc"
