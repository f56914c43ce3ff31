import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.ScrollIndicator {
    id: control

    Quilt.Style.applied: "padding insets"
    Quilt.Element.type: "ScrollIndicator"
    // Pressed while the view is moving.
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed:active enabled"
    Quilt.Element.attributes: [
        Quilt.ElementAttribute {
            name: "orientation"
            value: control.horizontal ? "horizontal" : "vertical"
        }
    ]

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    contentItem: Quilt.StyledRectangle {
        visible: control.size < 1.0
        Quilt.Element.type: "Handle"
        Quilt.Element.states.hovered: control.hovered
        Quilt.Element.states.activeFocus: control.activeFocus
        Quilt.Element.states.visualFocus: control.visualFocus
        Quilt.Element.states.pressed: control.active
        Quilt.Element.states.enabled: control.enabled
    }

    background: Quilt.StyledRectangle {}
}
