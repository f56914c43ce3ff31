#include <QLoggingCategory>
#include <QRegularExpression>
#include <QTest>

#include <cstddef>
#include <new>

#include "elementquery.h"
#include "style_p.h"
#include "stylefixture.h"

using namespace Quilt;
using namespace Qt::StringLiterals;
using namespace StyleFixture;

namespace
{
// Hands every allocation the same storage, so that a style made after another
// one was freed is certain to sit at the freed style's address.
alignas(std::max_align_t) unsigned char s_slot[4096];

template<typename T> struct SameSlotAllocator
{
    using value_type = T;

    SameSlotAllocator() = default;
    template<typename U> SameSlotAllocator(const SameSlotAllocator<U>&) { }

    T* allocate(std::size_t n)
    {
        Q_ASSERT(n * sizeof(T) <= sizeof(s_slot));
        return reinterpret_cast<T*>(s_slot);
    }
    void deallocate(T*, std::size_t) { }

    template<typename U> bool operator==(const SameSlotAllocator<U>&) const { return true; }
};

std::shared_ptr<Style> styleWithRules(const QList<std::shared_ptr<StyleRule>>& rules)
{
    auto result = style();
    for (const auto& r : rules) {
        result->insert(r);
    }
    return result;
}

// Window > Button#ok (Hovered, hints flat and default, attribute position=top)
ElementChain buttonChain()
{
    auto button = element(u"Button"_s, { u"flat"_s, u"default"_s }, Element::State::Hovered);
    button->setId(u"ok"_s);
    button->setAttribute(u"position"_s, u"top"_s);
    return { element(u"Window"_s), button };
}

const Properties::StylePropertyGroup* run(const std::shared_ptr<Style>& s, const ElementChain& chain)
{
    ElementQuery query(s);
    query.setElements(chain);
    query.execute();
    // Kept alive by the cache, which is all these tests compare.
    return query.properties();
}

enum class Variation
{
    None,
    ColorSet,
    HintOrder,
    Attribute,
    States,
    Id,
    ChainOrder,
    OtherStyle,
};
} // namespace

using RuleList = QList<std::shared_ptr<StyleRule>>;
Q_DECLARE_METATYPE(RuleList)
Q_DECLARE_METATYPE(Variation)

class tst_ElementQuery : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init() { QLoggingCategory::setFilterRules(QString()); }

    void merge_data();
    void merge();
    void cacheHitSharesTheGroup();
    void cacheKey_data();
    void cacheKey();
    void noMatchIsCachedToo();
    void successorAtSameAddress();
    void ruleInsertedAfterAQuery();
    void nullStyle();
    void nullElementInChain_data();
    void nullElementInChain();
    void sharedResultOutlivesEviction();
};

void tst_ElementQuery::merge_data()
{
    QTest::addColumn<RuleList>("rules");
    QTest::addColumn<QVariant>("width");
    QTest::addColumn<QVariant>("opacity");

    const auto button = [] {
        return SelectorList { typeSelector(u"Button"_s) };
    };

    QTest::newRow("later of equal weight decides")
        << RuleList { rule(u"a"_s, button(), group(1)), rule(u"b"_s, button(), group(2)) } << QVariant(2.0)
        << QVariant();
    QTest::newRow("heavier decides over later")
        << RuleList { rule(u"a"_s, { idSelector(u"ok"_s) }, group(5)), rule(u"b"_s, button(), group(2)) }
        << QVariant(5.0) << QVariant();
    QTest::newRow("values of several rules combine")
        << RuleList { rule(u"a"_s, button(), group(1)),
                      rule(u"b"_s, { typeSelector(u"Button"_s), hintSelector(u"flat"_s) }, group({}, 0.5)),
                      rule(u"c"_s, { hintSelector(u"default"_s) }, group(7, 0.25)) }
        << QVariant(7.0) << QVariant(0.5);
    QTest::newRow("non-matching rule adds nothing")
        << RuleList { rule(u"a"_s, button(), group({}, 1)), rule(u"b"_s, { typeSelector(u"Label"_s) }, group(9)) }
        << QVariant() << QVariant(1.0);
    QTest::newRow("matching rule without a group") << RuleList { rule(u"a"_s, button()) } << QVariant() << QVariant();
}

