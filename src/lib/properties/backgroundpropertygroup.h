#pragma once

#include "color.h"
#include "imagepropertygroup.h"
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
class BackgroundPropertyGroupPrivate;

// What is drawn behind an element.
class QUILT_EXPORT BackgroundPropertyGroup
{
public:
    BackgroundPropertyGroup();
    BackgroundPropertyGroup(const BackgroundPropertyGroup& other);
    BackgroundPropertyGroup(BackgroundPropertyGroup&& other) noexcept;
    ~BackgroundPropertyGroup();

    BackgroundPropertyGroup& operator=(const BackgroundPropertyGroup& other);
    BackgroundPropertyGroup& operator=(BackgroundPropertyGroup&& other) noexcept;

    std::optional<Color> color() const;
    void setColor(const std::optional<Color>& color);
    ImagePropertyGroup* image() const;
    void setImage(std::unique_ptr<ImagePropertyGroup>&& image);

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const BackgroundPropertyGroup* source, BackgroundPropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<BackgroundPropertyGroup> empty();

private:
    friend class BackgroundPropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const BackgroundPropertyGroup& a, const BackgroundPropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const BackgroundPropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<BackgroundPropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"BackgroundPropertyGroup",
        detail::Value<"color", Color>,
        detail::SubGroup<"image", ImagePropertyGroup>>;
    // clang-format on

    std::unique_ptr<BackgroundPropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const BackgroundPropertyGroup& a, const BackgroundPropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const BackgroundPropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const BackgroundPropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<BackgroundPropertyGroup>& group);

} // namespace Quilt::Properties
