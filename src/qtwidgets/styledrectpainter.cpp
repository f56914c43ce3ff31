#include "styledrectpainter.h"

#include "resolvedcolors.h"

#include "backgroundpropertygroup.h"
#include "borderpropertygroup.h"
#include "conversions.h"
#include "cornerpropertygroup.h"
#include "imagepropertygroup.h"
#include "layoutpropertygroup.h"
#include "linepropertygroup.h"
#include "lrucache.h"
#include "paintcounters.h"
#include "sizepropertygroup.h"
#include "stylepropertygroup.h"

#include <QHash>
#include <QLinearGradient>
#include <QPaintEngine>
#include <QPainter>

#include <algorithm>
#include <cmath>
#include <memory>
#include <optional>

using namespace Quilt::Properties;

namespace
{
// Equal within the precision of a double; two zeros are equal, and zero
// differs from every other value.
bool fuzzyEqual(double a, double b)
{
    return std::abs(a - b) * 1000000000000. <= std::min(std::abs(a), std::abs(b));
}

bool isPositive(const QRectF& rect)
{
    // Also false for NaN sizes.
    return rect.width() > 0 && rect.height() > 0;
}

// A radius from 0 to half the smaller side. Written out rather than with
// std::clamp, whose range would be inverted for a rectangle without area.
double limitedRadius(double radius, const QRectF& rect)
{
    const double half = std::min(rect.width(), rect.height()) / 2;
    return std::max(0.0, std::min(radius, half));
}

CornerRadii limitedRadii(const CornersPropertyGroup* corners, const QRectF& rect)
{
    if (!corners) {
        return CornerRadii {};
    }
    const CornerRadii radii = corners->radii();
    return CornerRadii { limitedRadius(radii.topLeft, rect), limitedRadius(radii.topRight, rect),
                         limitedRadius(radii.bottomLeft, rect), limitedRadius(radii.bottomRight, rect) };
}

// Unset colours are equal to each other and to no set colour.
bool sameColor(const std::optional<Quilt::Color>& a, const std::optional<Quilt::Color>& b)
{
    if (a.has_value() != b.has_value()) {
        return false;
    }
    return !a || *a == *b;
}

QColor lineColor(const LinePropertyGroup* line)
{
    if (!line) {
        return QColor(Qt::transparent);
    }
    const auto color = line->color();
    return color ? resolvedColor(*color) : QColor(Qt::transparent);
}

void fillPath(QPainter* painter, const QPainterPath& path, const QColor& color)
{
    // A transparent pen adds no pixels; leaving it out saves stroking the path.
    painter->setPen(Qt::NoPen);
    painter->setBrush(color);
    painter->drawPath(path);
}

void paintBackgroundImage(QPainter* painter, const QPainterPath& clip, const QRectF& rect,
                          const ImagePropertyGroup& image, const LayoutPropertyGroup* layout)
{
    const QSizeF size(layout && layout->width() ? *layout->width() : 16.0,
                      layout && layout->height() ? *layout->height() : 16.0);
    const auto entry = cachedImageEntry(backgroundImageCache(), *image.source(), size);
    if (entry->image.isNull()) {
        return;
    }

    painter->save();
    painter->setClipPath(clip, Qt::ReplaceClip);
    if (image.flags().value_or(ImageFlags()) & ImageFlag::Mask) {
        const QColor color = image.maskColor() ? resolvedColor(*image.maskColor()) : QColor(Qt::transparent);
        if (color.alpha() > 0) {
            // At the image's own size, centred; the mask's set bits in the colour.
            const QImage mask = tintedMask(*entry, color);
            painter->drawImage(rect.center() - QPointF(mask.width() / 2.0, mask.height() / 2.0), mask);
        }
    } else {
        painter->drawImage(rect, entry->image);
    }
    painter->restore();
}

// What decides the pixels of one styled rectangle painted without a
// background image: its size and its offset within a device pixel, the mode,
// the painter's antialiasing, and the resolved colours, widths and radii.
// Compared in full, so that a hash collision never paints wrong pixels.
struct RenderedRectKey
{
    double width = 0;
    double height = 0;
    double offsetX = 0;
    double offsetY = 0;
    // Device pixels per logical pixel.
    double scale = 1;
    int mode = 0;
    bool antialiased = false;
    bool hasBackground = false;
    QRgb fill = 0;
    bool hasFill = false;
    bool hasBorder = false;
    // Left, top, right, bottom.
    bool hasLine[4] = {};
    bool hasColor[4] = {};
    QRgb color[4] = {};
    double lineSize[4] = {};
    bool hasCorners = false;
    CornerRadii radii;
    // The background image by the identity of its loaded pixels (0 for
    // none), whether it is a mask, and the mask's colour.
    qint64 image = 0;
    bool smooth = false;
    bool mask = false;
    QRgb maskColor = 0;

