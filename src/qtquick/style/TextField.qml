import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt
import "private" as P

T.TextField {
    id: control

    Quilt.Style.applied: "padding insets"
    Quilt.Element.type: "TextField"
    Quilt.Element.stateProperties: "hovered activeFocus enabled"
    Quilt.Element.states.visualFocus: activeFocus && (focusReason === Qt.TabFocusReason
                                                      || focusReason === Qt.BacktabFocusReason
                                                      || focusReason === Qt.ShortcutFocusReason)
    Quilt.Element.hintFlags: ({
        "changed": false
    })

    hoverEnabled: Application.styleHints.useHoverEffects

    // A background with a width of its own decides alone; only without one
    // do the text and the placeholder.
    implicitWidth: (implicitBackgroundWidth + leftInset + rightInset)
                   || Math.max(contentWidth, placeholder.implicitWidth) + leftPadding + rightPadding
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             contentHeight + topPadding + bottomPadding,
                             placeholder.implicitHeight + topPadding + bottomPadding)

    font: Quilt.Style.properties.text.font ?? Application.font
    color: Quilt.Style.properties.text.color ?? palette.text
    selectionColor: palette.highlight
    selectedTextColor: palette.highlightedText
    horizontalAlignment: Quilt.Alignment.toQtHorizontal(Quilt.Style.properties.text.alignment.horizontal)
    verticalAlignment: Quilt.Alignment.toQtVertical(Quilt.Style.properties.text.alignment.vertical)

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

    background: Quilt.StyledRectangle {}
}
