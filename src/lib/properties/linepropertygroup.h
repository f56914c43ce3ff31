#pragma once

#include "color.h"
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
class LinePropertyGroupPrivate;

// One side of a border or an outline.
class QUILT_EXPORT LinePropertyGroup
{
public:
    LinePropertyGroup();
    LinePropertyGroup(const LinePropertyGroup& other);
    LinePropertyGroup(LinePropertyGroup&& other) noexcept;
    ~LinePropertyGroup();

    LinePropertyGroup& operator=(const LinePropertyGroup& other);
    LinePropertyGroup& operator=(LinePropertyGroup&& other) noexcept;

    std::optional<double> size() const;
    void setSize(const std::optional<double>& size);
    std::optional<Color> color() const;
    void setColor(const std::optional<Color>& color);
    std::optional<LineStyle> style() const;
    void setStyle(const std::optional<LineStyle>& style);

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const LinePropertyGroup* source, LinePropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<LinePropertyGroup> empty();

private:
    friend class LinePropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const LinePropertyGroup& a, const LinePropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const LinePropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<LinePropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"LinePropertyGroup",
        detail::Value<"size", double>,
        detail::Value<"color", Color>,
        detail::Value<"style", LineStyle>>;
    // clang-format on

    std::unique_ptr<LinePropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const LinePropertyGroup& a, const LinePropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const LinePropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const LinePropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<LinePropertyGroup>& group);

} // namespace Quilt::Properties
