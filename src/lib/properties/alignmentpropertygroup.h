#pragma once

#include "properties.h"
#include "quiltglobal.h"
#include "slotlist.h"

#include <memory>
#include <optional>

class QDataStream;
class QDebug;
class QString;

namespace Quilt::Properties
{
class AlignmentPropertyGroupPrivate;

// How an element is placed inside another: against which container, along each axis, and in what order among its
// siblings.
class QUILT_EXPORT AlignmentPropertyGroup
{
public:
    AlignmentPropertyGroup();
    AlignmentPropertyGroup(const AlignmentPropertyGroup& other);
    AlignmentPropertyGroup(AlignmentPropertyGroup&& other) noexcept;
    ~AlignmentPropertyGroup();

    AlignmentPropertyGroup& operator=(const AlignmentPropertyGroup& other);
    AlignmentPropertyGroup& operator=(AlignmentPropertyGroup&& other) noexcept;

    std::optional<AlignmentContainer> container() const;
    void setContainer(const std::optional<AlignmentContainer>& container);
    std::optional<Alignment> horizontal() const;
    void setHorizontal(const std::optional<Alignment>& horizontal);
    std::optional<Alignment> vertical() const;
    void setVertical(const std::optional<Alignment>& vertical);
    std::optional<int> order() const;
    void setOrder(const std::optional<int>& order);

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const AlignmentPropertyGroup* source, AlignmentPropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<AlignmentPropertyGroup> empty();

private:
    friend class AlignmentPropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const AlignmentPropertyGroup& a, const AlignmentPropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const AlignmentPropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<AlignmentPropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"AlignmentPropertyGroup",
        detail::Value<"container", AlignmentContainer>,
        detail::Value<"horizontal", Alignment>,
        detail::Value<"vertical", Alignment>,
        detail::Value<"order", int>>;
    // clang-format on

    std::unique_ptr<AlignmentPropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const AlignmentPropertyGroup& a, const AlignmentPropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const AlignmentPropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const AlignmentPropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<AlignmentPropertyGroup>& group);

} // namespace Quilt::Properties
