#include "csslogging_p.h"
#include "propertyhandlers.h"
#include "propertyhelpers.h"

#include "borderpropertygroup.h"
#include "cornerpropertygroup.h"
#include "cornerspropertygroup.h"
#include "linepropertygroup.h"
#include "outlinepropertygroup.h"
#include "properties.h"
#include "stylepropertygroup.h"

#include <QByteArray>
#include <QDebug>
#include <QList>

#include <array>
#include <string_view>
#include <vector>

namespace Quilt::Css
{
using Properties::BorderPropertyGroup;
using Properties::CornerPropertyGroup;
using Properties::CornersPropertyGroup;
using Properties::LinePropertyGroup;
using Properties::LineStyle;
using Properties::OutlinePropertyGroup;
using Properties::StylePropertyGroup;

namespace
{
using CornerGetter = CornerPropertyGroup* (CornersPropertyGroup::*)() const;
using CornerSetter = void (CornersPropertyGroup::*)(std::unique_ptr<CornerPropertyGroup>&&);
using RadiusCase = PropertyCase<CornersPropertyGroup&, const cssparser::Property&>;

template<CornerGetter Getter, CornerSetter Setter>
void setRadius(CornersPropertyGroup& corners, const cssparser::Value& value)
{
    GroupGuard corner(corners, Getter, Setter);
    corner->setRadius(pixelLength(value));
}

template<CornerGetter Getter, CornerSetter Setter>
void setOneRadius(CornersPropertyGroup& corners, const cssparser::Property& property)
{
    if (const cssparser::Value* value = valueAt(property, 0)) {
        setRadius<Getter, Setter>(corners, *value);
    }
}

const std::array<RadiusCase, 4>& radiusCases()
{
    static const std::array<RadiusCase, 4> cases { {
        { PropertyMatcher::exact(QStringLiteral("border-top-left-radius")),
          setOneRadius<&CornersPropertyGroup::topLeft, &CornersPropertyGroup::setTopLeft> },
        { PropertyMatcher::exact(QStringLiteral("border-top-right-radius")),
          setOneRadius<&CornersPropertyGroup::topRight, &CornersPropertyGroup::setTopRight> },
        { PropertyMatcher::exact(QStringLiteral("border-bottom-left-radius")),
          setOneRadius<&CornersPropertyGroup::bottomLeft, &CornersPropertyGroup::setBottomLeft> },
        { PropertyMatcher::exact(QStringLiteral("border-bottom-right-radius")),
          setOneRadius<&CornersPropertyGroup::bottomRight, &CornersPropertyGroup::setBottomRight> },
    } };
    return cases;
}

// One value for every corner, or four clockwise from the top left; any other
// count is not a radius this reader understands.
void parseRadiusShorthand(CornersPropertyGroup& corners, const cssparser::Property& property)
{
    const std::vector<cssparser::Value>& values = property.values;
    if (values.size() != 1 && values.size() != 4) {
        return;
    }
    const bool one = values.size() == 1;
    setRadius<&CornersPropertyGroup::topLeft, &CornersPropertyGroup::setTopLeft>(corners, values[0]);
    setRadius<&CornersPropertyGroup::topRight, &CornersPropertyGroup::setTopRight>(corners, values[one ? 0 : 1]);
    setRadius<&CornersPropertyGroup::bottomRight, &CornersPropertyGroup::setBottomRight>(corners, values[one ? 0 : 2]);
    setRadius<&CornersPropertyGroup::bottomLeft, &CornersPropertyGroup::setBottomLeft>(corners, values[one ? 0 : 3]);
}

void setLineAttribute(LinePropertyGroup& line, const QByteArray& attribute, const cssparser::Value& value)
{
    if (attribute == "size" || attribute == "width") {
        line.setSize(pixelLength(value));
    } else if (attribute == "style") {
        // The caller has made sure the value carries a text. An unknown style
        // is kept as -1, for the front ends to refuse.
        const std::string* text = value.text();
        line.setStyle(static_cast<LineStyle>(text ? enumFromName<LineStyle>(*text) : -1));
    } else if (attribute == "color") {
        line.setColor(colorFromValue(value));
    }
}

template<typename Owner>
void setSideAttribute(Owner& owner, const QByteArray& side, const QByteArray& attribute, const cssparser::Value& value)
{
    using Getter = LinePropertyGroup* (Owner::*)() const;
    using Setter = void (Owner::*)(std::unique_ptr<LinePropertyGroup>&&);
    Getter getter = nullptr;
    Setter setter = nullptr;
    if (side == "left") {
        getter = &Owner::left;
        setter = &Owner::setLeft;
    } else if (side == "right") {
        getter = &Owner::right;
        setter = &Owner::setRight;
    } else if (side == "top") {
        getter = &Owner::top;
        setter = &Owner::setTop;
    } else if (side == "bottom") {
        getter = &Owner::bottom;
        setter = &Owner::setBottom;
    } else {
        return;
    }
    // Ends at once, so that the next attribute of this side finds the line.
    GroupGuard line(owner, getter, setter);
    setLineAttribute(*line, attribute, value);
}

// Reads "<prefix>", "<prefix>-<side>", "<prefix>-<attribute>" and
// "<prefix>-<side>-<attribute>" with the bytes as written: these names are
// lower case only.
template<typename Owner>
void parseLineProperty(Owner& owner, const QByteArray& prefix, const cssparser::Property& property)
{
    const QList<QByteArray> parts = QByteArray::fromStdString(property.name).split('-');
    if (parts.isEmpty() || parts.constFirst() != prefix) {
        qCDebug(lcCss) << "Ignoring invalid property assignment of" << parts << "expected" << prefix;
        return;
    }

    static const QList<QByteArray> allSides { "left", "right", "top", "bottom" };
    static const QList<QByteArray> lineAttributes { "width", "style", "color" };
    const std::vector<cssparser::Value>& given = property.values;
    // Fills the width and colour of the forms that give only a style.
    const cssparser::Value empty;

    QList<QByteArray> sides;
    QList<QByteArray> attributes;
    std::vector<cssparser::Value> values;
    const auto lengthStyleColor = [&](bool styleAlone) {
        attributes = lineAttributes;
        if (given.size() == 1 && styleAlone) {
            values = { empty, given[0], empty };
        } else if (given.size() >= 3) {
            values.assign(given.begin(), given.begin() + 3);
        }
    };

    if (parts.size() == 1) {
        sides = allSides;
        lengthStyleColor(given.size() == 1 && given[0].kind() == cssparser::ValueKind::String);
    } else if (parts.size() == 2 && lineAttributes.contains(parts[1])) {
        sides = allSides;
        attributes = { parts[1] };
        if (!given.empty()) {
            values = { given[0] };
        }
    } else if (parts.size() == 2) {
        sides = { parts[1] };
        lengthStyleColor(given.size() == 1 && isKeyword(given[0], QStringLiteral("none")));
    } else {
        sides = { parts[1] };
        attributes = { parts[2] };
        if (!given.empty()) {
            values = { given[0] };
        }
    }

    // Too few values, or a style that is no word: the property as a whole
    // does not apply.
    if (values.size() != std::size_t(attributes.size())) {
        return;
    }
    for (qsizetype i = 0; i < attributes.size(); ++i) {
        if (attributes[i] == "style" && !values[std::size_t(i)].text()) {
            return;
        }
    }

    for (const QByteArray& side : std::as_const(sides)) {
        for (qsizetype i = 0; i < attributes.size(); ++i) {
            setSideAttribute(owner, side, attributes[i], values[std::size_t(i)]);
        }
    }
}

bool endsWithRadius(const std::string& name)
{
    constexpr std::string_view radius("radius");
    return name.size() >= radius.size() && std::string_view(name).substr(name.size() - radius.size()) == radius;
}
} // namespace

void parseBorderProperty(StylePropertyGroup& style, const cssparser::Property& property)
{
    GroupGuard border(style, &StylePropertyGroup::border, &StylePropertyGroup::setBorder);
    if (endsWithRadius(property.name)) {
        GroupGuard corners(style, &StylePropertyGroup::corners, &StylePropertyGroup::setCorners);
        if (!runFirstCase(radiusCases(), propertyName(property), *corners, property)) {
            parseRadiusShorthand(*corners, property);
        }
        return;
    }
    parseLineProperty(*border, QByteArrayLiteral("border"), property);
}

void parseOutlineProperty(StylePropertyGroup& style, const cssparser::Property& property)
{
    GroupGuard outline(style, &StylePropertyGroup::outline, &StylePropertyGroup::setOutline);
    parseLineProperty(*outline, QByteArrayLiteral("outline"), property);
}

} // namespace Quilt::Css
