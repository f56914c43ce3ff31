#pragma once

#include "cornerspropertygroup.h"
#include "imagecache.h"

#include <QColor>
#include <QMarginsF>
#include <QPainterPath>
#include <QRectF>

class QPainter;

namespace Quilt::Properties
{
class BorderPropertyGroup;
class CornerPropertyGroup;
class LinePropertyGroup;
class StylePropertyGroup;
} // namespace Quilt::Properties

enum class StyledRectMode
{
    BackgroundAndBorder = 0,
    // Background colour and image only.
    Background = 1,
    Border = 2,
};

enum class BorderPart
{
    Left = 0,
    Right = 1,
    Top = 2,
    Bottom = 3,
    TopLeft = 4,
    TopRight = 5,
    BottomLeft = 6,
    BottomRight = 7,
};

// Paints the background, background image and border that `properties` give
// one rectangle; outline and shadow are not painted. A valid
// `backgroundOverride` replaces the background colour. Null properties and
// rectangles that are empty once the inset is applied paint nothing.
void paintStyledRect(QPainter* painter, const QRectF& rect, const Quilt::Properties::StylePropertyGroup* properties,
                     StyledRectMode mode, const QColor& backgroundOverride);

// The rectangle with four independent corner radii, clockwise from the lower
// end of the left edge.
QPainterPath roundedRectPath(const QRectF& rect, Quilt::Properties::CornerRadii radii);

// The straight part of one side of a border drawn in `rect`; it stops short
// of the corner regions that paintBorderCorner() fills.
void paintBorderSide(QPainter* painter, const QRectF& rect, BorderPart side, const QMarginsF& widths,
                     const Quilt::Properties::LinePropertyGroup* line,
                     const Quilt::Properties::CornersPropertyGroup* corners);

// One corner of a border drawn in `rect`; where its two sides differ in
// colour, a gradient leads from one to the other.
void paintBorderCorner(QPainter* painter, const QRectF& rect, BorderPart corner,
                       const Quilt::Properties::BorderPropertyGroup* border,
                       const Quilt::Properties::CornerPropertyGroup* cornerGroup);

// The widget style's background images, used from the GUI thread only.
ImageCache& backgroundImageCache();
