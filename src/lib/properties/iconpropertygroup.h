#pragma once

#include "alignmentpropertygroup.h"
#include "color.h"
#include "properties.h"
#include "quiltglobal.h"
#include "slotlist.h"

#include <QString>
#include <QUrl>

#include <memory>
#include <optional>

class QDataStream;
class QDebug;

namespace Quilt::Properties
{
class IconPropertyGroupPrivate;

// How an element's icon is placed, how large it is, where it comes from and how it is tinted.
class QUILT_EXPORT IconPropertyGroup
{
public:
    IconPropertyGroup();
    IconPropertyGroup(const IconPropertyGroup& other);
    IconPropertyGroup(IconPropertyGroup&& other) noexcept;
    ~IconPropertyGroup();

    IconPropertyGroup& operator=(const IconPropertyGroup& other);
    IconPropertyGroup& operator=(IconPropertyGroup&& other) noexcept;

    AlignmentPropertyGroup* alignment() const;
    void setAlignment(std::unique_ptr<AlignmentPropertyGroup>&& alignment);
    std::optional<double> width() const;
    void setWidth(const std::optional<double>& width);
    std::optional<double> height() const;
    void setHeight(const std::optional<double>& height);
    std::optional<QString> name() const;
    void setName(const std::optional<QString>& name);
    std::optional<QUrl> source() const;
    void setSource(const std::optional<QUrl>& source);
    std::optional<Color> color() const;
    void setColor(const std::optional<Color>& color);

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const IconPropertyGroup* source, IconPropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<IconPropertyGroup> empty();

private:
    friend class IconPropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const IconPropertyGroup& a, const IconPropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const IconPropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<IconPropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"IconPropertyGroup",
        detail::SubGroup<"alignment", AlignmentPropertyGroup>,
        detail::Value<"width", double>,
        detail::Value<"height", double>,
        detail::Value<"name", QString>,
        detail::Value<"source", QUrl>,
        detail::Value<"color", Color>>;
    // clang-format on

    std::unique_ptr<IconPropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const IconPropertyGroup& a, const IconPropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const IconPropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const IconPropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<IconPropertyGroup>& group);

} // namespace Quilt::Properties
