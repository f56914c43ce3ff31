#pragma once

#include <QVariant>

namespace Quilt
{
// Whether an element's attribute equals a selector's value. Text compares
// as text without regard to case, but only with a value that has a text
// form: a colour or a path has none (its toString() is empty), and must not
// equal every empty text. Other types compare in their own type.
bool attributeValueEquals(const QVariant& attribute, const QVariant& value);
} // namespace Quilt
