#include "stylerule.h"
#include "stylerule_p.h"

#include "ruleindex_p.h"

#include <QDebugStateSaver>

namespace Quilt
{
std::shared_ptr<StyleRule> StyleRule::create()
{
    return std::make_shared<StyleRule>(std::make_unique<StyleRulePrivate>());
}

StyleRule::StyleRule(std::unique_ptr<StyleRulePrivate>&& dd)
    : QObject(nullptr)
    , d(std::move(dd))
{
    if (!d) {
        d = std::make_unique<StyleRulePrivate>();
    }
}

StyleRule::~StyleRule() = default;

SelectorList StyleRule::selectors() const
{
    return d->selectors;
}

void StyleRule::setSelectors(const SelectorList& selectors)
{
    d->selectors = selectors;
    if (d->indexed) {
        RuleIndex::selectorsChanged();
    }
}

Properties::StylePropertyGroup* StyleRule::properties() const
{
    return d->properties.get();
}

void StyleRule::setProperties(std::unique_ptr<Properties::StylePropertyGroup>&& properties)
{
    d->properties = std::move(properties);
}

bool StyleRule::isEmpty() const
{
    if (!d->selectors.isEmpty()) {
        return false;
    }
    return !d->properties || d->properties->isEmpty();
}

QDebug operator<<(QDebug debug, const std::shared_ptr<StyleRule>& rule)
{
    QDebugStateSaver saver(debug);
    debug.nospace() << "StyleRule(";
    if (rule) {
        debug << rule->selectors();
    }
    debug << ")";
    return debug;
}

} // namespace Quilt
