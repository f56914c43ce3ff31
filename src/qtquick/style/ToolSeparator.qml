import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.ToolSeparator {
    id: control

    Quilt.Element.type: "ToolSeparator"
    Quilt.Element.states.enabled: enabled
    Quilt.Element.hints: [
        Quilt.ElementHint {
            name: "horizontal"
            when: control.horizontal
        },
        Quilt.ElementHint {
            name: "vertical"
            when: !control.horizontal
        }
    ]

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitContentHeight + topPadding + bottomPadding)

    leftPadding: Quilt.Style.properties.layout.padding.left
    rightPadding: Quilt.Style.properties.layout.padding.right
    topPadding: Quilt.Style.properties.layout.padding.top
    bottomPadding: Quilt.Style.properties.layout.padding.bottom

    leftInset: Quilt.Style.properties.layout.inset.left
    rightInset: Quilt.Style.properties.layout.inset.right
    topInset: Quilt.Style.properties.layout.inset.top
    bottomInset: Quilt.Style.properties.layout.inset.bottom

    // The style draws the line as the background; the content item is
    // there for applications that bind to it, as to any control's.
    contentItem: Item {}

    background: Quilt.StyledRectangle {}
}
