import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.MenuSeparator {
    id: control

    Quilt.Style.applied: "padding insets"
    Quilt.Element.type: "MenuSeparator"
    Quilt.Element.stateProperties: "enabled"

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitContentHeight + topPadding + bottomPadding)

    hoverEnabled: false

    // The style draws the line as the background; the content item is
    // there for applications that bind to it, as to any control's.
    contentItem: Item {}

    background: Quilt.StyledRectangle {}
}
