#include <QBuffer>
#include <QColor>
#include <QDataStream>
#include <QDate>
#include <QFont>
#include <QPolygon>
#include <QTest>

#include "color.h"
#include "pathmetatype.h"

#include "element.h"
#include "fontforms.h"
#include "selector.h"
#include "selectormodels.h"

using namespace Quilt;
using namespace Qt::StringLiterals;

namespace
{
template<SelectorType Kind, typename Data> Selector make(Data data)
{
    return Selector(std::make_shared<const detail::SelectorPrivateModel<Kind, Data>>(std::move(data)));
}

Selector type(const QString& value)
{
    return make<SelectorType::Type>(value);
}
Selector id(const QString& value)
{
    return make<SelectorType::Id>(value);
}
Selector state(Element::States value)
{
    return make<SelectorType::State>(Element::State(value.toInt()));
}
Selector hint(const QString& value)
{
    return make<SelectorType::Hint>(value);
}
Selector attributeExists(const QString& key)
{
    return make<SelectorType::AttributeExists>(key);
}
Selector attributeEquals(const QString& key, const QVariant& value)
{
    return make<SelectorType::AttributeEquals>(std::pair(key, value));
}
Selector attributeSubstring(const QString& key, const QString& value)
{
    return make<SelectorType::AttributeSubstringMatch>(std::pair(key, value));
}
Selector any()
{
    return make<SelectorType::AnyElement>(detail::Empty {});
}
Selector child()
{
    return make<SelectorType::Child>(detail::Empty {});
}
Selector descendant()
{
    return make<SelectorType::Descendant>(detail::Empty {});
}

// Builds an element in place: el(u"A"_s).hints({u"h"_s}).
class el
{
public:
    explicit el(const QString& type)
        : m_element(Element::create())
    {
        m_element->setType(type);
    }
    el& id(const QString& id)
    {
        m_element->setId(id);
        return *this;
    }
    el& states(Element::States states)
    {
        m_element->setStates(states);
        return *this;
    }
    el& hints(const QStringList& hints)
    {
        m_element->setHints(hints);
        return *this;
    }
    el& attributes(const QVariantMap& attributes)
    {
        m_element->setAttributes(attributes);
        return *this;
    }
    operator std::shared_ptr<Element>() const { return m_element; }

private:
    std::shared_ptr<Element> m_element;
};

QByteArray bytesOf(const SelectorList& list)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream << list;
    return bytes;
}

// Every kind, an invalid selector, and values that stream with some content.
SelectorList everyKind()
{
    return { type(u"Button"_s),
             id(u"ok"_s),
             state(Element::State::Hovered | Element::State::Pressed),
             hint(u"flat"_s),
             attributeExists(u"position"_s),
             attributeEquals(u"position"_s, u"top"_s),
             attributeEquals(u"count"_s, 3),
             attributeSubstring(u"position"_s, u"op"_s),
             Selector(),
             any(),
             child(),
             descendant() };
}
} // namespace

Q_DECLARE_METATYPE(Quilt::SelectorList)

