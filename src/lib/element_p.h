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

    // The serialized key of the fields above and the last (seed, key) pair
    // computed from it: queries ask for the key of every element of a chain,
    // also on a hit. Dropped whenever a change is announced.
    mutable QByteArray keyBytes;
    mutable bool hasKeyBytes = false;
    mutable bool hasLastKey = false;
    mutable size_t lastSeed = 0;
    mutable size_t lastKey = 0;

    // For the selectors, which read the fields on every query that misses.
    static const ElementPrivate& get(const Element& element) { return *element.d; }

    void dropKey()
    {
        keyBytes.clear();
        hasKeyBytes = false;
        hasLastKey = false;
    }
};
} // namespace Quilt
