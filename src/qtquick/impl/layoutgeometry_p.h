#pragma once

#include "positionersource.h"
#include "properties.h"
#include "quickimplglobal.h"

#include <QList>
#include <QMarginsF>
#include <QRectF>
#include <QSizeF>

#include <array>
#include <optional>

class QQuickItem;

namespace Quilt::Properties
{
class AlignmentPropertyGroup;
class StylePropertyGroup;
} // namespace Quilt::Properties

namespace Quilt::Quick
{
// The geometry of one pass of the positioner layout. Plain records only: the
// layout item fills them from the style, computeLayout() places them, and the
// layout item writes the results back to the Qt Quick items.

struct LayoutItem
{
    // The output, in the control's coordinates; fractional and even negative
    // values are possible, the caller rounds them.
    QRectF geometry;
    QSizeF implicitSize { 0, 0 };
    QSizeF minimumSize { 0, 0 };
    // A Quilt::Properties::Alignment value; kept as int because the style may
    // hand over values the layout does not know.
    int verticalAlignment = 0;
    int order = 0;
    QMarginsF margins;
    QQuickItem* item = nullptr;
};

struct LayoutBucket
{
    enum Kind
    {
        Start,
        Center,
        End,
        Fill,
    };

    QRectF rect;
    QSizeF implicitSize { 0, 0 };
    QSizeF minimumSize { 0, 0 };
    double spacing = 0;
    bool stackCenter = false;
    bool stackFill = false;
    QList<LayoutItem> items;

    bool isStack() const { return stackCenter || stackFill; }
};

struct LayoutContainer
{
    QRectF rect;
    QSizeF implicitSize { 0, 0 };
    double spacing = 0;
    // Indexed by LayoutBucket::Kind.
    std::array<LayoutBucket, 4> buckets;

    LayoutBucket& bucket(LayoutBucket::Kind kind) { return buckets[kind]; }
    const LayoutBucket& bucket(LayoutBucket::Kind kind) const { return buckets[kind]; }
};

struct LayoutPass
{
    // Indexed by Quilt::Properties::AlignmentContainer: Item, Content, Background.
    enum ContainerKind
    {
        ItemContainer,
        ContentContainer,
        BackgroundContainer,
    };

    std::array<LayoutContainer, 3> containers;
    QSizeF controlSize { -1, -1 };
    QMarginsF inset;
    QMarginsF padding;
    double spacing = 0;
    // The result: what the control needs to show every item at its implicit size.
    QSizeF implicitSize { -1, -1 };

    LayoutContainer& container(ContainerKind kind) { return containers[kind]; }
    const LayoutContainer& container(ContainerKind kind) const { return containers[kind]; }
};

// Places every item of the pass and computes the pass's implicit size.
QUILT_QUICK_EXPORT void computeLayout(LayoutPass& pass);

// Files an item into the pass: its container by the style's alignment
// container, its bucket by the horizontal alignment. One the layout cannot
// place across (unspecified, stacked) goes to the start, with a warning.
void fileItem(LayoutPass& pass, const LayoutItem& item, Properties::Alignment horizontal,
              Properties::Alignment vertical, std::optional<Properties::AlignmentContainer> container);

// The alignment group of a style that places an item by the given source.
const Properties::AlignmentPropertyGroup* alignmentGroup(const Properties::StylePropertyGroup* style,
                                                         PositionerSource::Source source);

// Qt's fuzzy rule, with zero handled: sizes that only rounding tells apart
// are equal; so are two that are no number.
bool fuzzyEqual(double a, double b);
} // namespace Quilt::Quick
