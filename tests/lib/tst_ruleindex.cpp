#include <QLoggingCategory>
#include <QRandomGenerator>
#include <QTest>

#include "stylefixture.h"

using namespace Qt::StringLiterals;
using namespace StyleFixture;

namespace
{
template<SelectorType Kind, typename Data> Selector make(Data data)
{
    return Selector(std::make_shared<const SelectorPrivateModel<Kind, Data>>(std::move(data)));
}

Selector any()
{
    return make<SelectorType::AnyElement>(Empty {});
}
Selector child()
{
    return make<SelectorType::Child>(Empty {});
}
Selector attributeEquals(const QString& key, const QVariant& value)
{
    return make<SelectorType::AttributeEquals>(std::pair<QString, QVariant>(key, value));
}

QtMessageHandler s_previousHandler = nullptr;
void dropMessages(QtMsgType, const QMessageLogContext&, const QString&)
{ }

// The rules that match, as the style's full walk over every rule finds them:
// the walk that the query category's trace needs.
QStringList fullWalk(const Style& style, const ElementChain& chain)
{
    QLoggingCategory::setFilterRules(u"quilt.query.debug=true"_s);
    s_previousHandler = qInstallMessageHandler(dropMessages);
    const QStringList result = names(style.matches(chain));
    qInstallMessageHandler(s_previousHandler);
    QLoggingCategory::setFilterRules(QString());
    return result;
}

QStringList indexed(const Style& style, const ElementChain& chain)
{
    return names(style.matches(chain));
}

std::shared_ptr<Element> el(const QString& type, const QString& id = {}, const QStringList& hints = {},
                            Element::States states = {})
{
    auto result = element(type, hints, states);
    result->setId(id);
    return result;
}

using SelectorLists = QList<SelectorList>;
} // namespace

Q_DECLARE_METATYPE(SelectorLists)

