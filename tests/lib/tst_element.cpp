#include <QMetaEnum>
#include <QPointF>
#include <QSignalSpy>
#include <QTest>

#include <functional>

#include "element.h"

using namespace Quilt;
using namespace Qt::StringLiterals;

namespace
{
// A value type with a text form but no stream operators: QDataStream cannot
// write it, so the cache key has to take it in some other way.
struct Opaque
{
    int value = 0;
};

using ElementAction = std::function<void(Element&)>;
} // namespace

Q_DECLARE_METATYPE(Opaque)
Q_DECLARE_METATYPE(ElementAction)

class ElementLog : public QObject
{
public:
    explicit ElementLog(Element* element)
        : m_element(element)
    {
        element->installEventFilter(this);
        connect(element, &Element::typeChanged, this, [this] { log << u"typeChanged"_s; });
        connect(element, &Element::idChanged, this, [this] { log << u"idChanged"_s; });
        connect(element, &Element::statesChanged, this, [this] { log << u"statesChanged"_s; });
        connect(element, &Element::colorSetChanged, this, [this] { log << u"colorSetChanged"_s; });
        connect(element, &Element::hintsChanged, this, [this] { log << u"hintsChanged"_s; });
        connect(element, &Element::attributesChanged, this, [this] { log << u"attributesChanged"_s; });
        connect(element, &Element::updated, this, [this] { log << u"updated"_s; });
    }

    QStringList log;
    // What the element looked like when each event arrived.
    QStringList seenByFilter;
    // Its cache key (seed 7) when each event arrived.
    QList<size_t> keysSeenByFilter;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched == m_element && event->type() == ElementChangedEvent::s_type) {
            const auto changes = static_cast<ElementChangedEvent*>(event)->changes;
            const QMetaEnum meta = QMetaEnum::fromType<Element::Changes>();
            log << u"event:"_s + QString::fromLatin1(meta.valueToKeys(changes.toInt()));
            seenByFilter << m_element->toString();
            keysSeenByFilter << m_element->cacheKey(7);
        }
        return false;
    }

private:
    Element* m_element;
};

class tst_Element : public QObject
{
    Q_OBJECT

private:
    static std::shared_ptr<Element> buttonElement()
    {
        auto element = Element::create();
        element->setType(u"Button"_s);
        element->setId(u"ok"_s);
        element->setStates(Element::State::Hovered | Element::State::Pressed);
        element->setColorSet(Element::ColorSet::View);
        element->setHints({ u"flat"_s, u"default"_s });
        element->setAttributes({ { u"position"_s, u"top"_s } });
        return element;
    }

private Q_SLOTS:
    void initTestCase()
    {
        QMetaType::registerConverter<Opaque, QString>([](const Opaque& o) { return QString::number(o.value); });
    }

    void freshElement()
    {
        auto element = Element::create();
        QVERIFY(element->type().isEmpty());
        QVERIFY(element->id().isEmpty());
        QCOMPARE(element->states(), Element::States());
        QCOMPARE(element->colorSet(), Element::ColorSet::None);
        QVERIFY(element->hints().isEmpty());
        QVERIFY(element->attributes().isEmpty());
        QVERIFY(element->parent() == nullptr);
        QCOMPARE(element->shared_from_this(), element);
    }

    void metaObject()
    {
        const QMetaObject& meta = Element::staticMetaObject;
        const int states = meta.indexOfEnumerator("States");
        QVERIFY(states >= 0);
        QCOMPARE(meta.indexOfEnumerator("State"), states);
        QVERIFY(meta.enumerator(states).isFlag());
        QCOMPARE(meta.enumerator(states).valueToKeys(0x1 | 0x8 | 0x40), "Hovered|Pressed|Highlighted");
        QCOMPARE(QMetaEnum::fromType<Element::ColorSet>().valueToKey(7), "Header");
        QCOMPARE(QMetaEnum::fromType<Element::Changes>().valueToKeys(0x10), "Attributes");
    }

    void properties_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QByteArray>("notify");

