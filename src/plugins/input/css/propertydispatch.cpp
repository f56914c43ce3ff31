#include "cssloader.h"
#include "propertyhandlers.h"
#include "propertyhelpers.h"

#include "csslogging_p.h"
#include "style.h"
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

// No property takes a list: a ',' or '/' among its values would be read as
// a value, as 0 or an invalid colour, and shift the values after it.
const cssparser::Value* separatorIn(const cssparser::Property& property)
{
    for (const cssparser::Value& value : property.values) {
        if (value.kind() == cssparser::ValueKind::Separator) {
            return &value;
        }
    }
    return nullptr;
}
} // namespace

void CssLoader::parseProperties(StylePropertyGroup& style, const std::vector<cssparser::Property>& properties) const
{
    for (const cssparser::Property& property : properties) {
        const QString name = propertyName(property);
        if (name.isEmpty()) {
            continue;
        }
        if (const cssparser::Value* separator = separatorIn(property)) {
            refuseDeclaration(property, *separator);
            continue;
        }
        runFirstCase(dispatchTable(), name, *this, style, property);
    }
}

void CssLoader::refuseDeclaration(const cssparser::Property& property, const cssparser::Value& separator) const
{
    // Rules of one selector list share their declarations: one message each.
    if (m_style && !m_refused.insert(&property).second) {
        return;
    }
    const auto* character = std::get_if<cssparser::Separator>(&separator.data);
    qCWarning(lcCss).nospace() << "Ignoring the declaration of " << propertyName(property) << ": the separator \""
                               << (character ? character->character : ',')
                               << "\" stands where the property takes none (its values are separated by blanks)";
    // Like a parse error, it keeps the style out of the cache, so that the
    // message shows at every start until the sheet is mended.
    if (m_style) {
        m_style->setHasErrors(true);
    }
}

} // namespace Quilt::Css
