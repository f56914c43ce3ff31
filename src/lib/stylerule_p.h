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
};
} // namespace Quilt
