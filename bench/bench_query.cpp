#include <QTest>

#include <array>
#include <memory>

#include "elementquery.h"
#include "lrucache.h"
#include "selector.h"
#include "style.h"
#include "stylepropertygroup.h"
#include "stylerule.h"

using namespace Quilt;
using namespace Quilt::detail;
using namespace Qt::StringLiterals;

namespace
{
const std::array<QString, 12> s_types
    = { u"Window"_s,    u"Frame"_s,  u"ToolBar"_s, u"Button"_s, u"Label"_s, u"CheckBox"_s,
        u"ScrollBar"_s, u"Slider"_s, u"TabBar"_s,  u"Tab"_s,    u"Menu"_s,  u"MenuItem"_s };
const std::array<QString, 4> s_hints = { u"flat"_s, u"default"_s, u"vertical"_s, u"checkable"_s };
const std::array<Element::State, 4> s_states
    = { Element::State::Hovered, Element::State::Pressed, Element::State::Checked, Element::State::Disabled };

Selector type(const QString& value)
{
    return Selector(std::make_shared<const SelectorPrivateModel<SelectorType::Type, QString>>(value));
}
Selector hint(const QString& value)
{
    return Selector(std::make_shared<const SelectorPrivateModel<SelectorType::Hint, QString>>(value));
}
Selector state(Element::State value)
{
    return Selector(std::make_shared<const SelectorPrivateModel<SelectorType::State, Element::State>>(value));
}
Selector id(const QString& value)
{
    return Selector(std::make_shared<const SelectorPrivateModel<SelectorType::Id, QString>>(value));
}
Selector descendant()
{
    return Selector(std::make_shared<const SelectorPrivateModel<SelectorType::Descendant, Empty>>(Empty {}));
}
Selector child()
{
    return Selector(std::make_shared<const SelectorPrivateModel<SelectorType::Child, Empty>>(Empty {}));
}

// Selectors of the shapes a style sheet uses, cycling through the element
// types, hints and states so that a fair share of them matches the chains below.
SelectorList selectorsFor(int i)
{
    const QString& t = s_types[i % s_types.size()];
    const QString& parent = s_types[(i / 3) % s_types.size()];
    const QString& h = s_hints[(i / 5) % s_hints.size()];
    const Element::State s = s_states[(i / 7) % s_states.size()];
    switch (i % 7) {
    case 0:
        return { type(t) };
    case 1:
        return { type(t), hint(h) };
    case 2:
        return { type(t), state(s) };
    case 3:
        return { type(parent), descendant(), type(t) };
    case 4:
        return { type(parent), descendant(), type(t), hint(h), state(s) };
    case 5:
        return { type(parent), child(), type(t), state(s) };
    default:
        return { type(u"Window"_s), descendant(), type(parent), descendant(), id(u"item%1"_s.arg(i % 50)) };
    }
}

std::shared_ptr<Style> makeStyle(int ruleCount)
{
    auto style = Style::create("/bench/styles/bench", nullptr);
    for (int i = 0; i < ruleCount; ++i) {
        auto rule = StyleRule::create();
        rule->setSelectors(selectorsFor(i));
        auto properties = std::make_unique<Properties::StylePropertyGroup>();
        auto layout = std::make_unique<Properties::LayoutPropertyGroup>();
        layout->setWidth(double(i % 40));
        if (i % 3 == 0) {
            layout->setSpacing(double(i % 8));
        }
        properties->setLayout(std::move(layout));
        if (i % 4 == 0) {
            auto display = std::make_unique<Properties::DisplayPropertyGroup>();
            display->setOpacity(0.5);
            properties->setDisplay(std::move(display));
        }
        rule->setProperties(std::move(properties));
        style->insert(rule);
    }
    return style;
}

// Window > Frame > ToolBar > Button and so on, each element with a hint or a
// state now and then, the way the front ends describe widgets.
ElementChain makeChain(int length)
{
    ElementChain chain;
    for (int i = 0; i < length; ++i) {
        auto element = Element::create();
        element->setType(s_types[i % s_types.size()]);
        if (i % 2 == 1) {
            element->setHints({ s_hints[i % s_hints.size()] });
        }
        if (i == length - 1) {
            element->setId(u"item7"_s);
            element->setStates(Element::State::Hovered | Element::State::Checked);
            element->setAttribute(u"position"_s, u"top"_s);
        }
        chain.append(element);
    }
    return chain;
}
} // namespace

class bench_Query : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void queryHit_data()
    {
        QTest::addColumn<int>("chainLength");
        QTest::newRow("1 element") << 1;
        QTest::newRow("4 elements") << 4;
        QTest::newRow("8 elements") << 8;
    }

    void queryHit()
    {
        QFETCH(int, chainLength);
        ElementQuery query(makeStyle(1000));
        query.setElements(makeChain(chainLength));
        query.execute();

        QBENCHMARK
        {
            query.execute();
        }
        QVERIFY(query.hasMatches());
    }

    void queryMiss_data()
    {
        QTest::addColumn<int>("ruleCount");
        QTest::newRow("100 rules") << 100;
        QTest::newRow("1000 rules") << 1000;
        QTest::newRow("3000 rules") << 3000;
    }

    void queryMiss()
    {
        QFETCH(int, ruleCount);
        ElementQuery query(makeStyle(ruleCount));
        const ElementChain chain = makeChain(4);
        query.setElements(chain);
        const std::shared_ptr<Element>& queried = chain.last();

        // A fresh attribute value gives a fresh key, so every run misses.
        qint64 serial = 0;
        QBENCHMARK
        {
            queried->setAttribute(u"serial"_s, ++serial);
            query.execute();
        }
        QVERIFY(query.hasMatches());
    }

    void lruChurn()
    {
        LruCache<size_t, std::shared_ptr<int>, 500> cache;
        const auto value = std::make_shared<int>(1);
        size_t key = 0;
        QBENCHMARK
        {
            // Past the capacity from the 501st store on: each store drops one.
            cache.put(key++, value);
        }
        QVERIFY(cache.size() <= 500);
    }

    void lruHit()
    {
        LruCache<size_t, std::shared_ptr<int>, 500> cache;
        for (size_t key = 0; key < 500; ++key) {
            cache.put(key, std::make_shared<int>(int(key)));
        }
        size_t key = 0;
        QBENCHMARK
        {
            // Cycling through every key keeps moving the oldest to the front.
            cache.get(key);
            key = (key + 1) % 500;
        }
    }
};

QTEST_GUILESS_MAIN(bench_Query)
#include "bench_query.moc"
