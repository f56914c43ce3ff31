#include "selectorconversion.h"

#include "cssloader.h"
#include "propertyhelpers.h"

#include "color.h"
#include "pathmetatype.h"

#include <filesystem>
#include <utility>

namespace Quilt::Css
{
namespace
{
std::optional<QString> nameOf(const cssparser::Value& value)
{
    const std::string* text = value.text();
    if (!text) {
        return std::nullopt;
    }
    return QString::fromStdString(*text);
}

Selector convertAttribute(const cssparser::Attribute& attribute)
{
    using Op = cssparser::AttributeOperator;
    const QString name = QString::fromStdString(attribute.name);
    switch (attribute.op) {
    case Op::Exists:
        return makeSelector<SelectorType::AttributeExists>(name);
    case Op::Equals:
        return makeSelector<SelectorType::AttributeEquals>(std::pair(name, variantFromValue(attribute.value)));
    case Op::Contains:
    case Op::DashMatch:
    case Op::Prefix:
    case Op::Suffix:
        // The engine knows one substring test; every such operator uses it.
        if (const std::optional<QString> text = nameOf(attribute.value)) {
            return makeSelector<SelectorType::AttributeSubstringMatch>(std::pair(name, *text));
        }
        return Selector();
    }
    return Selector();
}
} // namespace

QVariant variantFromValue(const cssparser::Value& value)
{
    switch (value.kind()) {
    case cssparser::ValueKind::Dimension:
        return QVariant(float(pixelLength(value)));
    case cssparser::ValueKind::String:
        if (const std::string* text = value.text()) {
            return QVariant(QString::fromStdString(*text));
        }
        break;
    case cssparser::ValueKind::Color:
        return QVariant::fromValue(colorFromValue(value));
    case cssparser::ValueKind::Separator:
        return QVariant::fromValue(std::filesystem::path());
    case cssparser::ValueKind::Url:
        if (const std::string* text = value.text()) {
            return QVariant::fromValue(std::filesystem::path(*text));
        }
        break;
    case cssparser::ValueKind::Integer:
        if (const std::int32_t* integer = value.integer()) {
            return QVariant(int(*integer));
        }
        break;
    case cssparser::ValueKind::None:
        break;
    }
    return QVariant();
}

Selector convertSelector(const cssparser::SelectorPart& part)
{
    using Kind = cssparser::SelectorKind;
    switch (part.kind) {
    case Kind::Universal:
        return makeSelector<SelectorType::AnyElement>(detail::Empty {});
    case Kind::Descendant:
        return makeSelector<SelectorType::Descendant>(detail::Empty {});
    case Kind::Child:
        return makeSelector<SelectorType::Child>(detail::Empty {});
    case Kind::Type:
    case Kind::Class:
    case Kind::Id:
    case Kind::PseudoClass: {
        const std::optional<QString> name = nameOf(part.value);
        if (!name) {
            return Selector();
        }
        if (part.kind == Kind::Type) {
            return makeSelector<SelectorType::Type>(*name);
        }
        if (part.kind == Kind::Class) {
            return makeSelector<SelectorType::Hint>(*name);
        }
        if (part.kind == Kind::Id) {
            return makeSelector<SelectorType::Id>(*name);
        }
        // An unknown name gives -1, every flag: see the style sheet docs.
        const int state = enumFromName<Element::States>(*part.value.text());
        return makeSelector<SelectorType::State>(Element::State(state));
    }
    case Kind::Attribute:
        if (part.attribute) {
            return convertAttribute(*part.attribute);
        }
        return Selector();
    case Kind::PseudoElement:
    case Kind::FunctionalPseudoClass:
    case Kind::NextSibling:
    case Kind::SubsequentSibling:
        break;
    }
    return Selector();
}

SelectorList CssLoader::parseSelectors(const std::vector<cssparser::SelectorPart>& parts) const
{
    SelectorList selectors;
    selectors.reserve(qsizetype(parts.size()));
    for (const cssparser::SelectorPart& part : parts) {
        selectors.append(convertSelector(part));
    }
    return selectors;
}

} // namespace Quilt::Css
