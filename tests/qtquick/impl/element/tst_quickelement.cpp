#include <QGuiApplication>
#include <QPointer>
#include <QQmlListReference>
#include <QQuickItem>
#include <QQuickWindow>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>

#include "elementquery.h"
#include "elementquery_p.h"
#include "platformplugin.h"
#include "quickelement.h"
#include "quickstyle.h"
#include "quicktestfixture.h"
#include "styleregistry.h"

using namespace Quilt::Quick;
using QuiltQuickTest::attached;
using QuiltQuickTest::createObject;
using State = Quilt::Element::State;

namespace
{
const QByteArray Css = R"(
Button { width: 10px; }
Button.flat { width: 20px; }
Button[display=icon] { width: 30px; }
Button[colorSet=view] { height: 5px; }
Frame Button { spacing: 2px; }
.inactive Button { padding-left: 7px; }
Other { width: 99px; }
)";
} // namespace

class tst_QuickElement : public QObject
{
    Q_OBJECT

private:
    QuickElement* elementOf(QObject* object) { return attached<QuickElement>(object); }
    double width(QuickElement* element)
    {
        auto* query = element->query();
        if (!query || !query->hasMatches() || !query->properties()->layout()) {
            return -1;
        }
        return query->properties()->layout()->width().value_or(-1);
    }

    QQmlEngine m_engine;

private Q_SLOTS:
    void hints_data();
    void hints();
    void hintFlagsFollowBindings();
    void attributes_data();
    void attributes();
    void states();
    void stateProperties();
    void setActiveStates();
    void listOperations();
    void hintLookup();
    void noQueryBeforeCompletion();
    void completionRunsOneQuery();
    void firstReadSeesValues_data();
    void firstReadSeesValues();
    void documentSettingOnlyTypeIsQueried();
    void childrenRequeryBeforeSetterReturns();
    void outsideCodeAppendsAttribute();
    void scriptObjectAttributes();
    void rootHasNoParentElement();
    void chainStartsAtWindowElement();
    void unknownStyleIdFallsBack();
    void defaultStyleChange();
    void parentElementDestroyed();
    void itemTreeDestroyed();
};

void tst_QuickElement::hints_data()
{
    QTest::addColumn<QByteArray>("entries");
    QTest::addColumn<QByteArray>("flags");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<double>("width");

    QTest::newRow("none") << QByteArray() << QByteArray() << QStringList() << 10.0;
    QTest::newRow("x y x(false)") << QByteArray(R"(H { name: "x" }, H { name: "y" }, H { name: "x"; when: false })")
                                  << QByteArray() << QStringList { "y" } << 10.0;
    QTest::newRow("fourth x comes back after y")
        << QByteArray(R"(H { name: "x" }, H { name: "y" }, H { name: "x"; when: false }, H { name: "x" })")
        << QByteArray() << QStringList { "y", "x" } << 10.0;
    QTest::newRow("off before on") << QByteArray(R"(H { name: "flat"; when: false }, H { name: "flat" })")
                                   << QByteArray() << QStringList { "flat" } << 20.0;
    QTest::newRow("duplicates kept") << QByteArray(R"(H { name: "flat" }, H { name: "flat" })") << QByteArray()
                                     << QStringList { "flat", "flat" } << 20.0;

    // Flags: in the map's order, before the entries.
    QTest::newRow("flags on and off") << QByteArray() << QByteArray(R"({ "flat": true, "x": false })")
                                      << QStringList { "flat" } << 20.0;
    QTest::newRow("flags truthy") << QByteArray() << QByteArray(R"({ "flat": 1, "x": "", "y": null })")
                                  << QStringList { "flat" } << 20.0;
    QTest::newRow("entry switches a flag off") << QByteArray(R"(H { name: "flat"; when: false })")
                                               << QByteArray(R"({ "flat": true })") << QStringList() << 10.0;
    QTest::newRow("entry switches a flag on, once")
        << QByteArray(R"(H { name: "flat" })") << QByteArray(R"({ "flat": true })") << QStringList { "flat" } << 20.0;
    QTest::newRow("entry and flag of other names")
        << QByteArray(R"(H { name: "flat" })") << QByteArray(R"({ "x": true })") << QStringList { "x", "flat" } << 20.0;
}

