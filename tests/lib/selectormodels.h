#pragma once

#include <QString>
#include <QStringList>

#include "selector.h"

namespace SelectorModels
{
// One selector of each kind, made in this library: Type(a), Id(b), State(Hovered),
// Hint(c), AttributeExists(d), AttributeEquals(e, 1), AttributeSubstringMatch(f, g),
// AnyElement, Child, Descendant.
Q_DECL_EXPORT Quilt::SelectorList makeAll();

// Calls every operation of the models above directly, not through the virtual
// table, against `element`: one line per model.
Q_DECL_EXPORT QStringList describeAll(Quilt::Element* element);
} // namespace SelectorModels
