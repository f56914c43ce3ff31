#pragma once

#include "quickimplglobal.h"

#include <QColor>
#include <QMarginsF>
#include <QPointF>
#include <QRectF>
#include <QtQuick/QSGNode>
#include <QVector4D>

#include <array>
#include <filesystem>
#include <memory>
#include <optional>

class QImage;
class QQuickWindow;
class QSGImageNode;
class QSGTexture;

namespace Quilt::Quick
{
// Everything a styled rectangle draws, in item coordinates.
struct RectangleLook
{
    enum class ImageMode
    {
        Picture,
        Mask,
        InvertedMask,
    };

    QRectF rect;
    // Invalid colours draw nothing.
    QColor fill;
    // Corner radii in pixels: bottomRight, topRight, bottomLeft, topLeft.
    QVector4D radius;
    QMarginsF border;
    // left, top, right, bottom
    std::array<QColor, 4> borderColors;
    QMarginsF outline;
    std::array<QColor, 4> outlineColors;
    bool hasShadow = false;
    double shadowSize = 0.0;
    double shadowBlur = 0.0;
    QPointF shadowOffset;
    QColor shadowColor;
    std::optional<std::filesystem::path> image;
    ImageMode imageMode = ImageMode::Picture;
    QColor maskColor;

    friend bool operator==(const RectangleLook&, const RectangleLook&) = default;

    // The area the look paints on: the rectangle with its outline and shadow.
    QRectF paintedRect() const;
    // Whether plain filled rectangles draw all of it exactly.
    bool isPlain() const;
};

// Paints a look into an image of the painted rectangle's size in device
// pixels, the rectangle's top-left at (paintedRect() - rect.topLeft()).
QUILT_QUICK_EXPORT QImage paintRectangleLook(const RectangleLook& look, qreal devicePixelRatio);

// A styled rectangle for scene graphs that cannot run the library's shader
// materials (the software renderer and other backends without a shader
// pipeline): plain looks become the backend's own rectangle nodes, the rest
// one image node with the look painted ahead. Looks painted once are shared
// between nodes and windows.
class QUILT_QUICK_EXPORT FallbackRectangleNode : public QSGNode
{
public:
    FallbackRectangleNode();
    ~FallbackRectangleNode() override;

    void update(QQuickWindow* window, const RectangleLook& look, qreal devicePixelRatio);

private:
    void updateRectangles(QQuickWindow* window, const RectangleLook& look);
    void updateImage(QQuickWindow* window, const RectangleLook& look, qreal devicePixelRatio);
    void clear();

    std::optional<RectangleLook> m_look;
    qreal m_devicePixelRatio = 0.0;
    QSGImageNode* m_imageNode = nullptr;
    std::shared_ptr<QSGTexture> m_texture;
};
} // namespace Quilt::Quick