void tst_QuickElement::hints()
{
    QFETCH(QByteArray, entries);
    QFETCH(QByteArray, flags);
    QFETCH(QStringList, expected);
    QFETCH(double, width);

    QByteArray body = "Item { Quilt.Element.type: \"Button\"";
    if (!flags.isEmpty()) {
        body += "; Quilt.Element.hintFlags: (" + flags + ")";
    }
    if (!entries.isEmpty()) {
        body += "; Quilt.Element.hints: [" + entries + "]";
    }
    body += " }";
    body.replace("H {", "Quilt.ElementHint {");
    auto object = createObject(&m_engine, body);
    QVERIFY(object);
    QuickElement* element = elementOf(object.get());
    QVERIFY(element);
    QCOMPARE(element->activeHints(), expected);
    QCOMPARE(element->element()->hints(), expected);
    QCOMPARE(this->width(element), width);
}

void tst_QuickElement::hintFlagsFollowBindings()
{
    auto object = createObject(&m_engine, R"(
Item {
    property bool flat: false
    Quilt.Element.type: "Button"
    Quilt.Element.hintFlags: ({ "flat": flat, "changed": false })
    function find(name) { return Quilt.Element.hint(name) }
})");
    QuickElement* element = elementOf(object.get());
    QCOMPARE(width(element), 10.0);
    object->setProperty("flat", true);
    QCOMPARE(element->activeHints(), QStringList { "flat" });
    QCOMPARE(width(element), 20.0);

    // Looked up, a flag becomes an entry that outside code switches; the
    // flag's own value no longer counts.
    const auto find = [&](const char* name) {
        QVariant found;
        [&] {
            QVERIFY(
                QMetaObject::invokeMethod(object.get(), "find", Q_RETURN_ARG(QVariant, found), Q_ARG(QVariant, name)));
        }();
        return found.value<QObject*>();
    };
    QObject* changed = find("changed");
    QVERIFY(changed);
    QCOMPARE(changed->property("when").toBool(), false);
    QCOMPARE(find("changed"), changed);
    QVERIFY(!find("missing"));
    changed->setProperty("when", true);
    QCOMPARE(element->activeHints(), (QStringList { "flat", "changed" }));
    QObject* flat = find("flat");
    QCOMPARE(flat->property("when").toBool(), true);
    flat->setProperty("when", false);
    object->setProperty("flat", false);
    object->setProperty("flat", true);
    QCOMPARE(element->activeHints(), QStringList { "changed" });
    QCOMPARE(width(element), 10.0);
}

void tst_QuickElement::attributes_data()
{
    QTest::addColumn<QByteArray>("entries");
    QTest::addColumn<QVariantMap>("expected");

    QTest::newRow("later wins") << QByteArray(
        R"(A { name: "display"; value: "text" }, A { name: "display"; value: "icon" })")
                                << QVariantMap { { "display", "icon" } };
    QTest::newRow("later inactive removes")
        << QByteArray(R"(A { name: "display"; value: "icon" }, A { name: "display"; value: "text"; when: false })")
        << QVariantMap {};
    QTest::newRow("later invalid removes")
        << QByteArray(R"(A { name: "display"; value: "icon" }, A { name: "display" }, A { name: "size"; value: 3 })")
        << QVariantMap { { "size", 3 } };
    QTest::newRow("inactive then active")
        << QByteArray(R"(A { name: "display"; value: "x"; when: false }, A { name: "display"; value: "icon" })")
        << QVariantMap { { "display", "icon" } };
}

void tst_QuickElement::attributes()
{
    QFETCH(QByteArray, entries);
    QFETCH(QVariantMap, expected);

    QByteArray body = "Item { Quilt.Element.type: \"Button\"; Quilt.Element.attributes: [" + entries + "] }";
    body.replace("A {", "Quilt.ElementAttribute {");
    auto object = createObject(&m_engine, body);
    QVERIFY(object);
    QuickElement* element = elementOf(object.get());
    QCOMPARE(element->element()->attributes(), expected);
    QCOMPARE(width(element), expected.value("display") == "icon" ? 30.0 : 10.0);
}