void tst_ElementQuery::merge()
{
    QFETCH(RuleList, rules);
    QFETCH(QVariant, width);
    QFETCH(QVariant, opacity);

    ElementQuery query(styleWithRules(rules));
    query.setElements(buttonChain());
    QVERIFY(query.execute());
    QVERIFY(query.hasMatches());

    const Properties::StylePropertyGroup* result = query.properties();
    QVERIFY(result);
    const auto layoutWidth = result->layout() ? result->layout()->width() : std::nullopt;
    const auto displayOpacity = result->display() ? result->display()->opacity() : std::nullopt;
    QCOMPARE(layoutWidth ? QVariant(*layoutWidth) : QVariant(), width);
    QCOMPARE(displayOpacity ? QVariant(*displayOpacity) : QVariant(), opacity);
    // The rules' own groups are never written to.
    QVERIFY(rules.first()->properties() != result);
}

void tst_ElementQuery::cacheHitSharesTheGroup()
{
    auto s = styleWithRules({ rule(u"a"_s, { typeSelector(u"Button"_s) }, group(4)) });

    ElementQuery first(s);
    first.setElements(buttonChain());
    QVERIFY(first.execute());

    QLoggingCategory::setFilterRules(u"quilt.query.info=true"_s);
    QTest::ignoreMessage(QtInfoMsg, "Matched from cache");
    ElementQuery second(s);
    second.setElements(buttonChain());
    QVERIFY(second.execute());
    QCOMPARE(second.properties(), first.properties());
    QCOMPARE(second.sharedProperties().get(), first.properties());
}

void tst_ElementQuery::cacheKey_data()
{
    QTest::addColumn<Variation>("variation");
    QTest::addColumn<bool>("shared");

    QTest::newRow("equal descriptions") << Variation::None << true;
    QTest::newRow("colour set is not part of the key") << Variation::ColorSet << true;
    QTest::newRow("hint order") << Variation::HintOrder << false;
    QTest::newRow("attribute value") << Variation::Attribute << false;
    QTest::newRow("states") << Variation::States << false;
    QTest::newRow("id") << Variation::Id << false;
    QTest::newRow("chain order") << Variation::ChainOrder << false;
    QTest::newRow("another style with equal rules") << Variation::OtherStyle << false;
}

void tst_ElementQuery::cacheKey()
{
    QFETCH(Variation, variation);
    QFETCH(bool, shared);

    // Matches every chain, so every key gets a group of its own.
    const auto makeStyle = [] {
        return styleWithRules({ rule(u"any"_s, {}, group(1)) });
    };
    auto s = makeStyle();
    auto other = s;

    ElementChain chain = buttonChain();
    ElementChain varied = buttonChain();
    Element& button = *varied.last();
    switch (variation) {
    case Variation::None:
        break;
    case Variation::ColorSet:
        button.setColorSet(Element::ColorSet::Selection);
        break;
    case Variation::HintOrder:
        button.setHints({ u"default"_s, u"flat"_s });
        break;
    case Variation::Attribute:
        button.setAttribute(u"position"_s, u"bottom"_s);
        break;
    case Variation::States:
        button.setStates(Element::State::Hovered | Element::State::Pressed);
        break;
    case Variation::Id:
        button.setId(u"cancel"_s);
        break;
    case Variation::ChainOrder:
        std::swap(varied.first(), varied.last());
        break;
    case Variation::OtherStyle:
        other = makeStyle();
        break;
    }

    const auto* a = run(s, chain);
    const auto* b = run(other, varied);
    QVERIFY(a && b);
    QCOMPARE(a == b, shared);

    // Changing an element in place is seen by the next query too.
    if (variation == Variation::ColorSet) {
        chain.last()->setColorSet(Element::ColorSet::Tooltip);
        QCOMPARE(run(s, chain), a);
    }
}

void tst_ElementQuery::noMatchIsCachedToo()
{
    auto s = styleWithRules({ rule(u"label"_s, { typeSelector(u"Label"_s) }, group(1)) });
    ElementQuery query(s);
    query.setElements(buttonChain());

    QLoggingCategory::setFilterRules(u"quilt.query.info=true"_s);
    QTest::ignoreMessage(QtInfoMsg, "Did not match any style rules!");
    QVERIFY(!query.execute());
    QVERIFY(!query.properties());
    QVERIFY(!query.hasMatches());

    QTest::ignoreMessage(QtInfoMsg, "Matched from cache");
    QVERIFY(!query.execute());
    QVERIFY(!query.properties());
    QVERIFY(!query.sharedProperties());
}

