import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt
import "private" as P

T.ToolButton {
    id: control

    Quilt.Style.applied: "padding insets spacing font icon"
    Quilt.Element.type: "ToolButton"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed checked enabled highlighted"
    Quilt.Element.hintFlags: ({
        "raised": !control.flat,
        "with-menu": control.Accessible.role === Accessible.ButtonMenu && control.text !== "",
        "changed": false
    })
    Quilt.Element.attributes: Quilt.ElementAttribute {
        name: "display"
        value: {
            switch (control.display) {
            case T.AbstractButton.IconOnly: return "icon-only"
            case T.AbstractButton.TextOnly: return "text-only"
            case T.AbstractButton.TextBesideIcon: return "text-beside-icon"
            case T.AbstractButton.TextUnderIcon: return "text-under-icon"
            default: return undefined
            }
        }
    }

    flat: true
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
