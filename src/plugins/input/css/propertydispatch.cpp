#include "cssloader.h"
#include "propertyhandlers.h"
#include "propertyhelpers.h"

#include "stylepropertygroup.h"

namespace Quilt::Css
{
using Properties::StylePropertyGroup;

namespace
{
using Case = PropertyCase<const CssLoader&, StylePropertyGroup&, const cssparser::Property&>;

// Handlers that need no loader, in the shape of the table's actions.
template<void (*Handler)(StylePropertyGroup&, const cssparser::Property&)>
void without(const CssLoader&, StylePropertyGroup& style, const cssparser::Property& property)
{
    Handler(style, property);
}

// The order decides: the first case that accepts a name handles it.
const std::array<Case, 15>& dispatchTable()
{
    static const std::array<Case, 15> table { {
        { PropertyMatcher::list({ QStringLiteral("visibility"), QStringLiteral("opacity") }),
          without<parseDisplayProperty> },
        { PropertyMatcher::list({ QStringLiteral("width"), QStringLiteral("height"), QStringLiteral("spacing") }),
          without<parseLayoutProperty> },
        { PropertyMatcher::prefix(QStringLiteral("padding")), without<parseLayoutProperty> },
        { PropertyMatcher::prefix(QStringLiteral("inset")), without<parseLayoutProperty> },
        { PropertyMatcher::prefix(QStringLiteral("margin")), without<parseLayoutProperty> },
        { PropertyMatcher::prefix(QStringLiteral("layout")), without<parseLayoutProperty> },
        { PropertyMatcher::prefix(QStringLiteral("background")), parseBackgroundProperty },
        { PropertyMatcher::prefix(QStringLiteral("border")), without<parseBorderProperty> },
        { PropertyMatcher::prefix(QStringLiteral("outline")), without<parseOutlineProperty> },
        { PropertyMatcher::prefix(QStringLiteral("text")), without<parseTextProperty> },
        { PropertyMatcher::prefix(QStringLiteral("font")), without<parseTextProperty> },
        { PropertyMatcher::prefix(QStringLiteral("icon")), without<parseIconProperty> },
        // "color" colours the text and the icon alike.
        { PropertyMatcher::exact(QStringLiteral("color")),
          [](const CssLoader&, StylePropertyGroup& style, const cssparser::Property& property) {
              parseTextProperty(style, property);
              parseIconProperty(style, property);
          } },
        { PropertyMatcher::prefix(QStringLiteral("shadow")), without<parseShadowProperty> },
        { PropertyMatcher::prefix(QStringLiteral("box-shadow")), without<parseShadowProperty> },
    } };
    return table;
}
} // namespace

void CssLoader::parseProperties(StylePropertyGroup& style, const std::vector<cssparser::Property>& properties) const
{
    for (const cssparser::Property& property : properties) {
        const QString name = propertyName(property);
        if (name.isEmpty()) {
            continue;
        }
        runFirstCase(dispatchTable(), name, *this, style, property);
    }
}

} // namespace Quilt::Css
