#pragma once

// The operations that every property group shares, derived from the group's
// slot list (slotlist.h). A group's private object derives from GroupData over
// its list; the group's members forward to it.

#include "bytereader_p.h"
#include "color.h"
#include "pathmetatype.h"
#include "properties.h"
#include "slotlist.h"
#include "streamreaders_p.h"

#include <QDataStream>
#include <QDebug>
#include <QFont>
#include <QMetaEnum>
#include <QString>
#include <QTextStream>
#include <QUrl>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>
#include <tuple>
#include <type_traits>
#include <utility>

namespace Quilt::Properties
{
class AlignmentPropertyGroup;
class BackgroundPropertyGroup;
class BorderPropertyGroup;
class CornerPropertyGroup;
class CornersPropertyGroup;
class DisplayPropertyGroup;
class IconPropertyGroup;
class ImagePropertyGroup;
class LayoutPropertyGroup;
class LinePropertyGroup;
class OffsetPropertyGroup;
class OutlinePropertyGroup;
class ShadowPropertyGroup;
class SizePropertyGroup;
class StylePropertyGroup;
class TextPropertyGroup;
} // namespace Quilt::Properties

namespace Quilt::detail
{

struct GroupAccess
{
    // Walks a stored group of that class, building nothing.
    template<typename Group> static void skip(ByteReader& reader);

