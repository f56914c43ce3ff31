#pragma once

// A compact text form of parse results, so that tests can state whole rules
// in one line: "type(Button) class(flat) { color: rgba(255,0,0,255) }".

#include "cssweave.h"

#include <cstdio>
#include <string>

namespace cssweavetest
{

inline std::string number(float value)
{
    char buffer[32];
    std::snprintf(buffer, sizeof buffer, "%g", static_cast<double>(value));
    return buffer;
}

inline std::string unitName(cssparser::Unit unit)
{
    using cssparser::Unit;
    switch (unit) {
    case Unit::Percent:
        return "%";
    case Unit::Number:
        return "";
    case Unit::Px:
        return "px";
    case Unit::Pt:
        return "pt";
    case Unit::Em:
        return "em";
    default:
        return "unit" + std::to_string(static_cast<int>(unit));
    }
}

inline std::string dump(const cssparser::Color& color);

inline std::string dumpOperand(const std::shared_ptr<const cssparser::Color>& color)
{
    return color ? dump(*color) : std::string("null");
}

inline std::string dump(const cssparser::Color& color)
{
    using namespace cssparser;
    if (const auto* rgba = std::get_if<Rgba>(&color.data)) {
        return "rgba(" + std::to_string(rgba->red) + "," + std::to_string(rgba->green) + ","
            + std::to_string(rgba->blue) + "," + std::to_string(rgba->alpha) + ")";
    }
    if (const auto* custom = std::get_if<CustomColor>(&color.data)) {
        std::string out = "custom(" + custom->source;
        for (const auto& argument : custom->arguments) {
            out += ";" + argument;
        }
        return out + ")";
    }
    if (const auto* modified = std::get_if<ModifiedColor>(&color.data)) {
        const auto channel = [](const std::optional<std::uint8_t>& c) {
            return c ? std::to_string(*c) : std::string("-");
        };
        switch (modified->operation) {
        case ColorOperation::Set:
            return "set(" + dumpOperand(modified->base) + ";" + channel(modified->red) + ";" + channel(modified->green)
                + ";" + channel(modified->blue) + ";" + channel(modified->alpha) + ")";
        case ColorOperation::Add:
            return "add(" + dumpOperand(modified->base) + ";" + dumpOperand(modified->second) + ")";
        case ColorOperation::Subtract:
            return "subtract(" + dumpOperand(modified->base) + ";" + dumpOperand(modified->second) + ")";
        case ColorOperation::Multiply:
            return "multiply(" + dumpOperand(modified->base) + ";" + dumpOperand(modified->second) + ")";
        case ColorOperation::Mix:
            return "mix(" + dumpOperand(modified->base) + ";" + dumpOperand(modified->second) + ";"
                + number(modified->amount) + ")";
        case ColorOperation::None:
            return "modified-none";
        }
    }
    return "no-colour";
}

inline std::string dump(const cssparser::Value& value)
{
    using namespace cssparser;
    switch (value.kind()) {
    case ValueKind::None:
        return "none";
    case ValueKind::Dimension:
        return number(value.dimension()->number) + unitName(value.dimension()->unit);
    case ValueKind::String:
        return "'" + *value.text() + "'";
    case ValueKind::Color:
        return dump(*value.color());
    case ValueKind::Separator:
        return std::string("sep") + std::get<Separator>(value.data).character;
    case ValueKind::Url:
        return "url(" + *value.text() + ")";
    case ValueKind::Integer:
        return "int(" + std::to_string(*value.integer()) + ")";
    }
    return "?";
}

inline std::string dump(const cssparser::SelectorPart& part)
{
    using namespace cssparser;
    const auto name = [&] {
        return part.value.text() ? *part.value.text() : std::string("?");
    };
    switch (part.kind) {
    case SelectorKind::Universal:
        return "any";
    case SelectorKind::Type:
        return "type(" + name() + ")";
    case SelectorKind::Class:
        return "class(" + name() + ")";
    case SelectorKind::Id:
        return "id(" + name() + ")";
    case SelectorKind::PseudoClass:
        return "pseudo(" + name() + ")";
    case SelectorKind::Attribute: {
        if (!part.attribute) {
            return "attr(?)";
        }
        static const char* const operators[] = { "?", "", "=", "*=", "|=", "^=", "$=" };
        const int op = static_cast<int>(part.attribute->op);
        std::string out = "attr(" + part.attribute->name + operators[op >= 1 && op <= 6 ? op : 0];
        if (part.attribute->op != AttributeOperator::Exists) {
            out += dump(part.attribute->value);
        }
        return out + ")";
    }
    case SelectorKind::PseudoElement:
        return "pseudo-element(" + name() + ")";
    case SelectorKind::FunctionalPseudoClass:
        return "function(" + name() + ")";
    case SelectorKind::NextSibling:
        return "next";
    case SelectorKind::SubsequentSibling:
        return "subsequent";
    case SelectorKind::Descendant:
        return "descendant";
    case SelectorKind::Child:
        return "child";
    }
    return "?";
}

inline std::string dump(const cssparser::Property& property)
{
    std::string out = property.name + ":";
    for (const auto& value : property.values) {
        out += " " + dump(value);
    }
    return out;
}

inline std::string dump(const cssparser::Rule& rule)
{
    std::string out;
    for (const auto& part : rule.selectors()) {
        out += dump(part) + " ";
    }
    out += "{";
    bool first = true;
    for (const auto& property : rule.properties()) {
        out += (first ? " " : "; ") + dump(property);
        first = false;
    }
    return out + (first ? "}" : " }");
}

inline std::string dump(const cssparser::Error& error)
{
    return error.file + ":" + std::to_string(error.line) + ":" + std::to_string(error.column) + ": " + error.message;
}

} // namespace cssweavetest
