#include "outlineborderrectanglenode_p.h"

#include "shadermaterial_p.h"
#include "shaderuniforms_p.h"

#include "borderpropertygroup.h"
#include "linepropertygroup.h"
#include "outlinepropertygroup.h"

#include <cstring>

namespace Quilt::Quick
{
namespace
{
using Quilt::Properties::LinePropertyGroup;
using Quilt::Properties::LineStyle;

float lineWidth(const LinePropertyGroup* line)
{
    if (!line || !line->style() || *line->style() == LineStyle::None) {
        return 0.0f;
    }
    return float(line->size().value_or(0.0));
}

QVector4D lineColor(const LinePropertyGroup* line)
{
    const Quilt::Color color = line ? line->color().value_or(Quilt::Color()) : Quilt::Color();
    return premultipliedColor(color.toQColor());
}

// (left, top, right, bottom)
template<typename Group> QVector4D sideWidths(const Group* group)
{
    if (!group) {
        return {};
    }
    return { lineWidth(group->left()), lineWidth(group->top()), lineWidth(group->right()), lineWidth(group->bottom()) };
}

template<typename Group> std::array<QVector4D, 4> sideColors(const Group* group)
{
    return { lineColor(group->left()), lineColor(group->top()), lineColor(group->right()), lineColor(group->bottom()) };
}

QVector4D average(const QVector4D& a, const QVector4D& b)
{
    return a / 2.0f + b / 2.0f;
}

// Record colours for side colours (left, top, right, bottom); the centre
// records (24 to 27) stay as they are.
std::array<QVector4D, 24> recordColors(const std::array<QVector4D, 4>& c)
{
    const QVector4D& l = c[0];
    const QVector4D& t = c[1];
    const QVector4D& r = c[2];
    const QVector4D& b = c[3];
    const QVector4D lt = average(l, t);
    const QVector4D tr = average(t, r);
    const QVector4D lb = average(l, b);
    const QVector4D rb = average(r, b);
    return { lt, l, t, lt, t, t, t, tr, r, tr, l, l, l, lb, b, lb, r, r, r, rb, b, rb, b, b };
}

// Opposite corner insets that together exceed the side would make the strips
// between them overlap (and translucent lines blend twice): shrink them.
void fitInsets(double& first, double& second, double available)
{
    const double sum = first + second;
    if (sum > available && sum > 0.0) {
        const double scale = std::max(available, 0.0) / sum;
        first *= scale;
        second *= scale;
    }
}

constexpr quint16 Indices[OutlineBorderRectangleNode::IndexCount] = {
    0,  1,  2,  1,  3,  2, // top-left block
    2,  4,  5,  4,  6,  5, // top strip
    5,  7,  8,  5,  8,  9, // top-right block
    1,  10, 11, 10, 12, 11, // left strip
    10, 13, 14, 10, 14, 15, // bottom-left block
    16, 17, 8,  8,  17, 18, // right strip
    19, 20, 18, 18, 20, 21, // bottom-right block
    22, 14, 23, 14, 20, 23, // bottom strip
    24, 25, 26, 25, 27, 26, // centre
};
} // namespace

OutlineBorderRectangleNode::OutlineBorderRectangleNode()
{
    setVertexCount(VertexCount);
    setIndexCount(IndexCount);
    setUvCount(1);
    setColorCount(2);
}

void OutlineBorderRectangleNode::update()
{
    const QVector4D bw = sideWidths(m_border);
    const QVector4D ow = sideWidths(m_outline);
    const bool hasBorder = !bw.isNull();
    const bool hasOutline = !ow.isNull();

    // Indexed by border (1) and outline (2); static, so that a warm update
    // allocates nothing.
    static const QString names[4]
        = { QStringLiteral("styledrectangle"), QStringLiteral("styledrectangle-border"),
            QStringLiteral("styledrectangle-outline"), QStringLiteral("styledrectangle-border-outline") };
    const QString& name = names[(hasBorder ? 1 : 0) + (hasOutline ? 2 : 0)];
    setShader(name);
    setUniformFloatCount(32);

    const double x = m_rect.x();
    const double y = m_rect.y();
    const double w = m_rect.width();
    const double h = m_rect.height();
    const ShapeMetrics metrics = ShapeMetrics::of(m_rect.size());

    if (m_border && hasBorder) {
        const auto colors = recordColors(sideColors(m_border));
        for (int i = 0; i < 24; ++i) {
            m_vertices[i].border = colors[i];
        }
    }
    if (m_outline && hasOutline) {
        const auto colors = recordColors(sideColors(m_outline));
        for (int i = 0; i < 24; ++i) {
            m_vertices[i].outline = colors[i];
        }
    }

    const double bl = bw.x(), bt = bw.y(), br = bw.z(), bb = bw.w();
    const double ol = ow.x(), ot = ow.y(), orr = ow.z(), ob = ow.w();
    const double rbr = m_radius.x(), rtr = m_radius.y(), rbl = m_radius.z(), rtl = m_radius.w();

    const double L = x - ol;
    const double T = y - ot;
    const double R = x + w + orr;
    const double B = y + h + ob;

    double tlx = std::max(std::min(w / 2, rtl), bl + ol + 1);
    double tly = std::max(std::min(h / 2, rtl), bt + ot + 1);
    double trx = std::max(std::min(w / 2, rtr), br + orr + 1);
    double try_ = std::max(std::min(h / 2, rtr), bt + ot + 1);
    double blx = std::max(std::min(w / 2, rbl), bl + ol + 1);
    double bly = std::max(std::min(h / 2, rbl), bb + ob + 1);
    double brx = std::max(std::min(w / 2, rbr), br + orr + 1);
    double bry = std::max(std::min(h / 2, rbr), bb + ob + 1);
    fitInsets(tlx, trx, R - L);
    fitInsets(blx, brx, R - L);
    fitInsets(tly, bly, B - T);
    fitInsets(try_, bry, B - T);

    // Texture coordinates advance by 1 / w and 1 / h per pixel from the outer
    // edge a point belongs to, the scale of `aspect` and of the widths.
    const double sw = std::max(w, 1e-4);
    const double sh = std::max(h, 1e-4);
    struct Point
    {
        double x, y, u, v;
    };
    const Point ptl { L + tlx, T + tly, tlx / sw, tly / sh };
    const Point ptr { R - trx, T + try_, 1 - trx / sw, try_ / sh };
    const Point pbl { L + blx, B - bly, blx / sw, 1 - bly / sh };
    const Point pbr { R - brx, B - bry, 1 - brx / sw, 1 - bry / sh };

    const Point points[VertexCount] = {
        { L, T, 0, 0 },
        { L, T + tly, 0, tly / sh },
        { L + tlx, T, tlx / sw, 0 },
        ptl,
        ptl,
        { R - trx, T, 1 - trx / sw, 0 },
        ptr,
        ptr,
        { R, T + try_, 1, try_ / sh },
        { R, T, 1, 0 },
        { L, B - bly, 0, 1 - bly / sh },
        ptl,
        pbl,
        { L, B, 0, 1 },
        { L + blx, B, blx / sw, 1 },
        pbl,
        ptr,
        pbr,
        { R, B - bry, 1, 1 - bry / sh },
        pbr,
        { R - brx, B, 1 - brx / sw, 1 },
        { R, B, 1, 1 },
        pbl,
        pbr,
        ptl,
        pbl,
        ptr,
        pbr,
    };
    for (int i = 0; i < VertexCount; ++i) {
        m_vertices[i].x = float(points[i].x);
        m_vertices[i].y = float(points[i].y);
        m_vertices[i].u = float(points[i].u);
        m_vertices[i].v = float(points[i].v);
    }
    markGeometryDirty();

    UniformWriter block(uniformData());
    block.word(0, MatrixMarker);
    block.word(64, OpacityMarker);
    block.vec2(72, metrics.aspect);
    block.vec4(80, bw / metrics.f);
    block.vec4(96, ow / metrics.f);
    block.vec4(112, m_radius / metrics.f);

    markDirty(DirtyMaterial);
    ShaderNode::update();
}

void OutlineBorderRectangleNode::updateGeometry(QSGGeometry* geometry)
{
    if (geometry->vertexCount() < VertexCount || geometry->indexCount() < IndexCount
        || geometry->sizeOfVertex() != int(sizeof(Vertex))) {
        return;
    }
    geometry->setDrawingMode(QSGGeometry::DrawTriangles);
    std::memcpy(geometry->vertexData(), m_vertices.data(), sizeof(Vertex) * VertexCount);
    std::memcpy(geometry->indexDataAsUShort(), Indices, sizeof(Indices));
    geometry->markVertexDataDirty();
    geometry->markIndexDataDirty();
    markDirty(DirtyGeometry);
}
} // namespace Quilt::Quick
