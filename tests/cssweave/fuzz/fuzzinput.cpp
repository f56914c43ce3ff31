#include "fuzzinput.h"

#include "cssweave.h"
#include "stylesheet_p.h"
#include "text_p.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <map>
#include <string>
#include <string_view>

namespace
{
using namespace cssparser;

[[noreturn]] void broken(const char* what)
{
    std::fprintf(stderr, "cssweave broke a promise: %s\n", what);
    std::abort();
}

void check(bool condition, const char* what)
{
    if (!condition) {
        broken(what);
    }
}

void checkText(const std::string& text)
{
    std::size_t firstBad = 0;
    check(!detail::sanitizeUtf8(text, firstBad), "a text is not valid UTF-8");
}

void checkColor(const Color& color, int depth)
{
    check(depth <= Limits::maxColorDepth + 1, "colours nested deeper than the limit");
    switch (color.kind()) {
    case ColorKind::None:
        broken("a colour of kind none");
    case ColorKind::Rgba:
        return;
    case ColorKind::Custom: {
        const auto& custom = std::get<CustomColor>(color.data);
        check(!custom.source.empty(), "a custom colour without provider");
        checkText(custom.source);
        for (const auto& argument : custom.arguments) {
            checkText(argument);
        }
        return;
    }
    case ColorKind::Modified: {
        const auto& modified = std::get<ModifiedColor>(color.data);
        check(modified.base != nullptr, "a modified colour without base");
        checkColor(*modified.base, depth + 1);
        if (modified.operation == ColorOperation::Set) {
            check(modified.second == nullptr, "set() with a second colour");
            return;
        }
        check(modified.operation >= ColorOperation::Add && modified.operation <= ColorOperation::Mix,
              "an unknown colour operation");
        check(modified.second != nullptr, "a colour operation without its second colour");
        checkColor(*modified.second, depth + 1);
        check(modified.amount >= 0.0f && modified.amount <= 1.0f, "a mix amount outside 0 to 1");
        return;
    }
    }
    broken("an unknown colour kind");
}

void checkValue(const Value& value)
{
    switch (value.kind()) {
    case ValueKind::None:
        broken("an empty value");
    case ValueKind::Dimension:
        check(std::isfinite(value.dimension()->number), "a number that is not finite");
        return;
    case ValueKind::String:
    case ValueKind::Url:
        checkText(*value.text());
        return;
    case ValueKind::Color:
        checkColor(*value.color(), 1);
        return;
    case ValueKind::Separator: {
        const char c = std::get<Separator>(value.data).character;
        check(c == ',' || c == '/', "an unknown separator");
        return;
    }
    case ValueKind::Integer:
        return;
    }
    broken("an unknown value kind");
}

void checkPart(const SelectorPart& part)
{
    const int kind = static_cast<int>(part.kind);
    check(kind >= 1 && kind <= 12, "an unknown selector kind");
    switch (part.kind) {
    case SelectorKind::Type:
    case SelectorKind::Class:
    case SelectorKind::Id:
    case SelectorKind::PseudoClass:
    case SelectorKind::PseudoElement:
    case SelectorKind::FunctionalPseudoClass:
        check(part.value.kind() == ValueKind::String && !part.value.text()->empty(), "a selector without its name");
        checkText(*part.value.text());
        check(!part.attribute, "an attribute on a selector that is no attribute selector");
        return;
    case SelectorKind::Attribute: {
        check(part.attribute.has_value(), "an attribute selector without attribute");
        const Attribute& attribute = *part.attribute;
        checkText(attribute.name);
        check(!attribute.name.empty(), "an attribute without name");
        switch (attribute.op) {
        case AttributeOperator::Exists:
            check(attribute.value.kind() == ValueKind::None, "a value on an existence test");
            return;
        case AttributeOperator::Equals:
            check(attribute.value.kind() != ValueKind::Separator, "a separator as attribute value");
            checkValue(attribute.value);
            return;
        case AttributeOperator::Contains:
        case AttributeOperator::DashMatch:
        case AttributeOperator::Prefix:
        case AttributeOperator::Suffix:
            check(attribute.value.kind() == ValueKind::String, "a substring test without text");
            checkText(*attribute.value.text());
            return;
        }
        broken("an unknown attribute operator");
    }
    default:
        check(part.value.kind() == ValueKind::None && !part.attribute, "data on a selector that takes none");
        return;
    }
}

void checkRule(const Rule& rule)
{
    const auto& parts = rule.selectors();
    check(!parts.empty(), "a rule without selector");
    const auto combinator = [](const SelectorPart& part) {
        return part.kind == SelectorKind::Descendant || part.kind == SelectorKind::Child
            || part.kind == SelectorKind::NextSibling || part.kind == SelectorKind::SubsequentSibling;
    };
    check(!combinator(parts.front()) && !combinator(parts.back()), "a selector that starts or ends with a combinator");
    for (std::size_t i = 0; i < parts.size(); ++i) {
        checkPart(parts[i]);
        check(i == 0 || !combinator(parts[i]) || !combinator(parts[i - 1]), "two combinators in a row");
    }
    for (const auto& property : rule.properties()) {
        check(!property.name.empty(), "a property without name");
        checkText(property.name);
        check(!property.values.empty(), "a property without values");
        for (const auto& value : property.values) {
            checkValue(value);
        }
    }
}
} // namespace

int cssweaveFuzzInput(const std::uint8_t* data, std::size_t size)
{
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    constexpr std::string_view separator = "\n====\n";
    std::map<std::string, std::string> files;
    std::size_t start = 0;
    for (int index = 0;; ++index) {
        const std::size_t end = input.find(separator, start);
        const std::string name = index == 0 ? std::string("main.css") : std::to_string(index) + ".css";
        files[name] = std::string(input.substr(start, end == std::string_view::npos ? end : end - start));
        if (end == std::string_view::npos) {
            break;
        }
        start = end + separator.size();
    }

    StyleSheet sheet("main.css");
    sheet.import(std::string());
    if (files.count("1.css")) {
        sheet.import("1.css");
    }
    detail::setSourceReader(sheet, std::make_unique<detail::MemoryReader>(std::move(files)));
    sheet.parse();

    check(sheet.paths().size() <= static_cast<std::size_t>(Limits::maxSheets), "more paths than sheets read");
    check(sheet.rules().size() <= Limits::maxRules, "more rules than the limit");
    check(sheet.errors().size() <= static_cast<std::size_t>(Limits::maxSheets * (Limits::maxErrorsPerFile + 2)),
          "more errors than the limits allow");
    for (const auto& error : sheet.errors()) {
        check(error.line >= 1 && error.column >= 1, "an error without position");
        check(!error.message.empty() && !error.file.empty(), "an error without message or file");
        checkText(error.message);
    }
    for (const auto& rule : sheet.rules()) {
        checkRule(rule);
    }
    return 0;
}
