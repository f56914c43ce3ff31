#include "propertyhandlers.h"
#include "propertyhelpers.h"

#include "displaypropertygroup.h"
#include "layoutpropertygroup.h"
#include "sizepropertygroup.h"
#include "stylepropertygroup.h"

namespace Quilt::Css
{
using Properties::DisplayPropertyGroup;
using Properties::LayoutPropertyGroup;
using Properties::SizePropertyGroup;
using Properties::StylePropertyGroup;

namespace
{
using DisplayCase = PropertyCase<DisplayPropertyGroup&, const cssparser::Property&>;
using LayoutCase = PropertyCase<LayoutPropertyGroup&, const cssparser::Property&>;
using SizeCase = PropertyCase<SizePropertyGroup&, const cssparser::Property&>;
using SizeSetter = void (SizePropertyGroup::*)(const std::optional<double>&);
using LengthSetter = void (LayoutPropertyGroup::*)(const std::optional<double>&);

const std::array<DisplayCase, 2>& displayCases()
{
    static const std::array<DisplayCase, 2> cases { {
        { PropertyMatcher::exact(QStringLiteral("visibility")),
          [](DisplayPropertyGroup& display, const cssparser::Property& property) {
              const std::optional<QString> keyword = textAt(property, 0);
              if (!keyword) {
                  return;
              }
              if (keyword->compare(QStringLiteral("visible"), Qt::CaseInsensitive) == 0) {
                  display.setVisible(true);
              } else if (keyword->compare(QStringLiteral("hidden"), Qt::CaseInsensitive) == 0) {
                  display.setVisible(false);
              }
          } },
        // Kept as written, beyond 0 and 1 too: the front ends decide what an
        // opacity out of range means.
        { PropertyMatcher::exact(QStringLiteral("opacity")),
          [](DisplayPropertyGroup& display, const cssparser::Property& property) {
              if (const cssparser::Value* value = valueAt(property, 0)) {
                  display.setOpacity(dimensionIn(*value, cssparser::Unit::Number));
              }
          } },
    } };
    return cases;
}

template<LengthSetter Setter> void setLength(LayoutPropertyGroup& layout, const cssparser::Property& property)
{
    if (const cssparser::Value* value = valueAt(property, 0)) {
        (layout.*Setter)(pixelLength(*value));
    }
}

template<SizeSetter Setter> void setSide(SizePropertyGroup& size, const cssparser::Property& property)
{
    if (const cssparser::Value* value = valueAt(property, 0)) {
        (size.*Setter)(pixelLength(*value));
    }
}

// The sides in the order of the CSS shorthand: one value sets all four, two
// give top/bottom and right/left, three top, right/left and bottom, four go
// round clockwise from the top.
void parseSizeShorthand(SizePropertyGroup& size, const cssparser::Property& property)
{
    const std::size_t count = property.values.size();
    if (count < 1 || count > 4) {
        return;
    }
    const double top = pixelLength(property.values[0]);
    const double right = count >= 2 ? pixelLength(property.values[1]) : top;
    const double bottom = count >= 3 ? pixelLength(property.values[2]) : top;
    const double left = count == 4 ? pixelLength(property.values[3]) : right;
    size.setTop(top);
    size.setRight(right);
    size.setBottom(bottom);
    size.setLeft(left);
}

// "left" comes first, so "padding-top-left" sets the left side.
const std::array<SizeCase, 4>& sizeCases()
{
    static const std::array<SizeCase, 4> cases { {
        { PropertyMatcher::suffix(QStringLiteral("left")), setSide<&SizePropertyGroup::setLeft> },
        { PropertyMatcher::suffix(QStringLiteral("right")), setSide<&SizePropertyGroup::setRight> },
        { PropertyMatcher::suffix(QStringLiteral("top")), setSide<&SizePropertyGroup::setTop> },
        { PropertyMatcher::suffix(QStringLiteral("bottom")), setSide<&SizePropertyGroup::setBottom> },
    } };
    return cases;
}

void parseSizeProperty(SizePropertyGroup& size, const cssparser::Property& property)
{
    if (!runFirstCase(sizeCases(), propertyName(property), size, property)) {
        parseSizeShorthand(size, property);
    }
}

template<SizePropertyGroup* (LayoutPropertyGroup::*Getter)() const,
         void (LayoutPropertyGroup::*Setter)(std::unique_ptr<SizePropertyGroup>&&)>
void parseBox(LayoutPropertyGroup& layout, const cssparser::Property& property)
{
    GroupGuard box(layout, Getter, Setter);
    parseSizeProperty(*box, property);
}

const std::array<LayoutCase, 7>& layoutCases()
{
    static const std::array<LayoutCase, 7> cases { {
        { PropertyMatcher::exact(QStringLiteral("width")), setLength<&LayoutPropertyGroup::setWidth> },
        { PropertyMatcher::exact(QStringLiteral("height")), setLength<&LayoutPropertyGroup::setHeight> },
        { PropertyMatcher::exact(QStringLiteral("spacing")), setLength<&LayoutPropertyGroup::setSpacing> },
        { PropertyMatcher::prefix(QStringLiteral("layout-alignment")), parseAlignmentProperty<LayoutPropertyGroup> },
        { PropertyMatcher::prefix(QStringLiteral("padding")),
          parseBox<&LayoutPropertyGroup::padding, &LayoutPropertyGroup::setPadding> },
        { PropertyMatcher::prefix(QStringLiteral("inset")),
          parseBox<&LayoutPropertyGroup::inset, &LayoutPropertyGroup::setInset> },
        // "margin" and "margins" alike.
        { PropertyMatcher::prefix(QStringLiteral("margin")),
          parseBox<&LayoutPropertyGroup::margins, &LayoutPropertyGroup::setMargins> },
    } };
    return cases;
}
} // namespace

void parseDisplayProperty(StylePropertyGroup& style, const cssparser::Property& property)
{
    GroupGuard display(style, &StylePropertyGroup::display, &StylePropertyGroup::setDisplay);
    runFirstCase(displayCases(), propertyName(property), *display, property);
}

void parseLayoutProperty(StylePropertyGroup& style, const cssparser::Property& property)
{
    GroupGuard layout(style, &StylePropertyGroup::layout, &StylePropertyGroup::setLayout);
    runFirstCase(layoutCases(), propertyName(property), *layout, property);
}

} // namespace Quilt::Css
