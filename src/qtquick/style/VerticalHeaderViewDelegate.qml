import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.HeaderViewDelegate {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    leftPadding: Quilt.Style.properties.layout.padding.left
    rightPadding: Quilt.Style.properties.layout.padding.right
    topPadding: Quilt.Style.properties.layout.padding.top
    bottomPadding: Quilt.Style.properties.layout.padding.bottom
    leftInset: Quilt.Style.properties.layout.inset.left
    rightInset: Quilt.Style.properties.layout.inset.right
    topInset: Quilt.Style.properties.layout.inset.top
    bottomInset: Quilt.Style.properties.layout.inset.bottom
    spacing: Quilt.Style.properties.layout.spacing

    highlighted: control.selected

    Quilt.Element.type: "HeaderViewDelegate"
    Quilt.Element.states.hovered: control.hovered
    Quilt.Element.states.activeFocus: control.activeFocus
    Quilt.Element.states.visualFocus: control.visualFocus
    Quilt.Element.states.pressed: control.pressed
    Quilt.Element.states.enabled: control.enabled
    Quilt.Element.states.highlighted: control.highlighted
    Quilt.Element.hints: [
        Quilt.ElementHint { name: "vertical" }
    ]

    contentItem: Text {
        horizontalAlignment: Quilt.Alignment.toQtHorizontal(control.Quilt.Style.properties.text.alignment.horizontal)
        verticalAlignment: Quilt.Alignment.toQtVertical(control.Quilt.Style.properties.text.alignment.vertical)
        color: control.Quilt.Style.properties.text.color ?? control.palette.windowText
        text: control.model?.[control.headerView?.textRole] ?? ""
    }

    background: Quilt.StyledRectangle {}
}
