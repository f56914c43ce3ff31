import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.ScrollBar {
    id: control

    Quilt.Style.applied: "padding insets"
    Quilt.Element.type: "ScrollBar"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed enabled"
    Quilt.Element.hintFlags: ({
        "horizontal": control.horizontal,
        "vertical": !control.horizontal,
        "noninteractive": !control.interactive
    })

    hoverEnabled: Application.styleHints.useHoverEffects

    // A bar the style gives no length is at least as long as it is thick,
    // room for the shortest handle (`minimumSize`), rather than nothing.
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding,
                            horizontal ? implicitBackgroundHeight + topInset + bottomInset : 0)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding,
                             horizontal ? 0 : implicitBackgroundWidth + leftInset + rightInset)

    // The handle is never shorter than the bar is thick.
    minimumSize: horizontal ? height / width : width / height

    // A Binding object rather than a plain binding: a scroll view that takes
    // the bar over sets `visible` itself, which would break a plain binding.
    Binding {
        target: control
        property: "visible"
        value: control.policy === T.ScrollBar.AlwaysOn
               || (control.policy === T.ScrollBar.AsNeeded && control.size > 0.0 && control.size < 1.0)
    }

    contentItem: Quilt.StyledRectangle {
        Quilt.Element.type: "Handle"
        Quilt.Element.states.hovered: control.hovered
        Quilt.Element.states.activeFocus: control.activeFocus
        Quilt.Element.states.visualFocus: control.visualFocus
        Quilt.Element.states.pressed: control.pressed
        Quilt.Element.states.enabled: control.enabled
    }

    background: Quilt.StyledRectangle {}

    // A middle press or drag centres the handle under the pointer; every
    // other button passes through to the template.
    MouseArea {
        anchors.fill: parent
        acceptedButtons: Qt.MiddleButton

        function positionFromMouse(mouse: var): real {
            const ratio = control.horizontal ? mouse.x / width : mouse.y / height
            return Math.min(1 - control.size, Math.max(0, ratio - control.size / 2))
        }

        function follow(mouse: var) {
            if (mouse.buttons & Qt.MiddleButton) {
                control.position = positionFromMouse(mouse)
                mouse.accepted = true
            } else {
                mouse.accepted = false
            }
        }

        onPressed: mouse => follow(mouse)
        onPositionChanged: mouse => follow(mouse)
        onReleased: mouse => mouse.accepted = false
    }
}
