#include "elementquery.h"
#include "elementquery_p.h"
#include "logging_p.h"
#include "lrucache.h"
#include "style_p.h"

#include <QHash>
#include <QHashSeed>

namespace Quilt
{
namespace
{
// Relaxed: counts only, read between paints; queries may run on any thread.
std::atomic<quint64> s_executed { 0 };
std::atomic<quint64> s_matched { 0 };

using QueryResultCache = LruCache<size_t, std::shared_ptr<Properties::StylePropertyGroup>, 500>;

QueryResultCache& queryResultCache()
{
    static QueryResultCache cache;
    return cache;
}

// The 64-bit integer mix used for hash values of integers.
constexpr quint64 mix(quint64 x)
{
    x ^= x >> 32;
    x *= 0xd6e8feb86659fd93ULL;
    x ^= x >> 32;
    x *= 0xd6e8feb86659fd93ULL;
    x ^= x >> 32;
    return x;
}

constexpr quint64 combine(quint64 seed, quint64 value)
{
    return seed ^ (mix(value) + 0x9e3779b9ULL + (seed << 6) + (seed >> 2));
}

// The key of the answer to a question: the style's serial and each element's
// description, folded in chain order. Only meaningful within one process.
size_t queryCacheKey(const Style& style, const ElementChain& elements)
{
    const size_t seed = QHashSeed::globalSeed();
    // Folded as it goes instead of collecting the hash values in a list first:
    // the same key without an allocation.
    quint64 key = combine(seed, qHash(styleSerial(style), 0));
    for (const auto& element : elements) {
        key = combine(key, element->cacheKey(seed));
    }
    return size_t(key);
}
} // namespace

quint64 elementQueriesExecuted()
{
    return s_executed.load(std::memory_order_relaxed);
}

quint64 elementQueriesMatched()
{
    return s_matched.load(std::memory_order_relaxed);
}

ElementQuery::ElementQuery(std::shared_ptr<Style> style)
    : d(std::make_unique<ElementQueryPrivate>())
{
    d->style = std::move(style);
}

ElementQuery::~ElementQuery() = default;

void ElementQuery::setElements(const ElementChain& elements)
{
    d->elements = elements;
}

ElementChain ElementQuery::elements() const
{
    return d->elements;
}

bool ElementQuery::execute()
{
    qCInfo(lcQuery) << "Trying to match" << d->elements;
    s_executed.fetch_add(1, std::memory_order_relaxed);

    if (!d->style) {
        qCInfo(lcQuery) << "No style to match against";
        d->properties.reset();
        return false;
    }

    // A chain is described by its elements; a null one describes nothing, and
    // no answer is cached for it.
    for (const auto& element : std::as_const(d->elements)) {
        if (!element) {
            qCWarning(lcQuery) << "Not matching a chain that holds a null element:" << d->elements;
            d->matches.clear();
            d->properties.reset();
            return false;
        }
    }

    QueryResultCache& cache = queryResultCache();
    const size_t key = queryCacheKey(*d->style, d->elements);
    if (auto cached = cache.get(key)) {
        qCInfo(lcQuery) << "Matched from cache";
        d->properties = std::move(*cached);
        return d->properties != nullptr;
    }

    s_matched.fetch_add(1, std::memory_order_relaxed);
    d->matches = d->style->matches(d->elements);
    if (d->matches.isEmpty()) {
        qCInfo(lcQuery) << "Did not match any style rules!";
        d->properties.reset();
        cache.put(key, nullptr);
        return false;
    }

    qCInfo(lcQuery) << "Matched style rules:";
    for (const auto& rule : std::as_const(d->matches)) {
        qCInfo(lcQuery) << rule;
    }

    auto properties = std::make_shared<Properties::StylePropertyGroup>();
    for (const auto& rule : std::as_const(d->matches)) {
        // First value wins: the heaviest rule decides, and among equals the one
        // inserted last.
        Properties::StylePropertyGroup::resolveProperties(rule->properties(), properties.get());
    }
    d->properties = properties;
    cache.put(key, std::move(properties));
    return true;
}

bool ElementQuery::hasMatches() const
{
    return d->properties != nullptr;
}

Properties::StylePropertyGroup* ElementQuery::properties() const
{
    return d->properties.get();
}

std::shared_ptr<const Properties::StylePropertyGroup> ElementQuery::sharedProperties() const
{
    return d->properties;
}

} // namespace Quilt
