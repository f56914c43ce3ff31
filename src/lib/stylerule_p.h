#pragma once

#include "stylerule.h"

#include "color.h"
#include "streamreaders_p.h"
#include "stylepropertygroup.h"

#include <QByteArray>

namespace Quilt
{
// The bytes of a restored style cache file, shared by the rules whose groups
// are built from them on first use, with the colours met so far.
class StoredGroups
{
public:
    QByteArray bytes;
    detail::ColorPool colors;
};

class StyleRulePrivate
{
public:
    SelectorList selectors;
    std::unique_ptr<Properties::StylePropertyGroup> properties;
    // Whether some style's rule index has filed the rule by its selectors.
    bool indexed = false;
    // A group checked but not yet built, at this offset of the stored bytes.
    std::shared_ptr<StoredGroups> storedGroups;
    qint64 storedOffset = 0;

    void buildStoredGroup();

    static StyleRulePrivate& get(const StyleRule& rule) { return *rule.d; }
};
} // namespace Quilt
