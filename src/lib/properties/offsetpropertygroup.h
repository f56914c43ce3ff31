#pragma once

#include "properties.h"
#include "quiltglobal.h"
#include "slotlist.h"

#include <QVector2D>

#include <memory>
#include <optional>

class QDataStream;
class QDebug;
class QString;

namespace Quilt::Properties
{
class OffsetPropertyGroupPrivate;

// A displacement, such as that of a shadow.
class QUILT_EXPORT OffsetPropertyGroup
{
public:
    OffsetPropertyGroup();
    OffsetPropertyGroup(const OffsetPropertyGroup& other);
    OffsetPropertyGroup(OffsetPropertyGroup&& other) noexcept;
    ~OffsetPropertyGroup();

    OffsetPropertyGroup& operator=(const OffsetPropertyGroup& other);
    OffsetPropertyGroup& operator=(OffsetPropertyGroup&& other) noexcept;

    std::optional<double> horizontal() const;
    void setHorizontal(const std::optional<double>& horizontal);
    std::optional<double> vertical() const;
    void setVertical(const std::optional<double>& vertical);

    // (horizontal, vertical) in single precision; an unset component is 0.
    QVector2D toVector2D() const;

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const OffsetPropertyGroup* source, OffsetPropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<OffsetPropertyGroup> empty();

private:
    friend class OffsetPropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const OffsetPropertyGroup& a, const OffsetPropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const OffsetPropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<OffsetPropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"OffsetPropertyGroup",
        detail::Value<"horizontal", double>,
        detail::Value<"vertical", double>>;
    // clang-format on

    std::unique_ptr<OffsetPropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const OffsetPropertyGroup& a, const OffsetPropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const OffsetPropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const OffsetPropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<OffsetPropertyGroup>& group);

} // namespace Quilt::Properties
