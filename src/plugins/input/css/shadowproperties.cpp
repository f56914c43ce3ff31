#include "propertyhandlers.h"
#include "propertyhelpers.h"

#include "offsetpropertygroup.h"
#include "shadowpropertygroup.h"
#include "stylepropertygroup.h"

namespace Quilt::Css
{
using Properties::OffsetPropertyGroup;
using Properties::ShadowPropertyGroup;
using Properties::StylePropertyGroup;

// Only the exact lower-case "box-shadow" is read; the dispatcher also sends
// "shadow..." and other spellings here, and those set nothing.
void parseShadowProperty(StylePropertyGroup& style, const cssparser::Property& property)
{
    if (property.name != "box-shadow") {
        return;
    }
    const cssparser::Value* first = valueAt(property, 0);
    if (!first) {
        return;
    }
    if (isKeyword(*first, QStringLiteral("none"))) {
        // An explicit empty shadow, which switches off the shadows of lighter rules.
        style.setShadow(ShadowPropertyGroup::empty());
        return;
    }
    // Horizontal and vertical offset, blur, size and colour: all five or nothing.
    if (property.values.size() < 5) {
        return;
    }

    GroupGuard shadow(style, &StylePropertyGroup::shadow, &StylePropertyGroup::setShadow);
    GroupGuard offset(*shadow, &ShadowPropertyGroup::offset, &ShadowPropertyGroup::setOffset);
    offset->setHorizontal(pixelLength(property.values[0]));
    offset->setVertical(pixelLength(property.values[1]));
    shadow->setBlur(pixelLength(property.values[2]));
    shadow->setSize(pixelLength(property.values[3]));
    shadow->setColor(colorFromValue(property.values[4]));
}

} // namespace Quilt::Css
