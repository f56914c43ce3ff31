pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt
import "private" as P

T.SearchField {
    id: control

    Quilt.Style.applied: "padding insets spacing"
    Quilt.Element.type: "SearchField"
    Quilt.Element.stateProperties: "hovered activeFocus enabled"
    Quilt.Element.states.visualFocus: activeFocus && (focusReason === Qt.TabFocusReason
                                                      || focusReason === Qt.BacktabFocusReason
                                                      || focusReason === Qt.ShortcutFocusReason)

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, Quilt.Positioner.implicitWidth)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, Quilt.Positioner.implicitHeight)

    hoverEnabled: Application.styleHints.useHoverEffects

    font: Quilt.Style.properties.text.font ?? Application.font

    Quilt.Positioner.positionItems: [searchIndicator.indicator, contentItem, clearIndicator.indicator]

    // The field itself has none of the text API the entries call: they act
    // on the inner input, which holds the search text.
    T.ContextMenu.menu: P.TextFieldContextMenu {
        target: control.contentItem
    }

    searchIndicator.indicator: Quilt.Icon {
        Quilt.Element.type: "SearchIndicator"

        color: Quilt.Style.properties.icon.color
        implicitWidth: Quilt.Style.properties.icon.width ?? 0
        implicitHeight: Quilt.Style.properties.icon.height ?? 0
        name: Quilt.Style.properties.icon.name
        source: Quilt.Style.properties.icon.source
    }

    clearIndicator.indicator: Quilt.Icon {
        Quilt.Element.type: "ClearIndicator"

        color: Quilt.Style.properties.icon.color
        implicitWidth: Quilt.Style.properties.icon.width ?? 0
        implicitHeight: Quilt.Style.properties.icon.height ?? 0
        name: Quilt.Style.properties.icon.name
        source: Quilt.Style.properties.icon.source
        visible: control.text.length > 0
    }

    contentItem: T.TextField {
        id: input

        // A bare text field has no implicit size, so the row would lay the
        // input out 0 high and the text would not show.
        implicitWidth: Math.max(contentWidth, placeholder.implicitWidth)
        implicitHeight: Math.max(contentHeight, placeholder.implicitHeight)

        text: control.text
        // The template may not have these two yet; the text field's own
        // defaults stand in until it does.
        placeholderText: control.placeholderText ?? ""
        selectByMouse: control.selectTextByMouse ?? true
        color: control.Quilt.Style.properties.text.color ?? control.palette.text
        selectionColor: control.palette.highlight
        selectedTextColor: control.palette.highlightedText
        horizontalAlignment: Quilt.Alignment.toQtHorizontal(control.Quilt.Style.properties.text.alignment.horizontal)
        verticalAlignment: Quilt.Alignment.toQtVertical(control.Quilt.Style.properties.text.alignment.vertical)

        Text {
            id: placeholder

            Quilt.Element.hintFlags: ({
                "placeholder": true
            })

            x: input.leftPadding
            y: input.topPadding
            width: input.width - input.leftPadding - input.rightPadding
            height: input.height - input.topPadding - input.bottomPadding
            text: control.placeholderText ?? ""
            font: input.font
            color: Quilt.Style.properties.text.color ?? control.palette.placeholderText
            // A centred placeholder would sit under the cursor.
            visible: input.length === 0 && input.preeditText === ""
                     && (!input.activeFocus || input.horizontalAlignment !== Qt.AlignHCenter)
            verticalAlignment: input.verticalAlignment
            renderType: input.renderType
            elide: input.wrapMode === TextInput.NoWrap ? Text.ElideRight : Text.ElideNone
        }
    }

    delegate: ItemDelegate {
        required property var model
        required property int index

        width: ListView.view?.width
        text: model[control.textRole]
        highlighted: control.highlightedIndex === index
        hoverEnabled: control.hoverEnabled
    }

    popup: Popup {
        Quilt.Element.hintFlags: ({
            "SearchField": true
        })

        y: control.height
        width: control.width
        height: Math.min(list.implicitHeight, control.Window.height - control.y - control.height - control.padding)
        palette: control.palette

        contentItem: ListView {
            id: list

            clip: true
            implicitHeight: contentHeight
            model: control.delegateModel
            currentIndex: control.highlightedIndex
            highlightMoveDuration: 0
            boundsBehavior: ListView.StopAtBounds

            T.ScrollIndicator.vertical: ScrollIndicator {}
        }
    }

    background: Quilt.StyledRectangle {}
}
