import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.Pane {
    id: control

    Quilt.Style.applied: "padding insets"
    Quilt.Element.type: "Pane"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus enabled"

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitContentHeight + topPadding + bottomPadding)

    background: Quilt.StyledRectangle {}
}