    bool operator==(const RenderedRectKey& other) const
    {
        return width == other.width && height == other.height && offsetX == other.offsetX && offsetY == other.offsetY
            && mode == other.mode && antialiased == other.antialiased && hasBackground == other.hasBackground
            && fill == other.fill && hasFill == other.hasFill && hasBorder == other.hasBorder
            && std::equal(hasLine, hasLine + 4, other.hasLine) && std::equal(hasColor, hasColor + 4, other.hasColor)
            && std::equal(color, color + 4, other.color) && std::equal(lineSize, lineSize + 4, other.lineSize)
            && hasCorners == other.hasCorners && radii.topLeft == other.radii.topLeft
            && radii.topRight == other.radii.topRight && radii.bottomLeft == other.radii.bottomLeft
            && radii.bottomRight == other.radii.bottomRight && image == other.image && smooth == other.smooth
            && mask == other.mask && maskColor == other.maskColor && scale == other.scale;
    }

    size_t hash() const
    {
        size_t h = qHashMulti(0, width, height, offsetX, offsetY, mode, antialiased, hasBackground, fill, hasFill,
                              hasBorder, hasCorners);
        for (int i = 0; i < 4; ++i) {
            h = qHashMulti(h, hasLine[i], hasColor[i], color[i], lineSize[i]);
        }
        return qHashMulti(h, radii.topLeft, radii.topRight, radii.bottomLeft, radii.bottomRight, image, smooth, mask,
                          maskColor, scale);
    }
};

struct RenderedRect
{
    RenderedRectKey key;
    QImage image;
    // The painter state that painting the shape leaves behind, handed on as
    // if it had been painted directly.
    QPen pen;
    QBrush brush;
    bool antialiased = false;
    // Nothing to blit: a transparent background without a border, as most
    // items of a menu or a view have.
    bool blank = false;
};

bool isBlank(const QImage& image)
{
    for (int y = 0; y < image.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                return false;
            }
        }
    }
    return true;
}

using RenderedRectCache = Quilt::LruCache<size_t, std::shared_ptr<const RenderedRect>, 256>;

RenderedRectCache& renderedRectCache()
{
    static RenderedRectCache cache;
    return cache;
}

// Past this area (a group box's, not a menu's) blitting the image costs more
// than painting afresh: filling the inside is a solid span per row, while
// blending the image reads every pixel of it.
constexpr double s_largestCachedArea = 128.0 * 128.0;

void describeLine(RenderedRectKey& key, int index, const LinePropertyGroup* line)
{
    key.hasLine[index] = line != nullptr;
    if (!line) {
        return;
    }
    key.lineSize[index] = line->size().value_or(0.0);
    if (const auto color = line->color()) {
        key.hasColor[index] = true;
        key.color[index] = resolvedColor(*color).rgba();
    }
}

