#include "styledrectangle.h"

#include "elementquery.h"
#include "fallbackrectanglenode_p.h"
#include "meshrectanglenode_p.h"
#include "outlineborderrectanglenode_p.h"
#include "quickelement.h"
#include "quicklogging_p.h"
#include "rectanglenode_p.h"
#include "texturecache_p.h"

#include "backgroundpropertygroup.h"
#include "borderpropertygroup.h"
#include "cornerspropertygroup.h"
#include "imagepropertygroup.h"
#include "layoutpropertygroup.h"
#include "linepropertygroup.h"
#include "offsetpropertygroup.h"
#include "outlinepropertygroup.h"
#include "shadowpropertygroup.h"
#include "stylepropertygroup.h"

#include <QtCore/QHash>
#include <QtCore/QMutex>
#include <QtGui/QImage>
#include <QtQml/QQmlEngine>
#include <QtQuick/private/qquickitem_p.h>
#include <QtQuick/QQuickRenderControl>
#include <QtQuick/QQuickWindow>
#include <QtQuick/QSGRendererInterface>

#include <atomic>
#include <cmath>

namespace Quilt::Quick
{
namespace
{
using Quilt::Properties::LinePropertyGroup;

// The library's nodes draw with shader materials, which only scene graphs
// on a graphics API run; the software renderer and its kin take the fallback.
bool runsShaders(QQuickWindow* window)
{
    QSGRendererInterface* renderer = window ? window->rendererInterface() : nullptr;
    return !renderer || QSGRendererInterface::isApiRhiBased(renderer->graphicsApi());
}

void reportShadersOff(QQuickWindow* window)
{
    static std::atomic_bool reported = false;
    if (!reported.exchange(true)) {
        const QSGRendererInterface::GraphicsApi api = window->rendererInterface()->graphicsApi();
        const char* name = api == QSGRendererInterface::Software ? "software"
            : api == QSGRendererInterface::OpenVG                ? "OpenVG"
                                                                 : "without a shader pipeline";
        qCDebug(lcQtQuick).nospace() << "Shaders are off (scene graph: " << name
                                     << "): styled rectangles are drawn with its rectangle and image nodes";
    }
}

double lineWidth(const LinePropertyGroup* line)
{
    if (!line || !line->style() || *line->style() == Quilt::Properties::LineStyle::None) {
        return 0.0;
    }
    return std::max(line->size().value_or(0.0), 0.0);
}

QColor lineColor(const LinePropertyGroup* line)
{
    return line ? line->color().value_or(Quilt::Color()).toQColor() : QColor();
}

template<typename Group> void readLines(const Group* group, QMarginsF& widths, std::array<QColor, 4>& colors)
{
    if (!group) {
        return;
    }
    widths = QMarginsF(lineWidth(group->left()), lineWidth(group->top()), lineWidth(group->right()),
                       lineWidth(group->bottom()));
    colors
        = { lineColor(group->left()), lineColor(group->top()), lineColor(group->right()), lineColor(group->bottom()) };
}
} // namespace

StyledRectangle::StyledRectangle(QQuickItem* parent)
    : QQuickItem(parent)
{
    // Observing the viewport makes Qt Quick report transform changes of any
    // ancestor, which the pixel snapping depends on.
    setFlag(ItemHasContents);
    setFlag(ItemObservesViewport);
}

StyledRectangle::~StyledRectangle()
{
    leaveSharedStyle();
}

QuickStyle* StyledRectangle::style() const
{
    return m_style;
}

void StyledRectangle::setStyle(QuickStyle* style)
{
    if (style == m_style) {
        return;
    }
    leaveSharedStyle();
    m_style = style;
    Q_EMIT styleChanged();
}

void StyledRectangle::componentComplete()
{
    QQuickItem::componentComplete();
    if (m_style) {
        return;
    }
    findStyle();
    updateImplicitSize();
}

void StyledRectangle::findStyle()
{
    const auto styleOf = reinterpret_cast<QQmlAttachedPropertiesFunc>(&QuickStyle::qmlAttachedProperties);
    const auto elementOf = reinterpret_cast<QQmlAttachedPropertiesFunc>(&QuickElement::qmlAttachedProperties);
    // A Style that the document made (it binds to it) or an Element of its
    // own: the rectangle's own Style. Otherwise the Style of its own would
    // follow the parent's element, as the parent's Style does.
    QQuickItem* parent = parentItem();
    if (!qmlAttachedPropertiesObject(this, styleOf, false) && !qmlAttachedPropertiesObject(this, elementOf, false)
        && parent && qmlAttachedPropertiesObject(parent, elementOf, false)) {
        m_style = qobject_cast<QuickStyle*>(qmlAttachedPropertiesObject(parent, styleOf, true));
        if (m_style) {
            m_sharedStyle = true;
            m_style->installEventFilter(this);
            Q_EMIT styleChanged();
            return;
        }
    }
    m_style = qobject_cast<QuickStyle*>(qmlAttachedPropertiesObject(this, styleOf, true));
    Q_EMIT styleChanged();
}

void StyledRectangle::leaveSharedStyle()
{
    if (m_sharedStyle && m_style) {
        m_style->removeEventFilter(this);
    }
    m_sharedStyle = false;
}

void StyledRectangle::updateImplicitSize()
{
    Quilt::ElementQuery* query = m_style ? m_style->query() : nullptr;
    if (!query || !query->hasMatches()) {
        return;
    }
    const Quilt::Properties::LayoutPropertyGroup* layout = query->properties()->layout();
    const double width = layout ? layout->width().value_or(0.0) : 0.0;
    const double height = layout ? layout->height().value_or(0.0) : 0.0;
    setImplicitSize(width, height);
    update();
}

bool StyledRectangle::event(QEvent* event)
{
    const int type = event->type();
    if (type == QuickStyleUpdatedEvent::s_type) {
        updateImplicitSize();
        // Also without matches: a style that lost its match draws nothing.
        update();
        return false;
    }
    if (type == QuickStyleColorsChangedEvent::s_type) {
        update();
        return false;
    }
    return QQuickItem::event(event);
}

bool StyledRectangle::eventFilter(QObject* watched, QEvent* event)
{
    // The parent's Style passes its events on to the parent, not here.
    if (m_sharedStyle && watched == m_style) {
        const int type = event->type();
        if (type == QuickStyleUpdatedEvent::s_type || type == QuickStyleColorsChangedEvent::s_type) {
            StyledRectangle::event(event);
        }
    }
    return QQuickItem::eventFilter(watched, event);
}

void StyledRectangle::itemChange(ItemChange change, const ItemChangeData& data)
{
    if (change == ItemTransformHasChanged) {
        update();
    }
    // Moved elsewhere, it shows its new surroundings' element.
    if (change == ItemParentHasChanged && m_sharedStyle && m_style && data.item && data.item != m_style->parent()) {
        leaveSharedStyle();
        findStyle();
        updateImplicitSize();
        update();
    }
    QQuickItem::itemChange(change, data);
}

qreal StyledRectangle::devicePixelRatio() const
{
    QQuickWindow* quickWindow = window();
    if (!quickWindow) {
        return 1.0;
    }
    QWindow* w = QQuickRenderControl::renderWindowFor(quickWindow);
    if (!w) {
        w = quickWindow;
    }
    return double(float(w->devicePixelRatio()));
}

QSizeF StyledRectangle::devicePixelSize(const QTransform& transform) const
{
    const double k = devicePixelRatio();
    double sx = 1.0, sy = 1.0;
    if (transform.type() <= QTransform::TxScale) {
        sx = std::abs(transform.m11());
        sy = std::abs(transform.m22());
    } else if (transform.type() < QTransform::TxProject) {
        // Rotated or sheared: the mean scale.
        sx = sy = std::sqrt(std::abs(transform.determinant()));
    }
    auto size = [k](double scale) {
        return scale * k > 1e-6 ? 1.0 / (scale * k) : 1.0;
    };
    return QSizeF(size(sx), size(sy));
}

QRectF StyledRectangle::snapToPixels(const QRectF& rect, const QTransform& transform) const
{
    // Snapping maps through bounding boxes, which would grow a rotated (or
    // sheared) rectangle: snap only what stays axis-aligned.
    if (transform.type() > QTransform::TxScale) {
        return rect;
    }

    QQuickWindow* quickWindow = window();
    if (!quickWindow) {
        return rect;
    }
    const double k = devicePixelRatio();
    // std::round takes halves away from zero.
    using std::round;

    const QRectF s = mapRectToScene(rect);
    const double x = round(s.x() * k) / k;
    const double y = round(s.y() * k) / k;
    const double width = round((x + s.width()) * k) / k - x;
    const double height = round((y + s.height()) * k) / k - y;
    return mapRectFromScene(QRectF(x, y, width, height));
}

namespace
{
// The part of an image that is not clear, in its pixels; kept per image, as
// every check box of a window draws the same one.
QRect visibleBounds(const QImage& image)
{
    static QMutex mutex;
    static QHash<qint64, QRect> known;
    QMutexLocker locker(&mutex);
    const auto found = known.constFind(image.cacheKey());
    if (found != known.cend()) {
        return *found;
    }
    const QImage argb = image.convertToFormat(QImage::Format_ARGB32);
    int left = argb.width(), top = argb.height(), right = -1, bottom = -1;
    for (int y = 0; y < argb.height(); ++y) {
        const auto* line = reinterpret_cast<const QRgb*>(argb.constScanLine(y));
        for (int x = 0; x < argb.width(); ++x) {
            if (qAlpha(line[x]) != 0) {
                left = std::min(left, x);
                right = std::max(right, x);
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            }
        }
    }
    const QRect bounds = right < 0 ? QRect() : QRect(QPoint(left, top), QPoint(right, bottom));
    // A picture loaded again (the image cache let it go) comes with a new
    // key: the old keys are forgotten now and then rather than kept forever.
    if (known.size() >= 256) {
        known.clear();
    }
    known.insert(image.cacheKey(), bounds);
    return bounds;
}
} // namespace

QSGNode* StyledRectangle::updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData*)
{
    using namespace Quilt::Properties;

    Quilt::ElementQuery* query = m_style ? m_style->query() : nullptr;
    const QRectF bounds = boundingRect();
    if (!query || !query->hasMatches() || !query->properties() || !query->properties()->hasAnyValue()
        || !(bounds.width() > 0.0) || !(bounds.height() > 0.0)) {
        delete oldNode;
        return nullptr;
    }
    const StylePropertyGroup* properties = query->properties();

    const QTransform toWindow = QQuickItemPrivate::get(this)->itemToWindowTransform();
    const QRectF r = snapToPixels(bounds, toWindow);
    const RectangleLook look = lookOf(r);
    // A picture that keeps inside the border (a check mark) is drawn over
    // the mesh as a texture of its own, which batches with the others.
    const QSizeF pixel = devicePixelSize(toWindow);
    QImage picture;
    if (look.image && look.imageMode == RectangleLook::ImageMode::Picture && runsShaders(window())) {
        picture = TextureCache::loadImage(*look.image, r.size());
        if (!MeshRectangleNode::canDrawWithPicture(look, visibleBounds(picture), picture.size(), pixel)) {
            picture = QImage();
        }
    }
    // Most rectangles are a fill with lines around: one mesh each, which the
    // renderer draws in one batch with the next rectangle's.
    const NodeKind kind = !runsShaders(window())                ? NodeKind::Fallback
        : MeshRectangleNode::canDraw(look) || !picture.isNull() ? NodeKind::Mesh
                                                                : NodeKind::Shaders;
    if (oldNode && kind != m_nodeKind) {
        delete oldNode;
        oldNode = nullptr;
    }
    m_nodeKind = kind;
    if (kind == NodeKind::Fallback) {
        reportShadersOff(window());
        auto* node = oldNode ? static_cast<FallbackRectangleNode*>(oldNode) : new FallbackRectangleNode;
        node->update(window(), look, devicePixelRatio());
        return node;
    }
    if (kind == NodeKind::Mesh) {
        auto* node = oldNode ? static_cast<MeshRectangleNode*>(oldNode) : new MeshRectangleNode;
        // Snapping put an axis-aligned rectangle on the pixel grid.
        node->update(look, pixel, toWindow.type() <= QTransform::TxScale);
        node->setPicture(
            picture.isNull() ? nullptr : TextureCache::loadTexture(window(), picture, QQuickWindow::TextureCanUseAtlas),
            r);
        return node;
    }

    QSGNode* root = oldNode ? oldNode : new QSGNode;

    const ShadowPropertyGroup* shadow = properties->shadow();
    const BackgroundPropertyGroup* background = properties->background();
    const int shadows = shadow ? 1 : 0;
    const int backgrounds = background ? 1 : 0;
    const bool border = properties->border() || properties->outline();
    if (!oldNode || root->childCount() != shadows + backgrounds + (border ? 1 : 0) || shadows != m_shadowCount
        || backgrounds != m_backgroundCount || border != m_hasBorder) {
        while (QSGNode* child = root->firstChild()) {
            root->removeChildNode(child);
            delete child;
        }
        m_shadowCount = shadows;
        m_backgroundCount = backgrounds;
        m_hasBorder = border;
        auto append = [root](QSGNode* node) {
            node->setFlag(QSGNode::OwnedByParent);
            root->appendChildNode(node);
        };
        for (int i = 0; i < shadows; ++i) {
            append(new RectangleShadowNode);
        }
        for (int i = 0; i < backgrounds; ++i) {
            append(new RectangleNode);
        }
        if (border) {
            append(new OutlineBorderRectangleNode);
        }
    }

    QSGNode* child = root->firstChild();
    if (shadow) {
        auto node = static_cast<RectangleShadowNode*>(child);
        node->setRect(r);
        node->setRadius(look.radius);
        node->setBlur(float(look.shadowBlur));
        node->setSize(float(look.shadowSize));
        node->setOffset(QVector2D(look.shadowOffset));
        node->setColor(look.shadowColor);
        node->update();
        child = child->nextSibling();
    }
    if (background) {
        auto node = static_cast<RectangleNode*>(child);
        node->setRect(r);
        node->setRadius(look.radius);
        node->setColor(look.fill);
        node->setImage(background->image());
        node->setWindow(window());
        node->update();
        child = child->nextSibling();
    }
    if (border) {
        auto node = static_cast<OutlineBorderRectangleNode*>(child);
        node->setRect(r);
        node->setBorder(properties->border());
        node->setOutline(properties->outline());
        node->setRadius(look.radius);
        node->update();
    }
    return root;
}