void tst_QuickElement::states()
{
    auto object = createObject(&m_engine, R"(
Item {
    property bool on: true
    Quilt.Element.type: "Button"
    Quilt.Element.states.enabled: on
    Quilt.Element.states.hovered: !on
})");
    QVERIFY(object);
    QuickElement* element = elementOf(object.get());
    StatesGroup* states = element->states();
    QCOMPARE(states->activeStates(), Quilt::Element::States());
    QVERIFY(states->enabled());

    QSignalSpy enabled(states, &StatesGroup::enabledChanged);
    QSignalSpy hovered(states, &StatesGroup::hoveredChanged);
    QSignalSpy active(states, &StatesGroup::activeStatesChanged);
    object->setProperty("on", false);
    QCOMPARE(states->activeStates(), State::Disabled | State::Hovered);
    QCOMPARE(int(states->activeStates()), 0x21);
    QCOMPARE(element->element()->states(), State::Disabled | State::Hovered);
    QCOMPARE(enabled.size(), 1);
    QCOMPARE(hovered.size(), 1);
    QCOMPARE(active.size(), 2);

    // The same value again changes nothing.
    states->setEnabled(false);
    QCOMPARE(enabled.size(), 1);
    QCOMPARE(active.size(), 2);

    // From QML the flags read as a number.
    auto reader = createObject(&m_engine, R"(
Item {
    Quilt.Element.states.enabled: false
    property int flags: Quilt.Element.states.activeStates
    property bool disabled: (Quilt.Element.states.activeStates & Quilt.ColorSet.Disabled) !== 0
})");
    QVERIFY(reader);
    QCOMPARE(reader->property("flags").toInt(), 0x20);
    QVERIFY(reader->property("disabled").toBool());
}

void tst_QuickElement::stateProperties()
{
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no state from \"hovered:missing\""));
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no state from \"unknown\""));
    auto object = createObject(&m_engine, R"(
Item {
    property bool down: true
    property bool current: false
    Quilt.Element.type: "Button"
    Quilt.Element.stateProperties: "pressed:down enabled hovered:missing unknown highlighted:current"
    Quilt.Element.states.checked: current
})");
    QVERIFY(object);
    QuickElement* element = elementOf(object.get());
    QCOMPARE(element->element()->states(), State::Pressed);

    // A change of one property re-queries once, and leaves the states that
    // bindings give alone.
    const quint64 before = Quilt::elementQueriesExecuted();
    object->setProperty("current", true);
    QCOMPARE(element->element()->states(), State::Pressed | State::Highlighted | State::Checked);
    object->setProperty("down", false);
    qobject_cast<QQuickItem*>(object.get())->setEnabled(false);
    QCOMPARE(element->element()->states(), State::Disabled | State::Highlighted | State::Checked);
    QCOMPARE(element->states()->enabled(), false);
    QCOMPARE(Quilt::elementQueriesExecuted() - before, quint64(4));
}

void tst_QuickElement::setActiveStates()
{
    auto object = createObject(&m_engine, R"(Item { Quilt.Element.type: "Button" })");
    QuickElement* element = elementOf(object.get());
    StatesGroup* states = element->states();
    QSignalSpy hovered(states, &StatesGroup::hoveredChanged);
    QSignalSpy enabled(states, &StatesGroup::enabledChanged);
    QSignalSpy updated(element, &QuickElement::updated);

    element->setActiveStates(State::Hovered);
    QVERIFY(states->hovered());
    element->setActiveStates(State::None);
    QVERIFY(!states->hovered());
    QCOMPARE(hovered.size(), 2);
    QCOMPARE(enabled.size(), 0);
    QCOMPARE(updated.size(), 2);

    // Enabled is announced after the others.
    QStringList order;
    for (auto signal : { &StatesGroup::hoveredChanged, &StatesGroup::enabledChanged, &StatesGroup::pressedChanged }) {
        connect(states, signal, this, [&order, signal, states] {
            order << (signal == &StatesGroup::hoveredChanged       ? "hovered"
                          : signal == &StatesGroup::enabledChanged ? "enabled"
                                                                   : "pressed");
            Q_UNUSED(states);
        });
    }
    element->setActiveStates(State::Disabled | State::Hovered | State::Pressed);
    QCOMPARE(order, (QStringList { "hovered", "pressed", "enabled" }));
}