// False where the shape cannot come from an image with the same pixels: a
// vector device, a rotated or unevenly scaled one, blending other than
// source-over, or partial opacity.
bool describeRenderedRect(RenderedRectKey& key, QPainter* painter, const QRectF& outer,
                          const StylePropertyGroup* properties, StyledRectMode mode, const QColor& backgroundOverride)
{
    const QPaintEngine* engine = painter->paintEngine();
    if (!engine || engine->type() != QPaintEngine::Raster || painter->opacity() != 1.0
        || painter->compositionMode() != QPainter::CompositionMode_SourceOver) {
        return false;
    }
    // A translation, or the even scale of a high-density screen: the image
    // is then rendered at the device's resolution, never scaled up.
    const QTransform& transform = painter->deviceTransform();
    if (transform.type() > QTransform::TxScale || transform.m11() != transform.m22() || transform.m11() <= 0) {
        return false;
    }
    if (outer.width() * outer.height() > s_largestCachedArea) {
        return false;
    }
    const BackgroundPropertyGroup* background = mode != StyledRectMode::Border ? properties->background() : nullptr;
    if (const ImagePropertyGroup* image = background ? background->image() : nullptr; image && image->source()) {
        // The same entry that painting it will use; its pixels never change
        // while it is cached, and a reloaded file has another cache key.
        const LayoutPropertyGroup* layout = properties->layout();
        const QSizeF size(layout && layout->width() ? *layout->width() : 16.0,
                          layout && layout->height() ? *layout->height() : 16.0);
        const auto entry = cachedImageEntry(backgroundImageCache(), *image->source(), size);
        if (entry->image.isNull()) {
            key.image = -1;
        } else {
            key.image = entry->image.cacheKey();
        }
        key.smooth = painter->testRenderHint(QPainter::SmoothPixmapTransform);
        key.mask = bool(image->flags().value_or(ImageFlags()) & ImageFlag::Mask);
        if (key.mask && image->maskColor()) {
            key.maskColor = resolvedColor(*image->maskColor()).rgba();
        }
    }

    key.scale = transform.m11();
    const QPointF device = outer.topLeft() * key.scale + QPointF(transform.dx(), transform.dy());
    key.width = outer.width();
    key.height = outer.height();
    key.offsetX = device.x() - std::floor(device.x());
    key.offsetY = device.y() - std::floor(device.y());
    key.mode = int(mode);
    key.antialiased = painter->testRenderHint(QPainter::Antialiasing);
    key.hasBackground = background != nullptr;
    if (background) {
        QColor fill = backgroundOverride;
        if (!fill.isValid() && background->color()) {
            fill = resolvedColor(*background->color());
        }
        key.hasFill = fill.isValid();
        key.fill = key.hasFill ? fill.rgba() : 0;
    }
    // The background is inset by the border's widths in every mode.
    const BorderPropertyGroup* border = properties->border();
    key.hasBorder = border != nullptr;
    if (border) {
        describeLine(key, 0, border->left());
        describeLine(key, 1, border->top());
        describeLine(key, 2, border->right());
        describeLine(key, 3, border->bottom());
    }
    const CornersPropertyGroup* corners = properties->corners();
    key.hasCorners = corners != nullptr;
    if (corners) {
        key.radii = corners->radii();
    }
    return true;
}
} // namespace

ImageCache& backgroundImageCache()
{
    static ImageCache cache;
    return cache;
}

QPainterPath roundedRectPath(const QRectF& rect, CornerRadii radii)
{
    const double x = rect.x();
    const double y = rect.y();
    const double w = rect.width();
    const double h = rect.height();
    const double tl = radii.topLeft;
    const double tr = radii.topRight;
    const double bl = radii.bottomLeft;
    const double br = radii.bottomRight;

    QPainterPath path;
    path.moveTo(x, y + h - bl);
    path.lineTo(x, y + tl);
    if (tl != 0) {
        path.arcTo(QRectF(x, y, 2 * tl, 2 * tl), 180, -90);
    }
    path.lineTo(x + w - tr, y);
    if (tr != 0) {
        path.arcTo(QRectF(x + w - 2 * tr, y, 2 * tr, 2 * tr), 90, -90);
    }
    path.lineTo(x + w, y + h - br);
    if (br != 0) {
        path.arcTo(QRectF(x + w - 2 * br, y + h - 2 * br, 2 * br, 2 * br), 0, -90);
    }
    path.lineTo(x + bl, y + h);
    if (bl != 0) {
        path.arcTo(QRectF(x, y + h - 2 * bl, 2 * bl, 2 * bl), -90, -90);
    }
    path.closeSubpath();
    return path;
}

