import QtQuick
import QtQuick.Templates as T
import QtQuick.Controls.impl
import org.vyr.quilt.impl as Quilt
import "private" as P

T.RoundButton {
    id: control

    Quilt.Style.applied: "padding insets spacing font icon"
    Quilt.Element.type: "RoundButton"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed:down checked enabled highlighted"
    Quilt.Element.hintFlags: ({
        "flat": control.flat,
        "changed": false
    })
    Quilt.Element.attributes: P.DisplayAttribute { control: control }

    hoverEnabled: Application.styleHints.useHoverEffects

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    contentItem: P.DefaultContentItem {
        control: control
    }

    background: Quilt.StyledRectangle {}
}
