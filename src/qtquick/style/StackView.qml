import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.StackView {
    id: control

    // One duration for every transition, following the platform's
    // animation speed; an int, so 2/3 gives 266 and NaN gives 0.
    property int __longDuration: 400 * Quilt.StyleHints.animationSpeedMultiplier

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    Quilt.Style.applied: "padding insets spacing"

    Quilt.Element.type: "StackView"
    Quilt.Element.states.hovered: control.hovered
    Quilt.Element.states.activeFocus: control.activeFocus
    Quilt.Element.states.visualFocus: control.visualFocus
    Quilt.Element.states.enabled: control.enabled

    background: Quilt.StyledRectangle {}

    pushEnter: Transition {
        NumberAnimation { property: "x"; from: (control.mirrored ? -0.5 : 0.5) * control.width; to: 0; duration: control.__longDuration; easing.type: Easing.OutCubic }
        NumberAnimation { property: "opacity"; from: 0.0; to: 1.0; duration: control.__longDuration; easing.type: Easing.OutCubic }
    }
    pushExit: Transition {
        NumberAnimation { property: "x"; from: 0; to: (control.mirrored ? 0.5 : -0.5) * control.width; duration: control.__longDuration; easing.type: Easing.OutCubic }
        NumberAnimation { property: "opacity"; from: 1.0; to: 0.0; duration: control.__longDuration; easing.type: Easing.OutCubic }
    }
    popEnter: Transition {
        NumberAnimation { property: "x"; from: (control.mirrored ? 0.5 : -0.5) * control.width; to: 0; duration: control.__longDuration; easing.type: Easing.OutCubic }
        NumberAnimation { property: "opacity"; from: 0.0; to: 1.0; duration: control.__longDuration; easing.type: Easing.OutCubic }
    }
    popExit: Transition {
        NumberAnimation { property: "x"; from: 0; to: (control.mirrored ? -0.5 : 0.5) * control.width; duration: control.__longDuration; easing.type: Easing.OutCubic }
        NumberAnimation { property: "opacity"; from: 1.0; to: 0.0; duration: control.__longDuration; easing.type: Easing.OutCubic }
    }
    replaceEnter: Transition {
        NumberAnimation { property: "x"; from: (control.mirrored ? -0.5 : 0.5) * control.width; to: 0; duration: control.__longDuration; easing.type: Easing.OutCubic }
        NumberAnimation { property: "opacity"; from: 0.0; to: 1.0; duration: control.__longDuration; easing.type: Easing.OutCubic }
    }
    replaceExit: Transition {
        NumberAnimation { property: "x"; from: 0; to: (control.mirrored ? 0.5 : -0.5) * control.width; duration: control.__longDuration; easing.type: Easing.OutCubic }
        NumberAnimation { property: "opacity"; from: 1.0; to: 0.0; duration: control.__longDuration; easing.type: Easing.OutCubic }
    }
}
