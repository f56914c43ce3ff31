#pragma once

#include "backgroundpropertygroup.h"
#include "borderpropertygroup.h"
#include "cornerspropertygroup.h"
#include "displaypropertygroup.h"
#include "iconpropertygroup.h"
#include "layoutpropertygroup.h"
#include "outlinepropertygroup.h"
#include "properties.h"
#include "quiltglobal.h"
#include "shadowpropertygroup.h"
#include "slotlist.h"
#include "textpropertygroup.h"

#include <memory>

class QDataStream;
class QDebug;
class QString;

namespace Quilt::Properties
{
class StylePropertyGroupPrivate;

// The properties of one rule or of one query result: one sub-group per aspect of how an element is shown.
class QUILT_EXPORT StylePropertyGroup
{
public:
    StylePropertyGroup();
    StylePropertyGroup(const StylePropertyGroup& other);
    StylePropertyGroup(StylePropertyGroup&& other) noexcept;
    ~StylePropertyGroup();

    StylePropertyGroup& operator=(const StylePropertyGroup& other);
    StylePropertyGroup& operator=(StylePropertyGroup&& other) noexcept;

    DisplayPropertyGroup* display() const;
    void setDisplay(std::unique_ptr<DisplayPropertyGroup>&& display);
    LayoutPropertyGroup* layout() const;
    void setLayout(std::unique_ptr<LayoutPropertyGroup>&& layout);
    TextPropertyGroup* text() const;
    void setText(std::unique_ptr<TextPropertyGroup>&& text);
    IconPropertyGroup* icon() const;
    void setIcon(std::unique_ptr<IconPropertyGroup>&& icon);
    BackgroundPropertyGroup* background() const;
    void setBackground(std::unique_ptr<BackgroundPropertyGroup>&& background);
    BorderPropertyGroup* border() const;
    void setBorder(std::unique_ptr<BorderPropertyGroup>&& border);
    OutlinePropertyGroup* outline() const;
    void setOutline(std::unique_ptr<OutlinePropertyGroup>&& outline);
    CornersPropertyGroup* corners() const;
    void setCorners(std::unique_ptr<CornersPropertyGroup>&& corners);
    ShadowPropertyGroup* shadow() const;
    void setShadow(std::unique_ptr<ShadowPropertyGroup>&& shadow);

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const StylePropertyGroup* source, StylePropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<StylePropertyGroup> empty();

private:
    friend class StylePropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const StylePropertyGroup& a, const StylePropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const StylePropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<StylePropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"StylePropertyGroup",
        detail::SubGroup<"display", DisplayPropertyGroup>,
        detail::SubGroup<"layout", LayoutPropertyGroup>,
        detail::SubGroup<"text", TextPropertyGroup>,
        detail::SubGroup<"icon", IconPropertyGroup>,
        detail::SubGroup<"background", BackgroundPropertyGroup>,
        detail::SubGroup<"border", BorderPropertyGroup>,
        detail::SubGroup<"outline", OutlinePropertyGroup>,
        detail::SubGroup<"corners", CornersPropertyGroup>,
        detail::SubGroup<"shadow", ShadowPropertyGroup>>;
    // clang-format on

    std::unique_ptr<StylePropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const StylePropertyGroup& a, const StylePropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const StylePropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const StylePropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<StylePropertyGroup>& group);

} // namespace Quilt::Properties
