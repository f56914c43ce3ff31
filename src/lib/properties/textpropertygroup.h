#pragma once

#include "alignmentpropertygroup.h"
#include "color.h"
#include "properties.h"
#include "quiltglobal.h"
#include "slotlist.h"

#include <QFont>

#include <memory>
#include <optional>

class QDataStream;
class QDebug;
class QString;

namespace Quilt::Properties
{
class TextPropertyGroupPrivate;

// How an element's text is placed and drawn.
class QUILT_EXPORT TextPropertyGroup
{
public:
    TextPropertyGroup();
    TextPropertyGroup(const TextPropertyGroup& other);
    TextPropertyGroup(TextPropertyGroup&& other) noexcept;
    ~TextPropertyGroup();

    TextPropertyGroup& operator=(const TextPropertyGroup& other);
    TextPropertyGroup& operator=(TextPropertyGroup&& other) noexcept;

    AlignmentPropertyGroup* alignment() const;
    void setAlignment(std::unique_ptr<AlignmentPropertyGroup>&& alignment);
    std::optional<QFont> font() const;
    void setFont(const std::optional<QFont>& font);
    std::optional<Color> color() const;
    void setColor(const std::optional<Color>& color);
    std::optional<TextWrapMode> wrapMode() const;
    void setWrapMode(const std::optional<TextWrapMode>& wrapMode);
    std::optional<TextElide> elide() const;
    void setElide(const std::optional<TextElide>& elide);

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const TextPropertyGroup* source, TextPropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<TextPropertyGroup> empty();

private:
    friend class TextPropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const TextPropertyGroup& a, const TextPropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const TextPropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<TextPropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"TextPropertyGroup",
        detail::SubGroup<"alignment", AlignmentPropertyGroup>,
        detail::Value<"font", QFont>,
        detail::Value<"color", Color>,
        detail::Value<"wrapMode", TextWrapMode>,
        detail::Value<"elide", TextElide>>;
    // clang-format on

    std::unique_ptr<TextPropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const TextPropertyGroup& a, const TextPropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const TextPropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const TextPropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<TextPropertyGroup>& group);

} // namespace Quilt::Properties
