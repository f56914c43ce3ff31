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

// The key of the answer to a question: the style's serial and each element's
// description, folded in chain order. Only meaningful within one process.
size_t queryCacheKey(const Style& style, const ElementChain& elements);

} // namespace Quilt