class tst_RuleIndex : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLoggingCategory::setFilterRules(QString()); }

    void againstFullWalk_data()
    {
        QTest::addColumn<SelectorLists>("rules");
        QTest::addColumn<ElementChain>("chain");
        QTest::addColumn<QStringList>("expected");

        const auto T = typeSelector;
        const auto I = idSelector;
        const auto H = hintSelector;

        QTest::newRow("ids in any case")
            << SelectorLists { { I(u"OK"_s) }, { I(u"ok"_s) }, { T(u"Button"_s), I(u"Ok"_s) }, { I(u"no"_s) } }
            << ElementChain { el(u"Button"_s, u"ok"_s) } << QStringList { u"r2"_s, u"r1"_s, u"r0"_s };
        QTest::newRow("types in any case")
            << SelectorLists { { T(u"BUTTON"_s) }, { T(u"label"_s) }, { T(u"button"_s), H(u"flat"_s) } }
            << ElementChain { el(u"Button"_s, {}, { u"FLAT"_s }) } << QStringList { u"r2"_s, u"r0"_s };
        QTest::newRow("sharp s") << SelectorLists { { T(u"STRASSE"_s) },
                                                    { T(u"stra\u00dfe"_s) },
                                                    { T(u"STRA\u1e9eE"_s) } }
                                 << ElementChain { el(u"Stra\u00dfe"_s) } << QStringList { u"r2"_s, u"r1"_s };
        QTest::newRow("dotted capital I")
            << SelectorLists { { T(u"\u0130"_s) }, { T(u"i"_s) }, { T(u"I"_s) }, { T(u"\u0131"_s) } }
            << ElementChain { el(u"i"_s) } << QStringList { u"r2"_s, u"r1"_s };
        QTest::newRow("dotted capital I queried")
            << SelectorLists { { T(u"\u0130"_s) }, { T(u"i"_s) }, { T(u"i\u0307"_s) } }
            << ElementChain { el(u"\u0130"_s) } << QStringList { u"r0"_s };
        QTest::newRow("beyond the basic plane")
            << SelectorLists { { T(u"\U00010400x"_s) }, { T(u"\U00010428X"_s) }, { T(u"\U00010401x"_s) } }
            << ElementChain { el(u"\U00010428x"_s) } << QStringList { u"r1"_s, u"r0"_s };
        QTest::newRow("hint carried twice")
            << SelectorLists { { H(u"Flat"_s) }, { H(u"round"_s) }, { T(u"B"_s), H(u"flat"_s), H(u"x"_s) } }
            << ElementChain { el(u"B"_s, {}, { u"flat"_s, u"x"_s, u"FLAT"_s }) } << QStringList { u"r2"_s, u"r0"_s };
        QTest::newRow("universal and empty")
            << SelectorLists { {}, { any() }, { T(QString()) }, { I(QString()), any() }, { H(QString()) } }
            << ElementChain { el(u"B"_s) } << QStringList { u"r1"_s, u"r0"_s };
        QTest::newRow("invalid selectors")
            << SelectorLists { { Selector(), T(u"B"_s) }, { T(u"B"_s), Selector() }, { T(u"B"_s) } }
            << ElementChain { el(u"B"_s) } << QStringList { u"r2"_s };
        QTest::newRow("combinators at the ends")
            << SelectorLists { { T(u"A"_s), child() },
                               { T(u"A"_s), descendant() },
                               { child(), T(u"B"_s) },
                               { descendant(), T(u"B"_s) },
                               { child() } }
            << ElementChain { el(u"A"_s), el(u"B"_s) } << QStringList { u"r3"_s, u"r2"_s };
        QTest::newRow("ancestors decide") << SelectorLists { { T(u"A"_s), descendant(), T(u"B"_s) },
                                                             { I(u"a"_s), child(), T(u"B"_s) },
                                                             { T(u"X"_s), child(), H(u"h"_s) },
                                                             { T(u"A"_s), descendant(), H(u"h"_s) } }
                                          << ElementChain { el(u"A"_s, u"a"_s), el(u"X"_s), el(u"B"_s, {}, { u"h"_s }) }
                                          << QStringList { u"r3"_s, u"r2"_s, u"r0"_s };
        QTest::newRow("states and attributes only")
            << SelectorLists { { stateSelector(Element::State::Hovered) },
                               { attributeEquals(u"side"_s, u"TOP"_s) },
                               { T(u"B"_s), stateSelector(Element::State::Pressed) } }
            << ElementChain { [] {
                   auto e = el(u"B"_s, {}, {}, Element::State::Hovered);
                   e->setAttribute(u"side"_s, u"top"_s);
                   return e;
               }() }
            << QStringList { u"r1"_s, u"r0"_s };
        QTest::newRow("weights, then the later rule")
            << SelectorLists { { T(u"B"_s) }, { H(u"h"_s) }, { T(u"B"_s) }, { I(u"b"_s) }, { H(u"h"_s) } }
            << ElementChain { el(u"B"_s, u"b"_s, { u"h"_s }) }
            << QStringList { u"r3"_s, u"r4"_s, u"r1"_s, u"r2"_s, u"r0"_s };
        QTest::newRow("null queried element") << SelectorLists { {}, { any() }, { T(u"B"_s) }, { child(), any() } }
                                              << ElementChain { el(u"A"_s), nullptr } << QStringList { u"r0"_s };
        QTest::newRow("empty chain") << SelectorLists { {}, { any() }, { T(u"B"_s) } } << ElementChain {}
                                     << QStringList { u"r0"_s };
    }

    void againstFullWalk()
    {
        QFETCH(SelectorLists, rules);
        QFETCH(ElementChain, chain);
        QFETCH(QStringList, expected);

        auto s = style();
        for (qsizetype i = 0; i < rules.size(); ++i) {
            s->insert(rule(u"r%1"_s.arg(i), rules.at(i)));
        }
        QCOMPARE(fullWalk(*s, chain), expected);
        QCOMPARE(indexed(*s, chain), expected);
        // Asked again, now from the index built by the first question.
        QCOMPARE(indexed(*s, chain), expected);
    }

    // Rules and chains drawn from a small vocabulary with case variants, so
    // that many of them meet; then rules get other selectors and more rules
    // come, after the index was built.
    void randomAgainstFullWalk()
    {
        QRandomGenerator random(20240229);
        const QStringList words { u"Button"_s,      u"button"_s, u"BUTTON"_s, u"Label"_s, u"stra\u00dfe"_s,
                                  u"STRA\u1e9eE"_s, u"\u0130"_s, u"i"_s,      u"I"_s,     u"\U00010400"_s,
                                  u"\U00010428"_s,  u"flat"_s,   u"Flat"_s,   QString() };
        const auto word = [&] {
            return words.at(random.bounded(int(words.size())));
        };
        const auto simple = [&]() -> Selector {
            switch (random.bounded(9)) {
            case 0:
            case 1:
                return typeSelector(word());
            case 2:
                return idSelector(word());
            case 3:
            case 4:
                return hintSelector(word());
            case 5:
                return stateSelector(random.bounded(2) ? Element::State::Hovered : Element::State::Pressed);
            case 6:
                return any();
            case 7:
                return attributeEquals(u"k"_s, word());
            default:
                return random.bounded(8) == 0 ? Selector() : typeSelector(word());
            }
        };
        const auto selectors = [&] {
            SelectorList list;
            const int length = random.bounded(7);
            for (int i = 0; i < length; ++i) {
                const int pick = random.bounded(6);
                list.append(pick == 0 ? child() : pick == 1 ? descendant() : simple());
            }
            return list;
        };
        const auto chain = [&] {
            ElementChain result;
            const int length = 1 + random.bounded(4);
            for (int i = 0; i < length; ++i) {
                QStringList hints;
                for (int h = random.bounded(3); h > 0; --h) {
                    hints << word();
                }
                auto e = el(word(), word(), hints, random.bounded(2) ? Element::State::Hovered : Element::State {});
                if (random.bounded(3) == 0) {
                    e->setAttribute(u"k"_s, word());
                }
                result.append(e);
            }
            return result;
        };

        auto s = style();
        QList<std::shared_ptr<StyleRule>> rules;
        for (int i = 0; i < 3000; ++i) {
            rules.append(rule(u"r%1"_s.arg(i), selectors()));
            s->insert(rules.last());
        }
        int matched = 0;
        const auto compareAll = [&](int chains) {
            for (int i = 0; i < chains; ++i) {
                const ElementChain c = chain();
                const QStringList expected = fullWalk(*s, c);
                matched += int(expected.size());
                QCOMPARE(indexed(*s, c), expected);
            }
        };
        compareAll(150);
        QVERIFY(matched > 150);

        for (int i = 0; i < 300; ++i) {
            rules.at(random.bounded(int(rules.size())))->setSelectors(selectors());
        }
        compareAll(150);

        for (int i = 0; i < 200; ++i) {
            s->insert(rule(u"late%1"_s.arg(i), selectors()));
        }
        compareAll(150);
    }

    // The query category's trace names every rule, also those that the index
    // would never have tried.
    void traceWalksEveryRule()
    {
        auto s = style();
        s->insert(rule(u"a"_s, { typeSelector(u"A"_s) }));
        s->insert(rule(u"b"_s, { typeSelector(u"B"_s) }));
        s->insert(rule(u"id"_s, { idSelector(u"x"_s) }));
        const ElementChain chain { el(u"A"_s) };
        QCOMPARE(indexed(*s, chain), QStringList { u"a"_s });

        static QStringList trace;
        trace.clear();
        QLoggingCategory::setFilterRules(u"quilt.query.debug=true"_s);
        const QtMessageHandler previous = qInstallMessageHandler(
            [](QtMsgType, const QMessageLogContext&, const QString& message) { trace << message; });
        const QStringList matched = names(s->matches(chain));
        qInstallMessageHandler(previous);
        QLoggingCategory::setFilterRules(QString());
        QCOMPARE(matched, QStringList { u"a"_s });
        QCOMPARE(trace,
                 (QStringList { u"Matches selector \"SelectorList(Type(A))\""_s,
                                u"Does not match selectors \"SelectorList(Type(B))\""_s,
                                u"Does not match selectors \"SelectorList(Id(x))\""_s }));
    }

    // A rule that changes its selectors after the index filed it is found by
    // its new ones and no longer by its old ones.
    void selectorsChangedAfterIndexing()
    {
        auto s = style();
        auto moving = rule(u"moving"_s, { typeSelector(u"A"_s) });
        s->insert(moving);
        s->insert(rule(u"other"_s, { typeSelector(u"B"_s) }));
        const ElementChain a { el(u"A"_s) };
        const ElementChain b { el(u"B"_s) };
        QCOMPARE(indexed(*s, a), QStringList { u"moving"_s });

        moving->setSelectors({ typeSelector(u"b"_s) });
        QCOMPARE(indexed(*s, a), QStringList());
        QCOMPARE(indexed(*s, b), (QStringList { u"other"_s, u"moving"_s }));
    }
};

QTEST_GUILESS_MAIN(tst_RuleIndex)
#include "tst_ruleindex.moc"
