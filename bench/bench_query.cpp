#include <QTest>

#include <array>
#include <atomic>
#include <cstddef>
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

#if defined(__SANITIZE_ADDRESS__) || defined(__SANITIZE_THREAD__)
#define QUILT_BENCH_NO_ALLOCATION_COUNT
#elif defined(__has_feature)
#if __has_feature(address_sanitizer) || __has_feature(thread_sanitizer) || __has_feature(memory_sanitizer)
#define QUILT_BENCH_NO_ALLOCATION_COUNT
#endif
#endif

namespace
{
std::atomic<qint64> s_allocations { 0 };
} // namespace

#ifndef QUILT_BENCH_NO_ALLOCATION_COUNT
// Every heap allocation of the process, Qt's and the standard library's
// included, passes through these: glibc lets the program's own definitions
// stand in for its allocator entry points.
extern "C" {
void* __libc_malloc(size_t size);
void* __libc_calloc(size_t count, size_t size);
void* __libc_realloc(void* pointer, size_t size);
void* __libc_memalign(size_t alignment, size_t size);

void* malloc(size_t size)
{
    s_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_malloc(size);
}

void* calloc(size_t count, size_t size)
{
    s_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_calloc(count, size);
}

void* realloc(void* pointer, size_t size)
{
    s_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_realloc(pointer, size);
}

void* aligned_alloc(size_t alignment, size_t size)
{
    s_allocations.fetch_add(1, std::memory_order_relaxed);
    return __libc_memalign(alignment, size);
}
}
#endif

namespace
{
// The heap allocations made by `run`, or -1 where they cannot be counted.
template<typename F> qint64 allocationsOf(F&& run)
{
#ifdef QUILT_BENCH_NO_ALLOCATION_COUNT
    run();
    return -1;
#else
    const qint64 before = s_allocations.load(std::memory_order_relaxed);
    run();
    return s_allocations.load(std::memory_order_relaxed) - before;
#endif
}

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
// With `lastType`, the queried element's type is that one instead.
SelectorList selectorsFor(int i, const QString* lastType = nullptr)
{
    const QString& t = lastType ? *lastType : s_types[i % s_types.size()];
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

        constexpr int Runs = 1000;
        const qint64 allocations = allocationsOf([&] {
            for (int i = 0; i < Runs; ++i) {
                query.execute();
            }
        });
        // QBENCHMARK runs the whole function again until its figure is steady.
        static QByteArray reportedRow;
        if (allocations >= 0 && reportedRow != QTest::currentDataTag()) {
            reportedRow = QTest::currentDataTag();
            qInfo("%s heap allocations per hit", qPrintable(QString::number(double(allocations) / Runs)));
        }

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

        // The first query builds what the style keeps for later ones.
        query.execute();
        // A fresh attribute value gives a fresh key, so every run misses.
        qint64 serial = 0;
        QBENCHMARK
        {
            queried->setAttribute(u"serial"_s, ++serial);
            query.execute();
        }
        QVERIFY(query.hasMatches());
    }

    // Rules spread over many element types, about 80 per type, the way a style
    // for many kinds of widget is: a miss should cost far less than the number
    // of rules suggests.
    void queryMissSpread_data()
    {
        QTest::addColumn<int>("ruleCount");
        QTest::newRow("1000 rules") << 1000;
        QTest::newRow("3000 rules") << 3000;
        QTest::newRow("10000 rules") << 10000;
    }

    void queryMissSpread()
    {
        QFETCH(int, ruleCount);
        constexpr int RulesPerType = 80;
        const int typeCount = std::max(1, ruleCount / RulesPerType);
        auto style = Style::create("/bench/styles/spread", nullptr);
        for (int i = 0; i < ruleCount; ++i) {
            const QString typeName = u"T%1"_s.arg(i % typeCount);
            const SelectorList selectors = selectorsFor(i, &typeName);
            auto rule = StyleRule::create();
            rule->setSelectors(selectors);
            auto properties = std::make_unique<Properties::StylePropertyGroup>();
            auto layout = std::make_unique<Properties::LayoutPropertyGroup>();
            layout->setWidth(double(i % 40));
            properties->setLayout(std::move(layout));
            rule->setProperties(std::move(properties));
            style->insert(rule);
        }

        ElementQuery query(style);
        const ElementChain chain = makeChain(4);
        query.setElements(chain);
        const std::shared_ptr<Element>& queried = chain.last();
        queried->setType(u"T7"_s);
        query.execute();

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
