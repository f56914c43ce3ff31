#pragma once

#include "color.h"
#include "offsetpropertygroup.h"
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
class ShadowPropertyGroupPrivate;

// The shadow an element casts.
class QUILT_EXPORT ShadowPropertyGroup
{
public:
    ShadowPropertyGroup();
    ShadowPropertyGroup(const ShadowPropertyGroup& other);
    ShadowPropertyGroup(ShadowPropertyGroup&& other) noexcept;
    ~ShadowPropertyGroup();

    ShadowPropertyGroup& operator=(const ShadowPropertyGroup& other);
    ShadowPropertyGroup& operator=(ShadowPropertyGroup&& other) noexcept;

    OffsetPropertyGroup* offset() const;
    void setOffset(std::unique_ptr<OffsetPropertyGroup>&& offset);
    std::optional<Color> color() const;
    void setColor(const std::optional<Color>& color);
    std::optional<double> size() const;
    void setSize(const std::optional<double>& size);
    std::optional<double> blur() const;
    void setBlur(const std::optional<double>& blur);

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const ShadowPropertyGroup* source, ShadowPropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<ShadowPropertyGroup> empty();

private:
    friend class ShadowPropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const ShadowPropertyGroup& a, const ShadowPropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const ShadowPropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<ShadowPropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"ShadowPropertyGroup",
        detail::SubGroup<"offset", OffsetPropertyGroup>,
        detail::Value<"color", Color>,
        detail::Value<"size", double>,
        detail::Value<"blur", double>>;
    // clang-format on

    std::unique_ptr<ShadowPropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const ShadowPropertyGroup& a, const ShadowPropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const ShadowPropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const ShadowPropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<ShadowPropertyGroup>& group);

} // namespace Quilt::Properties