void tst_QuickElement::listOperations()
{
    auto object = createObject(&m_engine, R"(
Item {
    Quilt.Element.type: "Button"
    Quilt.Element.hints: [ Quilt.ElementHint { name: "flat" } ]
})");
    QuickElement* element = elementOf(object.get());
    QCOMPARE(width(element), 20.0);
    QQmlListReference hints(element, "hints");
    QVERIFY(hints.isValid());
    QSignalSpy changed(element, &QuickElement::hintsChanged);
    QSignalSpy updated(element, &QuickElement::updated);

    // A null entry is ignored.
    hints.append(nullptr);
    QCOMPARE(hints.count(), 1);

    // Clearing empties the active hints and re-queries.
    hints.clear();
    QCOMPARE(hints.count(), 0);
    QCOMPARE(element->activeHints(), QStringList());
    QCOMPARE(width(element), 10.0);
    QVERIFY(updated.size() >= 1);
    QVERIFY(changed.size() >= 1);

    // Removing from an empty list keeps it empty.
    hints.removeLast();
    QCOMPARE(hints.count(), 0);

    ElementHint first;
    first.setName("x");
    ElementHint second;
    second.setName("y");
    hints.append(&first);
    QCOMPARE(element->activeHints(), QStringList { "x" });
    hints.replace(0, &second);
    QCOMPARE(element->activeHints(), QStringList { "y" });
    // The replacement counts, its predecessor no longer does.
    second.setName("flat");
    QCOMPARE(width(element), 20.0);
    first.setName("z");
    QCOMPARE(element->activeHints(), QStringList { "flat" });
    hints.removeLast();
    QCOMPARE(element->activeHints(), QStringList());
}

void tst_QuickElement::hintLookup()
{
    auto object = createObject(&m_engine, R"(
Item {
    Quilt.Element.type: "Button"
    Quilt.Element.hints: [ Quilt.ElementHint { name: "changed"; when: false }, Quilt.ElementHint { name: "flat"; when: false } ]
    property QtObject found: Quilt.Element.hint("flat")
    property QtObject missing: Quilt.Element.hint("Flat")
    function find(name) { return Quilt.Element.hint(name) }
})");
    QuickElement* element = elementOf(object.get());
    QVERIFY(object->property("found").value<QObject*>());
    QVERIFY(!object->property("missing").value<QObject*>());
    QCOMPARE(width(element), 10.0);
    object->property("found").value<QObject*>()->setProperty("when", true);
    QCOMPARE(element->activeHints(), QStringList { "flat" });
    QCOMPARE(width(element), 20.0);

    // An entry that outside code added without a parent stays the caller's
    // after script has seen it.
    QPointer<ElementHint> loose = new ElementHint;
    loose->setName("loose");
    QQmlListReference(element, "hints").append(loose);
    QVariant seen;
    QVERIFY(QMetaObject::invokeMethod(object.get(), "find", Q_RETURN_ARG(QVariant, seen), Q_ARG(QVariant, "loose")));
    QCOMPARE(seen.value<QObject*>(), loose.data());
    seen.clear();
    m_engine.collectGarbage();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(loose);
    QQmlListReference(element, "hints").removeLast();
    delete loose;
}

void tst_QuickElement::noQueryBeforeCompletion()
{
    QObject attachee;
    auto* element = attached<QuickElement>(&attachee, true);
    QVERIFY(element);
    QQmlListReference hints(element, "hints");
    ElementHint hint;
    hint.setName("flat");
    hints.append(&hint);
    element->setType("Button");
    element->states()->setHovered(true);
    QVERIFY(!element->query());
    QCOMPARE(element->activeHints(), QStringList());

    element->componentComplete();
    QVERIFY(element->query());
    QCOMPARE(element->activeHints(), QStringList { "flat" });
    QCOMPARE(width(element), 20.0);
}

