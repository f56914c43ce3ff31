#pragma once

#include "linepropertygroup.h"
#include "properties.h"
#include "quiltglobal.h"
#include "slotlist.h"

#include <QMarginsF>

#include <memory>

class QDataStream;
class QDebug;
class QString;

namespace Quilt::Properties
{
class BorderPropertyGroupPrivate;

// The four edge lines drawn around an element, inside its bounds.
class QUILT_EXPORT BorderPropertyGroup
{
public:
    BorderPropertyGroup();
    BorderPropertyGroup(const BorderPropertyGroup& other);
    BorderPropertyGroup(BorderPropertyGroup&& other) noexcept;
    ~BorderPropertyGroup();

    BorderPropertyGroup& operator=(const BorderPropertyGroup& other);
    BorderPropertyGroup& operator=(BorderPropertyGroup&& other) noexcept;

    LinePropertyGroup* left() const;
    void setLeft(std::unique_ptr<LinePropertyGroup>&& left);
    LinePropertyGroup* right() const;
    void setRight(std::unique_ptr<LinePropertyGroup>&& right);
    LinePropertyGroup* top() const;
    void setTop(std::unique_ptr<LinePropertyGroup>&& top);
    LinePropertyGroup* bottom() const;
    void setBottom(std::unique_ptr<LinePropertyGroup>&& bottom);

    // The edge widths as margins (left, top, right, bottom); a missing line or size is 0.
    QMarginsF sizes() const;

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const BorderPropertyGroup* source, BorderPropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<BorderPropertyGroup> empty();

private:
    friend class BorderPropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const BorderPropertyGroup& a, const BorderPropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const BorderPropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<BorderPropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"BorderPropertyGroup",
        detail::SubGroup<"left", LinePropertyGroup>,
        detail::SubGroup<"right", LinePropertyGroup>,
        detail::SubGroup<"top", LinePropertyGroup>,
        detail::SubGroup<"bottom", LinePropertyGroup>>;
    // clang-format on

    std::unique_ptr<BorderPropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const BorderPropertyGroup& a, const BorderPropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const BorderPropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const BorderPropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<BorderPropertyGroup>& group);

} // namespace Quilt::Properties
