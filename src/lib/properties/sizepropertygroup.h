#pragma once

#include "properties.h"
#include "quiltglobal.h"
#include "slotlist.h"

#include <QMarginsF>

#include <memory>
#include <optional>

class QDataStream;
class QDebug;
class QString;

namespace Quilt::Properties
{
class SizePropertyGroupPrivate;

// The widths of the four sides of a box: the padding, inset and margins of a layout.
class QUILT_EXPORT SizePropertyGroup
{
public:
    SizePropertyGroup();
    SizePropertyGroup(const SizePropertyGroup& other);
    SizePropertyGroup(SizePropertyGroup&& other) noexcept;
    ~SizePropertyGroup();

    SizePropertyGroup& operator=(const SizePropertyGroup& other);
    SizePropertyGroup& operator=(SizePropertyGroup&& other) noexcept;

    std::optional<double> left() const;
    void setLeft(const std::optional<double>& left);
    std::optional<double> right() const;
    void setRight(const std::optional<double>& right);
    std::optional<double> top() const;
    void setTop(const std::optional<double>& top);
    std::optional<double> bottom() const;
    void setBottom(const std::optional<double>& bottom);

    // Left, top, right, bottom, as QMarginsF orders them; an unset side is 0.
    QMarginsF toMargins() const;

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const SizePropertyGroup* source, SizePropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<SizePropertyGroup> empty();

private:
    friend class SizePropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const SizePropertyGroup& a, const SizePropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const SizePropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<SizePropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"SizePropertyGroup",
        detail::Value<"left", double>,
        detail::Value<"right", double>,
        detail::Value<"top", double>,
        detail::Value<"bottom", double>>;
    // clang-format on

    std::unique_ptr<SizePropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const SizePropertyGroup& a, const SizePropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const SizePropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const SizePropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<SizePropertyGroup>& group);

} // namespace Quilt::Properties
