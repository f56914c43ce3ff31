import QtQuick
import QtQuick.Templates as T
import QtQuick.Controls.impl
import QtQuick.Shapes
import org.vyr.quilt.impl as Quilt

T.SelectionRectangle {
    id: control

    Quilt.Style.applied: "padding insets"

    Quilt.Element.type: "SelectionRectangle"
    Quilt.Element.states.hovered: control.hovered
    Quilt.Element.states.activeFocus: control.activeFocus
    Quilt.Element.states.visualFocus: control.visualFocus
    Quilt.Element.states.enabled: control.enabled

    topLeftHandle: Handle {}
    bottomRightHandle: Handle {}

    // The handles live in the target view, outside the selection
    // rectangle's chain, hence an element type of their own.
    component Handle: Quilt.StyledRectangle {
        id: selectionHandle

        visible: selectionHandle.T.SelectionRectangle.control?.active ?? false

        Quilt.Element.type: "SelectionRectangleHandle"
        Quilt.Element.states.visualFocus: selectionHandle.T.SelectionRectangle.dragging
        Quilt.Element.states.enabled: selectionHandle.T.SelectionRectangle.control?.enabled ?? true
    }
}
