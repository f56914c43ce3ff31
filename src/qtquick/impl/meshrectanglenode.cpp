#include "meshrectanglenode_p.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace Quilt::Quick
{
namespace
{
// Premultiplied.
struct Rgba
{
    float r = 0.0f, g = 0.0f, b = 0.0f, a = 0.0f;
};

Rgba premultiplied(const QColor& color)
{
    if (!color.isValid()) {
        return {};
    }
    float r, g, b, a;
    color.getRgbF(&r, &g, &b, &a);
    return { r * a, g * a, b * a, a };
}

Rgba over(const Rgba& top, const Rgba& bottom)
{
    const float k = 1.0f - top.a;
    return { top.r + bottom.r * k, top.g + bottom.g * k, top.b + bottom.b * k, top.a + bottom.a * k };
}

bool operator==(const Rgba& a, const Rgba& b)
{
    return a.r == b.r && a.g == b.g && a.b == b.b && a.a == b.a;
}

// Sides in the order of QMarginsF: left, top, right, bottom.
using Sides = std::array<double, 4>;
using SideColors = std::array<Rgba, 4>;

Sides sidesOf(const QMarginsF& m)
{
    return { std::max(m.left(), 0.0), std::max(m.top(), 0.0), std::max(m.right(), 0.0), std::max(m.bottom(), 0.0) };
}

// Corners clockwise from the top left; each runs from the first side below
// to the second along its arc.
constexpr int CornerSides[4][2] = { { 0, 1 }, { 1, 2 }, { 2, 3 }, { 3, 0 } };

// A rounded rectangle: its edges and, per corner, the radii across and down.
struct Shape
{
    double left = 0.0, top = 0.0, right = 0.0, bottom = 0.0;
    std::array<QPointF, 4> radii;
};

// The shape moved out by `d` on each side (in where negative). Rounded corners
// stay concentric; square corners stay square.
Shape offset(const Shape& s, const Sides& d)
{
    Shape o;
    o.left = s.left - d[0];
    o.top = s.top - d[1];
    o.right = s.right + d[2];
    o.bottom = s.bottom + d[3];
    for (int c = 0; c < 4; ++c) {
        const QPointF r = s.radii[c];
        if (r.x() > 0.0 && r.y() > 0.0) {
            // The side across the corner widens its radius down, and so on.
            const int across = c == 0 || c == 3 ? 0 : 2;
            const int down = c < 2 ? 1 : 3;
            o.radii[c] = QPointF(std::max(r.x() + d[across], 0.0), std::max(r.y() + d[down], 0.0));
        }
    }
    return o;
}

// Segments per corner arc: a chord strays less than about 1/20 pixel.
int segmentsFor(double radiusInPixels)
{
    if (!(radiusInPixels > 0.0)) {
        return 0;
    }
    return std::clamp(int(std::ceil(2.5 * std::sqrt(radiusInPixels))), 2, 64);
}

// A line where the colour changes, at an offset from the rectangle's edge
// on each side (outward positive), with the colours on either side of it.
struct Boundary
{
    Sides offset {};
    SideColors outside {};
    SideColors inside {};
};

// A ring of points around the rectangle, all rings with the same number, so
// that neighbouring rings join point by point.
struct Ring
{
    Shape shape;
    SideColors colors;
};

struct Vertex
{
    float x, y;
    Rgba color;
};

struct Scratch
{
    std::vector<Ring> rings;
    std::vector<Vertex> vertices;
    std::vector<quint16> opaque;
    std::vector<quint16> blended;
    std::vector<int> remap;
};

// Render threads of several windows build meshes at once.
Scratch& scratch()
{
    thread_local Scratch s;
    return s;
}

bool isOpaque(const Rgba& c)
{
    return c.a >= 1.0f - 0.5f / 255.0f;
}

bool isClear(const Rgba& c)
{
    return c.a < 0.5f / 255.0f;
}

void upload(QSGGeometry& geometry, const std::vector<Vertex>& vertices, const std::vector<quint16>& indices,
            std::vector<int>& remap)
{
    remap.assign(vertices.size(), -1);
    int count = 0;
    for (quint16 i : indices) {
        if (remap[i] < 0) {
            remap[i] = count++;
        }
    }
    geometry.allocate(count, int(indices.size()));
    auto* out = geometry.vertexDataAsColoredPoint2D();
    auto channel = [](float v) {
        return uchar(std::clamp(int(std::lround(v * 255.0f)), 0, 255));
    };
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        if (remap[i] >= 0) {
            const Vertex& v = vertices[i];
            out[remap[i]].set(v.x, v.y, channel(v.color.r), channel(v.color.g), channel(v.color.b), channel(v.color.a));
        }
    }
    quint16* index = geometry.indexDataAsUShort();
    for (quint16 i : indices) {
        *index++ = quint16(remap[i]);
    }
    geometry.markVertexDataDirty();
    geometry.markIndexDataDirty();
}
} // namespace

