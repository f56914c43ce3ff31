#pragma once

#include <cstddef>
#include <memory>
#include <optional>
#include <string_view>

// The vocabulary in which each property group lists its slots. A group's header
// names its slots once, in order, with these templates; libQuilt derives the
// storage and every operation shared by the groups (merge, comparison, text and
// stream forms) from that list, so the order of the list is the order of the
// text form and of the stream form.
namespace Quilt::detail
{

// A slot or class name usable as a template argument: SlotName{"left"}.
template<std::size_t N> struct SlotName
{
    constexpr SlotName(const char (&text)[N])
    {
        for (std::size_t i = 0; i < N; ++i)
            chars[i] = text[i];
    }
    constexpr std::string_view view() const { return std::string_view(chars, N - 1); }

    char chars[N];
};

// A value slot: unset while the optional is empty.
template<SlotName Name, typename T> struct Value
{
    static constexpr auto name = Name;
    static constexpr bool isSubGroup = false;
    using Type = T;
    using Storage = std::optional<T>;
};

// A sub-group slot: absent while the pointer is null; the group owns it.
template<SlotName Name, typename Group> struct SubGroup
{
    static constexpr auto name = Name;
    static constexpr bool isSubGroup = true;
    using Type = Group;
    using Storage = std::unique_ptr<Group>;
};

// libQuilt's own access to a group's slot list and data, for its readers of
// stored groups; every group befriends it.
struct GroupAccess;

// The class name (as the text form prints it) followed by the slots in order.
template<SlotName ClassName, typename... Slots> struct SlotList
{
    static constexpr auto className = ClassName;
};

} // namespace Quilt::detail
