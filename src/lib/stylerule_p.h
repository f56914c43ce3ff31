#pragma once

#include "stylerule.h"

#include "stylepropertygroup.h"

namespace Quilt
{
class StyleRulePrivate
{
public:
    SelectorList selectors;
    std::unique_ptr<Properties::StylePropertyGroup> properties;
    // Whether some style's rule index has filed the rule by its selectors.
    bool indexed = false;

    static StyleRulePrivate& get(const StyleRule& rule) { return *rule.d; }
};
} // namespace Quilt
