#pragma once

#include "color.h"
#include "properties.h"
#include "quiltglobal.h"
#include "slotlist.h"

#include <filesystem>
#include <memory>
#include <optional>

class QDataStream;
class QDebug;
class QString;

namespace Quilt::Properties
{
class ImagePropertyGroupPrivate;

// An image drawn in a background: its file, size, offset, how it repeats or stretches, and the colour it masks with.
class QUILT_EXPORT ImagePropertyGroup
{
public:
    ImagePropertyGroup();
    ImagePropertyGroup(const ImagePropertyGroup& other);
    ImagePropertyGroup(ImagePropertyGroup&& other) noexcept;
    ~ImagePropertyGroup();

    ImagePropertyGroup& operator=(const ImagePropertyGroup& other);
    ImagePropertyGroup& operator=(ImagePropertyGroup&& other) noexcept;

    std::optional<std::filesystem::path> source() const;
    void setSource(const std::optional<std::filesystem::path>& source);
    std::optional<double> width() const;
    void setWidth(const std::optional<double>& width);
    std::optional<double> height() const;
    void setHeight(const std::optional<double>& height);
    std::optional<double> xOffset() const;
    void setXOffset(const std::optional<double>& xOffset);
    std::optional<double> yOffset() const;
    void setYOffset(const std::optional<double>& yOffset);
    std::optional<ImageFlags> flags() const;
    void setFlags(const std::optional<ImageFlags>& flags);
    std::optional<Color> maskColor() const;
    void setMaskColor(const std::optional<Color>& maskColor);

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const ImagePropertyGroup* source, ImagePropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<ImagePropertyGroup> empty();

private:
    friend class ImagePropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const ImagePropertyGroup& a, const ImagePropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const ImagePropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<ImagePropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"ImagePropertyGroup",
        detail::Value<"source", std::filesystem::path>,
        detail::Value<"width", double>,
        detail::Value<"height", double>,
        detail::Value<"xOffset", double>,
        detail::Value<"yOffset", double>,
        detail::Value<"flags", ImageFlags>,
        detail::Value<"maskColor", Color>>;
    // clang-format on

    std::unique_ptr<ImagePropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const ImagePropertyGroup& a, const ImagePropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const ImagePropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const ImagePropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<ImagePropertyGroup>& group);

} // namespace Quilt::Properties