    // Reads a stored group of each class; each is defined with its class.
    static void read(ByteReader& reader, std::unique_ptr<Properties::AlignmentPropertyGroup>& group, ColorPool* colors);
    static void read(ByteReader& reader, std::unique_ptr<Properties::BackgroundPropertyGroup>& group,
                     ColorPool* colors);
    static void read(ByteReader& reader, std::unique_ptr<Properties::BorderPropertyGroup>& group, ColorPool* colors);
    static void read(ByteReader& reader, std::unique_ptr<Properties::CornerPropertyGroup>& group, ColorPool* colors);
    static void read(ByteReader& reader, std::unique_ptr<Properties::CornersPropertyGroup>& group, ColorPool* colors);
    static void read(ByteReader& reader, std::unique_ptr<Properties::DisplayPropertyGroup>& group, ColorPool* colors);
    static void read(ByteReader& reader, std::unique_ptr<Properties::IconPropertyGroup>& group, ColorPool* colors);
    static void read(ByteReader& reader, std::unique_ptr<Properties::ImagePropertyGroup>& group, ColorPool* colors);
    static void read(ByteReader& reader, std::unique_ptr<Properties::LayoutPropertyGroup>& group, ColorPool* colors);
    static void read(ByteReader& reader, std::unique_ptr<Properties::LinePropertyGroup>& group, ColorPool* colors);
    static void read(ByteReader& reader, std::unique_ptr<Properties::OffsetPropertyGroup>& group, ColorPool* colors);
    static void read(ByteReader& reader, std::unique_ptr<Properties::OutlinePropertyGroup>& group, ColorPool* colors);
    static void read(ByteReader& reader, std::unique_ptr<Properties::ShadowPropertyGroup>& group, ColorPool* colors);
    static void read(ByteReader& reader, std::unique_ptr<Properties::SizePropertyGroup>& group, ColorPool* colors);
    static void read(ByteReader& reader, std::unique_ptr<Properties::StylePropertyGroup>& group, ColorPool* colors);
    static void read(ByteReader& reader, std::unique_ptr<Properties::TextPropertyGroup>& group, ColorPool* colors);
};

// What each value type brings: its text, its stream encoding and its empty value.
// The empty value of every type is its value-initialised one (0, false, the
// enumerator 0, no flag, the invalid colour, a default font, a null string, the
// empty URL, the empty path).
template<typename T> bool isEmptyValue(const T& value)
{
    if constexpr (std::is_same_v<T, QUrl>)
        return value.isEmpty();
    else
        return value == T {};
}

// A value that no key (or, for flags, no set of keys) spells exactly, such as
// the -1 of "not set" or a value out of range, is written as its number:
// the key lookup would otherwise name some real key for it.
inline void writeEnumText(QTextStream& out, const QMetaEnum& metaEnum, int value, bool flags = false)
{
    if (flags || metaEnum.isFlag()) {
        const QByteArray keys = metaEnum.valueToKeys(value);
        bool ok = false;
        if (metaEnum.keysToValue(keys.constData(), &ok) == value && ok) {
            out << keys;
            return;
        }
    } else if (const char* key = metaEnum.valueToKey(value)) {
        out << key;
        return;
    }
    out << value;
}

template<typename T> void writeText(QTextStream& out, const T& value)
{
    if constexpr (std::is_same_v<T, bool>)
        out << (value ? 1 : 0);
    else if constexpr (std::is_same_v<T, double> || std::is_same_v<T, int> || std::is_same_v<T, QString>)
        out << value;
    else if constexpr (std::is_enum_v<T>)
        writeEnumText(out, QMetaEnum::fromType<T>(), int(value));
    else if constexpr (std::is_same_v<T, Properties::ImageFlags>)
        writeEnumText(out, QMetaEnum::fromType<Properties::ImageFlag>(), value.toInt(), true);
    else if constexpr (std::is_same_v<T, Color> || std::is_same_v<T, QFont> || std::is_same_v<T, QUrl>)
        out << value.toString();
    else if constexpr (std::is_same_v<T, std::filesystem::path>)
        out << QString::fromStdString(value.native());
    else
        static_assert(!sizeof(T), "no text form for this value type");
}

template<typename T> void writeValue(QDataStream& stream, const T& value)
{
    if constexpr (std::is_same_v<T, int> || std::is_enum_v<T>)
        stream << qint32(value);
    else if constexpr (std::is_same_v<T, Properties::ImageFlags>)
        stream << qint32(value.toInt());
    else
        stream << value;
}

template<typename T> void readValue(QDataStream& stream, T& value)
{
    if constexpr (std::is_same_v<T, int> || std::is_enum_v<T>) {
        // Stored as read: scoped enumerations hold any int.
        qint32 raw = 0;
        stream >> raw;
        value = T(raw);
    } else if constexpr (std::is_same_v<T, Properties::ImageFlags>) {
        qint32 raw = 0;
        stream >> raw;
        value = T::fromInt(raw);
    } else if constexpr (std::is_same_v<T, QFont>) {
        readFont(stream, value);
    } else {
        stream >> value;
    }
}

// The byte readers of the same values: what readValue() reads, from the bytes.
template<typename T> void readValueFrom(ByteReader& reader, T& value, ColorPool* colors)
{
    if constexpr (std::is_same_v<T, int> || std::is_enum_v<T>)
        value = T(reader.read<qint32>());
    else if constexpr (std::is_same_v<T, Properties::ImageFlags>)
        value = T::fromInt(reader.read<qint32>());
    else if constexpr (std::is_same_v<T, bool>)
        value = reader.readBool();
    else if constexpr (std::is_same_v<T, double>)
        value = reader.readDouble();
    else if constexpr (std::is_same_v<T, QString>)
        reader.readString(value);
    else if constexpr (std::is_same_v<T, Color>)
        readColor(reader, value, colors);
    else if constexpr (std::is_same_v<T, QFont>)
        reader.withStream([&](QDataStream& stream) { readFont(stream, value); });
    else if constexpr (std::is_same_v<T, QUrl>)
        reader.withStream([&](QDataStream& stream) { stream >> value; });
    else if constexpr (std::is_same_v<T, std::filesystem::path>) {
        QByteArray text;
        reader.readByteArray(text);
        value = text.toStdString();
    } else
        static_assert(!sizeof(T), "no byte reader for this value type");
}

// Moves past a value as readValueFrom() would, failing where it would.
template<typename T> void skipValue(ByteReader& reader)
{
    if constexpr (std::is_same_v<T, int> || std::is_enum_v<T> || std::is_same_v<T, Properties::ImageFlags>)
        reader.skip(4);
    else if constexpr (std::is_same_v<T, bool>)
        reader.skip(1);
    else if constexpr (std::is_same_v<T, double>)
        reader.skip(8);
    else if constexpr (std::is_same_v<T, QString>)
        reader.skipString();
    else if constexpr (std::is_same_v<T, Color>)
        skipColor(reader);
    else if constexpr (std::is_same_v<T, QFont>)
        skipFont(reader);
    else if constexpr (std::is_same_v<T, QUrl>)
        reader.withStream([](QDataStream& stream) {
            QUrl url;
            stream >> url;
        });
    else if constexpr (std::is_same_v<T, std::filesystem::path>)
        reader.skipByteArray();
    else
        static_assert(!sizeof(T), "no byte reader for this value type");
}

inline QLatin1StringView latin1(std::string_view text)
{
    return QLatin1StringView(text.data(), qsizetype(text.size()));
}

template<typename List> class GroupData;

template<SlotName ClassName, typename... Slots> class GroupData<SlotList<ClassName, Slots...>>
{
    template<std::size_t I> using SlotAt = std::tuple_element_t<I, std::tuple<Slots...>>;

    template<SlotName Name> static constexpr std::size_t indexOf()
    {
        constexpr std::array<std::string_view, sizeof...(Slots)> names { Slots::name.view()... };
        std::size_t index = 0;
        while (index < names.size() && names[index] != Name.view())
            ++index;
        return index;
    }

public:
    GroupData() = default;
    // Deep copies: every sub-group gets its own copy, and a sub-group absent
    // in the source is absent in the copy.
    GroupData(const GroupData& other) { assign(other); }
    GroupData& operator=(const GroupData& other)
    {
        if (this != &other)
            assign(other);
        return *this;
    }

    // The value (std::optional) or the sub-group (plain pointer) of a slot.
    template<SlotName Name> auto get() const
    {
        const auto& slot = std::get<indexOf<Name>()>(m_slots);
        if constexpr (SlotAt<indexOf<Name>()>::isSubGroup)
            return slot.get();
        else
            return slot;
    }

    template<SlotName Name>
    void set(const typename SlotAt<indexOf<Name>()>::Storage& value)
        requires(!SlotAt<indexOf<Name>()>::isSubGroup)
    {
        auto& slot = std::get<indexOf<Name>()>(m_slots);
        if (slot != value)
            slot = value;
    }

    template<SlotName Name>
    void set(typename SlotAt<indexOf<Name>()>::Storage&& group)
        requires(SlotAt<indexOf<Name>()>::isSubGroup)
    {
        std::get<indexOf<Name>()>(m_slots) = std::move(group);
    }

    bool hasAnyValue() const
    {
        return forAll([](auto slot, const auto& storage) {
            if constexpr (decltype(slot)::isSubGroup)
                return storage && storage->hasAnyValue();
            else
                return storage.has_value();
        });
    }

    bool isEmpty() const
    {
        if (!hasAnyValue())
            return true;
        return !forAll([](auto slot, const auto& storage) {
            if constexpr (decltype(slot)::isSubGroup)
                return storage && !storage->isEmpty();
            else
                return storage && !isEmptyValue(*storage);
        });
    }

    bool operator==(const GroupData& other) const
    {
        return [&]<std::size_t... I>(std::index_sequence<I...>) {
            return (slotEquals<I>(other) && ...);
        }(std::index_sequence_for<Slots...> {});
    }

    // First value wins: only what the destination (this) lacks is taken.
    void resolveFrom(const GroupData& source)
    {
        forEach2(source, [](auto slot, auto& destination, const auto& from) {
            using Slot = decltype(slot);
            if constexpr (Slot::isSubGroup) {
                if (!from)
                    return;
                if (!destination)
                    destination = std::make_unique<typename Slot::Type>();
                Slot::Type::resolveProperties(from.get(), destination.get());
            } else if (!destination) {
                destination = from;
            }
        });
    }

    void fillWithEmptyValues()
    {
        forEach([](auto slot, auto& storage) {
            using Slot = decltype(slot);
            if constexpr (Slot::isSubGroup)
                storage = Slot::Type::empty();
            else
                storage = typename Slot::Type {};
        });
    }

    QString toString(int indent, Properties::ToStringFlags flags) const
    {
        if (!hasAnyValue())
            return QStringLiteral("(empty)");

        const bool multiLine = flags.testFlag(Properties::ToStringFlag::MultiLine);
        const bool withTypeName = flags.testFlag(Properties::ToStringFlag::IncludeTypeName);
        const QLatin1StringView lineEnd(multiLine ? "\n" : "");

        QString text;
        QTextStream out(&text);
        if (withTypeName)
            out << latin1(ClassName.view()) << '(' << lineEnd;
        else if (indent > 0)
            out << lineEnd;

        bool first = true;
        forEach([&](auto slot, const auto& storage) {
            using Slot = decltype(slot);
            if (multiLine)
                out << QString(indent, QLatin1Char(' '));
            else
                out << (first ? " " : ", ");
            first = false;
            out << latin1(Slot::name.view()) << ": ";
            if constexpr (Slot::isSubGroup) {
                // A present sub-group without values reads as an absent one.
                if (storage && storage->hasAnyValue())
                    out << storage->toString(indent + 2, flags);
                else
                    out << "(empty)" << lineEnd;
            } else {
                if (storage)
                    writeText(out, *storage);
                else
                    out << "(empty)";
                out << lineEnd;
            }
        });

        if (withTypeName) {
            if (multiLine)
                out << QString(qMax(indent - 2, 0), QLatin1Char(' '));
            else
                out << ' ';
            out << ')';
        }
        out << lineEnd;
        out.flush();
        return text;
    }

    // Per slot, a present flag and, when present, the value or the sub-group.
    void write(QDataStream& stream) const
    {
        forEach([&](auto slot, const auto& storage) {
            stream << bool(storage);
            if (!storage)
                return;
            if constexpr (decltype(slot)::isSubGroup)
                stream << storage.get();
            else
                writeValue(stream, *storage);
        });
    }

    // Trusts the stream: its status tells the caller whether the data was whole.
    void read(QDataStream& stream)
    {
        forEach([&](auto slot, auto& storage) {
            using Slot = decltype(slot);
            bool present = false;
            stream >> present;
            if constexpr (Slot::isSubGroup) {
                if (!present)
                    return;
                auto group = std::make_unique<typename Slot::Type>();
                stream >> group;
                storage = std::move(group);
            } else {
                if (!present) {
                    storage.reset();
                    return;
                }
                typename Slot::Type value {};
                readValue(stream, value);
                storage = std::move(value);
            }
        });
    }

    // The same as read(), from the bytes of a stored group.
    void readFrom(ByteReader& reader, ColorPool* colors)
    {
        forEach([&](auto slot, auto& storage) {
            using Slot = decltype(slot);
            const bool present = reader.readBool();
            if constexpr (Slot::isSubGroup) {
                if (!present)
                    return;
                std::unique_ptr<typename Slot::Type> group;
                GroupAccess::read(reader, group, colors);
                storage = std::move(group);
            } else {
                if (!present) {
                    storage.reset();
                    return;
                }
                typename Slot::Type value {};
                readValueFrom(reader, value, colors);
                storage = std::move(value);
            }
        });
    }

    // Checks the bytes of a stored group as readFrom() reads them, building
    // nothing.
    static void skip(ByteReader& reader) { (skipSlot<Slots>(reader), ...); }

private:
    template<typename Slot> static void skipSlot(ByteReader& reader)
    {
        if (!reader.ok() || !reader.readBool())
            return;
        if constexpr (Slot::isSubGroup)
            GroupAccess::skip<typename Slot::Type>(reader);
        else
            skipValue<typename Slot::Type>(reader);
    }

    template<std::size_t I> bool slotEquals(const GroupData& other) const
    {
        const auto& a = std::get<I>(m_slots);
        const auto& b = std::get<I>(other.m_slots);
        if constexpr (SlotAt<I>::isSubGroup)
            return a && b ? *a == *b : !a && !b;
        else
            return a == b;
    }

    template<typename F> void forEach(F&& f)
    {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            (f(SlotAt<I> {}, std::get<I>(m_slots)), ...);
        }(std::index_sequence_for<Slots...> {});
    }

