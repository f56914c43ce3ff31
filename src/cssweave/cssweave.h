#pragma once

// cssweave: reads Quilt style sheets into plain data (rules, selector parts,
// properties, values and colours). Standard C++ only; nothing here throws.
// docs/style-sheets.md describes the language.

#include <cstdint>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace cssparser
{

// Units of a dimension. The codes are stable: callers compare them as numbers.
enum class Unit : int
{
    Percent = 1,
    Number = 2, // a plain number with a fraction or an exponent, such as 0.5
    Px = 3,
    In = 4,
    Cm = 5,
    Pt = 6,
    Em = 7,
    Rem = 8,
    Ex = 9,
    Ch = 10,
    Mm = 11,
    Q = 12,
    Pc = 13,
    Vw = 14,
    Vh = 15,
    Vmin = 16,
    Vmax = 17,
    Deg = 18,
    Grad = 19,
    Rad = 20,
    Turn = 21,
    S = 22,
    Ms = 23,
};

struct Dimension
{
    float number = 0.0f;
    Unit unit = Unit::Number;

    friend bool operator==(const Dimension&, const Dimension&) = default;
};

struct Color;

// Four 8-bit channels; alpha 255 is opaque.
struct Rgba
{
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;
    std::uint8_t alpha = 255;

    friend bool operator==(const Rgba&, const Rgba&) = default;
};

// A colour that a colour provider resolves later: the provider's name and its
// arguments, as written.
struct CustomColor
{
    std::string source;
    std::vector<std::string> arguments;

    friend bool operator==(const CustomColor&, const CustomColor&) = default;
};

enum class ColorOperation : int
{
    None = 0,
    Set = 1,
    Add = 2,
    Subtract = 3,
    Multiply = 4,
    Mix = 5,
};

// An operation on a base colour. `second` is used by Add, Subtract, Multiply
// and Mix, the channels by Set, `amount` (0 to 1) by Mix. The parser never
// leaves `base` or a needed `second` null.
struct ModifiedColor
{
    ColorOperation operation = ColorOperation::None;
    std::shared_ptr<const Color> base {};
    std::shared_ptr<const Color> second {};
    std::optional<std::uint8_t> red {};
    std::optional<std::uint8_t> green {};
    std::optional<std::uint8_t> blue {};
    std::optional<std::uint8_t> alpha {};
    float amount = 0.0f;

    // Compares the operand colours by value, not by pointer.
    bool operator==(const ModifiedColor& other) const;
};

enum class ColorKind : int
{
    None = 0,
    Rgba = 1,
    Custom = 2,
    Modified = 3,
};

struct Color
{
    // The alternative's index is its ColorKind.
    using Data = std::variant<std::monostate, Rgba, CustomColor, ModifiedColor>;
    Data data;

    ColorKind kind() const { return static_cast<ColorKind>(data.index()); }
    friend bool operator==(const Color&, const Color&) = default;
};

struct Text
{
    std::string text;
    friend bool operator==(const Text&, const Text&) = default;
};

struct Url
{
    std::string text;
    friend bool operator==(const Url&, const Url&) = default;
};

// A ',' or '/' written between the values of a property.
struct Separator
{
    char character = ',';
    friend bool operator==(const Separator&, const Separator&) = default;
};

enum class ValueKind : int
{
    None = 0, // what Value() holds; the parser never produces it
    Dimension = 1,
    String = 2,
    Color = 3,
    Separator = 4,
    Url = 5,
    Integer = 6,
};

struct Value
{
    // The alternative's index is its ValueKind.
    using Data = std::variant<std::monostate, Dimension, Text, Color, Separator, Url, std::int32_t>;
    Data data;

    Value() = default;
    Value(Data d)
        : data(std::move(d))
    { }

    ValueKind kind() const { return static_cast<ValueKind>(data.index()); }

    // Null unless the value is of that kind.
    const Dimension* dimension() const { return std::get_if<Dimension>(&data); }
    const Color* color() const { return std::get_if<Color>(&data); }
    const std::int32_t* integer() const { return std::get_if<std::int32_t>(&data); }
    // The text of a string or of a url; null for every other kind.
    const std::string* text() const;

    friend bool operator==(const Value&, const Value&) = default;
};

enum class SelectorKind : int
{
    Universal = 1, // *
    Type = 2, // Button
    Class = 3, // .flat
    Id = 4, // #ok
    PseudoClass = 5, // :hover
    Attribute = 6, // [position=top]
    // The kinds 7 to 10 are written in CSS but cannot be matched by the engine.
    PseudoElement = 7, // ::handle
    FunctionalPseudoClass = 8, // :not(...), its value holds the function name
    NextSibling = 9, // a + b
    SubsequentSibling = 10, // a ~ b
    Descendant = 11, // a b
    Child = 12, // a > b
};

enum class AttributeOperator : int
{
    Exists = 1, // [a]
    Equals = 2, // [a=v]
    Contains = 3, // [a*=v] and [a~=v]
    DashMatch = 4, // [a|=v]
    Prefix = 5, // [a^=v]
    Suffix = 6, // [a$=v]
};

struct Attribute
{
    std::string name;
    AttributeOperator op = AttributeOperator::Exists;
    // Equals: the value as a property value would read (a colour name gives a
    // colour, a quoted text a string); the substring operators: always a string.
    Value value;

    friend bool operator==(const Attribute&, const Attribute&) = default;
};

struct SelectorPart
{
    SelectorKind kind = SelectorKind::Universal;
    // Kinds 2 to 5, 7 and 8: a string value holding the name as written.
    Value value;
    // Kind 6 only.
    std::optional<Attribute> attribute;

    friend bool operator==(const SelectorPart&, const SelectorPart&) = default;
};

struct Property
{
    std::string name; // case kept as written
    std::vector<Value> values;

    friend bool operator==(const Property&, const Property&) = default;
};

// One selector with its declarations. The selectors of a list `a, b { ... }`
// become rules of their own that share one property list.
class Rule
{
public:
    Rule() = default;
    Rule(std::vector<SelectorPart> selectors, std::vector<Property> properties);
    Rule(std::vector<SelectorPart> selectors, std::shared_ptr<const std::vector<Property>> properties);

    // Compounds and the combinators between them, left to right.
    const std::vector<SelectorPart>& selectors() const { return m_selectors; }
    // In written order.
    const std::vector<Property>& properties() const;

private:
    std::vector<SelectorPart> m_selectors;
    std::shared_ptr<const std::vector<Property>> m_properties;
};

struct Error
{
    std::string file;
    std::uint32_t line = 1; // 1-based
    std::uint32_t column = 1; // 1-based, in characters
    std::string message;
};

// What one style sheet may hold at most. Beyond a limit the reading stops
// with an error; the rules read until then are kept. The sheet limit is the
// exception: past it, only the import that would read one more file is
// refused, with an error, and reading goes on.
struct Limits
{
    static constexpr std::uintmax_t maxFileSize = 4 * 1024 * 1024;
    static constexpr int maxSheets = 64; // distinct files read by one parse(); a repeated import reads nothing
    static constexpr int maxImportDepth = 16;
    static constexpr std::size_t maxRules = 100000;
    static constexpr std::size_t maxValues = 500000; // property values and selector parts, each
    static constexpr int maxErrorsPerFile = 100;
    static constexpr int maxNesting = 256; // brackets, parentheses and braces
    static constexpr int maxColorDepth = 32;
};

class StyleSheetPrivate;

// Usage: construct, import() the default sheets, parse(), then read paths(),
// errors() and rules(). The references stay valid until the next parse() or
// the sheet's end.
class StyleSheet
{
public:
    explicit StyleSheet(const std::filesystem::path& path);
    ~StyleSheet();
    StyleSheet(const StyleSheet&) = delete;
    StyleSheet& operator=(const StyleSheet&) = delete;

    // Adds a sheet whose rules come before those of the main sheet, in the
    // order of the calls. An empty path is ignored.
    void import(const std::filesystem::path& path);

    // Reads every sheet with its imports. Calling it again reads them again.
    void parse();

    // Every file that was read, each once, in reading order.
    const std::vector<std::filesystem::path>& paths() const;
    const std::vector<Error>& errors() const;
    const std::vector<Rule>& rules() const;

private:
    friend class StyleSheetPrivate;
    std::unique_ptr<StyleSheetPrivate> d;
};

} // namespace cssparser
