#pragma once

// What every property handler of the CSS plug-in reads its properties with:
// name matching and case lists, sub-groups that appear only once they hold a
// value, enumerations by key name, and the conversions of parser values.
//
// Reading a value follows one rule throughout: a value that is missing (past
// the end of the property) or of the wrong kind is an unmet read. It sets
// nothing and logs nothing; the handler decides how much of the property
// depends on it. The conversions that take any value (pixelLength, isKeyword,
// colorFromValue) are never unmet.

#include "color.h"

#include <cssweave.h>

#include <QMetaEnum>
#include <QString>
#include <QStringList>

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <type_traits>
#include <utility>

namespace Quilt::Css
{
// Accepts property names, always without regard to case.
class PropertyMatcher
{
public:
    enum class Mode
    {
        Exact,
        List,
        Prefix,
        Suffix,
    };

    static PropertyMatcher exact(const QString& name);
    static PropertyMatcher list(const QStringList& names);
    static PropertyMatcher prefix(const QString& text);
    static PropertyMatcher suffix(const QString& text);

    Mode mode() const { return m_mode; }
    bool matches(const QString& name) const;

private:
    PropertyMatcher(Mode mode, const QStringList& patterns);

    Mode m_mode;
    QStringList m_patterns;
};

// One entry of a case list: a matcher and what to do when it accepts a name.
// Captureless lambdas convert to the action.
template<typename... Args> struct PropertyCase
{
    PropertyMatcher matcher;
    void (*action)(Args...);
};

// Runs the action of the first case that accepts `name`; later cases are not
// tried. False when no case accepts it.
template<typename... Args, std::size_t N>
bool runFirstCase(const std::array<PropertyCase<Args...>, N>& cases, const QString& name,
                  std::type_identity_t<Args>... args)
{
    for (const PropertyCase<Args...>& entry : cases) {
        if (entry.matcher.matches(name)) {
            entry.action(std::forward<Args>(args)...);
            return true;
        }
    }
    return false;
}

// A property's name as the case lists compare it.
QString propertyName(const cssparser::Property& property);

// Gives access to one sub-group of an owner group: the owner's own sub-group
// when it has one, changed in place, else a new one that goes to the owner
// only if it got a value by the time the guard ends. So a property that sets
// nothing leaves no empty group behind. Nested guards end inner first, so a
// new inner group that got a value makes its new owner count as having one.
//
//     GroupGuard border(style, &StylePropertyGroup::border, &StylePropertyGroup::setBorder);
//     GroupGuard left(*border, &BorderPropertyGroup::left, &BorderPropertyGroup::setLeft);
//     left->setSize(1.0);
template<typename Owner, typename Group> class GroupGuard
{
public:
    using Getter = Group* (Owner::*)() const;
    using Setter = void (Owner::*)(std::unique_ptr<Group>&&);

    GroupGuard(Owner& owner, Getter getter, Setter setter)
        : m_owner(owner)
        , m_setter(setter)
        , m_group((owner.*getter)())
    {
        if (!m_group) {
            m_created = std::make_unique<Group>();
            m_group = m_created.get();
        }
    }

    ~GroupGuard()
    {
        if (m_created && m_created->hasAnyValue()) {
            (m_owner.*m_setter)(std::move(m_created));
        }
    }

    GroupGuard(const GroupGuard&) = delete;
    GroupGuard& operator=(const GroupGuard&) = delete;

    Group& operator*() const { return *m_group; }
    Group* operator->() const { return m_group; }
    Group* get() const { return m_group; }

private:
    Owner& m_owner;
    Setter m_setter;
    Group* m_group;
    std::unique_ptr<Group> m_created;
};

// The value of the first key of the enumeration (in declaration order) that
// begins with `name`, compared without regard to case once every '-' is
// removed from the name; -1 when no key does. So "visual-focus" finds
// VisualFocus, "h" the earlier of Hovered and Highlighted, and "" the first
// key. Enum is one of Element::States and the enumerations of
// Quilt::Properties.
int enumFromName(const QMetaEnum& metaEnum, std::string_view name);

template<typename Enum> int enumFromName(std::string_view name)
{
    return enumFromName(QMetaEnum::fromType<Enum>(), name);
}

// True when the value is a string that equals `word` without regard to case.
bool isKeyword(const cssparser::Value& value, const QString& word);

// The colour a value names; Color() for a value that is no colour.
Color colorFromValue(const cssparser::Value& value);
Color convertColor(const cssparser::Color& color);

// The number of a dimension in `unit`, widened to double; 0 for a dimension
// in any other unit and for a value of any other kind, integers included.
double dimensionIn(const cssparser::Value& value, cssparser::Unit unit);
// A length in px; 0 for anything else.
inline double pixelLength(const cssparser::Value& value)
{
    return dimensionIn(value, cssparser::Unit::Px);
}

// Reads for the unmet-read rule: each is empty (null) when the property has
// no value at `index` or the value there is not of the kind asked for.
const cssparser::Value* valueAt(const cssparser::Property& property, std::size_t index);
// A string's or a url's text, converted from UTF-8.
std::optional<QString> textAt(const cssparser::Property& property, std::size_t index);
// A string's or a url's text as the parser keeps it (UTF-8).
const std::string* rawTextAt(const cssparser::Property& property, std::size_t index);
std::optional<std::int32_t> integerAt(const cssparser::Property& property, std::size_t index);
const cssparser::Dimension* dimensionAt(const cssparser::Property& property, std::size_t index);

// The key that a string's or a url's text begins (enumFromName), as the
// enumeration. A text that begins no key is kept as -1 rather than dropped,
// so that a rule that misspells a keyword still overrides weaker rules.
template<typename Enum> std::optional<Enum> keywordAt(const cssparser::Property& property, std::size_t index)
{
    const std::string* text = rawTextAt(property, index);
    if (!text) {
        return std::nullopt;
    }
    return static_cast<Enum>(enumFromName<Enum>(*text));
}

} // namespace Quilt::Css