class tst_Selector : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void matches_data()
    {
        QTest::addColumn<SelectorList>("list");
        QTest::addColumn<ElementChain>("chain");
        QTest::addColumn<bool>("expected");

        const std::shared_ptr<Element> A = el(u"A"_s);
        const std::shared_ptr<Element> B = el(u"B"_s);
        const std::shared_ptr<Element> X = el(u"X"_s);
        const std::shared_ptr<Element> Window = el(u"Window"_s);
        const std::shared_ptr<Element> Button = el(u"Button"_s);
        const std::shared_ptr<Element> Label = el(u"Label"_s);

        QTest::newRow("empty list") << SelectorList() << ElementChain { Window, Button } << true;
        QTest::newRow("empty list, empty chain") << SelectorList() << ElementChain() << true;
        QTest::newRow("empty chain") << SelectorList { any() } << ElementChain() << false;
        QTest::newRow("last element only")
            << SelectorList { type(u"Button"_s) } << ElementChain { Window, Button } << true;
        QTest::newRow("not an ancestor") << SelectorList { type(u"Button"_s) } << ElementChain { Button, Label }
                                         << false;

        // Simple selectors and their case rules.
        QTest::newRow("type without case") << SelectorList { type(u"button"_s) } << ElementChain { Button } << true;
        QTest::newRow("empty type") << SelectorList { type(u""_s) } << ElementChain { el(u""_s) } << false;
        const std::shared_ptr<Element> okButton = el(u"Button"_s).id(u"ok"_s);
        QTest::newRow("id without case") << SelectorList { id(u"OK"_s) } << ElementChain { okButton } << true;
        QTest::newRow("other id") << SelectorList { id(u"cancel"_s) } << ElementChain { okButton } << false;
        QTest::newRow("empty id") << SelectorList { id(u""_s) } << ElementChain { Button } << false;
        const std::shared_ptr<Element> hoveredPressed
            = el(u"Button"_s).states(Element::State::Hovered | Element::State::Pressed);
        QTest::newRow("one of the states")
            << SelectorList { state(Element::State::Hovered) } << ElementChain { hoveredPressed } << true;
        QTest::newRow("any shared state bit")
            << SelectorList { state(Element::State::Checked | Element::State::Pressed) }
            << ElementChain { hoveredPressed } << true;
        QTest::newRow("state not held") << SelectorList { state(Element::State::Checked) }
                                        << ElementChain { hoveredPressed } << false;
        QTest::newRow("state 0") << SelectorList { state(Element::State::None) } << ElementChain { Button } << false;
        const std::shared_ptr<Element> flat = el(u"Button"_s).hints({ u"flat"_s });
        QTest::newRow("hint without case") << SelectorList { hint(u"FLAT"_s) } << ElementChain { flat } << true;
        QTest::newRow("hint not held") << SelectorList { hint(u"default"_s) } << ElementChain { flat } << false;
        QTest::newRow("empty hint") << SelectorList { hint(u""_s) } << ElementChain { el(u"B"_s).hints({ u""_s }) }
                                    << false;

        const std::shared_ptr<Element> top = el(u"Tab"_s).attributes({ { u"position"_s, u"top"_s } });
        QTest::newRow("exists: exact key")
            << SelectorList { attributeExists(u"position"_s) } << ElementChain { top } << true;
        QTest::newRow("exists: key with case")
            << SelectorList { attributeExists(u"Position"_s) } << ElementChain { top } << false;
        QTest::newRow("exists: empty key") << SelectorList { attributeExists(u""_s) }
                                           << ElementChain { el(u"T"_s).attributes({ { u""_s, 1 } }) } << false;
        QTest::newRow("equals: key without case")
            << SelectorList { attributeEquals(u"Position"_s, u"top"_s) } << ElementChain { top } << true;
        QTest::newRow("equals: text without case")
            << SelectorList { attributeEquals(u"position"_s, u"Top"_s) } << ElementChain { top } << true;
        QTest::newRow("equals: text of a number")
            << SelectorList { attributeEquals(u"position"_s, 3) }
            << ElementChain { el(u"T"_s).attributes({ { u"position"_s, u"3"_s } }) } << true;
        QTest::newRow("equals: other value")
            << SelectorList { attributeEquals(u"position"_s, u"bottom"_s) } << ElementChain { top } << false;
        QTest::newRow("equals: number") << SelectorList { attributeEquals(u"count"_s, 3) }
                                        << ElementChain { el(u"T"_s).attributes({ { u"count"_s, 3 } }) } << true;
        QTest::newRow("equals: other number") << SelectorList { attributeEquals(u"count"_s, 4) }
                                              << ElementChain { el(u"T"_s).attributes({ { u"count"_s, 3 } }) } << false;
        QTest::newRow("equals: null value")
            << SelectorList { attributeEquals(u"position"_s, QVariant()) } << ElementChain { top } << false;
        QTest::newRow("equals: missing attribute")
            << SelectorList { attributeEquals(u"side"_s, u"top"_s) } << ElementChain { top } << false;
        QTest::newRow("equals: empty key") << SelectorList { attributeEquals(u""_s, 1) }
                                           << ElementChain { el(u"T"_s).attributes({ { u""_s, 1 } }) } << false;
        QTest::newRow("substring") << SelectorList { attributeSubstring(u"position"_s, u"op"_s) }
                                   << ElementChain { top } << true;
        QTest::newRow("substring without case")
            << SelectorList { attributeSubstring(u"position"_s, u"OP"_s) } << ElementChain { top } << true;
        QTest::newRow("substring: not contained")
            << SelectorList { attributeSubstring(u"position"_s, u"bot"_s) } << ElementChain { top } << false;
        QTest::newRow("substring: key with case")
            << SelectorList { attributeSubstring(u"Position"_s, u"op"_s) } << ElementChain { top } << false;
        QTest::newRow("substring: empty value")
            << SelectorList { attributeSubstring(u"position"_s, u""_s) } << ElementChain { top } << true;
        QTest::newRow("substring: null value")
            << SelectorList { attributeSubstring(u"position"_s, QString()) } << ElementChain { top } << false;
        // The key must exist as written, but the value is that of the first key
        // in map order that equals it without regard to case.
        const std::shared_ptr<Element> twoKeys
            = el(u"T"_s).attributes({ { u"Pos"_s, u"abc"_s }, { u"pos"_s, u"xyz"_s } });
        QTest::newRow("substring: value of the first key in order")
            << SelectorList { attributeSubstring(u"pos"_s, u"b"_s) } << ElementChain { twoKeys } << true;
        QTest::newRow("substring: not the exact key's value")
            << SelectorList { attributeSubstring(u"pos"_s, u"y"_s) } << ElementChain { twoKeys } << false;
        QTest::newRow("any element") << SelectorList { any() } << ElementChain { X } << true;

        // Compounds and combinators.
        QTest::newRow("compound") << SelectorList { type(u"Button"_s), id(u"ok"_s), any() } << ElementChain { okButton }
                                  << true;
        QTest::newRow("compound, one fails")
            << SelectorList { type(u"Button"_s), id(u"ok"_s), hint(u"flat"_s) } << ElementChain { okButton } << false;
        QTest::newRow("child") << SelectorList { type(u"A"_s), child(), type(u"B"_s) } << ElementChain { A, B } << true;
        QTest::newRow("child, not a grandchild")
            << SelectorList { type(u"A"_s), child(), type(u"B"_s) } << ElementChain { A, X, B } << false;
        QTest::newRow("child at the outermost")
            << SelectorList { type(u"A"_s), child(), type(u"B"_s) } << ElementChain { B } << false;
        QTest::newRow("descendant: parent")
            << SelectorList { type(u"A"_s), descendant(), type(u"B"_s) } << ElementChain { A, B } << true;
        QTest::newRow("descendant: grandparent")
            << SelectorList { type(u"A"_s), descendant(), type(u"B"_s) } << ElementChain { A, X, B } << true;
        QTest::newRow("descendant: not the element itself")
            << SelectorList { type(u"B"_s), descendant(), type(u"B"_s) } << ElementChain { X, B } << false;
        QTest::newRow("descendant: no ancestor matches")
            << SelectorList { type(u"A"_s), descendant(), type(u"B"_s) } << ElementChain { X, X, B } << false;
        const std::shared_ptr<Element> Ah = el(u"A"_s).hints({ u"h"_s });
        const std::shared_ptr<Element> Xh = el(u"X"_s).hints({ u"h"_s });
        QTest::newRow("descendant: the nearest match decides")
            << SelectorList { type(u"A"_s), hint(u"h"_s), descendant(), type(u"B"_s) } << ElementChain { Ah, Xh, B }
            << false;
        QTest::newRow("descendant: rest of the compound holds")
            << SelectorList { type(u"A"_s), hint(u"h"_s), descendant(), type(u"B"_s) } << ElementChain { Ah, X, B }
            << true;
        QTest::newRow("descendant then child")
            << SelectorList { type(u"Window"_s), descendant(), type(u"A"_s), child(), type(u"B"_s) }
            << ElementChain { Window, X, A, B } << true;
        QTest::newRow("child then descendant, child fails")
            << SelectorList { type(u"Window"_s), child(), type(u"A"_s), descendant(), type(u"B"_s) }
            << ElementChain { Window, X, A, B } << false;
        QTest::newRow("leading child") << SelectorList { child(), type(u"B"_s) } << ElementChain { X, X, B } << true;
        QTest::newRow("leading child without parent")
            << SelectorList { child(), type(u"B"_s) } << ElementChain { B } << false;
        QTest::newRow("leading descendant")
            << SelectorList { descendant(), type(u"B"_s) } << ElementChain { X, B } << true;
        QTest::newRow("leading descendant without ancestor")
            << SelectorList { descendant(), type(u"B"_s) } << ElementChain { B } << false;
        QTest::newRow("lone descendant") << SelectorList { descendant() } << ElementChain { A, B } << false;
        QTest::newRow("trailing combinator")
            << SelectorList { type(u"A"_s), child() } << ElementChain { A, B } << false;
        QTest::newRow("trailing combinator, one element")
            << SelectorList { type(u"A"_s), child() } << ElementChain { A } << false;
        QTest::newRow("two combinators") << SelectorList { type(u"A"_s), child(), child(), type(u"B"_s) }
                                         << ElementChain { A, X, B } << false;

        // Invalid selectors fail wherever the walk reaches them.
        QTest::newRow("invalid") << SelectorList { Selector() } << ElementChain { A } << false;
        QTest::newRow("invalid in a compound")
            << SelectorList { Selector(), type(u"B"_s) } << ElementChain { A, B } << false;
        QTest::newRow("invalid before a descendant")
            << SelectorList { Selector(), descendant(), type(u"B"_s) } << ElementChain { A, B } << false;
        QTest::newRow("invalid never reached")
            << SelectorList { type(u"A"_s), Selector(), child(), type(u"B"_s) } << ElementChain { X, B } << false;
    }

    void matches()
    {
        QFETCH(SelectorList, list);
        QFETCH(ElementChain, chain);
        QFETCH(bool, expected);
        QCOMPARE(list.matches(chain), expected);
    }

    void simpleSelectors()
    {
        QVERIFY(!any().matches(nullptr));
        QVERIFY(!Selector().matches(std::shared_ptr<Element>(el(u"A"_s)).get()));
        QVERIFY(!child().matches(std::shared_ptr<Element>(el(u"A"_s)).get()));
        QVERIFY(!descendant().matches(std::shared_ptr<Element>(el(u"A"_s)).get()));

        const SelectorList kinds = everyKind();
        for (const Selector& selector : kinds) {
            const bool combinator
                = selector.type() == SelectorType::Child || selector.type() == SelectorType::Descendant;
            QCOMPARE(selector.isCombinator(), combinator);
            QCOMPARE(selector.isValid(), selector.type() != SelectorType {});
        }
    }

    void weight_data()
    {
        QTest::addColumn<SelectorList>("list");
        QTest::addColumn<int>("weight");

        QTest::newRow("empty") << SelectorList() << 0;
        QTest::newRow("type") << SelectorList { type(u"A"_s) } << 1;
        QTest::newRow("id") << SelectorList { id(u"x"_s) } << 100;
        QTest::newRow("state") << SelectorList { state(Element::State::Hovered) } << 10;
        QTest::newRow("hint") << SelectorList { hint(u"h"_s) } << 10;
        QTest::newRow("attributes") << SelectorList { attributeExists(u"k"_s), attributeEquals(u"k"_s, 1),
                                                      attributeSubstring(u"k"_s, u"v"_s) }
                                    << 30;
        QTest::newRow("no weight") << SelectorList { any(), child(), descendant(), Selector() } << 0;
        QTest::newRow("compound and combinator")
            << SelectorList { type(u"A"_s), id(u"x"_s), state(Element::State::Hovered), descendant(), any() } << 111;
        QTest::newRow("every kind") << everyKind() << 1 + 100 + 10 * 6;
    }

    void weight()
    {
        QFETCH(SelectorList, list);
        QFETCH(int, weight);
        QCOMPARE(list.weight(), weight);
    }

    void toString_data()
    {
        QTest::addColumn<SelectorList>("list");
        QTest::addColumn<QString>("text");

        QTest::newRow("empty") << SelectorList() << u"SelectorList()"_s;
        QTest::newRow("every kind")
            << everyKind()
            << u"SelectorList(Type(Button), Id(ok), State(Hovered|Pressed), Hint(flat), AttributeExists(position), "
               "AttributeEquals(key=position, value=top), AttributeEquals(key=count, value=3), "
               "AttributeSubstringMatch(key=position, value=op), Selector(Invalid), AnyElement, Child, Descendant)"_s;
        QTest::newRow("state 0") << SelectorList { state(Element::State::None) } << u"SelectorList(State(None))"_s;
        QTest::newRow("place markers stay") << SelectorList { attributeEquals(u"%2"_s, u"%1"_s), type(u"%1"_s) }
                                            << u"SelectorList(AttributeEquals(key=%2, value=%1), Type(%1))"_s;
    }

    void toString()
    {
        QFETCH(SelectorList, list);
        QFETCH(QString, text);
        QCOMPARE(list.toString(), text);
    }

    void debugOperators()
    {
        QString out;
        QDebug(&out) << type(u"A"_s) << SelectorList { any() };
        QCOMPARE(out, uR"x("Type(A)" "SelectorList(AnyElement)" )x"_s);
        out.clear();
        QDebug(&out).noquote() << Selector() << SelectorList();
        QCOMPARE(out, u"Selector(Invalid) SelectorList() "_s);
    }

    void streamRoundTrip()
    {
        const SelectorList written = everyKind();
        QByteArray bytes = bytesOf(written);
        QDataStream stream(bytes);
        SelectorList read;
        stream >> read;
        QCOMPARE(stream.status(), QDataStream::Ok);
        QVERIFY(stream.atEnd());
        QCOMPARE(read.toString(), written.toString());
        QCOMPARE(read.size(), written.size());
        for (qsizetype i = 0; i < read.size(); ++i) {
            QCOMPARE(read.at(i).type(), written.at(i).type());
            QCOMPARE(read.at(i).isValid(), written.at(i).isValid());
        }
        // Values keep their type: the number still matches a number.
        const std::shared_ptr<Element> counted = el(u"T"_s).attributes({ { u"count"_s, 3 } });
        QVERIFY(SelectorList { read.at(6) }.matches({ counted }));
        QCOMPARE(bytesOf(read), bytes);
    }

    void streamBytes()
    {
        QByteArray expected;
        {
            QDataStream stream(&expected, QIODevice::WriteOnly);
            stream << qint64(5);
            stream << qint32(1) << u"A"_s;
            stream << qint32(3) << qint32(0x1 | 0x8);
            stream << qint32(0);
            stream << qint32(10);
            stream << qint32(6) << u"k"_s << QVariant(2);
        }
        const SelectorList list { type(u"A"_s), state(Element::State::Hovered | Element::State::Pressed), Selector(),
                                  descendant(), attributeEquals(u"k"_s, 2) };
        QCOMPARE(bytesOf(list), expected);
    }

    void streamSkipsUnknownKinds()
    {
        QByteArray bytes;
        {
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream << qint64(4) << qint32(0) << qint32(3) << qint32(0x1) << qint32(11) << qint32(-1);
        }
        QDataStream stream(bytes);
        SelectorList list { type(u"Kept"_s) };
        stream >> list;
        QCOMPARE(stream.status(), QDataStream::Ok);
        QCOMPARE(list.toString(), u"SelectorList(Type(Kept), Selector(Invalid), State(Hovered))"_s);
    }

    void streamCounts_data()
    {
        QTest::addColumn<qint64>("count");
        QTest::addColumn<QDataStream::Status>("status");
        QTest::addColumn<QString>("text");

        // One Child follows the count in the stream.
        QTest::newRow("negative") << qint64(-5) << QDataStream::Ok << u"SelectorList()"_s;
        QTest::newRow("zero") << qint64(0) << QDataStream::Ok << u"SelectorList()"_s;
        QTest::newRow("exact") << qint64(1) << QDataStream::Ok << u"SelectorList(Child)"_s;
        QTest::newRow("one too many") << qint64(2) << QDataStream::ReadPastEnd << u"SelectorList(Child)"_s;
        QTest::newRow("huge") << std::numeric_limits<qint64>::max() << QDataStream::ReadPastEnd
                              << u"SelectorList(Child)"_s;
    }

    void streamCounts()
    {
        QFETCH(qint64, count);
        QFETCH(QDataStream::Status, status);
        QFETCH(QString, text);

        QByteArray bytes;
        {
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream << count << qint32(9);
        }
        QDataStream stream(bytes);
        SelectorList list;
        stream >> list;
        QCOMPARE(stream.status(), status);
        QCOMPARE(list.toString(), text);
    }

    void streamVariantTypes_data()
    {
        QTest::addColumn<QVariant>("value");

        QTest::newRow("string list") << QVariant(QStringList { u"a"_s, u"bc"_s });
        QTest::newRow("byte array list") << QVariant::fromValue(QByteArrayList { "a", "" });
        QTest::newRow("colour of Qt's") << QVariant(QColor(10, 20, 30, 40));
        QTest::newRow("date") << QVariant(QDate(2024, 2, 29));
        QTest::newRow("date and time") << QVariant(QDateTime(QDate(2024, 2, 29), QTime(23, 59, 1), QTimeZone::UTC));
        QTest::newRow("point") << QVariant(QPointF(1.5, -2));
        QTest::newRow("font") << QVariant(QFont(u"Serif"_s, 11));
        QTest::newRow("list of variants")
            << QVariant(QVariantList { 1, u"two"_s, QVariantList { 3.5 }, QVariantMap { { u"k"_s, true } } });
        QTest::newRow("map") << QVariant(QVariantMap { { u"a"_s, QStringList { u"x"_s } }, { u"b"_s, QVariant() } });
        QTest::newRow("hash") << QVariant(QVariantHash { { u"a"_s, 1 } });
        QTest::newRow("pair") << QVariant::fromValue(QVariantPair(1, u"b"_s));
        QTest::newRow("list of integers") << QVariant::fromValue(QList<int> { 1, 2, 3 });
        QTest::newRow("colour of the library's") << QVariant::fromValue(Quilt::Color::rgba(1, 2, 3, 4));
        QTest::newRow("path") << QVariant::fromValue(std::filesystem::path("/a/b.png"));
    }

    // Whatever a plug-in puts into an attribute selector comes back from the
    // stream as it went in.
    void streamVariantTypes()
    {
        QFETCH(QVariant, value);

        const SelectorList written { attributeEquals(u"key"_s, value), type(u"After"_s) };
        const QByteArray bytes = bytesOf(written);
        QDataStream stream(bytes);
        SelectorList read;
        stream >> read;
        QCOMPARE(stream.status(), QDataStream::Ok);
        QVERIFY(stream.atEnd());
        QCOMPARE(read.toString(), written.toString());
        QCOMPARE(bytesOf(read), bytes);
        const std::shared_ptr<Element> holder = el(u"T"_s).attributes({ { u"key"_s, value } });
        QVERIFY(read.first().matches(holder.get()));
    }

    void streamVariantCounts_data()
    {
        QTest::addColumn<QByteArray>("value");

        // The variant's data after its type id and null flag.
        const auto variant = [](quint32 id, auto&& writeData) {
            QByteArray bytes;
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream << id << qint8(0);
            writeData(stream);
            return bytes;
        };
        const auto named = [](const char* name, auto&& writeData) {
            QByteArray bytes;
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream << quint32(QMetaType::User) << qint8(0) << name;
            writeData(stream);
            return bytes;
        };
        for (const quint32 count : { 0xfffffff0u, 0xffffffffu }) {
            const QByteArray hex = QByteArray::number(count, 16);
            QTest::addRow("string list %s", hex.constData())
                << variant(QMetaType::QStringList, [&](QDataStream& s) { s << count; });
            QTest::addRow("list of variants %s", hex.constData())
                << variant(QMetaType::QVariantList, [&](QDataStream& s) { s << count; });
            QTest::addRow("map %s", hex.constData())
                << variant(QMetaType::QVariantMap, [&](QDataStream& s) { s << count; });
            QTest::addRow("list inside a list %s", hex.constData())
                << variant(QMetaType::QVariantList, [&](QDataStream& s) {
                       s << quint32(1) << quint32(QMetaType::QVariantList) << qint8(0) << count;
                   });
            QTest::addRow("list of integers %s", hex.constData())
                << named("QList<int>", [&](QDataStream& s) { s << count; });
        }
        QTest::newRow("extended count") << variant(QMetaType::QStringList,
                                                   [](QDataStream& s) { s << quint32(0xfffffffeu) << qint64(1) << 5; });
        QTest::newRow("lists nested beyond the bound") << variant(QMetaType::QVariantList, [](QDataStream& s) {
            for (int i = 0; i < 40; ++i) {
                s << quint32(1) << quint32(QMetaType::QVariantList) << qint8(0);
            }
            s << quint32(0);
        });
        QTest::newRow("polygon") << variant(QMetaType::QPolygon, [](QDataStream& s) { s << quint32(0xfffffff0u); });
        QTest::newRow("list of lists by name")
            << named("QList<QList<int>>", [](QDataStream& s) { s << quint32(1) << quint32(0xfffffff0u); });
        QTest::newRow("string list by name") << named("QStringList", [](QDataStream& s) { s << quint32(0xfffffff0u); });
        // Font forms that Qt would misread or could not write back.
        const QFont font(u"Serif"_s, 11);
        for (const auto& [name, form] :
             { std::pair { "font with a family of odd length", FontForms::oddFamily(font) },
               std::pair { "font with a style name of odd length", FontForms::oddStyleName(font) },
               std::pair { "font without family", FontForms::noFamily(font) } }) {
            QTest::newRow(name) << variant(QMetaType::QFont,
                                           [&](QDataStream& s) { s.writeRawData(form.constData(), int(form.size())); });
        }
    }

    // Counts that the bytes left cannot hold fail the stream before anything
    // is reserved for them.
    void streamVariantCounts()
    {
        QFETCH(QByteArray, value);
        // Known to the process, as it would be once a plug-in used it.
        QMetaType::fromType<QList<int>>().id();
        QMetaType::fromType<QList<QList<int>>>().id();

        QByteArray bytes;
        {
            QDataStream stream(&bytes, QIODevice::WriteOnly);
            stream << qint64(1) << qint32(SelectorType::AttributeEquals) << u"key"_s;
        }
        bytes += value;
        QDataStream stream(bytes);
        // The style cache's version: fonts are checked in its form.
        stream.setVersion(QDataStream::Qt_6_7);
        SelectorList read;
        stream >> read;
        QVERIFY(stream.status() != QDataStream::Ok);
        QVERIFY(read.isEmpty());
    }

    void streamTruncated()
    {
        const SelectorList written = everyKind();
        const QByteArray bytes = bytesOf(written);
        for (qsizetype length = 0; length < bytes.size(); ++length) {
            QDataStream stream(bytes.first(length));
            SelectorList read;
            stream >> read;
            QVERIFY2(stream.status() != QDataStream::Ok, qPrintable(QString::number(length)));
            // Whatever was read is a prefix of what was written; a selector
            // whose data is cut off is not appended.
            QVERIFY(read.size() < written.size());
            for (qsizetype i = 0; i < read.size(); ++i) {
                QCOMPARE(read.at(i).toString(), written.at(i).toString());
            }
        }
    }

    void modelsMadeOutsideTheLibrary()
    {
        const std::shared_ptr<Element> element
            = el(u"A"_s)
                  .id(u"b"_s)
                  .states(Element::State::Hovered)
                  .hints({ u"c"_s })
                  .attributes({ { u"d"_s, 0 }, { u"e"_s, 1 }, { u"f"_s, u"xgx"_s } });

        // Direct calls compiled in the other library give what the virtual
        // operations give here.
        const SelectorList list = SelectorModels::makeAll();
        QStringList expected;
        for (const Selector& selector : list) {
            QByteArray data;
            {
                QDataStream stream(&data, QIODevice::WriteOnly);
                selector.writeToDataStream(stream);
            }
            expected << u"%1 weight=%2 type=%3 combinator=%4 matches=%5 data=%6"_s.arg(selector.toString())
                            .arg(selector.weight())
                            .arg(qint32(selector.type()))
                            .arg(selector.isCombinator())
                            .arg(selector.matches(element.get()))
                            .arg(QString::fromLatin1(data.mid(4).toHex()));
        }
        QCOMPARE(SelectorModels::describeAll(element.get()), expected);

        QCOMPARE(list.toString(),
                 u"SelectorList(Type(a), Id(b), State(Hovered), Hint(c), AttributeExists(d), "
                 "AttributeEquals(key=e, value=1), AttributeSubstringMatch(key=f, value=g), AnyElement, Child, "
                 "Descendant)"_s);
        QCOMPARE(list.weight(), 151);
        const SelectorList compound = list.mid(0, 8);
        QVERIFY(compound.matches({ element }));
        QVERIFY(SelectorList({ list.at(0), list.at(9), list.at(7) }).matches({ element, el(u"Z"_s) }));

        QDataStream stream(bytesOf(list));
        SelectorList read;
        stream >> read;
        QCOMPARE(read.toString(), list.toString());
    }
};

QTEST_GUILESS_MAIN(tst_Selector)
#include "tst_selector.moc"
