#include <QGuiApplication>
#include <QSignalSpy>
#include <QTest>

#include "quickelement.h"
#include "quickstyle.h"
#include "quicktestfixture.h"

using namespace Quilt::Quick;
using QuiltQuickTest::attached;
using QuiltQuickTest::createObject;

// Run with a default style name that names no package.
class tst_QuickNoStyle : public QObject
{
    Q_OBJECT

private:
    QQmlEngine m_engine;

private Q_SLOTS:
    void elementsWithoutStyle();
};

void tst_QuickNoStyle::elementsWithoutStyle()
{
    QTest::ignoreMessage(QtWarningMsg, "Could not find style \"quilt-no-such-style\"");
    auto object = createObject(&m_engine, R"(
Item {
    Quilt.Element.type: "Button"
    Item {
        objectName: "child"
        Quilt.Element.type: "Label"
        property bool undefinedWidth: Quilt.Style.properties.layout.width === undefined
        property bool undefinedColor: Quilt.Style.properties.text.color === undefined
    }
})");
    QVERIFY(object);
    auto* element = attached<QuickElement>(object.get());
    auto* childItem = object->findChild<QObject*>("child");
    auto* child = attached<QuickElement>(childItem);
    QVERIFY(element->isCompleted());
    QVERIFY(!element->style());
    QVERIFY(!element->query());
    QVERIFY(!child->query());
    QVERIFY(childItem->property("undefinedWidth").toBool());
    QVERIFY(childItem->property("undefinedColor").toBool());

    // Still announced, and still passed down.
    QSignalSpy updated(element, &QuickElement::updated);
    QSignalSpy childUpdated(child, &QuickElement::updated);
    element->states()->setPressed(true);
    QCOMPARE(updated.size(), 1);
    QCOMPARE(childUpdated.size(), 1);
    QVERIFY(!attached<QuickStyle>(childItem)->query());
}

QUILT_QUICK_TEST_MAIN(tst_QuickNoStyle, QByteArray())

#include "tst_quicknostyle.moc"
