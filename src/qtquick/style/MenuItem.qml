import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.MenuItem {
    id: control

    Quilt.Style.applied: "padding insets spacing font icon"
    Quilt.Element.type: "MenuItem"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed:down checked enabled highlighted"
    Quilt.Element.hintFlags: ({
        "exclusive": control.autoExclusive
                     || (control.action ? (control.action.T.ActionGroup.group?.exclusive ?? false)
                                        : (control.T.ButtonGroup.group?.exclusive ?? false)),
        "with-submenu": control.subMenu !== null
    })

    Quilt.Mnemonics.enabled: enabled && visible
    Quilt.Mnemonics.controlType: Quilt.Mnemonics.MenuItem
    Quilt.Mnemonics.label: control.text

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitContentWidth + leftPadding + rightPadding)
    // A hidden item leaves no gap in its menu.
    implicitHeight: visible ? Math.max(implicitBackgroundHeight + topInset + bottomInset,
                                       implicitIndicatorHeight + topPadding + bottomPadding,
                                       implicitContentHeight + topPadding + bottomPadding)
                            : 0

    hoverEnabled: Application.styleHints.useHoverEffects

    // Every item of a menu starts its text where the widest check column and
    // icon of that menu end.
    implicitTextPadding: (checkable ? (control.indicator?.implicitWidth ?? 0) : 0)
                         + (icon.name !== "" ? icon.width : 0)
                         + (icon.name !== "" && checkable ? 2 * control.spacing : control.spacing)

    // The template does not signal every change of the menu's text padding.
    Component.onCompleted: Qt.callLater(control.textPaddingChanged)

    contentItem: Item {
        implicitWidth: Math.ceil(text.implicitWidth) + control.textPadding
                       + ((control.menu?.contentItem?.hasAnySubmenu ?? false) ? control.spacing + (control.arrow?.width ?? 0) : 0)
                       + shortcut.spacing + Math.ceil(shortcut.implicitWidth)
        implicitHeight: Math.max(icon.implicitHeight, text.implicitHeight)

        Quilt.Icon {
            id: icon
            control: control
            anchors.right: text.left
            anchors.rightMargin: control.spacing
            anchors.verticalCenter: parent.verticalCenter
            visible: name !== ""
        }

        Text {
            id: text
            anchors.fill: parent
            anchors.leftMargin: control.textPadding
            // Beside a shortcut the text may run up to the content's end and
            // is elided there.
            anchors.rightMargin: shortcut.visible || !(control.menu?.contentItem?.hasAnySubmenu ?? false)
                                 ? 0 : (control.arrow?.implicitWidth ?? 0) + control.spacing
            // Laid out, and elided again at every resize, over its whole
            // length, though no screen shows more than a few thousand
            // characters of a line: a longer one keeps its first 4,096.
            text: {
                const label = control.Quilt.Mnemonics.richTextLabel ?? control.text
                return label.length > 4096 ? label.slice(0, 4096) : label
            }
            font: control.font
            color: control.Quilt.Style.properties.text.color ?? control.palette.text
            elide: Text.ElideRight
            horizontalAlignment: Text.AlignLeft
        }

        Text {
            id: shortcut

            readonly property real spacing: Quilt.Style.properties.layout.spacing ?? 0

            Quilt.Element.type: "ShortcutText"
            Quilt.Element.states.hovered: control.hovered
            Quilt.Element.states.activeFocus: control.activeFocus
            Quilt.Element.states.visualFocus: control.visualFocus
            Quilt.Element.states.pressed: control.down
            Quilt.Element.states.checked: control.checked
            Quilt.Element.states.enabled: control.enabled
            Quilt.Element.states.highlighted: control.highlighted

            anchors.fill: parent
            anchors.leftMargin: control.textPadding
            // Every item keeps the arrow's room as soon as one visible item
            // of the menu shows its arrow.
            anchors.rightMargin: (control.menu?.contentItem?.hasAnySubmenu ?? false)
                                 ? (control.arrow?.implicitWidth ?? 0) + control.spacing : 0
            visible: control.action !== null && control.action.shortcut !== undefined
                     && (Quilt.Style.properties.display.visible ?? true)
            text: visible ? itemShortcut.nativeText : ""
            font: control.font
            color: Quilt.Style.properties.text.color ?? control.palette.text
            horizontalAlignment: Text.AlignRight
            verticalAlignment: Text.AlignVCenter
            opacity: Quilt.Style.properties.display.opacity ?? 1

            // Only for its native text: the action handles its own shortcut,
            // and an enabled second registration of the same sequence would
            // take every other press from it. A list, since a standard key
            // may stand for several sequences; the text shows the first.
            Shortcut {
                id: itemShortcut
                enabled: false
                sequences: shortcut.visible && control.action ? [control.action.shortcut] : []
            }
        }
    }

    indicator: Quilt.StyledRectangle {
        Quilt.Element.type: "Indicator"
        x: control.mirrored ? control.width - width - control.leftPadding : control.leftPadding
        y: (control.height - height) / 2
        implicitWidth: Quilt.Style.properties.layout.width ?? 0
        implicitHeight: Quilt.Style.properties.layout.height ?? 0
        visible: control.checkable && (Quilt.Style.properties.display.visible ?? true)
        opacity: Quilt.Style.properties.display.opacity ?? 1
    }

    arrow: Quilt.Icon {
        Quilt.Element.type: "Arrow"
        x: control.mirrored ? control.rightPadding : control.width - width - control.rightPadding
        y: (control.height - height) / 2
        implicitWidth: Quilt.Style.properties.layout.width ?? 0
        implicitHeight: Quilt.Style.properties.layout.height ?? 0
        name: Quilt.Style.properties.icon.name
        color: Quilt.Style.properties.icon.color
        visible: control.subMenu !== null && (Quilt.Style.properties.display.visible ?? true)
        opacity: Quilt.Style.properties.display.opacity ?? 1
    }

    background: Quilt.StyledRectangle {}
}
