// Empty handlers that keep the plug-in linking until each handler's own file
// exists. Remove a definition here when its real one lands.
#include "propertyhandlers.h"

#include "stylepropertygroup.h"

namespace Quilt::Css
{
using Properties::StylePropertyGroup;

void parseBackgroundProperty(const CssLoader&, StylePropertyGroup&, const cssparser::Property&)
{ }
void parseBorderProperty(StylePropertyGroup&, const cssparser::Property&)
{ }
void parseOutlineProperty(StylePropertyGroup&, const cssparser::Property&)
{ }
void parseShadowProperty(StylePropertyGroup&, const cssparser::Property&)
{ }

} // namespace Quilt::Css
