#pragma once

#include "element.h"
#include "stylerule.h"

#include <QHash>
#include <QList>

#include <memory>
#include <vector>

namespace Quilt
{
// The rules of a style filed by what their last compound asks of the queried
// element: its id, else its type, else one of its hints. A query then tries
// only the rules filed under the queried element's own id, type and hints,
// and the rules that ask for none of them. Keys are hashes of the value with
// its case folded as the selectors' comparison folds it, so that values that
// compare equal always meet; values that merely share a hash are sorted out
// by the matcher.
class RuleIndex
{
public:
    // Rebuilt on the next use.
    void invalidate() { m_valid = false; }

    // The rules that match the chain, in query order (heaviest first, among
    // equal weights the rule inserted last first), appended to `result`.
    void matches(const QList<std::shared_ptr<StyleRule>>& rules, const ElementChain& chain,
                 QList<std::shared_ptr<StyleRule>>& result);

    // Called when the selectors of a rule that some index holds change.
    static void selectorsChanged();

private:
    enum class KeyKind : quint8
    {
        Id = 1,
        Type,
        Hint,
    };

    static quint64 key(KeyKind kind, QStringView text);
    void rebuild(const QList<std::shared_ptr<StyleRule>>& rules);
    void mark(const std::vector<qsizetype>& rules);
    void markBucket(KeyKind kind, QStringView text);

    bool m_valid = false;
    quint64 m_generation = 0;
    qsizetype m_ruleCount = 0;
    // Per rule, in insertion order.
    std::vector<int> m_weights;
    // Rule positions in insertion order, per key.
    QHash<quint64, std::vector<qsizetype>> m_buckets;
    std::vector<qsizetype> m_unkeyed;

    // Reused by every query, so that a miss allocates nothing of its own:
    // one bit per rule marks the candidates, which then come out in
    // insertion order and each once.
    std::vector<quint64> m_candidates;
    struct Match
    {
        int weight;
        qsizetype rule;
    };
    std::vector<Match> m_matched;
};

} // namespace Quilt
