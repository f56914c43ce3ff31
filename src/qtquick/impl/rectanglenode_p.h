#pragma once

#include "shadernode_p.h"

#include <QColor>
#include <QVector2D>
#include <QVector4D>

class QQuickWindow;

namespace Quilt::Properties
{
class ImagePropertyGroup;
}

namespace Quilt::Quick
{
// The fill of a styled rectangle: a rounded rectangle in one colour, covered
// by the background image used as a picture, a mask or an inverted mask.
class QUILT_QUICK_EXPORT RectangleNode : public ShaderNode
{
public:
    RectangleNode();

    void setColor(const QColor& color);
    void setRadius(const QVector4D& radius);
    // Not owned; read only during the update that follows.
    void setImage(const Quilt::Properties::ImagePropertyGroup* image);
    void setWindow(QQuickWindow* window);

    void update() override;

private:
    QColor m_color;
    QVector4D m_radius;
    const Quilt::Properties::ImagePropertyGroup* m_image = nullptr;
    QQuickWindow* m_window = nullptr;
};

// The blurred, rounded shadow cast by a styled rectangle.
class QUILT_QUICK_EXPORT RectangleShadowNode : public ShaderNode
{
public:
    RectangleShadowNode();

    // The rectangle casting the shadow; the node draws a larger quad.
    QRectF rect() const;
    void setRect(const QRectF& rect);
    void setRadius(const QVector4D& radius);
    void setBlur(float blur);
    void setSize(float size);
    void setOffset(const QVector2D& offset);
    void setColor(const QColor& color);

    void update() override;

private:
    bool m_changed = false;
    QRectF m_rect;
    QVector4D m_radius;
    float m_blur = 0.0f;
    float m_size = 0.0f;
    QVector2D m_offset;
    QColor m_color;
};
} // namespace Quilt::Quick