void tst_ElementQuery::successorAtSameAddress()
{
    const auto makeStyle = [](double width) {
        auto dd = std::make_unique<StylePrivate>();
        dd->path = "/styles/slot";
        auto result = std::allocate_shared<Style>(SameSlotAllocator<Style>(), std::move(dd));
        result->insert(rule(u"r"_s, { typeSelector(u"Button"_s) }, group(width)));
        return result;
    };

    const void* firstAddress = nullptr;
    {
        auto first = makeStyle(1);
        firstAddress = first.get();
        const auto* answer = run(first, buttonChain());
        QVERIFY(answer);
        QCOMPARE(answer->layout()->width(), std::optional<double>(1));
    }

    auto successor = makeStyle(2);
    QCOMPARE(static_cast<const void*>(successor.get()), firstAddress);
    const auto* answer = run(successor, buttonChain());
    QVERIFY(answer);
    QCOMPARE(answer->layout()->width(), std::optional<double>(2));
}

// A rule added once the style has answered is part of its next answer, not
// hidden behind the cached one.
void tst_ElementQuery::ruleInsertedAfterAQuery()
{
    auto s = styleWithRules({ rule(u"first"_s, { typeSelector(u"Button"_s) }, group(1)) });
    const auto* before = run(s, buttonChain());
    QVERIFY(before);
    QCOMPARE(before->layout()->width(), std::optional<double>(1));

    s->insert(rule(u"later"_s, { typeSelector(u"Button"_s) }, group(2)));
    const auto* after = run(s, buttonChain());
    QVERIFY(after);
    QCOMPARE(after->layout()->width(), std::optional<double>(2));
}

void tst_ElementQuery::nullStyle()
{
    ElementQuery query(nullptr);
    query.setElements(buttonChain());
    QVERIFY(!query.execute());
    QVERIFY(!query.hasMatches());
    QVERIFY(!query.properties());
    QVERIFY(!query.sharedProperties());
}

void tst_ElementQuery::nullElementInChain_data()
{
    QTest::addColumn<ElementChain>("chain");
    const ElementChain button = buttonChain();
    QTest::newRow("queried element") << ElementChain { button.first(), nullptr };
    QTest::newRow("ancestor") << ElementChain { nullptr, button.last() };
    QTest::newRow("only element") << ElementChain { nullptr };
}

void tst_ElementQuery::nullElementInChain()
{
    QFETCH(ElementChain, chain);
    // A rule without selectors matches every chain, but a chain with a hole
    // describes no element: nothing matches, and nothing is cached for it.
    auto s = styleWithRules({ rule(u"any"_s, {}, group(6, 0.75)) });
    ElementQuery query(s);
    query.setElements(buttonChain());
    QVERIFY(query.execute());
    query.setElements(chain);
    for (int run = 0; run < 2; ++run) {
        QTest::ignoreMessage(QtWarningMsg, QRegularExpression(u"^Not matching a chain that holds a null element"_s));
        QVERIFY(!query.execute());
        QVERIFY(!query.hasMatches());
        QVERIFY(!query.properties());
    }
}

void tst_ElementQuery::sharedResultOutlivesEviction()
{
    auto s = styleWithRules({ rule(u"any"_s, {}, group(6, 0.75)) });

    ElementQuery query(s);
    query.setElements(buttonChain());
    QVERIFY(query.execute());
    const std::shared_ptr<const Properties::StylePropertyGroup> kept = query.sharedProperties();
    QCOMPARE(kept.get(), query.properties());
    const Properties::StylePropertyGroup copy = *kept;

    // Enough other questions to push the answer out of the cache, asked
    // through the same query so that it lets go of the answer as well.
    for (int i = 0; i < 500; ++i) {
        auto e = element(u"Item"_s);
        e->setAttribute(u"index"_s, i);
        query.setElements({ e });
        QVERIFY(query.execute());
    }
    QVERIFY(query.properties() != kept.get());

    QVERIFY(*kept == copy);
    QCOMPARE(kept->layout()->width(), std::optional<double>(6));

    // Evicted indeed: asking again builds a new group.
    query.setElements(buttonChain());
    QVERIFY(query.execute());
    QVERIFY(query.properties() != kept.get());
    QVERIFY(*query.properties() == *kept);
}

QTEST_GUILESS_MAIN(tst_ElementQuery)
#include "tst_elementquery.moc"