void paintBorderSide(QPainter* painter, const QRectF& rect, BorderPart side, const QMarginsF& widths,
                     const LinePropertyGroup* line, const CornersPropertyGroup* corners)
{
    if (!line || !line->color() || !isPositive(rect)) {
        return;
    }
    const CornerRadii radii = limitedRadii(corners, rect);
    const double s = line->size().value_or(0.0);
    const double l = widths.left();
    const double t = widths.top();
    const double r = widths.right();
    const double b = widths.bottom();

    QRectF part;
    switch (side) {
    case BorderPart::Left:
        part = QRectF(rect.x(), rect.y() + t + radii.topLeft, s,
                      rect.height() - t - b - radii.topLeft - radii.bottomLeft);
        break;
    case BorderPart::Right:
        part = QRectF(rect.x() + rect.width() - s, rect.y() + t + radii.topRight, s,
                      rect.height() - t - b - radii.topRight - radii.bottomRight);
        break;
    case BorderPart::Top:
        part = QRectF(rect.x() + l + radii.topLeft, rect.y(), rect.width() - l - r - radii.topLeft - radii.topRight, s);
        break;
    case BorderPart::Bottom:
        part = QRectF(rect.x() + l + radii.bottomLeft, rect.y() + rect.height() - s,
                      rect.width() - l - r - radii.bottomLeft - radii.bottomRight, s);
        break;
    default:
        return;
    }
    // Corners and opposite sides can eat a side up in a small rectangle; an
    // inverted rectangle would paint where the side is not.
    if (!isPositive(part)) {
        return;
    }
    painter->setPen(Qt::NoPen);
    painter->setBrush(resolvedColor(*line->color()));
    painter->drawRects(&part, 1);
}

void paintBorderCorner(QPainter* painter, const QRectF& rect, BorderPart corner, const BorderPropertyGroup* border,
                       const CornerPropertyGroup* cornerGroup)
{
    if (!border || !isPositive(rect)) {
        return;
    }
    const QMarginsF widths = border->sizes();
    const double R = cornerGroup ? limitedRadius(cornerGroup->radius().value_or(0.0), rect) : 0.0;

    // Each corner is painted as the top-left corner of a rotated frame: the
    // first side's thickness runs along the local x axis, the second's along y.
    QPointF origin;
    double angle = 0;
    double a = 0;
    double b = 0;
    const LinePropertyGroup* first = nullptr;
    const LinePropertyGroup* second = nullptr;
    switch (corner) {
    case BorderPart::TopLeft:
        origin = rect.topLeft();
        a = widths.left();
        b = widths.top();
        first = border->left();
        second = border->top();
        break;
    case BorderPart::TopRight:
        origin = QPointF(rect.x() + rect.width(), rect.y());
        angle = 90;
        a = widths.top();
        b = widths.right();
        first = border->top();
        second = border->right();
        break;
    case BorderPart::BottomRight:
        origin = QPointF(rect.x() + rect.width(), rect.y() + rect.height());
        angle = 180;
        a = widths.right();
        b = widths.bottom();
        first = border->right();
        second = border->bottom();
        break;
    case BorderPart::BottomLeft:
        origin = QPointF(rect.x(), rect.y() + rect.height());
        angle = 270;
        a = widths.bottom();
        b = widths.left();
        first = border->bottom();
        second = border->left();
        break;
    default:
        return;
    }
    const QColor c1 = lineColor(first);
    const QColor c2 = lineColor(second);

    QPainterPath path;
    if (R == 0) {
        path.addRect(QRectF(0, 0, a, b));
    } else {
        // Reaches R + a along the second side and R + b along the first, where
        // the straight parts begin.
        const double inner = std::max(0.0, R - std::min(a, b));
        path.moveTo(R + a, 0);
        path.lineTo(R, 0);
        path.arcTo(QRectF(0, 0, 2 * R, 2 * R), 90, 90);
        path.lineTo(0, R + b);
        path.lineTo(a, R + b);
        path.lineTo(a, b + inner);
        if (inner != 0) {
            path.arcTo(QRectF(a, b, 2 * inner, 2 * inner), 180, -90);
        }
        path.lineTo(R + a, b);
        path.lineTo(R + a, 0);
        path.lineTo(R, 0);
        path.closeSubpath();
    }

    painter->save();
    painter->translate(origin);
    if (angle != 0) {
        painter->rotate(angle);
    }
    painter->setPen(Qt::NoPen);
    if (c1 == c2) {
        painter->setBrush(c1);
    } else {
        QLinearGradient gradient(QPointF(0, R + b), QPointF(R + a, 0));
        gradient.setColorAt(0, c1);
        gradient.setColorAt(1, c2);
        painter->setBrush(gradient);
    }
    painter->drawPath(path);
    painter->restore();
}

