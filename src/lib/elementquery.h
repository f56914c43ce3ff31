#pragma once

#include <memory>

#include "element.h"
#include "quiltglobal.h"

namespace Quilt
{
namespace Properties
{
class StylePropertyGroup;
}

class Style;
class ElementQueryPrivate;

// Resolves the properties a style gives an element chain: the matching rules,
// heaviest first, merged first value wins. Answers are shared through a
// process-wide cache, so a repeated question neither matches nor merges.
class QUILT_EXPORT ElementQuery
{
public:
    explicit ElementQuery(std::shared_ptr<Style> style);
    ~ElementQuery();

    ElementQuery(const ElementQuery&) = delete;
    ElementQuery& operator=(const ElementQuery&) = delete;

    // Outermost element first. The former result stays until execute().
    void setElements(const ElementChain& elements);
    ElementChain elements() const;

    // True when the chain matched at least one rule.
    bool execute();

    bool hasMatches() const;

    // The group is shared with the cache and other queries: read it only. It
    // stays valid while this query holds it, that is until the next execute().
    Properties::StylePropertyGroup* properties() const;
    // The same group, for callers that keep it past the next execute() or past
    // its eviction from the cache.
    std::shared_ptr<const Properties::StylePropertyGroup> sharedProperties() const;

private:
    std::unique_ptr<ElementQueryPrivate> d;
};

} // namespace Quilt
