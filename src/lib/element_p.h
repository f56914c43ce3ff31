#pragma once

#include "element.h"

namespace Quilt
{
class ElementPrivate
{
public:
    QString type;
    QString id;
    Element::States states;
    Element::ColorSet colorSet = Element::ColorSet::None;
    QStringList hints;
    QVariantMap attributes;
};
} // namespace Quilt
