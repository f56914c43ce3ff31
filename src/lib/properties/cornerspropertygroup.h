#pragma once

#include "cornerpropertygroup.h"
#include "properties.h"
#include "quiltglobal.h"
#include "slotlist.h"

#include <memory>

class QDataStream;
class QDebug;
class QString;

namespace Quilt::Properties
{
class CornersPropertyGroupPrivate;

// The radii of the four corners, ready for painting.
struct CornerRadii
{
    double topLeft = 0.0;
    double topRight = 0.0;
    double bottomLeft = 0.0;
    double bottomRight = 0.0;
};

// The four corners of an element's box.
class QUILT_EXPORT CornersPropertyGroup
{
public:
    CornersPropertyGroup();
    CornersPropertyGroup(const CornersPropertyGroup& other);
    CornersPropertyGroup(CornersPropertyGroup&& other) noexcept;
    ~CornersPropertyGroup();

    CornersPropertyGroup& operator=(const CornersPropertyGroup& other);
    CornersPropertyGroup& operator=(CornersPropertyGroup&& other) noexcept;

    CornerPropertyGroup* topLeft() const;
    void setTopLeft(std::unique_ptr<CornerPropertyGroup>&& topLeft);
    CornerPropertyGroup* topRight() const;
    void setTopRight(std::unique_ptr<CornerPropertyGroup>&& topRight);
    CornerPropertyGroup* bottomLeft() const;
    void setBottomLeft(std::unique_ptr<CornerPropertyGroup>&& bottomLeft);
    CornerPropertyGroup* bottomRight() const;
    void setBottomRight(std::unique_ptr<CornerPropertyGroup>&& bottomRight);

    // A missing corner or an unset radius is 0.
    CornerRadii radii() const;

    bool hasAnyValue() const;
    bool isEmpty() const;
    QString toString(int indent, ToStringFlags flags) const;

    // First value wins: fills only what the destination lacks.
    static void resolveProperties(const CornersPropertyGroup* source, CornersPropertyGroup* destination);
    // A group that explicitly sets everything to nothing.
    static std::unique_ptr<CornersPropertyGroup> empty();

private:
    friend class CornersPropertyGroupPrivate;
    friend struct detail::GroupAccess;
    friend QUILT_EXPORT bool operator==(const CornersPropertyGroup& a, const CornersPropertyGroup& b);
    friend QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const CornersPropertyGroup* group);
    friend QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<CornersPropertyGroup>& group);

    // The slots in the order of the getters, the text form and the stream form.
    // clang-format off
    using Slots = detail::SlotList<"CornersPropertyGroup",
        detail::SubGroup<"topLeft", CornerPropertyGroup>,
        detail::SubGroup<"topRight", CornerPropertyGroup>,
        detail::SubGroup<"bottomLeft", CornerPropertyGroup>,
        detail::SubGroup<"bottomRight", CornerPropertyGroup>>;
    // clang-format on

    std::unique_ptr<CornersPropertyGroupPrivate> d;
};

QUILT_EXPORT bool operator==(const CornersPropertyGroup& a, const CornersPropertyGroup& b);
QUILT_EXPORT QDebug operator<<(QDebug debug, const CornersPropertyGroup* group);
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const CornersPropertyGroup* group);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::unique_ptr<CornersPropertyGroup>& group);

} // namespace Quilt::Properties
