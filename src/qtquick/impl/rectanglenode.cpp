#include "rectanglenode_p.h"

#include "shadermaterial_p.h"
#include "shaderuniforms_p.h"

#include "imagepropertygroup.h"

#include <QImage>

namespace Quilt::Quick
{
namespace
{
constexpr quint8 ImageChannel = 1;
constexpr quint8 ImageBinding = 1;

// Bound where an image did not load, so that the texture programs sample
// something defined: a clear pixel that leaves the fill alone.
const QImage& clearImage()
{
    static const QImage image = [] {
        QImage result(1, 1, QImage::Format_RGBA8888_Premultiplied);
        result.fill(Qt::transparent);
        return result;
    }();
    return image;
}
} // namespace

RectangleNode::RectangleNode() = default;

void RectangleNode::setColor(const QColor& color)
{
    m_color = color;
}

void RectangleNode::setRadius(const QVector4D& radius)
{
    m_radius = radius;
}

void RectangleNode::setImage(const Quilt::Properties::ImagePropertyGroup* image)
{
    m_image = image;
}

void RectangleNode::setWindow(QQuickWindow* window)
{
    m_window = window;
}

void RectangleNode::update()
{
    using Quilt::Properties::ImageFlag;

    // The programs by image use; static, so that a warm update allocates nothing.
    static const QString plain = QStringLiteral("rectangle");
    static const QString picture = QStringLiteral("rectangle-texture");
    static const QString mask = QStringLiteral("rectangle-mask");
    static const QString invertedMask = QStringLiteral("rectangle-invertedmask");

    const QString* name = &plain;
    QColor maskColor = Qt::transparent;
    const bool hasImage = m_image && m_image->source().has_value();
    if (hasImage && !m_image->isEmpty()) {
        if (const auto flags = m_image->flags()) {
            if (flags->testFlag(ImageFlag::Mask)) {
                name = &mask;
            } else if (flags->testFlag(ImageFlag::InvertedMask)) {
                name = &invertedMask;
            } else {
                name = &picture;
            }
            maskColor = m_image->maskColor().value_or(Quilt::Color()).toQColor();
        } else {
            name = &picture;
        }
    }

    setShader(*name);
    setUniformFloatCount(32);
    setUvCount(2);

    const QRectF r = ShaderNode::rect();
    const ShapeMetrics metrics = ShapeMetrics::of(r.size());
    UniformWriter block(uniformData());
    block.word(0, MatrixMarker);
    block.word(64, OpacityMarker);
    block.vec2(72, metrics.aspect);
    block.vec4(80, premultipliedColor(m_color));
    block.vec4(96, premultipliedColor(maskColor));
    block.vec4(112, m_radius / metrics.f);

    if (hasImage) {
        setTexture(ImageChannel, ImageBinding, *m_image->source(), m_window, r.size(), 0);
        ShaderMaterial* material = shaderMaterial();
        if (material && !material->texture(ImageBinding) && name != &plain) {
            setTexture(ImageChannel, ImageBinding, clearImage(), m_window, NearestFiltering);
        }
    }

    markDirty(DirtyMaterial);
    ShaderNode::update();
}

RectangleShadowNode::RectangleShadowNode()
{
    setShader(QStringLiteral("rectangleshadow"));
    setUniformDataSize(128);
    setUvCount(1);
}

QRectF RectangleShadowNode::rect() const
{
    return m_rect;
}

void RectangleShadowNode::setRect(const QRectF& rect)
{
    if (rect != m_rect) {
        m_rect = rect;
        m_changed = true;
    }
}

void RectangleShadowNode::setRadius(const QVector4D& radius)
{
    if (radius.x() != m_radius.x() || radius.y() != m_radius.y() || radius.z() != m_radius.z()
        || radius.w() != m_radius.w()) {
        m_radius = radius;
        m_changed = true;
    }
}

void RectangleShadowNode::setBlur(float blur)
{
    if (!qFuzzyCompare(blur, m_blur)) {
        m_blur = blur;
        m_changed = true;
    }
}

void RectangleShadowNode::setSize(float size)
{
    if (!qFuzzyCompare(size, m_size)) {
        m_size = size;
        m_changed = true;
    }
}

void RectangleShadowNode::setOffset(const QVector2D& offset)
{
    if (offset.x() != m_offset.x() || offset.y() != m_offset.y()) {
        m_offset = offset;
        m_changed = true;
    }
}

void RectangleShadowNode::setColor(const QColor& color)
{
    if (color != m_color) {
        m_color = color;
        m_changed = true;
    }
}

void RectangleShadowNode::update()
{
    if (!m_changed) {
        return;
    }
    m_changed = false;

    const double a = double(m_size) + double(m_blur);
    const QRectF quad(m_rect.x() - a + m_offset.x(), m_rect.y() - a + m_offset.y(), m_rect.width() + 2 * a,
                      m_rect.height() + 2 * a);
    ShaderNode::setRect(quad);

    const ShapeMetrics metrics = ShapeMetrics::of(quad.size());
    UniformWriter block(uniformData());
    block.word(0, MatrixMarker);
    block.word(64, OpacityMarker);
    block.vec2(72, metrics.aspect);
    block.scalar(80, m_size / metrics.f);
    block.scalar(84, m_blur / metrics.f);
    block.vec4(96, m_radius / metrics.f);
    block.vec4(112, premultipliedColor(m_color));

    markDirty(DirtyMaterial);
    ShaderNode::update();
}
} // namespace Quilt::Quick
