import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt
import "private" as P

T.RadioButton {
    id: control

    Quilt.Style.applied: "padding insets spacing font icon"
    Quilt.Element.type: "RadioButton"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed checked enabled"
    Quilt.Element.hintFlags: ({
        "changed": false
    })
    // Its own entry: a flag change can make the style change the icon, which
    // would notify the flags' binding while it is being written.
    Quilt.Element.hints: Quilt.ElementHint {
        name: "with-icon"
        when: control.icon.name !== "" || control.icon.source.toString() !== ""
    }
    Quilt.Element.attributes: P.DisplayAttribute { control: control }

    hoverEnabled: Application.styleHints.useHoverEffects

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    // Sized by the style's "Indicator" width and height.
    indicator: Quilt.StyledRectangle {
        Quilt.Element.type: "Indicator"
    }

    contentItem: P.DefaultContentItem {
        control: control
        parts: [control.indicator]
        alignment: Qt.AlignLeft
    }

    background: Quilt.StyledRectangle {}
}
