import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

// No background: a background item breaks the template's resizing.
T.SplitView {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    Quilt.Style.applied: "padding insets"

    Quilt.Element.type: "SplitView"
    Quilt.Element.states.hovered: control.hovered
    Quilt.Element.states.activeFocus: control.activeFocus
    Quilt.Element.states.visualFocus: control.visualFocus
    Quilt.Element.states.pressed: control.resizing
    Quilt.Element.states.enabled: control.enabled
    Quilt.Element.hintFlags: ({
        "horizontal": control.orientation === Qt.Horizontal,
        "vertical": control.orientation === Qt.Vertical
    })

    // The handle is often a thin line: its style margins widen the area in
    // which it can be grabbed and hovered.
    handle: Quilt.StyledRectangle {
        id: handle

        Quilt.Element.type: "Handle"

        containmentMask: Item {
            x: -(handle.Quilt.Style.properties.layout.margins.left ?? 0)
            y: -(handle.Quilt.Style.properties.layout.margins.top ?? 0)
            width: (handle.Quilt.Style.properties.layout.margins.left ?? 0) + handle.width
                   + (handle.Quilt.Style.properties.layout.margins.right ?? 0)
            height: (handle.Quilt.Style.properties.layout.margins.top ?? 0) + handle.height
                    + (handle.Quilt.Style.properties.layout.margins.bottom ?? 0)
        }

        HoverHandler {
            cursorShape: control.orientation === Qt.Horizontal ? Qt.SplitHCursor : Qt.SplitVCursor
            // A single margin for all sides: the lesser of the two across
            // the line, so the cursor shows only where the handle is hit.
            // Read through the handle: a handler is no item, so a style
            // attached to it finds no element.
            margin: control.orientation === Qt.Horizontal
                    ? Math.min(handle.Quilt.Style.properties.layout.margins.left ?? 0,
                               handle.Quilt.Style.properties.layout.margins.right ?? 0)
                    : Math.min(handle.Quilt.Style.properties.layout.margins.top ?? 0,
                               handle.Quilt.Style.properties.layout.margins.bottom ?? 0)
        }
    }
}