namespace
{
// Paints what paintStyledRect() paints, in `outer`, the rectangle once the
// inset is applied.
void paintShape(QPainter* painter, const QRectF& outer, const StylePropertyGroup* properties, StyledRectMode mode,
                const QColor& backgroundOverride)
{
    const LayoutPropertyGroup* layout = properties->layout();

    const BorderPropertyGroup* border = properties->border();
    const QMarginsF widths = border ? border->sizes() : QMarginsF();
    const bool uniformWidths = border && fuzzyEqual(widths.left(), widths.right())
        && fuzzyEqual(widths.top(), widths.bottom()) && fuzzyEqual(widths.left(), widths.top());
    bool uniformColors = false;
    if (border && border->left() && border->right() && border->top() && border->bottom()) {
        uniformColors = sameColor(border->left()->color(), border->right()->color())
            && sameColor(border->top()->color(), border->bottom()->color())
            && sameColor(border->left()->color(), border->top()->color());
    }

    const QRectF backgroundRect = border ? outer.marginsRemoved(widths) : outer;

    const CornersPropertyGroup* corners = properties->corners();
    const CornerRadii outerRadii = limitedRadii(corners, outer);
    const bool uniformRadii = corners && fuzzyEqual(outerRadii.topLeft, outerRadii.topRight)
        && fuzzyEqual(outerRadii.bottomLeft, outerRadii.bottomRight)
        && fuzzyEqual(outerRadii.topLeft, outerRadii.bottomRight);
    CornerRadii innerRadii = outerRadii;
    if (border) {
        innerRadii.topLeft = std::max(0.0, outerRadii.topLeft - std::min(widths.left(), widths.top()));
        innerRadii.topRight = std::max(0.0, outerRadii.topRight - std::min(widths.right(), widths.top()));
        innerRadii.bottomLeft = std::max(0.0, outerRadii.bottomLeft - std::min(widths.left(), widths.bottom()));
        innerRadii.bottomRight = std::max(0.0, outerRadii.bottomRight - std::min(widths.right(), widths.bottom()));
    }

    const BackgroundPropertyGroup* background = properties->background();
    if (mode != StyledRectMode::Border && background) {
        QPainterPath path;
        if (uniformRadii && outerRadii.topLeft == 0) {
            path.addRect(backgroundRect);
        } else if (uniformRadii) {
            path.addRoundedRect(backgroundRect, innerRadii.topLeft, innerRadii.topLeft, Qt::AbsoluteSize);
        } else {
            path = roundedRectPath(backgroundRect, innerRadii);
        }

        QColor fill = backgroundOverride;
        if (!fill.isValid() && background->color()) {
            fill = resolvedColor(*background->color());
        }
        if (fill.isValid()) {
            fillPath(painter, path, fill);
        }

        const ImagePropertyGroup* image = background->image();
        if (image && image->source()) {
            paintBackgroundImage(painter, path, backgroundRect, *image, layout);
        }
    }

    if (mode != StyledRectMode::Background && border) {
        painter->setRenderHint(QPainter::Antialiasing, true);
        if (uniformWidths && uniformColors) {
            // One ring, filled odd-even: the same pixels as the outer path
            // minus the inner one, without the path arithmetic.
            QPainterPath ring;
            if (uniformRadii) {
                ring.addRoundedRect(outer, outerRadii.topLeft, outerRadii.topLeft, Qt::AbsoluteSize);
                ring.addRoundedRect(backgroundRect, innerRadii.topLeft, innerRadii.topLeft, Qt::AbsoluteSize);
            } else {
                ring.addPath(roundedRectPath(outer, outerRadii));
                ring.addPath(roundedRectPath(backgroundRect, innerRadii));
            }
            ring.setFillRule(Qt::OddEvenFill);
            if (const auto color = border->top()->color()) {
                fillPath(painter, ring, resolvedColor(*color));
            }
        } else {
            if (border->top()) {
                paintBorderSide(painter, outer, BorderPart::Top, widths, border->top(), corners);
            }
            if (border->right()) {
                paintBorderSide(painter, outer, BorderPart::Right, widths, border->right(), corners);
            }
            if (border->bottom()) {
                paintBorderSide(painter, outer, BorderPart::Bottom, widths, border->bottom(), corners);
            }
            if (border->left()) {
                paintBorderSide(painter, outer, BorderPart::Left, widths, border->left(), corners);
            }
            if (widths.top() != 0 || widths.left() != 0) {
                paintBorderCorner(painter, outer, BorderPart::TopLeft, border, corners ? corners->topLeft() : nullptr);
            }
            if (widths.top() != 0 || widths.right() != 0) {
                paintBorderCorner(painter, outer, BorderPart::TopRight, border,
                                  corners ? corners->topRight() : nullptr);
            }
            if (widths.bottom() != 0 || widths.right() != 0) {
                paintBorderCorner(painter, outer, BorderPart::BottomRight, border,
                                  corners ? corners->bottomRight() : nullptr);
            }
            if (widths.bottom() != 0 || widths.left() != 0) {
                paintBorderCorner(painter, outer, BorderPart::BottomLeft, border,
                                  corners ? corners->bottomLeft() : nullptr);
            }
        }
    }
}

// The rendered shape of `key`, from the cache or painted now.
std::shared_ptr<const RenderedRect> renderedRect(const RenderedRectKey& key, QPainter* painter, const QRectF& outer,
                                                 const StylePropertyGroup* properties, StyledRectMode mode,
                                                 const QColor& backgroundOverride)
{
    RenderedRectCache& cache = renderedRectCache();
    const size_t hash = key.hash();
    if (auto entry = cache.get(hash); entry && (*entry)->key == key) {
        ++paintCounters().backgroundCacheHits;
        return std::move(*entry);
    }
    ++paintCounters().backgroundCacheMisses;
    auto made = std::make_shared<RenderedRect>();
    made->key = key;
    const QSize size(int(std::ceil(key.offsetX + key.width * key.scale)),
                     int(std::ceil(key.offsetY + key.height * key.scale)));
    made->image = QImage(size, QImage::Format_ARGB32_Premultiplied);
    made->image.setDevicePixelRatio(key.scale);
    made->image.fill(Qt::transparent);
    QPainter imagePainter(&made->image);
    imagePainter.setRenderHint(QPainter::Antialiasing, key.antialiased);
    imagePainter.setRenderHint(QPainter::SmoothPixmapTransform, key.smooth);
    imagePainter.setPen(painter->pen());
    imagePainter.setBrush(painter->brush());
    paintShape(&imagePainter, QRectF(QPointF(key.offsetX, key.offsetY) / key.scale, outer.size()), properties, mode,
               backgroundOverride);
    made->pen = imagePainter.pen();
    made->brush = imagePainter.brush();
    made->antialiased = imagePainter.testRenderHint(QPainter::Antialiasing);
    imagePainter.end();
    made->blank = isBlank(made->image);
    cache.put(hash, made);
    return made;
}

// Where, in the painter's coordinates, the image of a shape in `outer` goes:
// the device pixel that holds its corner.
QPointF deviceOrigin(QPainter* painter, const QRectF& outer)
{
    const QTransform& transform = painter->deviceTransform();
    const double scale = transform.m11();
    const QPointF device = outer.topLeft() * scale + QPointF(transform.dx(), transform.dy());
    const QPointF origin(std::floor(device.x()), std::floor(device.y()));
    return (origin - QPointF(transform.dx(), transform.dy())) / scale;
}

// The painter state that painting the shape directly would have left.
void takeOverState(QPainter* painter, const RenderedRect& rendered)
{
    painter->setPen(rendered.pen);
    painter->setBrush(rendered.brush);
    painter->setRenderHint(QPainter::Antialiasing, rendered.antialiased);
}

bool isWhole(double value)
{
    return value == std::floor(value);
}

// A panel too large to keep whole (a menu's, a group box's) on whole device
// pixels: away from its corners every row of a side is alike, and inside its
// border it is one colour. A copy small enough to keep, as wide as two
// corners and one pixel, gives the corners, the sides stretched from its
// middle pixels, and the colour the inside is filled with. False where that
// does not hold (a background image, a fractional place, a scaled device):
// the caller then paints the shape itself.
bool paintLargePanel(QPainter* painter, const QRectF& outer, const StylePropertyGroup* properties, StyledRectMode mode,
                     const QColor& backgroundOverride)
{
    const BackgroundPropertyGroup* background = mode != StyledRectMode::Border ? properties->background() : nullptr;
    if (background && background->image() && background->image()->source()) {
        return false;
    }
    const QTransform& transform = painter->deviceTransform();
    if (transform.type() > QTransform::TxTranslate) {
        return false;
    }
    const QPointF device = outer.topLeft() + QPointF(transform.dx(), transform.dy());
    if (!isWhole(device.x()) || !isWhole(device.y()) || !isWhole(outer.width()) || !isWhole(outer.height())) {
        return false;
    }
    const CornerRadii radii = limitedRadii(properties->corners(), outer);
    const BorderPropertyGroup* border = properties->border();
    const QMarginsF widths = border ? border->sizes() : QMarginsF();
    const double largest = std::max({ radii.topLeft, radii.topRight, radii.bottomLeft, radii.bottomRight })
        + std::max({ widths.left(), widths.top(), widths.right(), widths.bottom(), 0.0 });
    if (!std::isfinite(largest)) {
        return false;
    }
    // One pixel more than any corner or border reaches, so that the middle
    // row and column lie clear of both.
    const int corner = int(std::ceil(largest)) + 1;
    const int side = 2 * corner + 1;
    const int width = int(outer.width());
    const int height = int(outer.height());
    if (width <= side || height <= side) {
        return false;
    }
    const QRectF small(outer.topLeft(), QSizeF(side, side));
    RenderedRectKey key;
    if (!describeRenderedRect(key, painter, small, properties, mode, backgroundOverride)) {
        return false;
    }
    const auto rendered = renderedRect(key, painter, small, properties, mode, backgroundOverride);
    if (!rendered->blank) {
        const QImage& image = rendered->image;
        const QPointF origin = deviceOrigin(painter, outer);
        const double x = origin.x();
        const double y = origin.y();
        const int middle = corner;
        const int far = side - corner;
        const int innerWidth = width - 2 * corner;
        const int innerHeight = height - 2 * corner;
        painter->drawImage(QPointF(x, y), image, QRectF(0, 0, corner, corner));
        painter->drawImage(QPointF(x + width - corner, y), image, QRectF(far, 0, corner, corner));
        painter->drawImage(QPointF(x, y + height - corner), image, QRectF(0, far, corner, corner));
        painter->drawImage(QPointF(x + width - corner, y + height - corner), image, QRectF(far, far, corner, corner));
        // Each row of a side is one colour: a solid span fills it, where a
        // stretched image would be sampled pixel by pixel.
        const auto fillLine = [painter](const QRectF& line, const QColor& color) {
            if (color.alpha() != 0) {
                painter->fillRect(line, color);
            }
        };
        for (int i = 0; i < corner; ++i) {
            fillLine(QRectF(x + corner, y + i, innerWidth, 1), image.pixelColor(middle, i));
            fillLine(QRectF(x + corner, y + height - corner + i, innerWidth, 1), image.pixelColor(middle, far + i));
            fillLine(QRectF(x + i, y + corner, 1, innerHeight), image.pixelColor(i, middle));
            fillLine(QRectF(x + width - corner + i, y + corner, 1, innerHeight), image.pixelColor(far + i, middle));
        }
        const QColor inside = image.pixelColor(middle, middle);
        if (inside.alpha() != 0) {
            painter->fillRect(QRectF(x + corner, y + corner, innerWidth, innerHeight), inside);
        }
    }
    takeOverState(painter, *rendered);
    return true;
}
} // namespace

