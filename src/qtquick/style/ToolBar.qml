import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.ToolBar {
    id: control

    Quilt.Style.applied: "padding insets font"
    Quilt.Element.type: "ToolBar"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus enabled"
    Quilt.Element.hintFlags: ({
        "header": control.position === T.ToolBar.Header && !control.__insideList,
        "footer": control.position === T.ToolBar.Footer && !control.__insideList,
        // A bar that a list view made, such as the band of a section: it
        // belongs to the list, not to the window's edge.
        "inside-list": control.__insideList
    })

    readonly property bool __insideList: !!control.ListView.view

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, contentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, contentHeight + topPadding + bottomPadding)

    background: Quilt.StyledRectangle {
        // A header bar moves its window, as a title bar does. The handler
        // moves no item and leaves the press to the controls on the bar.
        DragHandler {
            target: null
            grabPermissions: PointerHandler.TakeOverForbidden | PointerHandler.ApprovesTakeOverByAnything
            onActiveChanged: {
                if (active && control.position === T.ToolBar.Header && !control.__insideList)
                    Quilt.WindowHandler.startSystemMove(control)
            }
        }
    }
}
