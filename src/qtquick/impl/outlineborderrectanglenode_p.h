#pragma once

#include "shadernode_p.h"

#include <QVector4D>

#include <array>

namespace Quilt::Properties
{
class BorderPropertyGroup;
class OutlinePropertyGroup;
} // namespace Quilt::Properties

namespace Quilt::Quick
{
// The border (inside the edge) and outline (outside it) of a styled
// rectangle, each side in its own width and colour, drawn as a nine-patch so
// that the colours of two sides blend only inside the corner blocks.
class QUILT_QUICK_EXPORT OutlineBorderRectangleNode : public ShaderNode
{
public:
    struct Vertex
    {
        float x, y;
        float u, v;
        QVector4D border;
        QVector4D outline;
    };
    static_assert(sizeof(Vertex) == 48);

    static constexpr int VertexCount = 28;
    static constexpr int IndexCount = 54;

    OutlineBorderRectangleNode();

    // The styled rectangle: the border lies inside it, the outline outside.
    QRectF rect() const { return m_rect; }
    void setRect(const QRectF& rect) { m_rect = rect; }
    // Not owned; read only during the update that follows.
    void setBorder(const Quilt::Properties::BorderPropertyGroup* border) { m_border = border; }
    void setOutline(const Quilt::Properties::OutlinePropertyGroup* outline) { m_outline = outline; }
    // Corner radii in pixels: bottomRight, topRight, bottomLeft, topLeft.
    void setRadius(const QVector4D& radius) { m_radius = radius; }

    const std::array<Vertex, VertexCount>& vertices() const { return m_vertices; }

    void update() override;

protected:
    void updateGeometry(QSGGeometry* geometry) override;

private:
    QRectF m_rect;
    const Quilt::Properties::BorderPropertyGroup* m_border = nullptr;
    const Quilt::Properties::OutlinePropertyGroup* m_outline = nullptr;
    QVector4D m_radius;
    std::array<Vertex, VertexCount> m_vertices {};
};
} // namespace Quilt::Quick
