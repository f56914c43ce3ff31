import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.MenuBar {
    id: control

    // Stateless, even when disabled: its items carry their own states.
    Quilt.Style.applied: "padding font"
    Quilt.Element.type: "MenuBar"

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitContentHeight + topPadding + bottomPadding)

    delegate: MenuBarItem {}

    contentItem: Row {
        spacing: control.spacing

        Repeater {
            model: control.contentModel
        }
    }

    background: Quilt.StyledRectangle {}
}