MeshRectangleNode::BlendedNode::BlendedNode()
    : geometry(QSGGeometry::defaultAttributes_ColoredPoint2D(), 0, 0, QSGGeometry::UnsignedShortType)
{
    geometry.setDrawingMode(QSGGeometry::DrawTriangles);
    setGeometry(&geometry);
    setMaterial(&material);
}

MeshRectangleNode::MeshRectangleNode()
    : m_geometry(QSGGeometry::defaultAttributes_ColoredPoint2D(), 0, 0, QSGGeometry::UnsignedShortType)
{
    m_geometry.setDrawingMode(QSGGeometry::DrawTriangles);
    setGeometry(&m_geometry);
    // What this node draws is opaque: the renderer draws it front to back
    // without blending.
    m_material.setFlag(QSGMaterial::Blending, false);
    setMaterial(&m_material);
}

MeshRectangleNode::~MeshRectangleNode()
{
    if (m_blended.parent()) {
        removeChildNode(&m_blended);
    }
}

bool MeshRectangleNode::canDraw(const RectangleLook& look)
{
    const bool shadow = look.hasShadow && look.shadowColor.isValid() && look.shadowColor.alpha() > 0;
    return !shadow && !look.image;
}

void MeshRectangleNode::update(const RectangleLook& look, const QSizeF& pixel)
{
    if (m_look && *m_look == look && m_pixel == pixel) {
        return;
    }
    m_look = look;
    m_pixel = pixel;

    Scratch& s = scratch();
    const QRectF& r = look.rect;
    const double hx = pixel.width() / 2.0;
    const double hy = pixel.height() / 2.0;

    // The radii as the shader nodes take them: at most half the shorter side.
    Shape base { r.left(), r.top(), r.right(), r.bottom(), {} };
    {
        const double limit = std::max(std::min(r.width(), r.height()) / 2.0, 0.0);
        const float radius[4] = { look.radius.w(), look.radius.y(), look.radius.x(), look.radius.z() };
        for (int c = 0; c < 4; ++c) {
            const double value = std::clamp(double(radius[c]), 0.0, limit);
            base.radii[c] = QPointF(value, value);
        }
    }

    // Lines of no width draw nothing; colours on a side without line are clear.
    const Sides outline = sidesOf(look.outline);
    Sides border = sidesOf(look.border);
    // Borders wider than the rectangle meet in the middle rather than cross.
    for (int axis = 0; axis < 2; ++axis) {
        const double extent = axis == 0 ? r.width() : r.height();
        double& first = border[axis];
        double& second = border[axis + 2];
        if (first + second > extent) {
            const double scale = extent / (first + second);
            first *= scale;
            second *= scale;
        }
    }
    const Rgba fill = premultiplied(look.fill);
    SideColors outlineColors {};
    SideColors borderColors {};
    bool hasOutline = false;
    bool hasBorder = false;
    for (int i = 0; i < 4; ++i) {
        if (outline[i] > 0.0) {
            outlineColors[i] = premultiplied(look.outlineColors[i]);
            hasOutline = true;
        }
        // Drawn over the fill, as it lies on it.
        borderColors[i] = fill;
        if (border[i] > 0.0) {
            borderColors[i] = over(premultiplied(look.borderColors[i]), fill);
            hasBorder = true;
        }
    }

    // Boundaries from the outside in.
    std::array<Boundary, 3> boundaries;
    int count = 0;
    if (hasOutline) {
        boundaries[count++] = { outline, {}, outlineColors };
    }
    boundaries[count++] = { {}, outlineColors, borderColors };
    if (hasBorder) {
        boundaries[count++] = { { -border[0], -border[1], -border[2], -border[3] },
                                borderColors,
                                SideColors { fill, fill, fill, fill } };
    }

    // Each boundary becomes two rings half a device pixel out and in, closer
    // where neighbours leave less room, so that rings never cross.
    s.rings.clear();
    for (int k = 0; k < count; ++k) {
        Sides out {};
        Sides in {};
        for (int side = 0; side < 4; ++side) {
            const double half = side % 2 == 0 ? hx : hy;
            const double o = boundaries[k].offset[side];
            out[side] = k == 0 ? half : std::min(half, (boundaries[k - 1].offset[side] - o) / 2.0);
            if (k + 1 < count) {
                in[side] = std::min(half, (o - boundaries[k + 1].offset[side]) / 2.0);
            } else {
                // The innermost ring may close to a line, not turn inside out.
                const double extent
                    = side % 2 == 0 ? r.width() - border[0] - border[2] : r.height() - border[1] - border[3];
                in[side] = std::clamp(extent / 2.0, 0.0, half);
            }
            out[side] += o;
            in[side] = o - in[side];
        }
        s.rings.push_back({ offset(base, out), boundaries[k].outside });
        s.rings.push_back({ offset(base, in), boundaries[k].inside });
    }

    // Points per corner: enough segments for the widest ring, and the middle
    // point twice where the two sides differ in colour, which then meet on
    // a sharp line (as they do in square corners).
    std::array<int, 4> segments {};
    std::array<bool, 4> split {};
    for (int c = 0; c < 4; ++c) {
        const QPointF radius = s.rings.front().shape.radii[c];
        segments[c] = segmentsFor(std::max(radius.x() / pixel.width(), radius.y() / pixel.height()));
        for (const Ring& ring : s.rings) {
            if (!(ring.colors[CornerSides[c][0]] == ring.colors[CornerSides[c][1]])) {
                split[c] = true;
            }
        }
        if (split[c] && segments[c] % 2 != 0) {
            ++segments[c];
        }
    }

    // Unit arcs per corner, from the first side to the second.
    std::array<std::array<QPointF, 66>, 4> arcs;
    for (int c = 0; c < 4; ++c) {
        const int n = segments[c];
        for (int k = 0; k <= n; ++k) {
            const double t = n == 0 ? 0.0 : std::numbers::pi / 2.0 * k / n;
            const double cs = std::cos(t), sn = std::sin(t);
            // (x, y) from the corner's centre, per unit radius.
            switch (c) {
            case 0:
                arcs[c][k] = QPointF(-cs, -sn);
                break;
            case 1:
                arcs[c][k] = QPointF(sn, -cs);
                break;
            case 2:
                arcs[c][k] = QPointF(cs, sn);
                break;
            default:
                arcs[c][k] = QPointF(-sn, cs);
                break;
            }
        }
    }

    s.vertices.clear();
    int perRing = 0;
    for (int c = 0; c < 4; ++c) {
        perRing += segments[c] + 1 + (split[c] ? 1 : 0);
    }
    for (const Ring& ring : s.rings) {
        const Shape& sh = ring.shape;
        for (int c = 0; c < 4; ++c) {
            const QPointF radius = sh.radii[c];
            const double cx = c == 0 || c == 3 ? sh.left + radius.x() : sh.right - radius.x();
            const double cy = c < 2 ? sh.top + radius.y() : sh.bottom - radius.y();
            const Rgba& first = ring.colors[CornerSides[c][0]];
            const Rgba& second = ring.colors[CornerSides[c][1]];
            const int n = segments[c];
            for (int k = 0; k <= n; ++k) {
                const float x = float(cx + arcs[c][k].x() * radius.x());
                const float y = float(cy + arcs[c][k].y() * radius.y());
                if (split[c] && 2 * k == n) {
                    s.vertices.push_back({ x, y, first });
                    s.vertices.push_back({ x, y, second });
                } else {
                    s.vertices.push_back({ x, y, 2 * k < n ? first : second });
                }
            }
        }
    }
    // The centre of the innermost ring, which the fill fans out from.
    {
        const Shape& sh = s.rings.back().shape;
        s.vertices.push_back({ float((sh.left + sh.right) / 2.0), float((sh.top + sh.bottom) / 2.0), fill });
    }

    s.opaque.clear();
    s.blended.clear();
    auto triangle = [&s](int a, int b, int c) {
        const Vertex& va = s.vertices[a];
        const Vertex& vb = s.vertices[b];
        const Vertex& vc = s.vertices[c];
        const float area = (vb.x - va.x) * (vc.y - va.y) - (vc.x - va.x) * (vb.y - va.y);
        if (std::abs(area) < 1e-6f || (isClear(va.color) && isClear(vb.color) && isClear(vc.color))) {
            return;
        }
        auto& target = isOpaque(va.color) && isOpaque(vb.color) && isOpaque(vc.color) ? s.opaque : s.blended;
        target.push_back(quint16(a));
        target.push_back(quint16(b));
        target.push_back(quint16(c));
    };
    for (std::size_t ring = 0; ring + 1 < s.rings.size(); ++ring) {
        const int outer = int(ring) * perRing;
        const int inner = outer + perRing;
        for (int j = 0; j < perRing; ++j) {
            const int next = (j + 1) % perRing;
            triangle(outer + j, outer + next, inner + next);
            triangle(outer + j, inner + next, inner + j);
        }
    }
    {
        const int centre = int(s.vertices.size()) - 1;
        const int inner = centre - perRing;
        for (int j = 0; j < perRing; ++j) {
            triangle(centre, inner + j, inner + (j + 1) % perRing);
        }
    }

    upload(m_geometry, s.vertices, s.opaque, s.remap);
    markDirty(DirtyGeometry);
    upload(m_blended.geometry, s.vertices, s.blended, s.remap);
    if (s.blended.empty()) {
        if (m_blended.parent()) {
            removeChildNode(&m_blended);
        }
    } else {
        m_blended.markDirty(DirtyGeometry);
        if (!m_blended.parent()) {
            appendChildNode(&m_blended);
        }
    }
}
} // namespace Quilt::Quick
