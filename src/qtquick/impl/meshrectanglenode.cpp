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

bool sameShape(const Shape& a, const Shape& b)
{
    return a.left == b.left && a.top == b.top && a.right == b.right && a.bottom == b.bottom && a.radii == b.radii;
}

constexpr int MaximumSegments = 64;

// Segments per corner arc: each chord strays at most a quarter pixel from
// the arc, less than the antialiased edge shows on small corners, and is at
// most six pixels long, so that large arcs do not look faceted. Every segment
// costs triangles in each ring.
int segmentsFor(double radiusInPixels)
{
    if (!(radiusInPixels > 0.0)) {
        return 0;
    }
    const double bySag = 1.11 * std::sqrt(radiusInPixels);
    const double byLength = radiusInPixels * std::numbers::pi / 2.0 / 6.0;
    return std::clamp(int(std::ceil(std::max(bySag, byLength))), 1, MaximumSegments);
}

struct Unit
{
    float cos, sin;
};

// Points on a quarter circle for every count of segments, from 0 to 90
// degrees: the rows of n + 1 points one after the other.
const Unit* quarterCircle(int segments)
{
    static const std::vector<Unit> table = [] {
        std::vector<Unit> result;
        result.reserve((MaximumSegments + 1) * (MaximumSegments + 2) / 2);
        for (int n = 0; n <= MaximumSegments; ++n) {
            for (int k = 0; k <= n; ++k) {
                const double t = n == 0 ? 0.0 : std::numbers::pi / 2.0 * k / n;
                result.push_back({ float(std::cos(t)), float(std::sin(t)) });
            }
        }
        return result;
    }();
    return table.data() + segments * (segments + 1) / 2;
}

// A line where the colour changes, at an offset from the rectangle's edge
// on each side (outward positive), with the colours on either side of it.
struct Boundary
{
    Sides offset {};
    SideColors outside {};
    SideColors inside {};
};

using Vertex = QSGGeometry::ColoredPoint2D;

// Premultiplied bytes, as the vertices hold them.
struct Bytes
{
    uchar r = 0, g = 0, b = 0, a = 0;
    bool operator==(const Bytes&) const = default;
};

Bytes bytesOf(const Rgba& c)
{
    auto channel = [](float v) {
        return uchar(std::clamp(v, 0.0f, 1.0f) * 255.0f + 0.5f);
    };
    return { channel(c.r), channel(c.g), channel(c.b), channel(c.a) };
}

// A ring of points around the rectangle, all rings with the same number, so
// that neighbouring rings join point by point.
struct Ring
{
    Shape shape;
    std::array<Bytes, 4> colors;
};

struct Scratch
{
    std::vector<Ring> rings;
    std::vector<Vertex> vertices;
    std::vector<quint16> opaque;
    std::array<std::vector<quint16>, 9> blended;
    std::vector<qint16> remap;
};

// Render threads of several windows build meshes at once.
Scratch& scratch()
{
    thread_local Scratch s;
    return s;
}

