#pragma once

#include "elementquery.h"

#include "style.h"
#include "stylepropertygroup.h"
#include "stylerule.h"

#include <QList>

#include <memory>

namespace Quilt
{
class ElementQueryPrivate
{
public:
    std::shared_ptr<Style> style;
    ElementChain elements;
    // Of the last run that missed the cache.
    QList<std::shared_ptr<StyleRule>> matches;
    // Null when nothing matched.
    std::shared_ptr<Properties::StylePropertyGroup> properties;
};

} // namespace Quilt
