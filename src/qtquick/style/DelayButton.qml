import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt
import "private" as P

T.DelayButton {
    id: control

    Quilt.Style.applied: "padding insets spacing font icon"
    Quilt.Element.type: "DelayButton"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed:down checked enabled"
    Quilt.Element.hintFlags: ({
        "with-menu": control.Accessible.role === Accessible.ButtonMenu && control.text !== "",
        "changed": false
    })
    // Its own entry: a flag change can make the style change the icon, which
    // would notify the flags' binding while it is being written.
    Quilt.Element.hints: Quilt.ElementHint {
        name: "with-icon"
        when: control.icon.name !== "" || control.icon.source.toString() !== ""
    }
    Quilt.Element.attributes: [
        P.DisplayAttribute {
            control: control
        }
    ]

    hoverEnabled: Application.styleHints.useHoverEffects

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    contentItem: P.DefaultContentItem {
        control: control
        parts: [control.indicator]
    }

    indicator: Quilt.Icon {
        implicitWidth: Quilt.Style.properties.layout.width ?? 0
        implicitHeight: Quilt.Style.properties.layout.height ?? 0
        name: Quilt.Style.properties.icon.name
        color: Quilt.Style.properties.icon.color
        visible: name !== ""

        Quilt.Element.type: "Indicator"
    }

    // The fill grows from the leading edge while the button is held.
    background: Quilt.StyledRectangle {
        Quilt.StyledRectangle {
            Quilt.Element.type: "Fill"

            x: control.mirrored ? parent.width * (1 - control.progress) : 0
            width: control.progress * parent.width
            height: parent.height
        }
    }

    // Fills at a constant speed over what is left of `delay`, and runs back
    // at 1/0.3 times that speed when let go early.
    transition: Transition {
        NumberAnimation {
            // Never below 0: an animation refuses a negative duration with a
            // warning, and a negative `delay` would give one on every press.
            duration: Math.max(0, Math.trunc(control.pressed ? control.delay * (1.0 - control.progress)
                                                             : control.delay * 0.3 * control.progress))
        }
    }
}
