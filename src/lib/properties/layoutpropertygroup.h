#pragma once

#include "alignmentpropertygroup.h"
#include "properties.h"
#include "quiltglobal.h"
#include "sizepropertygroup.h"
#include "slotlist.h"

#include <memory>
#include <optional>

class QDataStream;
class QDebug;
class QString;

namespace Quilt::Properties
{
class LayoutPropertyGroupPrivate;

// Where an element sits and how large it is: its alignment, size and spacing and its three boxes.
class QUILT_EXPORT LayoutPropertyGroup
{
public:
    LayoutPropertyGroup();
    LayoutPropertyGroup(const LayoutPropertyGroup& other);
    LayoutPropertyGroup(LayoutPropertyGroup&& other) noexcept;
    ~LayoutPropertyGroup();

    LayoutPropertyGroup& operator=(const LayoutPropertyGroup& other);
    LayoutPropertyGroup& operator=(LayoutPropertyGroup&& other) noexcept;

    AlignmentPropertyGroup* alignment() const;
    void setAlignment(std::unique_ptr<AlignmentPropertyGroup>&& alignment);
    std::optional<double> width() const;
    void setWidth(const std::optional<double>& width);
    std::optional<double> height() const;
    void setHeight(const std::optional<double>& height);
    std::optional<double> spacing() const;
    void setSpacing(const std::optional<double>& spacing);
    SizePropertyGroup* padding() const;
    void setPadding(std::unique_ptr<SizePropertyGroup>&& padding);
    SizePropertyGroup* inset() const;
    void setInset(std::unique_ptr<SizePropertyGroup>&& inset);
    SizePropertyGroup* margins() const;
    void setMargins(std::unique_ptr<SizePropertyGroup>&& margins);

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const LayoutPropertyGroup* source, LayoutPropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<LayoutPropertyGroup> empty();

private:
    friend class LayoutPropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const LayoutPropertyGroup& a, const LayoutPropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const LayoutPropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<LayoutPropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"LayoutPropertyGroup",
        detail::SubGroup<"alignment", AlignmentPropertyGroup>,
        detail::Value<"width", double>,
        detail::Value<"height", double>,
        detail::Value<"spacing", double>,
        detail::SubGroup<"padding", SizePropertyGroup>,
        detail::SubGroup<"inset", SizePropertyGroup>,
        detail::SubGroup<"margins", SizePropertyGroup>>;
    // clang-format on

    std::unique_ptr<LayoutPropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const LayoutPropertyGroup& a, const LayoutPropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const LayoutPropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const LayoutPropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<LayoutPropertyGroup>& group);

} // namespace Quilt::Properties
