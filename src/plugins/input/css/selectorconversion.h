#pragma once

#include "selector.h"

#include <cssweave.h>

#include <QVariant>

#include <memory>

namespace Quilt::Css
{
// The engine's selector for one part of a style sheet selector; invalid for
// a part the engine cannot match (pseudo-elements, functions, siblings) or
// that lacks what its kind needs.
Selector convertSelector(const cssparser::SelectorPart& part);

// A selector of the given kind over a model made here, in the plug-in.
template<SelectorType Kind, typename Data> Selector makeSelector(Data data)
{
    return Selector(std::shared_ptr<const detail::SelectorPrivateConcept>(
        std::make_shared<const detail::SelectorPrivateModel<Kind, Data>>(std::move(data))));
}

// What an attribute's value compares against: a float for a dimension (its
// number in px, else 0), a QString, an int, a Quilt::Color or a
// std::filesystem::path (empty for a separator); null for anything else.
QVariant variantFromValue(const cssparser::Value& value);
} // namespace Quilt::Css
