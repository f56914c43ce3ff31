import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.Page {
    id: control

    Quilt.Style.applied: "padding insets"
    Quilt.Element.type: "Page"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus enabled"

    // The laid-out content size, not the implicit one; the spacing only
    // beside a header or footer that takes room.
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            contentWidth + leftPadding + rightPadding,
                            implicitHeaderWidth,
                            implicitFooterWidth)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             contentHeight + topPadding + bottomPadding
                             + (implicitHeaderHeight > 0 ? implicitHeaderHeight + spacing : 0)
                             + (implicitFooterHeight > 0 ? implicitFooterHeight + spacing : 0))

    background: Quilt.StyledRectangle {}
}
