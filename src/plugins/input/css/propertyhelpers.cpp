#include "propertyhelpers.h"

#include <QByteArray>

namespace Quilt::Css
{
PropertyMatcher::PropertyMatcher(Mode mode, const QStringList& patterns)
    : m_mode(mode)
    , m_patterns(patterns)
{ }

PropertyMatcher PropertyMatcher::exact(const QString& name)
{
    return PropertyMatcher(Mode::Exact, { name });
}

PropertyMatcher PropertyMatcher::list(const QStringList& names)
{
    return PropertyMatcher(Mode::List, names);
}

PropertyMatcher PropertyMatcher::prefix(const QString& text)
{
    return PropertyMatcher(Mode::Prefix, { text });
}

PropertyMatcher PropertyMatcher::suffix(const QString& text)
{
    return PropertyMatcher(Mode::Suffix, { text });
}

bool PropertyMatcher::matches(const QString& name) const
{
    switch (m_mode) {
    case Mode::Exact:
    case Mode::List:
        for (const QString& pattern : m_patterns) {
            if (name.compare(pattern, Qt::CaseInsensitive) == 0) {
                return true;
            }
        }
        return false;
    case Mode::Prefix:
        return name.startsWith(m_patterns.constFirst(), Qt::CaseInsensitive);
    case Mode::Suffix:
        return name.endsWith(m_patterns.constFirst(), Qt::CaseInsensitive);
    }
    return false;
}

QString propertyName(const cssparser::Property& property)
{
    return QString::fromStdString(property.name);
}

int enumFromName(const QMetaEnum& metaEnum, std::string_view name)
{
    QByteArray bare(name.data(), qsizetype(name.size()));
    bare.removeIf([](char c) { return c == '-'; });
    for (int i = 0; i < metaEnum.keyCount(); ++i) {
        const char* key = metaEnum.key(i);
        if (qstrnicmp(key, bare.constData(), size_t(bare.size())) == 0) {
            return metaEnum.value(i);
        }
    }
    return -1;
}

bool isKeyword(const cssparser::Value& value, const QString& word)
{
    if (value.kind() != cssparser::ValueKind::String) {
        return false;
    }
    const std::string* text = value.text();
    return text && QString::fromStdString(*text).compare(word, Qt::CaseInsensitive) == 0;
}

Color convertColor(const cssparser::Color& color)
{
    using cssparser::ColorOperation;
    if (const auto* rgba = std::get_if<cssparser::Rgba>(&color.data)) {
        return Color::rgba(rgba->red, rgba->green, rgba->blue, rgba->alpha);
    }
    if (const auto* custom = std::get_if<cssparser::CustomColor>(&color.data)) {
        QStringList arguments;
        arguments.reserve(qsizetype(custom->arguments.size()));
        for (const std::string& argument : custom->arguments) {
            arguments.append(QString::fromStdString(argument));
        }
        return Color::custom(QString::fromStdString(custom->source), arguments);
    }
    const auto* modified = std::get_if<cssparser::ModifiedColor>(&color.data);
    if (!modified) {
        return Color();
    }
    const auto operand = [](const std::shared_ptr<const cssparser::Color>& c) {
        return c ? convertColor(*c) : Color();
    };
    switch (modified->operation) {
    case ColorOperation::Set:
        return Color::set(operand(modified->base), modified->red, modified->green, modified->blue, modified->alpha);
    case ColorOperation::Add:
        return Color::add(operand(modified->base), operand(modified->second));
    case ColorOperation::Subtract:
        return Color::subtract(operand(modified->base), operand(modified->second));
    case ColorOperation::Multiply:
        return Color::multiply(operand(modified->base), operand(modified->second));
    case ColorOperation::Mix:
        return Color::mix(operand(modified->base), operand(modified->second), double(modified->amount));
    case ColorOperation::None:
        break;
    }
    return Color();
}

Color colorFromValue(const cssparser::Value& value)
{
    const cssparser::Color* color = value.color();
    return color ? convertColor(*color) : Color();
}

double dimensionIn(const cssparser::Value& value, cssparser::Unit unit)
{
    const cssparser::Dimension* dimension = value.dimension();
    return dimension && dimension->unit == unit ? double(dimension->number) : 0.0;
}

const cssparser::Value* valueAt(const cssparser::Property& property, std::size_t index)
{
    return index < property.values.size() ? &property.values[index] : nullptr;
}

const std::string* rawTextAt(const cssparser::Property& property, std::size_t index)
{
    const cssparser::Value* value = valueAt(property, index);
    return value ? value->text() : nullptr;
}

std::optional<QString> textAt(const cssparser::Property& property, std::size_t index)
{
    const std::string* text = rawTextAt(property, index);
    if (!text) {
        return std::nullopt;
    }
    return QString::fromStdString(*text);
}

std::optional<std::int32_t> integerAt(const cssparser::Property& property, std::size_t index)
{
    const cssparser::Value* value = valueAt(property, index);
    const std::int32_t* integer = value ? value->integer() : nullptr;
    if (!integer) {
        return std::nullopt;
    }
    return *integer;
}

const cssparser::Dimension* dimensionAt(const cssparser::Property& property, std::size_t index)
{
    const cssparser::Value* value = valueAt(property, index);
    return value ? value->dimension() : nullptr;
}

} // namespace Quilt::Css
