// Empty handlers that keep the plug-in linking until each handler's own file
// exists. Remove a definition here when its real one lands.
#include "propertyhandlers.h"

#include "iconpropertygroup.h"
#include "layoutpropertygroup.h"
#include "stylepropertygroup.h"
#include "textpropertygroup.h"

namespace Quilt::Css
{
using Properties::StylePropertyGroup;

void parseDisplayProperty(StylePropertyGroup&, const cssparser::Property&)
{ }
void parseLayoutProperty(StylePropertyGroup&, const cssparser::Property&)
{ }
void parseBackgroundProperty(const CssLoader&, StylePropertyGroup&, const cssparser::Property&)
{ }
void parseBorderProperty(StylePropertyGroup&, const cssparser::Property&)
{ }
void parseOutlineProperty(StylePropertyGroup&, const cssparser::Property&)
{ }
void parseTextProperty(StylePropertyGroup&, const cssparser::Property&)
{ }
void parseIconProperty(StylePropertyGroup&, const cssparser::Property&)
{ }
void parseShadowProperty(StylePropertyGroup&, const cssparser::Property&)
{ }

template<typename Owner> void parseAlignmentProperty(Owner&, const cssparser::Property&)
{ }
template void parseAlignmentProperty<Properties::LayoutPropertyGroup>(Properties::LayoutPropertyGroup&,
                                                                      const cssparser::Property&);
template void parseAlignmentProperty<Properties::TextPropertyGroup>(Properties::TextPropertyGroup&,
                                                                    const cssparser::Property&);
template void parseAlignmentProperty<Properties::IconPropertyGroup>(Properties::IconPropertyGroup&,
                                                                    const cssparser::Property&);
} // namespace Quilt::Css