        QTest::newRow("type") << "type"_ba << QVariant(u"Label"_s) << "typeChanged"_ba;
        QTest::newRow("id") << "id"_ba << QVariant(u"x"_s) << "idChanged"_ba;
        QTest::newRow("states") << "states"_ba << QVariant::fromValue(Element::States(Element::State::Checked))
                                << "statesChanged"_ba;
        QTest::newRow("colorSet") << "colorSet"_ba << QVariant::fromValue(Element::ColorSet::Button)
                                  << "colorSetChanged"_ba;
        QTest::newRow("hints") << "hints"_ba << QVariant(QStringList { u"flat"_s }) << "hintsChanged"_ba;
        QTest::newRow("attributes") << "attributes"_ba << QVariant(QVariantMap { { u"k"_s, 1 } })
                                    << "attributesChanged"_ba;
    }

    // Written through the property system, with the same notifications.
    void properties()
    {
        QFETCH(QByteArray, name);
        QFETCH(QVariant, value);
        QFETCH(QByteArray, notify);

        auto element = Element::create();
        const QMetaProperty property = element->metaObject()->property(element->metaObject()->indexOfProperty(name));
        QVERIFY(property.isValid() && property.isWritable() && property.hasNotifySignal());
        QCOMPARE(property.notifySignal().name(), notify);

        QSignalSpy notified(element.get(), property.notifySignal());
        QSignalSpy updated(element.get(), &Element::updated);
        QVERIFY(property.write(element.get(), value));
        QCOMPARE(property.read(element.get()), value);
        QCOMPARE(notified.size(), 1);
        QCOMPARE(updated.size(), 1);
        QVERIFY(property.write(element.get(), value));
        QCOMPARE(notified.size(), 1);
    }

    void setters_data()
    {
        QTest::addColumn<ElementAction>("action");
        QTest::addColumn<QStringList>("expected");

        const auto notified = [](const QString& change, const QString& signal) {
            return QStringList { u"event:"_s + change, signal, u"updated"_s };
        };

        // Starting from buttonElement().
        QTest::newRow("type") << ElementAction([](Element& e) { e.setType(u"Label"_s); })
                              << notified(u"Type"_s, u"typeChanged"_s);
        QTest::newRow("type differing in case")
            << ElementAction([](Element& e) { e.setType(u"button"_s); }) << notified(u"Type"_s, u"typeChanged"_s);
        QTest::newRow("id") << ElementAction([](Element& e) { e.setId(u"cancel"_s); })
                            << notified(u"Id"_s, u"idChanged"_s);
        QTest::newRow("id differing in case")
            << ElementAction([](Element& e) { e.setId(u"OK"_s); }) << notified(u"Id"_s, u"idChanged"_s);
        QTest::newRow("states") << ElementAction([](Element& e) { e.setStates(Element::State::Hovered); })
                                << notified(u"States"_s, u"statesChanged"_s);
        QTest::newRow("colour set: signals only")
            << ElementAction([](Element& e) { e.setColorSet(Element::ColorSet::Header); })
            << QStringList { u"colorSetChanged"_s, u"updated"_s };
        QTest::newRow("hints") << ElementAction([](Element& e) { e.setHints({ u"flat"_s }); })
                               << notified(u"Hints"_s, u"hintsChanged"_s);
        QTest::newRow("hints reordered") << ElementAction([](Element& e) { e.setHints({ u"default"_s, u"flat"_s }); })
                                         << notified(u"Hints"_s, u"hintsChanged"_s);
        QTest::newRow("hints differing in case")
            << ElementAction([](Element& e) { e.setHints({ u"Flat"_s, u"default"_s }); })
            << notified(u"Hints"_s, u"hintsChanged"_s);
        QTest::newRow("add hint") << ElementAction([](Element& e) { e.setHint(u"flat"_s, true); })
                                  << notified(u"Hints"_s, u"hintsChanged"_s);
        QTest::newRow("remove absent hint") << ElementAction([](Element& e) { e.setHint(u"none"_s, false); })
                                            << notified(u"Hints"_s, u"hintsChanged"_s);
        QTest::newRow("attributes") << ElementAction([](Element& e) {
            e.setAttributes({ { u"position"_s, u"bottom"_s } });
        }) << notified(u"Attributes"_s, u"attributesChanged"_s);
        QTest::newRow("attribute key differing in case")
            << ElementAction([](Element& e) { e.setAttributes({ { u"Position"_s, u"top"_s } }); })
            << notified(u"Attributes"_s, u"attributesChanged"_s);
        QTest::newRow("attribute value of another type")
            << ElementAction([](Element& e) { e.setAttributes({ { u"position"_s, 1 } }); })
            << notified(u"Attributes"_s, u"attributesChanged"_s);
        QTest::newRow("attribute set to the value it holds")
            << ElementAction([](Element& e) { e.setAttribute(u"position"_s, u"top"_s); })
            << notified(u"Attributes"_s, u"attributesChanged"_s);

        const QStringList nothing;
        QTest::newRow("same type") << ElementAction([](Element& e) { e.setType(u"Button"_s); }) << nothing;
        QTest::newRow("same id") << ElementAction([](Element& e) { e.setId(u"ok"_s); }) << nothing;
        QTest::newRow("same states") << ElementAction([](Element& e) {
            e.setStates(Element::State::Pressed | Element::State::Hovered);
        }) << nothing;
        QTest::newRow("same colour set") << ElementAction([](Element& e) { e.setColorSet(Element::ColorSet::View); })
                                         << nothing;
        QTest::newRow("same hints") << ElementAction([](Element& e) { e.setHints({ u"flat"_s, u"default"_s }); })
                                    << nothing;
        QTest::newRow("same attributes") << ElementAction([](Element& e) {
            e.setAttributes({ { u"position"_s, u"top"_s } });
        }) << nothing;
    }

    void setters()
    {
        QFETCH(ElementAction, action);
        QFETCH(QStringList, expected);

        auto element = buttonElement();
        ElementLog log(element.get());
        action(*element);
        QCOMPARE(log.log, expected);
    }

    void filterSeesNewValue()
    {
        auto element = Element::create();
        ElementLog log(element.get());
        element->setType(u"Button"_s);
        element->setHint(u"flat"_s, true);
        QCOMPARE(log.seenByFilter,
                 (QStringList { u"Element(type: Button)"_s, u"Element(type: Button hints: flat)"_s }));
    }

    void sendChangeEvent()
    {
        auto element = Element::create();
        ElementLog log(element.get());
        QVERIFY(ElementChangedEvent::s_type >= QEvent::User && ElementChangedEvent::s_type <= QEvent::MaxUser);
        element->sendChangeEvent(Element::Change::Type | Element::Change::Attributes);
        QCOMPARE(log.log, QStringList { u"event:Type|Attributes"_s }); // and no signal
    }

    void hints()
    {
        auto element = Element::create();
        element->setHint(u"flat"_s, true);
        element->setHint(u"flat"_s, true);
        QCOMPARE(element->hints(), (QStringList { u"flat"_s, u"flat"_s }));
        element->setHint(u"Flat"_s, true);
        QVERIFY(element->hasHint(u"FLAT"_s));
        QVERIFY(!element->hasHint(u"fla"_s));

        // Removal takes exact matches only, all of them.
        element->setHint(u"flat"_s, false);
        QCOMPARE(element->hints(), QStringList { u"Flat"_s });
        element->setHint(u"flat"_s, false);
        QCOMPARE(element->hints(), QStringList { u"Flat"_s });
        QVERIFY(element->hasHint(u"flat"_s));
    }

    void attributes_data()
    {
        QTest::addColumn<QVariantMap>("attributes");
        QTest::addColumn<QString>("key");
        QTest::addColumn<bool>("has");
        QTest::addColumn<QVariant>("value");

        const QVariantMap position { { u"Position"_s, u"top"_s } };
        QTest::newRow("exact key") << position << u"Position"_s << true << QVariant(u"top"_s);
        QTest::newRow("key differing in case") << position << u"position"_s << false << QVariant(u"top"_s);
        QTest::newRow("unknown key") << position << u"side"_s << false << QVariant();
        const QVariantMap twoCases { { u"pos"_s, 2 }, { u"Pos"_s, 1 } };
        QTest::newRow("first in key order") << twoCases << u"POS"_s << false << QVariant(1);
        QTest::newRow("exact, yet first in key order") << twoCases << u"pos"_s << true << QVariant(1);
        QTest::newRow("empty map") << QVariantMap() << u""_s << false << QVariant();
    }

    void attributes()
    {
        QFETCH(QVariantMap, attributes);
        QFETCH(QString, key);
        QFETCH(bool, has);
        QFETCH(QVariant, value);

        auto element = Element::create();
        element->setAttributes(attributes);
        QCOMPARE(element->hasAttribute(key), has);
        QCOMPARE(element->attribute(key), value);
        QCOMPARE(element->attribute(key).isValid(), value.isValid());
    }

    void setAttributeReplaces()
    {
        auto element = Element::create();
        element->setAttribute(u"position"_s, u"top"_s);
        element->setAttribute(u"position"_s, 3);
        element->setAttribute(u"Position"_s, 4);
        QCOMPARE(element->attributes(), (QVariantMap { { u"position"_s, 3 }, { u"Position"_s, 4 } }));
    }

    void toString_data()
    {
        QTest::addColumn<std::shared_ptr<Element>>("element");
        QTest::addColumn<QString>("text");

        QTest::newRow("fresh") << Element::create() << u"Element()"_s;
        QTest::newRow("example") << buttonElement()
                                 << u"Element(type: Button id: ok states: Hovered|Pressed hints: flat, default "
                                    "attributes: {position: top})"_s;

        auto idOnly = Element::create();
        idOnly->setId(u"x"_s);
        idOnly->setColorSet(Element::ColorSet::Window);
        QTest::newRow("id only; colour set not shown") << idOnly << u"Element(id: x)"_s;

        auto emptied = buttonElement();
        emptied->setStates({});
        emptied->setHints({});
        emptied->setAttributes({});
        QTest::newRow("emptied fields leave no part") << emptied << u"Element(type: Button id: ok)"_s;

        auto attributes = Element::create();
        attributes->setAttributes({ { u"b"_s, 2.5 }, { u"a"_s, true }, { u"c"_s, QVariant() } });
        attributes->setStates(Element::State::Highlighted);
        QTest::newRow("attributes in key order")
            << attributes << u"Element(states: Highlighted attributes: {a: true, b: 2.5, c: })"_s;
    }

    void toString()
    {
        QFETCH(std::shared_ptr<Element>, element);
        QFETCH(QString, text);
        QCOMPARE(element->toString(), text);
    }

    void debugOperator()
    {
        auto element = Element::create();
        element->setType(u"Button"_s);
        QString out;
        QDebug(&out) << element << 1;
        QCOMPARE(out, uR"x("Element(type: Button)" 1 )x"_s);
        out.clear();
        QDebug(&out).noquote() << element << 1;
        QCOMPARE(out, u"Element(type: Button) 1 "_s);
    }

    void cacheKey_data()
    {
        QTest::addColumn<ElementAction>("changeFirst");
        QTest::addColumn<ElementAction>("changeSecond");
        QTest::addColumn<bool>("equal");

        const ElementAction none = [](Element&) {
        };
        QTest::newRow("same description") << none << none << true;
        QTest::newRow("colour set differs")
            << none << ElementAction([](Element& e) { e.setColorSet(Element::ColorSet::Tooltip); }) << true;
        QTest::newRow("type differs") << none << ElementAction([](Element& e) { e.setType(u"Label"_s); }) << false;
        QTest::newRow("type differs in case")
            << none << ElementAction([](Element& e) { e.setType(u"button"_s); }) << false;
        QTest::newRow("id differs") << none << ElementAction([](Element& e) { e.setId(u"no"_s); }) << false;
        QTest::newRow("states differ") << none << ElementAction([](Element& e) { e.setStates({}); }) << false;
        QTest::newRow("hint order differs")
            << none << ElementAction([](Element& e) { e.setHints({ u"default"_s, u"flat"_s }); }) << false;
        QTest::newRow("hint moved into the id") << ElementAction([](Element& e) {
            e.setId(u"okflat"_s);
            e.setHints({ u"default"_s });
        }) << ElementAction([](Element& e) {
            e.setId(u"ok"_s);
            e.setHints({ u"flatdefault"_s });
        }) << false;
        QTest::newRow("attribute value differs")
            << none << ElementAction([](Element& e) { e.setAttribute(u"position"_s, u"bottom"_s); }) << false;
        QTest::newRow("attribute value type differs")
            << ElementAction([](Element& e) { e.setAttribute(u"n"_s, 1); })
            << ElementAction([](Element& e) { e.setAttribute(u"n"_s, u"1"_s); }) << false;
        QTest::newRow("streamable value")
            << ElementAction([](Element& e) { e.setAttribute(u"p"_s, QPointF(1, 2)); })
            << ElementAction([](Element& e) { e.setAttribute(u"p"_s, QPointF(1, 3)); }) << false;

        const auto opaque = [](const QString& key, int value) {
            return ElementAction([=](Element& e) { e.setAttribute(key, QVariant::fromValue(Opaque { value })); });
        };
        QTest::newRow("unstreamable values differ") << opaque(u"o"_s, 1) << opaque(u"o"_s, 2) << false;
        QTest::newRow("unstreamable values equal") << opaque(u"o"_s, 1) << opaque(u"o"_s, 1) << true;
        const auto opaqueList = [](int value) {
            return ElementAction([=](Element& e) {
                e.setAttribute(u"l"_s, QVariantList { u"x"_s, QVariant::fromValue(Opaque { value }) });
            });
        };
        QTest::newRow("unstreamable values in lists differ") << opaqueList(1) << opaqueList(2) << false;
        QTest::newRow("unstreamable values in lists equal") << opaqueList(1) << opaqueList(1) << true;
        const auto opaqueMap = [](int value) {
            return ElementAction([=](Element& e) {
                e.setAttribute(u"m"_s, QVariantMap { { u"k"_s, QVariant::fromValue(Opaque { value }) } });
            });
        };
        QTest::newRow("unstreamable values in maps differ") << opaqueMap(1) << opaqueMap(2) << false;
        // Values written after an unstreamable one still count.
        QTest::newRow("value after an unstreamable one") << ElementAction([](Element& e) {
            e.setAttribute(u"a"_s, QVariant::fromValue(Opaque { 1 }));
            e.setAttribute(u"b"_s, 1);
        }) << ElementAction([](Element& e) {
            e.setAttribute(u"a"_s, QVariant::fromValue(Opaque { 1 }));
            e.setAttribute(u"b"_s, 2);
        }) << false;
    }

    void cacheKey()
    {
        QFETCH(ElementAction, changeFirst);
        QFETCH(ElementAction, changeSecond);
        QFETCH(bool, equal);

        // Nothing may fall back on streaming what does not stream.
        QTest::failOnWarning(QRegularExpression(u"unable to save"_s));
        auto first = buttonElement();
        auto second = buttonElement();
        changeFirst(*first);
        changeSecond(*second);
        QCOMPARE(first->cacheKey(7) == second->cacheKey(7), equal);
        QCOMPARE(first->cacheKey(0) == second->cacheKey(0), equal);
        QCOMPARE(first->cacheKey(7), first->cacheKey(7));
    }

    void keyReadInsideFilter_data()
    {
        QTest::addColumn<ElementAction>("change");

        QTest::newRow("type") << ElementAction([](Element& e) { e.setType(u"Label"_s); });
        QTest::newRow("type in case only") << ElementAction([](Element& e) { e.setType(u"button"_s); });
        QTest::newRow("id") << ElementAction([](Element& e) { e.setId(u"cancel"_s); });
        QTest::newRow("states") << ElementAction([](Element& e) { e.setStates(Element::State::Checked); });
        QTest::newRow("hints") << ElementAction([](Element& e) { e.setHints({ u"default"_s, u"flat"_s }); });
        QTest::newRow("hint added") << ElementAction([](Element& e) { e.setHint(u"round"_s, true); });
        QTest::newRow("hint removed") << ElementAction([](Element& e) { e.setHint(u"flat"_s, false); });
        QTest::newRow("attributes") << ElementAction([](Element& e) { e.setAttributes({ { u"side"_s, 2 } }); });
        QTest::newRow("attribute") << ElementAction([](Element& e) { e.setAttribute(u"position"_s, u"left"_s); });
    }

    // Owners re-query from inside their filter of the change event: the key
    // they read there must already describe the element as changed, however
    // often it was read before.
    void keyReadInsideFilter()
    {
        QFETCH(ElementAction, change);

        auto element = buttonElement();
        const size_t before = element->cacheKey(7);
        QCOMPARE(element->cacheKey(7), before);
        QCOMPARE(element->cacheKey(3), buttonElement()->cacheKey(3));
        ElementLog log(element.get());
        change(*element);

        auto expected = buttonElement();
        change(*expected);
        QCOMPARE(log.keysSeenByFilter, QList<size_t> { expected->cacheKey(7) });
        QVERIFY(log.keysSeenByFilter.first() != before);
        QCOMPARE(element->cacheKey(7), expected->cacheKey(7));
        QCOMPARE(element->cacheKey(3), expected->cacheKey(3));
    }

    void keyKeptAcrossColorSet()
    {
        auto element = buttonElement();
        const size_t before = element->cacheKey(7);
        element->setColorSet(Element::ColorSet::Tooltip);
        QCOMPARE(element->cacheKey(7), before);
    }
};

QTEST_GUILESS_MAIN(tst_Element)
#include "tst_element.moc"
