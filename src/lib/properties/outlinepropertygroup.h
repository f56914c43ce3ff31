#pragma once

#include "linepropertygroup.h"
#include "properties.h"
#include "quiltglobal.h"
#include "slotlist.h"

#include <memory>

class QDataStream;
class QDebug;
class QString;

namespace Quilt::Properties
{
class OutlinePropertyGroupPrivate;

// The four edge lines drawn around an element, outside its bounds.
class QUILT_EXPORT OutlinePropertyGroup
{
public:
    OutlinePropertyGroup();
    OutlinePropertyGroup(const OutlinePropertyGroup& other);
    OutlinePropertyGroup(OutlinePropertyGroup&& other) noexcept;
    ~OutlinePropertyGroup();

    OutlinePropertyGroup& operator=(const OutlinePropertyGroup& other);
    OutlinePropertyGroup& operator=(OutlinePropertyGroup&& other) noexcept;

    LinePropertyGroup* left() const;
    void setLeft(std::unique_ptr<LinePropertyGroup>&& left);
    LinePropertyGroup* right() const;
    void setRight(std::unique_ptr<LinePropertyGroup>&& right);
    LinePropertyGroup* top() const;
    void setTop(std::unique_ptr<LinePropertyGroup>&& top);
    LinePropertyGroup* bottom() const;
    void setBottom(std::unique_ptr<LinePropertyGroup>&& bottom);

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const OutlinePropertyGroup* source, OutlinePropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<OutlinePropertyGroup> empty();

private:
    friend class OutlinePropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const OutlinePropertyGroup& a, const OutlinePropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const OutlinePropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<OutlinePropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"OutlinePropertyGroup",
        detail::SubGroup<"left", LinePropertyGroup>,
        detail::SubGroup<"right", LinePropertyGroup>,
        detail::SubGroup<"top", LinePropertyGroup>,
        detail::SubGroup<"bottom", LinePropertyGroup>>;
    // clang-format on

    std::unique_ptr<OutlinePropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const OutlinePropertyGroup& a, const OutlinePropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const OutlinePropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const OutlinePropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<OutlinePropertyGroup>& group);

} // namespace Quilt::Properties
