#pragma once

#include <QtCore/QPointer>
#include <QtQml/qqmlregistration.h>
#include <QtQuick/QQuickItem>

#include "quickimplglobal.h"
#include "quickstyle.h"

namespace Quilt::Quick
{
struct RectangleLook;

// Draws what the style resolved for an element: its shadow, background
// (colour and image), border and outline, with rounded corners. By default it
// follows the Style attached to itself, so it shows the nearest Element; a
// rectangle without an Element or a Style of its own whose parent item has
// an Element shows that element through the parent's Style, so that a
// control and its background keep one Style between them.
class QUILT_QUICK_EXPORT StyledRectangle : public QQuickItem
{
    Q_OBJECT
    Q_PROPERTY(Quilt::Quick::QuickStyle* style READ style WRITE setStyle NOTIFY styleChanged FINAL)
    QML_ELEMENT

public:
    explicit StyledRectangle(QQuickItem* parent = nullptr);
    ~StyledRectangle() override;

    QuickStyle* style() const;
    void setStyle(QuickStyle* style);

Q_SIGNALS:
    void styleChanged();

protected:
    void componentComplete() override;
    bool event(QEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;
    void itemChange(ItemChange change, const ItemChangeData& data) override;
    QSGNode* updatePaintNode(QSGNode* oldNode, UpdatePaintNodeData* data) override;

private:
    void findStyle();
    void leaveSharedStyle();
    void updateImplicitSize();
    // `toWindow`: the item's transform to the window.
    QRectF snapToPixels(const QRectF& rect, const QTransform& toWindow) const;
    qreal devicePixelRatio() const;
    QSizeF devicePixelSize(const QTransform& toWindow) const;
    RectangleLook lookOf(const QRectF& rect) const;

    // Often another object's Style, which may go first.
    QPointer<QuickStyle> m_style;
    int m_shadowCount = 0;
    int m_backgroundCount = 0;
    bool m_hasBorder = false;
    // What the paint node is: the shader nodes' parent, one mesh, or the
    // fallback for scene graphs without shaders.
    enum class NodeKind : quint8
    {
        Shaders,
        Mesh,
        Fallback,
    };
    NodeKind m_nodeKind = NodeKind::Shaders;
    // Whether m_style is the parent's, which it hears from as a filter.
    bool m_sharedStyle = false;
};
} // namespace Quilt::Quick
