#include "propertyhandlers.h"
#include "propertyhelpers.h"

#include "iconpropertygroup.h"
#include "stylepropertygroup.h"

#include <QUrl>

namespace Quilt::Css
{
using Properties::IconPropertyGroup;
using Properties::StylePropertyGroup;

namespace
{
using IconCase = PropertyCase<IconPropertyGroup&, const cssparser::Property&>;

// Only a string names an icon; any other value gives the empty text, which
// is still stored.
QString stringText(const cssparser::Value& value)
{
    const std::string* text = value.kind() == cssparser::ValueKind::String ? value.text() : nullptr;
    return text ? QString::fromStdString(*text) : QString();
}

void setColor(IconPropertyGroup& icon, const cssparser::Property& property)
{
    if (const cssparser::Value* value = valueAt(property, 0)) {
        icon.setColor(colorFromValue(*value));
    }
}

const std::array<IconCase, 8>& iconCases()
{
    static const std::array<IconCase, 8> cases { {
        { PropertyMatcher::prefix(QStringLiteral("icon-alignment")), parseAlignmentProperty<IconPropertyGroup> },
        { PropertyMatcher::exact(QStringLiteral("icon-width")),
          [](IconPropertyGroup& icon, const cssparser::Property& property) {
              if (const cssparser::Value* value = valueAt(property, 0)) {
                  icon.setWidth(pixelLength(*value));
              }
          } },
        { PropertyMatcher::exact(QStringLiteral("icon-height")),
          [](IconPropertyGroup& icon, const cssparser::Property& property) {
              if (const cssparser::Value* value = valueAt(property, 0)) {
                  icon.setHeight(pixelLength(*value));
              }
          } },
        { PropertyMatcher::exact(QStringLiteral("icon-size")),
          [](IconPropertyGroup& icon, const cssparser::Property& property) {
              if (const cssparser::Value* value = valueAt(property, 0)) {
                  icon.setWidth(pixelLength(*value));
                  icon.setHeight(pixelLength(*value));
              }
          } },
        { PropertyMatcher::exact(QStringLiteral("icon-name")),
          [](IconPropertyGroup& icon, const cssparser::Property& property) {
              if (const cssparser::Value* value = valueAt(property, 0)) {
                  icon.setName(stringText(*value));
              }
          } },
        // The text is taken as written, not resolved against the style
        // sheet's folder: icon sources name resources or absolute places.
        { PropertyMatcher::exact(QStringLiteral("icon-source")),
          [](IconPropertyGroup& icon, const cssparser::Property& property) {
              if (const cssparser::Value* value = valueAt(property, 0)) {
                  icon.setSource(QUrl(stringText(*value), QUrl::TolerantMode));
              }
          } },
        { PropertyMatcher::exact(QStringLiteral("color")), setColor },
        { PropertyMatcher::exact(QStringLiteral("icon-color")), setColor },
    } };
    return cases;
}
} // namespace

void parseIconProperty(StylePropertyGroup& style, const cssparser::Property& property)
{
    GroupGuard icon(style, &StylePropertyGroup::icon, &StylePropertyGroup::setIcon);
    runFirstCase(iconCases(), propertyName(property), *icon, property);
}

} // namespace Quilt::Css
