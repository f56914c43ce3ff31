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
class DisplayPropertyGroupPrivate;

// Whether an element is shown, and how opaque it is.
class QUILT_EXPORT DisplayPropertyGroup
{
public:
    DisplayPropertyGroup();
    DisplayPropertyGroup(const DisplayPropertyGroup& other);
    DisplayPropertyGroup(DisplayPropertyGroup&& other) noexcept;
    ~DisplayPropertyGroup();

    DisplayPropertyGroup& operator=(const DisplayPropertyGroup& other);
    DisplayPropertyGroup& operator=(DisplayPropertyGroup&& other) noexcept;

    std::optional<bool> visible() const;
    void setVisible(const std::optional<bool>& visible);
    std::optional<double> opacity() const;
    void setOpacity(const std::optional<double>& opacity);

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const DisplayPropertyGroup* source, DisplayPropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<DisplayPropertyGroup> empty();

private:
    friend class DisplayPropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const DisplayPropertyGroup& a, const DisplayPropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const DisplayPropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<DisplayPropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"DisplayPropertyGroup",
        detail::Value<"visible", bool>,
        detail::Value<"opacity", double>>;
    // clang-format on

    std::unique_ptr<DisplayPropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const DisplayPropertyGroup& a, const DisplayPropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const DisplayPropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const DisplayPropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<DisplayPropertyGroup>& group);

} // namespace Quilt::Properties