void upload(QSGGeometry& geometry, const std::vector<Vertex>& vertices, const std::vector<quint16>& indices,
            std::vector<qint16>& remap)
{
    remap.assign(vertices.size(), -1);
    int count = 0;
    for (quint16 i : indices) {
        if (remap[i] < 0) {
            remap[i] = qint16(count++);
        }
    }
    geometry.allocate(count, int(indices.size()));
    Vertex* out = geometry.vertexDataAsColoredPoint2D();
    for (std::size_t i = 0; i < vertices.size(); ++i) {
        if (remap[i] >= 0) {
            out[remap[i]] = vertices[i];
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
    for (const auto& node : m_blended) {
        if (node && node->parent()) {
            removeChildNode(node.get());
        }
    }
    if (m_picture && m_picture->parent()) {
        removeChildNode(m_picture.get());
    }
}

void MeshRectangleNode::setPicture(std::shared_ptr<QSGTexture> texture, const QRectF& rect)
{
    if (!texture) {
        if (m_picture && m_picture->parent()) {
            removeChildNode(m_picture.get());
        }
        m_pictureTexture.reset();
        return;
    }
    if (!m_picture) {
        m_picture = std::make_unique<QSGSimpleTextureNode>();
        m_picture->setFiltering(QSGTexture::Linear);
    }
    if (m_picture->texture() != texture.get()) {
        m_picture->setTexture(texture.get());
    }
    m_pictureTexture = std::move(texture);
    m_picture->setRect(rect);
    // Before the rims: the renderer then batches the picture with the
    // pictures of the rectangles before this one, since no rim of this one
    // comes between them. It covers none of the rims' pixels.
    if (!m_picture->parent()) {
        prependChildNode(m_picture.get());
    }
}

bool MeshRectangleNode::canDrawWithPicture(const RectangleLook& look, const QRect& visible, const QSize& pictureSize,
                                           const QSizeF& pixel)
{
    const bool shadow = look.hasShadow && look.shadowColor.isValid() && look.shadowColor.alpha() > 0;
    // Over a translucent fill the picture would have to come after the
    // fill's blended middle.
    if (shadow || !look.image || look.imageMode != RectangleLook::ImageMode::Picture || pictureSize.isEmpty()
        || !look.fill.isValid() || look.fill.alpha() != 255) {
        return false;
    }
    if (visible.isEmpty()) {
        return true;
    }
    // The visible pixels in item units, a pixel wider all round for the
    // linear filter, and half a device pixel for the border's inner ramp.
    const QRectF& r = look.rect;
    const double sx = r.width() / pictureSize.width();
    const double sy = r.height() / pictureSize.height();
    const QRectF box = QRectF(r.left() + (visible.left() - 1) * sx - pixel.width() / 2.0,
                              r.top() + (visible.top() - 1) * sy - pixel.height() / 2.0,
                              (visible.width() + 2) * sx + pixel.width(), (visible.height() + 2) * sy + pixel.height());
    // Inside the border, with the outer corner radii (the inner edge's are
    // no larger): a box inside that shape is inside the inner edge.
    const QRectF inner = r.marginsRemoved(look.border);
    if (!inner.contains(box)) {
        return false;
    }
    // Corners: top left, top right, bottom right, bottom left.
    const float radius[4] = { look.radius.w(), look.radius.y(), look.radius.x(), look.radius.z() };
    const QPointF corners[4] = { box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft() };
    for (int c = 0; c < 4; ++c) {
        const double rad = std::max(0.0, double(radius[c]));
        if (rad <= 0.0) {
            continue;
        }
        const double cx = c == 0 || c == 3 ? inner.left() + rad : inner.right() - rad;
        const double cy = c < 2 ? inner.top() + rad : inner.bottom() - rad;
        const QPointF p = corners[c];
        const bool inCornerZone = (c == 0 || c == 3 ? p.x() < cx : p.x() > cx) && (c < 2 ? p.y() < cy : p.y() > cy);
        if (inCornerZone && std::hypot(p.x() - cx, p.y() - cy) > rad) {
            return false;
        }
    }
    return true;
}

std::vector<const QSGGeometryNode*> MeshRectangleNode::blendedNodes() const
{
    std::vector<const QSGGeometryNode*> nodes;
    for (const auto& node : m_blended) {
        if (node && node->parent() == this) {
            nodes.push_back(node.get());
        }
    }
    return nodes;
}

bool MeshRectangleNode::canDraw(const RectangleLook& look)
{
    const bool shadow = look.hasShadow && look.shadowColor.isValid() && look.shadowColor.alpha() > 0;
    return !shadow && !look.image;
}

void MeshRectangleNode::update(const RectangleLook& look, const QSizeF& pixel, bool onPixelGrid)
{
    if (m_look && *m_look == look && m_pixel == pixel && m_onPixelGrid == onPixelGrid) {
        return;
    }
    m_look = look;
    m_pixel = pixel;
    m_onPixelGrid = onPixelGrid;

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

    // A square boundary whose every side lies a whole number of pixels from
    // the rectangle's (pixel-aligned) edge: pixel centres fall half a pixel
    // either side of it, where the ramp reads fully one colour or the other.
    auto onGrid = [&](const Boundary& b) {
        if (!onPixelGrid) {
            return false;
        }
        const Shape shape = offset(base, b.offset);
        for (int c = 0; c < 4; ++c) {
            if (shape.radii[c].x() > 0.0 || shape.radii[c].y() > 0.0) {
                return false;
            }
        }
        for (int side = 0; side < 4; ++side) {
            const double pixels = b.offset[side] / (side % 2 == 0 ? pixel.width() : pixel.height());
            if (std::abs(pixels - std::round(pixels)) > 1e-3) {
                return false;
            }
        }
        return true;
    };

    // Each boundary becomes two rings half a device pixel out and in, closer
    // where neighbours leave less room, so that rings never cross; both on
    // the boundary itself where it lies on the pixel grid.
    s.rings.clear();
    for (int k = 0; k < count; ++k) {
        Sides out {};
        Sides in {};
        const bool sharp = onGrid(boundaries[k]);
        for (int side = 0; side < 4; ++side) {
            if (sharp) {
                out[side] = in[side] = boundaries[k].offset[side];
                continue;
            }
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
        for (int step = 0; step < 2; ++step) {
            const SideColors& colors = step == 0 ? boundaries[k].outside : boundaries[k].inside;
            Ring ring { offset(base, step == 0 ? out : in),
                        { bytesOf(colors[0]), bytesOf(colors[1]), bytesOf(colors[2]), bytesOf(colors[3]) } };
            // A ring where the last one lies, in its colours, adds nothing
            // (a line one pixel wide at scale 1, say).
            if (!s.rings.empty() && s.rings.back().colors == ring.colors
                && sameShape(s.rings.back().shape, ring.shape)) {
                continue;
            }
            s.rings.push_back(ring);
        }
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

    s.vertices.clear();
    int perRing = 0;
    for (int c = 0; c < 4; ++c) {
        perRing += segments[c] + 1 + (split[c] ? 1 : 0);
    }
    for (const Ring& ring : s.rings) {
        const Shape& sh = ring.shape;
        for (int c = 0; c < 4; ++c) {
            const QPointF radius = sh.radii[c];
            const float rx = float(radius.x());
            const float ry = float(radius.y());
            const float cx = float(c == 0 || c == 3 ? sh.left + radius.x() : sh.right - radius.x());
            const float cy = float(c < 2 ? sh.top + radius.y() : sh.bottom - radius.y());
            const Bytes first = ring.colors[CornerSides[c][0]];
            const Bytes second = ring.colors[CornerSides[c][1]];
            const int n = segments[c];
            const Unit* arc = quarterCircle(n);
            for (int k = 0; k <= n; ++k) {
                // From the corner's centre: each corner turns the quarter
                // circle its own way, from its first side to its second.
                float dx, dy;
                switch (c) {
                case 0:
                    dx = -arc[k].cos, dy = -arc[k].sin;
                    break;
                case 1:
                    dx = arc[k].sin, dy = -arc[k].cos;
                    break;
                case 2:
                    dx = arc[k].cos, dy = arc[k].sin;
                    break;
                default:
                    dx = -arc[k].sin, dy = arc[k].cos;
                    break;
                }
                Vertex v;
                const Bytes& color = 2 * k < n || (split[c] && 2 * k == n) ? first : second;
                v.set(cx + dx * rx, cy + dy * ry, color.r, color.g, color.b, color.a);
                s.vertices.push_back(v);
                if (split[c] && 2 * k == n) {
                    v.set(v.x, v.y, second.r, second.g, second.b, second.a);
                    s.vertices.push_back(v);
                }
            }
        }
    }
    // The centre of the innermost ring, which the fill fans out from.
    {
        const Shape& sh = s.rings.back().shape;
        const Bytes color = bytesOf(fill);
        Vertex v;
        v.set(float((sh.left + sh.right) / 2.0), float((sh.top + sh.bottom) / 2.0), color.r, color.g, color.b, color.a);
        s.vertices.push_back(v);
    }

    // Blended triangles by region: a column (left corners, middle, right
    // corners) and a row, told apart by where the triangle's centre lies
    // against the widest ring's corner radii.
    const Shape& outer = s.rings.front().shape;
    const float leftEnd = float(outer.left + std::max(outer.radii[0].x(), outer.radii[3].x()) + pixel.width());
    const float rightStart = float(outer.right - std::max(outer.radii[1].x(), outer.radii[2].x()) - pixel.width());
    const float topEnd = float(outer.top + std::max(outer.radii[0].y(), outer.radii[1].y()) + pixel.height());
    const float bottomStart = float(outer.bottom - std::max(outer.radii[2].y(), outer.radii[3].y()) - pixel.height());
    s.opaque.clear();
    for (auto& region : s.blended) {
        region.clear();
    }
    auto triangle = [&](int a, int b, int c) {
        const Vertex& va = s.vertices[a];
        const Vertex& vb = s.vertices[b];
        const Vertex& vc = s.vertices[c];
        const float area = (vb.x - va.x) * (vc.y - va.y) - (vc.x - va.x) * (vb.y - va.y);
        if (std::abs(area) < 1e-6f || (va.a == 0 && vb.a == 0 && vc.a == 0)) {
            return;
        }
        std::vector<quint16>* target = &s.opaque;
        if (va.a != 255 || vb.a != 255 || vc.a != 255) {
            const float x = (va.x + vb.x + vc.x) / 3.0f;
            const float y = (va.y + vb.y + vc.y) / 3.0f;
            const int column = x < leftEnd ? 0 : x > rightStart ? 2 : 1;
            const int row = y < topEnd ? 0 : y > bottomStart ? 2 : 1;
            target = &s.blended[row * 3 + column];
        }
        target->push_back(quint16(a));
        target->push_back(quint16(b));
        target->push_back(quint16(c));
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

    // The renderer batches no empty node and does not look at one again for
    // a new geometry alone: a node that starts drawing says its material
    // changed, which has it batched.
    const bool wasEmpty = m_geometry.indexCount() == 0;
    upload(m_geometry, s.vertices, s.opaque, s.remap);
    markDirty(wasEmpty && m_geometry.indexCount() > 0 ? DirtyGeometry | DirtyMaterial : DirtyGeometry);
    for (std::size_t region = 0; region < m_blended.size(); ++region) {
        const std::vector<quint16>& indices = s.blended[region];
        std::unique_ptr<BlendedNode>& node = m_blended[region];
        if (indices.empty()) {
            if (node && node->parent()) {
                removeChildNode(node.get());
            }
            continue;
        }
        if (!node) {
            node = std::make_unique<BlendedNode>();
        }
        upload(node->geometry, s.vertices, indices, s.remap);
        node->markDirty(DirtyGeometry);
        if (!node->parent()) {
            appendChildNode(node.get());
        }
    }
}
} // namespace Quilt::Quick
