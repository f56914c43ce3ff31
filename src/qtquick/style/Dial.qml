import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.Dial {
    id: control

    Quilt.Style.applied: "padding insets font"
    Quilt.Element.type: "Dial"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus enabled pressed"

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    // A square face, at least 64 wide even in a smaller control, centred on
    // the control.
    background: Quilt.StyledRectangle {
        // An implicit size cannot take undefined: unset gives the 0 that the
        // rectangle itself takes.
        implicitWidth: control.Quilt.Style.properties.layout.width ?? 0
        implicitHeight: control.Quilt.Style.properties.layout.height ?? 0
        width: Math.max(64, Math.min(control.width, control.height))
        height: width
        x: control.width / 2 - width / 2
        y: control.height / 2 - height / 2
        opacity: control.enabled ? 1 : 0.3
    }

    // Centred on the face, then moved out to 90 % of its radius and turned
    // about the face's centre by the dial's angle.
    handle: Quilt.StyledRectangle {
        id: handleItem

        readonly property real faceX: control.background?.x ?? 0
        readonly property real faceY: control.background?.y ?? 0
        readonly property real faceWidth: control.background?.width ?? 0
        readonly property real faceHeight: control.background?.height ?? 0

        x: faceX + faceWidth / 2 - width / 2
        y: faceY + faceHeight / 2 - height / 2
        transform: [
            Translate {
                y: -Math.min(handleItem.faceWidth, handleItem.faceHeight) * 0.45 + handleItem.height / 2
            },
            Rotation {
                angle: control.angle
                origin.x: handleItem.width / 2
                origin.y: handleItem.height / 2
            }
        ]

        Quilt.Element.type: "Handle"
        Quilt.Element.states.hovered: control.hovered
        Quilt.Element.stateProperties: "activeFocus enabled"
        Quilt.Element.states.visualFocus: control.visualFocus
        Quilt.Element.states.pressed: control.pressed
    }
}