RectangleLook StyledRectangle::lookOf(const QRectF& rect) const
{
    using namespace Quilt::Properties;

    const StylePropertyGroup* properties = m_style->query()->properties();

    RectangleLook look;
    look.rect = rect;
    if (const CornersPropertyGroup* corners = properties->corners()) {
        const CornerRadii radii = corners->radii();
        look.radius
            = QVector4D(float(radii.bottomRight), float(radii.topRight), float(radii.bottomLeft), float(radii.topLeft));
    }
    if (const ShadowPropertyGroup* shadow = properties->shadow()) {
        look.hasShadow = true;
        look.shadowSize = shadow->size().value_or(0.0);
        look.shadowBlur = shadow->blur().value_or(0.0);
        look.shadowOffset = shadow->offset() ? shadow->offset()->toVector2D().toPointF() : QPointF();
        look.shadowColor = shadow->color().value_or(Quilt::Color()).toQColor();
    }
    if (const BackgroundPropertyGroup* background = properties->background()) {
        look.fill = background->color().value_or(Quilt::Color()).toQColor();
        const ImagePropertyGroup* image = background->image();
        if (image && image->source() && !image->isEmpty()) {
            look.image = image->source();
            if (const auto flags = image->flags()) {
                if (flags->testFlag(ImageFlag::Mask)) {
                    look.imageMode = RectangleLook::ImageMode::Mask;
                } else if (flags->testFlag(ImageFlag::InvertedMask)) {
                    look.imageMode = RectangleLook::ImageMode::InvertedMask;
                }
                if (look.imageMode != RectangleLook::ImageMode::Picture) {
                    look.maskColor = image->maskColor().value_or(Quilt::Color()).toQColor();
                }
            }
        }
    }
    readLines(properties->border(), look.border, look.borderColors);
    readLines(properties->outline(), look.outline, look.outlineColors);
    return look;
}
} // namespace Quilt::Quick
