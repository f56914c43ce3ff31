#include "fallbackrectanglenode_p.h"

#include "texturecache_p.h"

#include <QCache>
#include <QDataStream>
#include <QImage>
#include <QMutex>
#include <QPainter>
#include <QPainterPath>
#include <QtQuick/QQuickWindow>
#include <QtQuick/QSGImageNode>
#include <QtQuick/QSGRectangleNode>
#include <QtQuick/QSGTexture>

#include <algorithm>
#include <cmath>

namespace Quilt::Quick
{
namespace
{
bool draws(const QColor& color)
{
    return color.isValid() && color.alpha() > 0;
}

bool isEmpty(const QMarginsF& margins)
{
    return !(margins.left() > 0.0) && !(margins.top() > 0.0) && !(margins.right() > 0.0) && !(margins.bottom() > 0.0);
}

// Radii of one rounded rectangle, clockwise from the top left.
struct Corners
{
    double topLeft = 0.0;
    double topRight = 0.0;
    double bottomRight = 0.0;
    double bottomLeft = 0.0;
};

// The look's radii as the shaders take them: at most half the shorter side.
Corners cornersOf(const RectangleLook& look)
{
    const double limit = std::max(std::min(look.rect.width(), look.rect.height()) / 2.0, 0.0);
    auto clamp = [limit](float radius) {
        return std::clamp(double(radius), 0.0, limit);
    };
    return { clamp(look.radius.w()), clamp(look.radius.y()), clamp(look.radius.x()), clamp(look.radius.z()) };
}

// Outer corners grow by the wider of the two lines that meet there, inner
// corners shrink by the narrower, as the border and outline shaders have it.
Corners grown(const Corners& c, const QMarginsF& m)
{
    return { c.topLeft + std::max(m.left(), m.top()), c.topRight + std::max(m.right(), m.top()),
             c.bottomRight + std::max(m.right(), m.bottom()), c.bottomLeft + std::max(m.left(), m.bottom()) };
}

Corners shrunk(const Corners& c, const QMarginsF& m)
{
    return { std::max(c.topLeft - std::min(m.left(), m.top()), 0.0),
             std::max(c.topRight - std::min(m.right(), m.top()), 0.0),
             std::max(c.bottomRight - std::min(m.right(), m.bottom()), 0.0),
             std::max(c.bottomLeft - std::min(m.left(), m.bottom()), 0.0) };
}

QRectF inset(const QRectF& rect, const QMarginsF& m)
{
    QRectF result = rect.marginsRemoved(m);
    // Lines wider than the rectangle meet in the middle rather than cross.
    if (result.width() < 0.0) {
        result.setLeft(rect.left() + rect.width() * m.left() / std::max(m.left() + m.right(), 1e-9));
        result.setWidth(0.0);
    }
    if (result.height() < 0.0) {
        result.setTop(rect.top() + rect.height() * m.top() / std::max(m.top() + m.bottom(), 1e-9));
        result.setHeight(0.0);
    }
    return result;
}

QPainterPath roundedPath(const QRectF& r, const Corners& c)
{
    const double x = r.left(), y = r.top(), right = r.right(), bottom = r.bottom();
    QPainterPath path;
    path.moveTo(x + c.topLeft, y);
    path.lineTo(right - c.topRight, y);
    if (c.topRight > 0.0) {
        path.arcTo(QRectF(right - 2 * c.topRight, y, 2 * c.topRight, 2 * c.topRight), 90, -90);
    }
    path.lineTo(right, bottom - c.bottomRight);
    if (c.bottomRight > 0.0) {
        path.arcTo(QRectF(right - 2 * c.bottomRight, bottom - 2 * c.bottomRight, 2 * c.bottomRight, 2 * c.bottomRight),
                   0, -90);
    }
    path.lineTo(x + c.bottomLeft, bottom);
    if (c.bottomLeft > 0.0) {
        path.arcTo(QRectF(x, bottom - 2 * c.bottomLeft, 2 * c.bottomLeft, 2 * c.bottomLeft), 270, -90);
    }
    path.lineTo(x, y + c.topLeft);
    if (c.topLeft > 0.0) {
        path.arcTo(QRectF(x, y, 2 * c.topLeft, 2 * c.topLeft), 180, -90);
    }
    path.closeSubpath();
    return path;
}

// The band between two rounded rectangles, each side in its own colour
// (left, top, right, bottom). Sides meet on the lines from the outer corners
// through the inner ones to the centre, which split the band without gaps.
void paintRing(QPainter& painter, const QRectF& outer, const Corners& outerCorners, const QRectF& inner,
               const Corners& innerCorners, const std::array<QColor, 4>& colors)
{
    QPainterPath ring = roundedPath(outer, outerCorners);
    if (!inner.isEmpty()) {
        ring.addPath(roundedPath(inner, innerCorners));
    }
    ring.setFillRule(Qt::OddEvenFill);

    if (std::all_of(colors.begin(), colors.end(), [&](const QColor& c) { return c == colors[0]; })) {
        if (draws(colors[0])) {
            painter.fillPath(ring, colors[0]);
        }
        return;
    }
    const QPointF centre = inner.center();
    const QPolygonF sides[4] = {
        { { outer.topLeft(), inner.topLeft(), centre, inner.bottomLeft(), outer.bottomLeft() } },
        { { outer.topLeft(), outer.topRight(), inner.topRight(), centre, inner.topLeft() } },
        { { outer.topRight(), outer.bottomRight(), inner.bottomRight(), centre, inner.topRight() } },
        { { outer.bottomLeft(), inner.bottomLeft(), centre, inner.bottomRight(), outer.bottomRight() } },
    };
    for (int i = 0; i < 4; ++i) {
        if (!draws(colors[i])) {
            continue;
        }
        painter.save();
        // Hard clip edges: antialiased ones would leave a seam where two
        // sides meet.
        painter.setRenderHint(QPainter::Antialiasing, false);
        QPainterPath clip;
        clip.addPolygon(sides[i]);
        painter.setClipPath(clip);
        painter.setRenderHint(QPainter::Antialiasing, true);
        painter.fillPath(ring, colors[i]);
        painter.restore();
    }
}

double smoothstep(double edge0, double edge1, double x)
{
    const double t = std::clamp((x - edge0) / (edge1 - edge0), 0.0, 1.0);
    return t * t * (3.0 - 2.0 * t);
}

// The shadow as its shader draws it: the rectangle grown by the shadow's
// size, its corners grown with it (the sharper ones more), faded over the
// blur on either side of that edge. Computed per device pixel, since no
// painter blurs.
void paintShadow(QImage& image, const RectangleLook& look, const QPointF& origin, qreal dpr)
{
    const QColor color = look.shadowColor;
    if (!draws(color)) {
        return;
    }
    const double size = look.shadowSize;
    const double blur = std::max(look.shadowBlur, 0.0);
    const QRectF quad = look.rect.adjusted(-(size + blur), -(size + blur), size + blur, size + blur);
    const double limit = std::max(std::min(quad.width(), quad.height()) / 2.0, 1e-4);
    auto cornerRadius = [&](float radius) {
        const double r = std::clamp(double(radius), 0.0, limit);
        const double c = r / limit;
        const double k = 0.05 / std::max(c, 0.05) * 0.5;
        return (r + k * (size + blur) / 2.0) * dpr;
    };
    const double bottomRight = cornerRadius(look.radius.x());
    const double topRight = cornerRadius(look.radius.y());
    const double bottomLeft = cornerRadius(look.radius.z());
    const double topLeft = cornerRadius(look.radius.w());

    const QRectF shape = look.rect.adjusted(-size, -size, size, size).translated(look.shadowOffset);
    const double cx = (shape.center().x() - origin.x()) * dpr;
    const double cy = (shape.center().y() - origin.y()) * dpr;
    const double ex = std::max(shape.width(), 0.0) / 2.0 * dpr;
    const double ey = std::max(shape.height(), 0.0) / 2.0 * dpr;
    const double band = std::max(blur * dpr, 0.625);

    const float red = color.redF(), green = color.greenF(), blue = color.blueF(), alpha = color.alphaF();
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        const double py = y + 0.5 - cy;
        for (int x = 0; x < image.width(); ++x) {
            const double px = x + 0.5 - cx;
            const double rho = px > 0.0 ? (py > 0.0 ? bottomRight : topRight) : (py > 0.0 ? bottomLeft : topLeft);
            const double dx = std::abs(px) - ex + rho;
            const double dy = std::abs(py) - ey + rho;
            const double distance
                = std::min(std::max(dx, dy), 0.0) + std::hypot(std::max(dx, 0.0), std::max(dy, 0.0)) - rho;
            const double a = alpha * (1.0 - smoothstep(-band, band, distance));
            line[x] = qRgba(qRound(red * a * 255.0), qRound(green * a * 255.0), qRound(blue * a * 255.0),
                            qRound(a * 255.0));
        }
    }
}

void paintImage(QPainter& painter, QImage& target, const RectangleLook& look, const QPainterPath& shape)
{
    const QImage image = TextureCache::loadImage(*look.image, look.rect.size());
    if (image.isNull()) {
        return;
    }
    painter.save();
    painter.setClipPath(shape);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    if (look.imageMode == RectangleLook::ImageMode::Picture) {
        painter.drawImage(look.rect, image);
        painter.restore();
        return;
    }
    QImage layer(target.size(), QImage::Format_ARGB32_Premultiplied);
    layer.fill(Qt::transparent);
    {
        QPainter lp(&layer);
        lp.setTransform(painter.transform());
        lp.setRenderHint(QPainter::SmoothPixmapTransform);
        const QColor mask = look.maskColor.isValid() ? look.maskColor : QColor(Qt::transparent);
        if (look.imageMode == RectangleLook::ImageMode::Mask) {
            lp.drawImage(look.rect, image);
            lp.setCompositionMode(QPainter::CompositionMode_SourceIn);
            lp.fillRect(look.rect, mask);
        } else {
            lp.fillRect(look.rect, mask);
            lp.setCompositionMode(QPainter::CompositionMode_DestinationOut);
            lp.drawImage(look.rect, image);
        }
    }
    painter.resetTransform();
    painter.drawImage(0, 0, layer);
    painter.restore();
}

QByteArray cacheKey(const RectangleLook& look, const QRectF& painted, qreal dpr)
{
    QByteArray key;
    QDataStream out(&key, QIODevice::WriteOnly);
    out << dpr << painted.size() << QRectF(look.rect.topLeft() - painted.topLeft(), look.rect.size()) << look.fill
        << look.radius << look.border << look.outline;
    for (int i = 0; i < 4; ++i) {
        out << look.borderColors[i] << look.outlineColors[i];
    }
    out << look.hasShadow << look.shadowSize << look.shadowBlur << look.shadowOffset << look.shadowColor;
    out << (look.image ? QString::fromStdString(look.image->string()) : QString()) << int(look.imageMode)
        << look.maskColor;
    return key;
}

// Painted looks by what they show; a few controls of each kind and state
// usually share one.
struct LookCache
{
    QMutex mutex;
    // Costs in kilobytes.
    QCache<QByteArray, QImage> images { 16 * 1024 };
};

LookCache& lookCache()
{
    // Never destroyed: render threads may still paint at exit.
    static auto* cache = new LookCache;
    return *cache;
}

QImage paintedLook(const RectangleLook& look, qreal dpr)
{
    const QByteArray key = cacheKey(look, look.paintedRect(), dpr);
    LookCache& cache = lookCache();
    {
        QMutexLocker locker(&cache.mutex);
        if (const QImage* image = cache.images.object(key)) {
            return *image;
        }
    }
    const QImage image = paintRectangleLook(look, dpr);
    QMutexLocker locker(&cache.mutex);
    cache.images.insert(key, new QImage(image), std::max<qsizetype>(image.sizeInBytes() / 1024, 1));
    return image;
}
} // namespace

