#include "ruleindex_p.h"

#include "element_p.h"
#include "selector_p.h"
#include "stylerule_p.h"

#include <algorithm>
#include <atomic>
#include <bit>
#include <utility>

namespace Quilt
{
namespace
{
// Bumped whenever a filed rule gets other selectors; every index built before
// then is rebuilt on its next use. Rules change their selectors while a style
// is loaded, before it is queried, so this hardly ever happens afterwards.
std::atomic<quint64> s_generation { 1 };

// The selector of the last compound that the index files the rule under,
// together with its kind: the compound's id, else its type, else its first
// hint. Null when the compound asks for none of them, or when there is no
// last compound (an empty list, or one that ends with a combinator).
struct KeySelector
{
    const QString* text = nullptr;
    int rank = 0;
};

KeySelector keySelector(const SelectorList& selectors)
{
    KeySelector best;
    for (qsizetype i = selectors.size() - 1; i >= 0; --i) {
        const Selector& selector = selectors.at(i);
        if (selector.isCombinator()) {
            break;
        }
        const QString* text = detail::SelectorAccess::text(selector);
        // An empty value never matches, so it cannot key the rule.
        if (!text || text->isEmpty()) {
            continue;
        }
        int rank = 0;
        switch (selector.type()) {
        case SelectorType::Id:
            rank = 3;
            break;
        case SelectorType::Type:
            rank = 2;
            break;
        case SelectorType::Hint:
            rank = 1;
            break;
        default:
            break;
        }
        // Left to right among equals: the first hint as written.
        if (rank >= best.rank) {
            best = { text, rank };
        }
    }
    return best;
}
} // namespace

void RuleIndex::selectorsChanged()
{
    s_generation.fetch_add(1, std::memory_order_relaxed);
}

quint64 RuleIndex::key(KeyKind kind, QStringView text)
{
    // FNV-1a over the folded code units. Surrogates all count alike: what
    // decides whether two strings compare equal lies in their folded code
    // points, and equal strings must share a key, nothing more.
    quint64 hash = 0xcbf29ce484222325ULL ^ quint64(kind);
    for (const QChar unit : text) {
        const quint64 folded = unit.isSurrogate() ? 0xd800 : quint64(QChar::toCaseFolded(char32_t(unit.unicode())));
        hash = (hash ^ folded) * 0x100000001b3ULL;
    }
    return hash;
}

void RuleIndex::rebuild(const QList<std::shared_ptr<StyleRule>>& rules)
{
    m_generation = s_generation.load(std::memory_order_relaxed);
    m_ruleCount = rules.size();
    m_weights.clear();
    m_weights.reserve(size_t(rules.size()));
    m_buckets.clear();
    m_unkeyed.clear();
    m_candidates.assign(size_t((rules.size() + 63) / 64), 0);
    for (qsizetype i = 0; i < rules.size(); ++i) {
        StyleRulePrivate& rule = StyleRulePrivate::get(*rules.at(i));
        rule.indexed = true;
        m_weights.push_back(rule.selectors.weight());
        const KeySelector keyed = keySelector(rule.selectors);
        if (!keyed.text) {
            m_unkeyed.push_back(i);
            continue;
        }
        const KeyKind kind = keyed.rank == 3 ? KeyKind::Id : keyed.rank == 2 ? KeyKind::Type : KeyKind::Hint;
        m_buckets[key(kind, *keyed.text)].push_back(i);
    }
    m_valid = true;
}

void RuleIndex::mark(const std::vector<qsizetype>& rules)
{
    for (const qsizetype rule : rules) {
        m_candidates[size_t(rule) / 64] |= quint64(1) << (rule % 64);
    }
}

void RuleIndex::markBucket(KeyKind kind, QStringView text)
{
    if (text.isEmpty()) {
        return;
    }
    const auto bucket = m_buckets.constFind(key(kind, text));
    if (bucket != m_buckets.cend()) {
        mark(*bucket);
    }
}

void RuleIndex::matches(const QList<std::shared_ptr<StyleRule>>& rules, const ElementChain& chain,
                        QList<std::shared_ptr<StyleRule>>& result)
{
    if (!m_valid || m_ruleCount != rules.size() || m_generation != s_generation.load(std::memory_order_relaxed)) {
        rebuild(rules);
    }

    mark(m_unkeyed);
    // Only the rules keyed by what the queried element has can match it.
    if (const Element* queried = chain.isEmpty() ? nullptr : chain.last().get()) {
        const ElementPrivate& description = ElementPrivate::get(*queried);
        markBucket(KeyKind::Id, description.id);
        markBucket(KeyKind::Type, description.type);
        for (const QString& hint : description.hints) {
            markBucket(KeyKind::Hint, hint);
        }
    }

    // In insertion order, clearing the marks on the way.
    m_matched.clear();
    for (size_t word = 0; word < m_candidates.size(); ++word) {
        for (quint64 bits = std::exchange(m_candidates[word], 0); bits; bits &= bits - 1) {
            const qsizetype candidate = qsizetype(word * 64) + std::countr_zero(bits);
            if (StyleRulePrivate::get(*rules.at(candidate)).selectors.matches(chain)) {
                m_matched.push_back({ m_weights[size_t(candidate)], candidate });
            }
        }
    }
    // Heaviest first, and among equal weights the rule inserted later: the
    // order the stable sort of the full walk gives, without its buffer.
    std::sort(m_matched.begin(), m_matched.end(), [](const Match& a, const Match& b) {
        return a.weight != b.weight ? a.weight > b.weight : a.rule > b.rule;
    });
    result.reserve(result.size() + qsizetype(m_matched.size()));
    for (const Match& match : m_matched) {
        result.append(rules.at(match.rule));
    }
}

} // namespace Quilt