void tst_QuickElement::completionRunsOneQuery()
{
    // Hints and attributes collected at completion are asked about together:
    // each of them must not run a query of its own before the last arrives.
    QObject attachee;
    auto* element = attached<QuickElement>(&attachee, true);
    QVERIFY(element);
    ElementHint hint;
    hint.setName("flat");
    QQmlListReference(element, "hints").append(&hint);
    ElementAttribute attribute;
    attribute.setName("display");
    attribute.setValue("icon");
    QQmlListReference(element, "attributes").append(&attribute);
    element->setType("Button");

    const quint64 before = Quilt::elementQueriesExecuted();
    element->componentComplete();
    QCOMPARE(Quilt::elementQueriesExecuted() - before, quint64(1));
    QCOMPARE(element->activeHints(), QStringList { "flat" });
    QCOMPARE(element->element()->attributes(), (QVariantMap { { "display", "icon" } }));
    QCOMPARE(width(element), 30.0);

    // After completion every change is asked about again, at once.
    const quint64 completed = Quilt::elementQueriesExecuted();
    attribute.setValue("text");
    QCOMPARE(Quilt::elementQueriesExecuted() - completed, quint64(1));
    QCOMPARE(width(element), 20.0);
    hint.setWhen(false);
    QCOMPARE(Quilt::elementQueriesExecuted() - completed, quint64(2));
    QCOMPARE(width(element), 10.0);
}

void tst_QuickElement::firstReadSeesValues_data()
{
    QTest::addColumn<QByteArray>("description");
    QTest::addColumn<QVariantList>("seen");

    QTest::newRow("type") << QByteArray() << QVariantList { 10.0 };
    QTest::newRow("bound hint") << QByteArray(
        R"(Quilt.Element.hints: Quilt.ElementHint { name: "flat"; when: root.flag })")
                                << QVariantList { 20.0 };
    QTest::newRow("attribute") << QByteArray(
        R"(Quilt.Element.attributes: Quilt.ElementAttribute { name: "display"; value: "icon" })")
                               << QVariantList { 30.0 };
    // Completion still announces what changed after the first read.
    QTest::newRow("hint dropped at completion")
        << QByteArray(R"(Quilt.Element.hints: Quilt.ElementHint { name: "flat"; when: root.flag }
                         Component.onCompleted: flag = false)")
        << QVariantList { 20.0, 10.0 };
}

// A binding that reads the style while the document is still being built
// gets the values on its first run, not undefined and then the values.
void tst_QuickElement::firstReadSeesValues()
{
    QFETCH(QByteArray, description);
    QFETCH(QVariantList, seen);

    auto object = createObject(&m_engine,
                               "Item {\n id: root\n property var seen: []\n property bool flag: true\n"
                               " Quilt.Element.type: \"Button\"\n"
                                   + description
                                   + "\n property real w: Quilt.Style.properties.layout.width ?? -1\n"
                                     " onWChanged: seen.push(w)\n}\n");
    QVERIFY(object);
    QCOMPARE(object->property("seen").toList(), seen);
    QCOMPARE(width(elementOf(object.get())), seen.last().toDouble());
}

void tst_QuickElement::documentSettingOnlyTypeIsQueried()
{
    auto object = createObject(&m_engine, R"(Item { Quilt.Element.type: "Button" })");
    QuickElement* element = elementOf(object.get());
    QVERIFY(element->isCompleted());
    QVERIFY(element->query());
    QCOMPARE(width(element), 10.0);
    // A match gives the item its Style.
    QVERIFY(attached<QuickStyle>(object.get()));
}

void tst_QuickElement::childrenRequeryBeforeSetterReturns()
{
    auto object = createObject(&m_engine, R"(
Item {
    Quilt.Element.type: "Other"
    Item {
        objectName: "child"
        Item { objectName: "grandchild"; Quilt.Element.type: "Button" }
        Quilt.Element.type: "Button"
    }
})");
    QuickElement* root = elementOf(object.get());
    auto* childItem = object->findChild<QObject*>("child");
    auto* grandchildItem = object->findChild<QObject*>("grandchild");
    QuickElement* child = elementOf(childItem);
    QuickElement* grandchild = elementOf(grandchildItem);
    QCOMPARE(child->parentElement(), root);
    QCOMPARE(grandchild->parentElement(), child);
    QCOMPARE(grandchild->query()->elements().size(), 3);
    QCOMPARE(child->query()->properties()->layout()->spacing(), std::nullopt);

    QStringList seen;
    QObject context;
    connect(child, &QuickElement::updated, &context, [&] { seen << child->query()->elements().first()->type(); });
    connect(grandchild, &QuickElement::updated, &context,
            [&] { seen << grandchild->query()->elements().first()->type(); });
    root->setType("Frame");
    QCOMPARE(seen, (QStringList { "Frame", "Frame" }));
    QCOMPARE(child->query()->properties()->layout()->spacing(), 2.0);
}

