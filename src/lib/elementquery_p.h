#pragma once

#include "elementquery.h"

#include "style.h"
#include "stylepropertygroup.h"
#include "stylerule.h"

#include <QList>

#include <atomic>
#include <memory>

namespace Quilt
{
// How many questions the element queries of the process were asked, and how
// many of those missed the result cache and ran the matching. The widget
// benchmark reads them in every build, not only in one with tests.
QUILT_EXPORT quint64 elementQueriesExecuted();
QUILT_EXPORT quint64 elementQueriesMatched();

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
