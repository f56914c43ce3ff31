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
class CornerPropertyGroupPrivate;

// One corner of a box.
class QUILT_EXPORT CornerPropertyGroup
{
public:
    CornerPropertyGroup();
    CornerPropertyGroup(const CornerPropertyGroup& other);
    CornerPropertyGroup(CornerPropertyGroup&& other) noexcept;
    ~CornerPropertyGroup();

    CornerPropertyGroup& operator=(const CornerPropertyGroup& other);
    CornerPropertyGroup& operator=(CornerPropertyGroup&& other) noexcept;

    std::optional<double> radius() const;
    void setRadius(const std::optional<double>& radius);

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const CornerPropertyGroup* source, CornerPropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<CornerPropertyGroup> empty();

private:
    friend class CornerPropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const CornerPropertyGroup& a, const CornerPropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const CornerPropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<CornerPropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"CornerPropertyGroup",
        detail::Value<"radius", double>>;
    // clang-format on

    std::unique_ptr<CornerPropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const CornerPropertyGroup& a, const CornerPropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const CornerPropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const CornerPropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<CornerPropertyGroup>& group);

} // namespace Quilt::Properties