void paintStyledRect(QPainter* painter, const QRectF& rect, const StylePropertyGroup* properties, StyledRectMode mode,
                     const QColor& backgroundOverride)
{
    if (!properties) {
        return;
    }
    const LayoutPropertyGroup* layout = properties->layout();

    QRectF outer = rect;
    if (const SizePropertyGroup* inset = layout ? layout->inset() : nullptr) {
        const QRectF shrunk = rect.marginsRemoved(inset->toMargins());
        // An inset that eats the rectangle keeps its size around the centre.
        outer = isPositive(shrunk) ? shrunk : centeredRect(QRectF(shrunk.toRect()), rect.width(), rect.height());
    }
    // Crowded layouts hand out rectangles without area: nothing to paint, and
    // the radius limits need a positive size.
    if (!isPositive(outer)) {
        return;
    }

    // Antialiased paths cost far more to fill than an image to blit: a shape
    // painted once is kept, at its offset within the device pixel grid, and
    // later paints of the same shape copy its pixels.
    RenderedRectKey key;
    if (describeRenderedRect(key, painter, outer, properties, mode, backgroundOverride)) {
        const auto rendered = renderedRect(key, painter, outer, properties, mode, backgroundOverride);
        if (!rendered->blank) {
            painter->drawImage(deviceOrigin(painter, outer), rendered->image);
        }
        takeOverState(painter, *rendered);
        return;
    }
    if (!paintLargePanel(painter, outer, properties, mode, backgroundOverride)) {
        paintShape(painter, outer, properties, mode, backgroundOverride);
    }
}
