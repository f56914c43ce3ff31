import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt
import "private" as P

T.TextArea {
    id: control

    Quilt.Style.applied: "padding insets"
    Quilt.Element.type: "TextArea"
    Quilt.Element.stateProperties: "hovered activeFocus enabled"
    Quilt.Element.states.visualFocus: activeFocus && (focusReason === Qt.TabFocusReason
                                                      || focusReason === Qt.BacktabFocusReason
                                                      || focusReason === Qt.ShortcutFocusReason)
    Quilt.Element.hintFlags: ({
        "changed": false
    })

    hoverEnabled: Application.styleHints.useHoverEffects

    implicitWidth: Math.max(contentWidth + leftPadding + rightPadding,
                            implicitBackgroundWidth + leftInset + rightInset,
                            placeholder.implicitWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(contentHeight + topPadding + bottomPadding,
                             implicitBackgroundHeight + topInset + bottomInset,
                             placeholder.implicitHeight + topPadding + bottomPadding)

    font: Quilt.Style.properties.text.font ?? Application.font
    color: Quilt.Style.properties.text.color ?? palette.text
    selectionColor: palette.highlight
    selectedTextColor: palette.highlightedText
    horizontalAlignment: Quilt.Alignment.toQtHorizontal(Quilt.Style.properties.text.alignment.horizontal)
    verticalAlignment: Quilt.Alignment.toQtVertical(Quilt.Style.properties.text.alignment.vertical)

    // Inside a Flickable the template moves the background out of the text
    // area; the explicit style keeps it drawing the text area's values. A
    // rectangle given its style takes no size from it, so the size is bound
    // here, or the style's width and height would never reach the area.
    background: Quilt.StyledRectangle {
        style: control.Quilt.Style
        implicitWidth: control.Quilt.Style.properties.layout.width ?? 0
        implicitHeight: control.Quilt.Style.properties.layout.height ?? 0
    }

    T.ContextMenu.menu: P.TextFieldContextMenu {
        target: control
    }

    Text {
        id: placeholder

        Quilt.Element.hintFlags: ({
            "placeholder": true
        })

        x: control.leftPadding
        y: control.topPadding
        width: control.width - (control.leftPadding + control.rightPadding)
        height: control.height - (control.topPadding + control.bottomPadding)
        text: control.placeholderText
        font: Quilt.Style.properties.text.font ?? Application.font
        color: Quilt.Style.properties.text.color ?? control.palette.placeholderText
        horizontalAlignment: control.horizontalAlignment
        verticalAlignment: control.verticalAlignment
        visible: control.length === 0 && control.preeditText === ""
        elide: Text.ElideRight
        renderType: control.renderType
    }
}