void tst_QuickElement::outsideCodeAppendsAttribute()
{
    auto object = createObject(&m_engine, R"(Item { Quilt.Element.type: "Button" })");
    auto* element = attached<QuickElement>(object.get(), true);
    auto* attribute = new ElementAttribute(element);
    attribute->setName("colorSet");
    attribute->setValue("view");
    QQmlListReference attributes(element, "attributes");
    QVERIFY(attributes.append(attribute));
    element->componentComplete();
    QCOMPARE(element->element()->attributes(), (QVariantMap { { "colorSet", "view" } }));
    QCOMPARE(element->query()->properties()->layout()->height(), 5.0);

    // Later changes count once the element is complete.
    attribute->setValue("window");
    QCOMPARE(element->query()->properties()->layout()->height(), std::nullopt);
}

void tst_QuickElement::scriptObjectAttributes()
{
    // Qt's stream operator of script values complains on every write of the
    // element's key; plain values write silently.
    QTest::failOnWarning(QRegularExpression("QDataStream|QJSValue"));
    auto object = createObject(&m_engine, R"(Item {
        id: root
        Quilt.Element.type: "Button"
        Quilt.Element.attributes: [
            Quilt.ElementAttribute { name: "map"; value: ({ a: 1, b: "x", list: [1, 2] }) },
            Quilt.ElementAttribute { name: "list"; value: ["icon", 2] },
            Quilt.ElementAttribute { name: "display"; value: "icon" }
        ]
    })");
    QVERIFY(object);
    QuickElement* element = elementOf(object.get());
    const QVariantMap map { { "a", 1 }, { "b", "x" }, { "list", QVariantList { 1, 2 } } };
    const QVariantMap expected { { "map", map }, { "list", QVariantList { "icon", 2 } }, { "display", "icon" } };
    QCOMPARE(element->element()->attributes(), expected);
    QCOMPARE(width(element), 30.0);
    element->states()->setHovered(true);
    element->states()->setHovered(false);

    // An equal object set again is no change.
    auto* attribute = qobject_cast<ElementAttribute*>(QQmlListReference(element, "attributes").at(0));
    QSignalSpy changed(attribute, &ElementAttribute::valueChanged);
    QJSValue again = m_engine.evaluate("({ a: 1, b: \"x\", list: [1, 2] })");
    attribute->setValue(QVariant::fromValue(again));
    QCOMPARE(changed.size(), 0);

    // What has no stream form is left out, with one warning naming it.
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Element attribute \"map\" ignored"));
    attribute->setValue(QVariant::fromValue<QObject*>(object.get()));
    QCOMPARE(element->element()->attributes().contains("map"), false);
    element->states()->setHovered(true);
    attribute->setWhen(false);
    attribute->setWhen(true);
    QCOMPARE(element->element()->attributes().contains("map"), false);
    QCOMPARE(width(element), 30.0);
}

void tst_QuickElement::rootHasNoParentElement()
{
    auto object = createObject(&m_engine, R"(Item { Quilt.Element.type: "Button" })");
    QuickElement* element = elementOf(object.get());
    QCOMPARE(element->parentElement(), nullptr);
    QCOMPARE(element->query()->elements().size(), 1);
    // The object the propagator attaches to the engine is never completed.
    auto* engineObject = qobject_cast<QuickElement*>(element->attachedParent());
    if (engineObject) {
        QVERIFY(!engineObject->isCompleted());
        QVERIFY(!engineObject->query());
    }
}