QRectF RectangleLook::paintedRect() const
{
    QRectF result = rect.marginsAdded(QMarginsF(std::max(outline.left(), 0.0), std::max(outline.top(), 0.0),
                                                std::max(outline.right(), 0.0), std::max(outline.bottom(), 0.0)));
    if (hasShadow && draws(shadowColor)) {
        const double a = shadowSize + std::max(shadowBlur, 0.0);
        result = result.united(rect.adjusted(-a, -a, a, a).translated(shadowOffset));
    }
    return result;
}

bool RectangleLook::isPlain() const
{
    return radius.x() <= 0.0f && radius.y() <= 0.0f && radius.z() <= 0.0f && radius.w() <= 0.0f && isEmpty(outline)
        && !(hasShadow && draws(shadowColor)) && !image;
}

QImage paintRectangleLook(const RectangleLook& look, qreal dpr)
{
    const QRectF painted = look.paintedRect();
    const QSize size(int(std::ceil(painted.width() * dpr - 1e-6)), int(std::ceil(painted.height() * dpr - 1e-6)));
    QImage image(size.expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    if (look.hasShadow) {
        paintShadow(image, look, painted.topLeft(), dpr);
    }

    QPainter painter(&image);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.scale(dpr, dpr);
    painter.translate(-painted.topLeft());

    const Corners corners = cornersOf(look);
    const QPainterPath shape = roundedPath(look.rect, corners);
    if (!isEmpty(look.outline)) {
        paintRing(painter, look.rect.marginsAdded(look.outline), grown(corners, look.outline), look.rect, corners,
                  look.outlineColors);
    }
    if (draws(look.fill)) {
        painter.fillPath(shape, look.fill);
    }
    if (look.image) {
        paintImage(painter, image, look, shape);
    }
    if (!isEmpty(look.border)) {
        paintRing(painter, look.rect, corners, inset(look.rect, look.border), shrunk(corners, look.border),
                  look.borderColors);
    }
    return image;
}

FallbackRectangleNode::FallbackRectangleNode() = default;

FallbackRectangleNode::~FallbackRectangleNode()
{
    // The image node goes before the texture it draws.
    clear();
}

void FallbackRectangleNode::update(QQuickWindow* window, const RectangleLook& look, qreal devicePixelRatio)
{
    if (!window || (m_look && *m_look == look && m_devicePixelRatio == devicePixelRatio)) {
        return;
    }
    if (look.isPlain()) {
        updateRectangles(window, look);
    } else {
        updateImage(window, look, devicePixelRatio);
    }
    m_look = look;
    m_devicePixelRatio = devicePixelRatio;
}

void FallbackRectangleNode::clear()
{
    while (QSGNode* child = firstChild()) {
        removeChildNode(child);
        delete child;
    }
    m_imageNode = nullptr;
    m_texture.reset();
}

void FallbackRectangleNode::updateRectangles(QQuickWindow* window, const RectangleLook& look)
{
    struct Part
    {
        QRectF rect;
        QColor color;
    };
    std::vector<Part> parts;
    auto add = [&parts](const QRectF& rect, const QColor& color) {
        if (draws(color) && rect.width() > 0.0 && rect.height() > 0.0) {
            parts.push_back({ rect, color });
        }
    };
    // The fill lies under the border, as with the shaders, so that a
    // translucent border shows it.
    const QRectF& r = look.rect;
    add(r, look.fill);
    const QRectF in = inset(r, look.border);
    add(QRectF(r.left(), r.top(), in.left() - r.left(), r.height()), look.borderColors[0]);
    add(QRectF(in.right(), r.top(), r.right() - in.right(), r.height()), look.borderColors[2]);
    add(QRectF(in.left(), r.top(), in.width(), in.top() - r.top()), look.borderColors[1]);
    add(QRectF(in.left(), in.bottom(), in.width(), r.bottom() - in.bottom()), look.borderColors[3]);

    if (m_imageNode || childCount() != int(parts.size())) {
        clear();
        for (std::size_t i = 0; i < parts.size(); ++i) {
            QSGRectangleNode* node = window->createRectangleNode();
            node->setFlag(QSGNode::OwnedByParent);
            appendChildNode(node);
        }
    }
    QSGNode* child = firstChild();
    for (const Part& part : parts) {
        auto* node = static_cast<QSGRectangleNode*>(child);
        node->setRect(part.rect);
        node->setColor(part.color);
        child = child->nextSibling();
    }
}

void FallbackRectangleNode::updateImage(QQuickWindow* window, const RectangleLook& look, qreal devicePixelRatio)
{
    const QImage image = paintedLook(look, devicePixelRatio);
    std::shared_ptr<QSGTexture> texture = TextureCache::loadTexture(window, image, {});
    if (!texture) {
        clear();
        return;
    }
    if (!m_imageNode) {
        clear();
        m_imageNode = window->createImageNode();
        m_imageNode->setFlag(QSGNode::OwnedByParent);
        m_imageNode->setOwnsTexture(false);
        m_imageNode->setFiltering(QSGTexture::Linear);
        appendChildNode(m_imageNode);
    }
    m_imageNode->setTexture(texture.get());
    m_texture = std::move(texture);
    const QRectF painted = look.paintedRect();
    m_imageNode->setRect(QRectF(painted.topLeft(), QSizeF(image.size()) / devicePixelRatio));
    m_imageNode->setSourceRect(QRectF(QPointF(), image.size()));
}
} // namespace Quilt::Quick
