#include "stylerule.h"
#include "stylerule_p.h"

#include "logging_p.h"
#include "propertygroup_p.h"
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

void StyleRulePrivate::buildStoredGroup()
{
    const std::shared_ptr<StoredGroups> stored = std::move(storedGroups);
    detail::ByteReader reader(stored->bytes, storedOffset);
    std::unique_ptr<Properties::StylePropertyGroup> group;
    detail::GroupAccess::read(reader, group, &stored->colors);
    // The bytes were checked when the file was restored; this cannot fail
    // unless the checks and the reader disagree.
    if (!reader.ok()) {
        qCWarning(lcGeneral) << "Could not build the stored property group of rule" << selectors;
        return;
    }
    properties = std::move(group);
}

Properties::StylePropertyGroup* StyleRule::properties() const
{
    if (d->storedGroups) {
        d->buildStoredGroup();
    }
    return d->properties.get();
}

void StyleRule::setProperties(std::unique_ptr<Properties::StylePropertyGroup>&& properties)
{
    d->storedGroups.reset();
    d->properties = std::move(properties);
}

bool StyleRule::isEmpty() const
{
    if (!d->selectors.isEmpty()) {
        return false;
    }
    const Properties::StylePropertyGroup* group = properties();
    return !group || group->isEmpty();
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