void tst_QuickElement::chainStartsAtWindowElement()
{
    auto object = createObject(&m_engine, R"(
Window {
    Item { objectName: "button"; Quilt.Element.type: "Button" }
})");
    QVERIFY(object);
    auto* window = qobject_cast<QQuickWindow*>(object.get());
    QuickElement* windowElement = attached<QuickElement>(window);
    QVERIFY(windowElement);
    QVERIFY(windowElement->isCompleted());
    QCOMPARE(windowElement->parentElement(), nullptr);
    QCOMPARE(windowElement->type(), QString());
    QCOMPARE(windowElement->activeHints(), QStringList { "inactive" });

    QuickElement* button = elementOf(object->findChild<QObject*>("button"));
    QCOMPARE(button->parentElement(), windowElement);
    const auto chain = button->query()->elements();
    QCOMPARE(chain.size(), 2);
    QCOMPARE(chain.first(), windowElement->element());
    QCOMPARE(button->query()->properties()->layout()->padding()->left(), 7.0);
}

void tst_QuickElement::unknownStyleIdFallsBack()
{
    QTest::ignoreMessage(QtWarningMsg, "Could not find style \"quilt-no-such-package\"");
    auto object = createObject(&m_engine, R"(
Item {
    Quilt.Element.type: "Other"
    Item { objectName: "child"; Quilt.Element.type: "Button"; Quilt.Element.styleId: "quilt-no-such-package" }
})");
    QuickElement* child = elementOf(object->findChild<QObject*>("child"));
    QCOMPARE(child->styleId(), QString("quilt-no-such-package"));
    QVERIFY(child->style());
    QCOMPARE(child->style(), elementOf(object.get())->style());
    QCOMPARE(width(child), 10.0);
}

void tst_QuickElement::defaultStyleChange()
{
    auto object = createObject(&m_engine, R"(
Item {
    Quilt.Element.type: "Other"
    Item { objectName: "child"; Quilt.Element.type: "Button" }
    Item { objectName: "named"; Quilt.Element.type: "Button"; Quilt.Element.styleId: "quilt-quick-fixture" }
})");
    QuickElement* root = elementOf(object.get());
    QuickElement* child = elementOf(object->findChild<QObject*>("child"));
    QuickElement* named = elementOf(object->findChild<QObject*>("named"));
    QSignalSpy rootUpdated(root, &QuickElement::updated);
    QSignalSpy childUpdated(child, &QuickElement::updated);
    QSignalSpy namedUpdated(named, &QuickElement::updated);

    Quilt::StyleRegistry::instance()->platform()->sendDefaultStyleChangedEvent();
    // The root re-queries, and with it everything below it, once.
    QCOMPARE(rootUpdated.size(), 1);
    QCOMPARE(childUpdated.size(), 1);
    QCOMPARE(namedUpdated.size(), 1);
    QCOMPARE(width(child), 10.0);
}

void tst_QuickElement::parentElementDestroyed()
{
    auto object = createObject(&m_engine, R"(
Item {
    Quilt.Element.type: "Frame"
    Item { objectName: "child"; Quilt.Element.type: "Button" }
})");
    QuickElement* child = elementOf(object->findChild<QObject*>("child"));
    QCOMPARE(child->query()->elements().size(), 2);
    delete elementOf(object.get());
    QCOMPARE(child->parentElement(), nullptr);
    child->setType("Other");
    QCOMPARE(child->query()->elements().size(), 1);
    QCOMPARE(width(child), 99.0);
}

void tst_QuickElement::itemTreeDestroyed()
{
    // Parents and children go in whatever order their items do.
    for (const QByteArray& body : { QByteArray(R"(
Item {
    Quilt.Element.type: "Frame"
    Item { Quilt.Element.type: "Button"; Item { Quilt.Element.type: "Button" } }
})"),
                                    QByteArray(R"(
Item {
    Item { Item { Quilt.Element.type: "Button" } Quilt.Element.type: "Button" }
    Quilt.Element.type: "Frame"
})") }) {
        auto object = createObject(&m_engine, body);
        QVERIFY(object);
        auto* middle = object->findChildren<QQuickItem*>().value(0);
        QVERIFY(middle);
        delete middle;
        object.reset();
    }
}

QUILT_QUICK_TEST_MAIN(tst_QuickElement, Css)

#include "tst_quickelement.moc"