    template<typename F> void forEach(F&& f) const
    {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            (f(SlotAt<I> {}, std::get<I>(m_slots)), ...);
        }(std::index_sequence_for<Slots...> {});
    }

    // Each slot of this group beside the same slot of another.
    template<typename F> void forEach2(const GroupData& other, F&& f)
    {
        [&]<std::size_t... I>(std::index_sequence<I...>) {
            (f(SlotAt<I> {}, std::get<I>(m_slots), std::get<I>(other.m_slots)), ...);
        }(std::index_sequence_for<Slots...> {});
    }

    // True as soon as one slot answers true, asking in slot order.
    template<typename F> bool forAll(F&& f) const
    {
        return [&]<std::size_t... I>(std::index_sequence<I...>) {
            return (f(SlotAt<I> {}, std::get<I>(m_slots)) || ...);
        }(std::index_sequence_for<Slots...> {});
    }

    void assign(const GroupData& other)
    {
        forEach2(other, [](auto slot, auto& destination, const auto& from) {
            using Slot = decltype(slot);
            if constexpr (Slot::isSubGroup) {
                if (!from)
                    destination.reset();
                else if (destination)
                    *destination = *from;
                else
                    destination = std::make_unique<typename Slot::Type>(*from);
            } else {
                destination = from;
            }
        });
    }

    std::tuple<typename Slots::Storage...> m_slots;
};

template<typename Group> void GroupAccess::skip(ByteReader& reader)
{
    GroupData<typename Group::Slots>::skip(reader);
}

// The shared bodies of the groups' members that need the private object.
template<typename Private> std::unique_ptr<Private> copyPrivate(const std::unique_ptr<Private>& other)
{
    // A moved-from group has no private object; it copies as a new group.
    return other ? std::make_unique<Private>(*other) : std::make_unique<Private>();
}

template<typename Private> void assignPrivate(std::unique_ptr<Private>& target, const std::unique_ptr<Private>& source)
{
    if (&target == &source)
        return;
    if (!target)
        target = std::make_unique<Private>();
    if (source)
        *target = *source;
    else
        *target = Private();
}

template<typename Group> QDebug debugGroup(QDebug debug, const Group* group)
{
    const QDebugStateSaver saver(debug);
    debug.nospace().noquote() << (group ? group->toString(0, Properties::ToStringFlag::IncludeTypeName)
                                        : QStringLiteral("(empty)"));
    return debug;
}

} // namespace Quilt::detail
