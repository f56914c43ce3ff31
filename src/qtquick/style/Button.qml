import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt
import "private" as P

T.Button {
    id: control

    Quilt.Style.applied: "padding insets spacing font icon"
    Quilt.Element.type: "Button"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed:down checked enabled highlighted"
    Quilt.Element.hintFlags: ({
        "flat": control.flat,
        "with-menu": control.Accessible.role === Accessible.ButtonMenu && control.text !== "",
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

    contentItem: P.DefaultContentItem {
        control: control
        parts: [control.indicator]
    }

    // Hidden until the style shows it, usually for a button with a menu.
    indicator: Quilt.Icon {
        Quilt.Element.type: "Indicator"
        implicitWidth: Quilt.Style.properties.layout.width ?? 0
        implicitHeight: Quilt.Style.properties.layout.height ?? 0
        name: Quilt.Style.properties.icon.name
        color: Quilt.Style.properties.icon.color
        visible: Quilt.Style.properties.display.visible ?? false
        opacity: Quilt.Style.properties.display.opacity ?? 1.0
    }

    background: Quilt.StyledRectangle {}
}
