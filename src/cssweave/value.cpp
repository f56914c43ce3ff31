#include "cssweave.h"

namespace cssparser
{

static_assert(std::variant_size_v<Value::Data> == 7);
static_assert(
    std::is_same_v<std::variant_alternative_t<static_cast<int>(ValueKind::Dimension), Value::Data>, Dimension>);
static_assert(std::is_same_v<std::variant_alternative_t<static_cast<int>(ValueKind::String), Value::Data>, Text>);
static_assert(std::is_same_v<std::variant_alternative_t<static_cast<int>(ValueKind::Color), Value::Data>, Color>);
static_assert(
    std::is_same_v<std::variant_alternative_t<static_cast<int>(ValueKind::Separator), Value::Data>, Separator>);
static_assert(std::is_same_v<std::variant_alternative_t<static_cast<int>(ValueKind::Url), Value::Data>, Url>);
static_assert(
    std::is_same_v<std::variant_alternative_t<static_cast<int>(ValueKind::Integer), Value::Data>, std::int32_t>);
static_assert(std::is_same_v<std::variant_alternative_t<static_cast<int>(ColorKind::Rgba), Color::Data>, Rgba>);
static_assert(
    std::is_same_v<std::variant_alternative_t<static_cast<int>(ColorKind::Custom), Color::Data>, CustomColor>);
static_assert(
    std::is_same_v<std::variant_alternative_t<static_cast<int>(ColorKind::Modified), Color::Data>, ModifiedColor>);

namespace
{
bool sameColor(const std::shared_ptr<const Color>& a, const std::shared_ptr<const Color>& b)
{
    if (a == b) {
        return true;
    }
    if (!a || !b) {
        return false;
    }
    return *a == *b;
}

const std::vector<Property>& noProperties()
{
    static const std::vector<Property> empty;
    return empty;
}
} // namespace

bool ModifiedColor::operator==(const ModifiedColor& other) const
{
    return operation == other.operation && sameColor(base, other.base) && sameColor(second, other.second)
        && red == other.red && green == other.green && blue == other.blue && alpha == other.alpha
        && amount == other.amount;
}

const std::string* Value::text() const
{
    if (const auto* t = std::get_if<Text>(&data)) {
        return &t->text;
    }
    if (const auto* u = std::get_if<Url>(&data)) {
        return &u->text;
    }
    return nullptr;
}

Rule::Rule(std::vector<SelectorPart> selectors, std::vector<Property> properties)
    : m_selectors(std::move(selectors))
    , m_properties(std::make_shared<const std::vector<Property>>(std::move(properties)))
{ }

Rule::Rule(std::vector<SelectorPart> selectors, std::shared_ptr<const std::vector<Property>> properties)
    : m_selectors(std::move(selectors))
    , m_properties(std::move(properties))
{ }

const std::vector<Property>& Rule::properties() const
{
    return m_properties ? *m_properties : noProperties();
}

} // namespace cssparser
