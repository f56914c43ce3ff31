pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.ComboBox {
    id: control

    // The popup's list. A component of its own because it names itself: an
    // id anywhere inside the popup would make QML build the popup with the
    // combo box instead of on its first use.
    component EntryList: ListView {
        id: list

        required property T.ComboBox control

        // Only the delegates made for the visible range are measured.
        implicitWidth: {
            let widest = 0
            for (const child of contentItem.children) {
                if (child.visible)
                    widest = Math.max(widest, child.implicitWidth)
            }
            return widest
        }
        implicitHeight: contentHeight
        model: control.delegateModel
        currentIndex: control.highlightedIndex
        highlightMoveDuration: 0
        clip: true
        boundsBehavior: ListView.StopAtBounds

        add: Transition {
            PropertyAction { property: "width"; value: list.width }
        }
        populate: Transition {
            PropertyAction { property: "width"; value: list.width }
        }
    }

    Quilt.Style.applied: "padding insets spacing font"
    Quilt.Element.type: "ComboBox"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed:down enabled"
    Quilt.Element.hintFlags: ({
        "flat": control.flat,
        "editable": control.editable,
        "changed": false
    })

    hoverEnabled: Application.styleHints.useHoverEffects

    // A hidden indicator or icon takes neither its width nor a spacing.
    implicitWidth: {
        let content = implicitContentWidth + leftPadding + rightPadding
        if (indicator?.visible)
            content += spacing + implicitIndicatorWidth
        if (icon.visible)
            content += spacing + icon.implicitWidth
        return Math.max(implicitBackgroundWidth + leftInset + rightInset, Quilt.Positioner.implicitWidth, content)
    }
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, Quilt.Positioner.implicitHeight)

    wheelEnabled: true
    implicitContentWidthPolicy: T.ComboBox.WidestText

    Quilt.Positioner.positionItems: [contentItem, icon, indicator]

    contentItem: T.TextField {
        Quilt.PositionedItem.source: Quilt.PositionerSource.Text

        implicitWidth: Math.max(contentWidth, 1)
        // One line high even without text.
        implicitHeight: Math.max(contentHeight, lineMetrics.height)
        clip: true
        color: control.Quilt.Style.properties.text.color ?? control.palette.text
        text: control.editable ? control.editText : control.displayText
        enabled: control.editable
        autoScroll: control.editable
        readOnly: control.down
        inputMethodHints: control.inputMethodHints
        validator: control.validator
        font: control.font
        horizontalAlignment: Qt.AlignLeft
        selectByMouse: control.selectTextByMouse
        selectionColor: control.palette.highlight
        selectedTextColor: control.palette.highlightedText

        FontMetrics {
            id: lineMetrics
            font: control.font
        }
    }

    Quilt.Icon {
        id: icon

        Quilt.PositionedItem.source: Quilt.PositionerSource.Icon

        implicitWidth: control.Quilt.Style.properties.icon.width ?? 0
        implicitHeight: control.Quilt.Style.properties.icon.height ?? 0
        name: control.Quilt.StyleHints.iconName
        source: control.Quilt.StyleHints.iconSource
        color: control.Quilt.Style.properties.icon.color
        visible: (name !== "" || source.toString() !== "") && (control.Quilt.Style.properties.display.visible ?? true)
        opacity: control.Quilt.Style.properties.display.opacity ?? 1.0
    }

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

    delegate: ItemDelegate {
        required property var model
        required property int index

        width: ListView.view?.width
        text: model[control.textRole]
        highlighted: control.highlightedIndex === index
        hoverEnabled: control.hoverEnabled
        LayoutMirroring.enabled: control.mirrored
    }

    // Nothing in the popup may carry an id (see EntryList).
    popup: Popup {
        Quilt.Element.hintFlags: ({
            "combobox": true
        })

        y: control.height
        implicitWidth: contentItem.implicitWidth + leftPadding + rightPadding
        width: Math.max(control.width, implicitWidth)
        height: Math.min(contentItem.implicitHeight + topPadding + bottomPadding, control.Window.height)
        margins: 0

        contentItem: ScrollView {
            // The list is the scroll view's content item.
            implicitWidth: contentItem.implicitWidth + leftPadding + rightPadding
            implicitHeight: contentItem.implicitHeight + topPadding + bottomPadding

            EntryList {
                control: control
            }
        }
    }
}
