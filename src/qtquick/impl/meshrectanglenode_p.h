#pragma once

#include "fallbackrectanglenode_p.h"
#include "quickimplglobal.h"

#include <QSizeF>
#include <QtQuick/QSGGeometry>
#include <QtQuick/QSGGeometryNode>
#include <QtQuick/QSGVertexColorMaterial>

#include <optional>

namespace Quilt::Quick
{
// A styled rectangle drawn as one triangle mesh with a colour per vertex:
// fill, border and outline, each side in its own width and colour, rounded
// corners. Edges are antialiased by a ramp one device pixel wide centred on
// them, so that edges on pixel boundaries come out exact.
//
// All nodes share one material type whose materials compare equal, so the
// renderer draws many rectangles in one batch. The node itself holds what is
// opaque and goes to the opaque pass; a child holds the rest (the rims and
// translucent colours), drawn in the blended pass.
class QUILT_QUICK_EXPORT MeshRectangleNode : public QSGGeometryNode
{
public:
    MeshRectangleNode();
    ~MeshRectangleNode() override;

    // Whether the mesh draws the look: not with a shadow or an image.
    static bool canDraw(const RectangleLook& look);

    // `pixel` is one device pixel in item units, across and down.
    void update(const RectangleLook& look, const QSizeF& pixel);

    // The rectangle drawn, in item units.
    QRectF rect() const { return m_look ? m_look->rect : QRectF(); }

    // The translucent part; empty when everything drawn is opaque.
    const QSGGeometry* blendedGeometry() const { return &m_blended.geometry; }
    const QSGGeometry* opaqueGeometry() const { return &m_geometry; }
    bool hasBlendedNode() const { return m_blended.parent() == this; }

private:
    struct BlendedNode : QSGGeometryNode
    {
        BlendedNode();
        QSGGeometry geometry;
        QSGVertexColorMaterial material;
    };

    QSGGeometry m_geometry;
    QSGVertexColorMaterial m_material;
    // A member: the destructor takes it out of the tree first.
    BlendedNode m_blended;

    std::optional<RectangleLook> m_look;
    QSizeF m_pixel;
};
} // namespace Quilt::Quick
