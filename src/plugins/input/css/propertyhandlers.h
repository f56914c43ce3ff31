#pragma once

// The property handlers: each turns one property of a rule into values of the
// rule's style group. The dispatcher (CssLoader::parseProperties) picks the
// handler by the property's name.

#include <cssweave.h>

namespace Quilt::Properties
{
class StylePropertyGroup;
class LayoutPropertyGroup;
class TextPropertyGroup;
class IconPropertyGroup;
} // namespace Quilt::Properties

namespace Quilt::Css
{
class CssLoader;

// "visibility", "opacity".
void parseDisplayProperty(Properties::StylePropertyGroup& style, const cssparser::Property& property);
// "width", "height", "spacing", "padding...", "inset...", "margin...", "layout...".
void parseLayoutProperty(Properties::StylePropertyGroup& style, const cssparser::Property& property);
// "background..."; image urls resolve against the loader's main style sheet.
void parseBackgroundProperty(const CssLoader& loader, Properties::StylePropertyGroup& style,
                             const cssparser::Property& property);
// "border...", corner radii included.
void parseBorderProperty(Properties::StylePropertyGroup& style, const cssparser::Property& property);
// "outline...".
void parseOutlineProperty(Properties::StylePropertyGroup& style, const cssparser::Property& property);
// "text...", "font...", "color".
void parseTextProperty(Properties::StylePropertyGroup& style, const cssparser::Property& property);
// "icon...", "color".
void parseIconProperty(Properties::StylePropertyGroup& style, const cssparser::Property& property);
// "shadow...", "box-shadow...".
void parseShadowProperty(Properties::StylePropertyGroup& style, const cssparser::Property& property);

// The alignment of a layout, text or icon group, from a property whose name
// the caller has matched ("layout-alignment...", "text-alignment...",
// "icon-alignment..."); only the end of the name is read here.
template<typename Owner> void parseAlignmentProperty(Owner& owner, const cssparser::Property& property);

extern template void parseAlignmentProperty<Properties::LayoutPropertyGroup>(Properties::LayoutPropertyGroup&,
                                                                             const cssparser::Property&);
extern template void parseAlignmentProperty<Properties::TextPropertyGroup>(Properties::TextPropertyGroup&,
                                                                           const cssparser::Property&);
extern template void parseAlignmentProperty<Properties::IconPropertyGroup>(Properties::IconPropertyGroup&,
                                                                           const cssparser::Property&);

} // namespace Quilt::Css
