#include <QGuiApplication>
#include <QQmlListReference>
#include <QQuickItem>
#include <QQuickWindow>
#include <QSignalSpy>
#include <QTest>

#include "elementquery.h"
#include "quickelement.h"
#include "quicktestfixture.h"
#include "stylepropertygroup.h"
#include "windowhandler.h"

using namespace Quilt::Quick;
using QuiltQuickTest::attached;
using QuiltQuickTest::createObject;

namespace
{
const QByteArray Css = R"(
Button { width: 10px; }
.inactive Button { width: 5px; }
ApplicationWindow.inactive { height: 1px; }
)";

double width(QuickElement* element)
{
    return element->query()->properties()->layout()->width().value_or(-1);
}
} // namespace

// The scene window of a widget, known by its class name.
class QQuickWidgetOffscreenWindow : public QQuickWindow
{
    Q_OBJECT
};

class tst_WindowHandler : public QObject
{
    Q_OBJECT

private:
    QQmlEngine m_engine;

private Q_SLOTS:
    void declaredWindowElement();
    void undeclaredWindowElement();
    void widgetSceneIsIgnored();
    void activation();
    void startSystemMove();
};

void tst_WindowHandler::declaredWindowElement()
{
    auto object = createObject(&m_engine, R"(
Window {
    Quilt.Element.type: "ApplicationWindow"
    Item { objectName: "button"; Quilt.Element.type: "Button" }
})");
    QVERIFY(object);
    auto* window = qobject_cast<QQuickWindow*>(object.get());
    QuickElement* element = attached<QuickElement>(window);
    QCOMPARE(element->type(), QString("ApplicationWindow"));
    QCOMPARE(element->activeHints(), QStringList { "inactive" });
    QCOMPARE(element->query()->properties()->layout()->height(), 1.0);

    // A second registration adds no second hint.
    WindowHandler::instance()->addWindow(window);
    QCOMPARE(QQmlListReference(element, "hints").count(), 1);
}

void tst_WindowHandler::undeclaredWindowElement()
{
    auto object = createObject(&m_engine, R"(
Window { Item { objectName: "button"; Quilt.Element.type: "Button" } })");
    auto* window = qobject_cast<QQuickWindow*>(object.get());
    QuickElement* element = attached<QuickElement>(window);
    QVERIFY(element);
    QVERIFY(element->isCompleted());
    QCOMPARE(element->type(), QString());
    QCOMPARE(element->parentElement(), nullptr);
    QCOMPARE(width(attached<QuickElement>(object->findChild<QObject*>("button"))), 5.0);
}

void tst_WindowHandler::widgetSceneIsIgnored()
{
    QQuickWidgetOffscreenWindow window;
    WindowHandler::instance()->addWindow(&window);
    QVERIFY(!attached<QuickElement>(&window));
    WindowHandler::instance()->addWindow(nullptr);
}

void tst_WindowHandler::activation()
{
    const QByteArray document = R"(
Window {
    width: 100; height: 100
    Item { objectName: "button"; Quilt.Element.type: "Button" }
})";
    auto first = createObject(&m_engine, document);
    auto second = createObject(&m_engine, document);
    auto* a = qobject_cast<QQuickWindow*>(first.get());
    auto* b = qobject_cast<QQuickWindow*>(second.get());
    b->setX(200);
    QuickElement* aElement = attached<QuickElement>(a);
    QuickElement* aButton = attached<QuickElement>(first->findChild<QObject*>("button"));
    QuickElement* bButton = attached<QuickElement>(second->findChild<QObject*>("button"));

    a->show();
    b->show();
    a->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(a));
    QTRY_COMPARE(aElement->activeHints(), QStringList());
    QCOMPARE(width(aButton), 10.0);

    QSignalSpy requeried(aButton, &QuickElement::updated);
    b->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(b));
    QTRY_COMPARE(aElement->activeHints(), QStringList { "inactive" });
    QVERIFY(requeried.size() >= 1);
    QCOMPARE(width(aButton), 5.0);
    QCOMPARE(width(bButton), 10.0);

    a->requestActivate();
    QVERIFY(QTest::qWaitForWindowActive(a));
    QTRY_COMPARE(aElement->activeHints(), QStringList());
    QCOMPARE(width(aButton), 10.0);
    QTRY_COMPARE(width(bButton), 5.0);
}

void tst_WindowHandler::startSystemMove()
{
    WindowHandler handler;
    handler.startSystemMove(nullptr);
    QQuickItem loose;
    handler.startSystemMove(&loose);
    auto object = createObject(&m_engine, R"(
Window { Item { objectName: "bar"; function move() { Quilt.WindowHandler.startSystemMove(this) } } })");
    QVERIFY(object);
    // Without a pointer press the window system refuses; asking must not fail.
    QVERIFY(QMetaObject::invokeMethod(object->findChild<QObject*>("bar"), "move"));
}

QUILT_QUICK_TEST_MAIN(tst_WindowHandler, Css)

#include "tst_windowhandler.moc"
