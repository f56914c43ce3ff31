#pragma once

#include "fallbackrectanglenode_p.h"
#include "quickimplglobal.h"

#include <QSizeF>
#include <QtQuick/QSGGeometry>
#include <QtQuick/QSGGeometryNode>
#include <QtQuick/QSGSimpleTextureNode>
#include <QtQuick/QSGTexture>
#include <QtQuick/QSGVertexColorMaterial>

#include <array>
#include <memory>
#include <optional>
#include <vector>

namespace Quilt::Quick
{
// A styled rectangle drawn as one triangle mesh with a colour per vertex:
// fill, border and outline, each side in its own width and colour, rounded
// corners. Edges are antialiased by a ramp one device pixel wide centred on
// them, so that edges on pixel boundaries come out exact; a square line that
// lies on pixel boundaries all round gets no ramp, which would blend nothing
// there but still cost a blended node.
//
// All nodes share one material type whose materials compare equal, so the
// renderer draws many rectangles in one batch. The node itself holds what is
// opaque and goes to the opaque pass; children hold the rest (the rims and
// translucent colours), drawn in the blended pass, one child per edge and
// corner: the renderer keeps a blended node apart from anything its bounds
// cover, and a rim cut so covers nothing of a control's label, whose text
// then joins the next control's in one batch.
class QUILT_QUICK_EXPORT MeshRectangleNode : public QSGGeometryNode
{
public:
    MeshRectangleNode();
    ~MeshRectangleNode() override;

    // Whether the mesh draws the look: not with a shadow or an image.
    static bool canDraw(const RectangleLook& look);
    // Whether the mesh with a picture over it (setPicture()) draws the look
    // as the shader nodes do: an image used as a picture whose visible
    // pixels, stretched over the rectangle as `visible` says (in the
    // picture's pixels, of `pictureSize`), lie inside the border's inner
    // edge over an opaque fill, where neither the rounded clip nor the
    // border could touch them.
    // A check mark in a box is such a picture.
    static bool canDrawWithPicture(const RectangleLook& look, const QRect& visible, const QSize& pictureSize,
                                   const QSizeF& pixel);

    // `pixel` is one device pixel in item units, across and down;
    // `onPixelGrid` says that the rectangle's edges lie on pixel boundaries,
    // where square corners need no antialiased rim.
    void update(const RectangleLook& look, const QSizeF& pixel, bool onPixelGrid = false);

    // The rectangle drawn, in item units.
    QRectF rect() const { return m_look ? m_look->rect : QRectF(); }

    // The translucent parts, one node per region that has any; none when
    // everything drawn is opaque.
    std::vector<const QSGGeometryNode*> blendedNodes() const;
    const QSGGeometry* opaqueGeometry() const { return &m_geometry; }

    // A picture stretched over `rect`, drawn over the opaque fill and before
    // the rims; null for none. Pictures of one texture (or atlas) batch with
    // each other.
    void setPicture(std::shared_ptr<QSGTexture> texture, const QRectF& rect);
    const QSGSimpleTextureNode* pictureNode() const
    {
        return m_picture && m_picture->parent() ? m_picture.get() : nullptr;
    }

private:
    struct BlendedNode : QSGGeometryNode
    {
        BlendedNode();
        QSGGeometry geometry;
        QSGVertexColorMaterial material;
    };

    QSGGeometry m_geometry;
    QSGVertexColorMaterial m_material;
    // Corners, edges and the middle; made when first needed, taken out of
    // the tree by the destructor before they go.
    std::array<std::unique_ptr<BlendedNode>, 9> m_blended;
    std::unique_ptr<QSGSimpleTextureNode> m_picture;
    std::shared_ptr<QSGTexture> m_pictureTexture;

    std::optional<RectangleLook> m_look;
    QSizeF m_pixel;
    bool m_onPixelGrid = false;
};
} // namespace Quilt::Quick
