import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.ToolTip {
    id: control

    Quilt.Element.type: "ToolTip"
    Quilt.Element.states.activeFocus: activeFocus
    Quilt.Element.states.enabled: enabled

    // Centred above the parent by the implicit width, so that it covers
    // neither the parent nor a pointer hovering it.
    x: parent ? (parent.width - implicitWidth) / 2 : 0
    y: -implicitHeight

    // Lines of at most seventy average characters.
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            Math.min(implicitContentWidth, contentItem?.maximumWidth ?? implicitContentWidth)
                            + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitContentHeight + topPadding + bottomPadding)

    leftMargin: Quilt.Style.properties.layout.margins.left
    rightMargin: Quilt.Style.properties.layout.margins.right
    topMargin: Quilt.Style.properties.layout.margins.top
    bottomMargin: Quilt.Style.properties.layout.margins.bottom

    leftPadding: Quilt.Style.properties.layout.padding.left
    rightPadding: Quilt.Style.properties.layout.padding.right
    topPadding: Quilt.Style.properties.layout.padding.top
    bottomPadding: Quilt.Style.properties.layout.padding.bottom

    leftInset: Quilt.Style.properties.layout.inset.left
    rightInset: Quilt.Style.properties.layout.inset.right
    topInset: Quilt.Style.properties.layout.inset.top
    bottomInset: Quilt.Style.properties.layout.inset.bottom

    font: Quilt.Style.properties.text.font

    closePolicy: T.Popup.CloseOnEscape | T.Popup.CloseOnPressOutsideParent | T.Popup.CloseOnReleaseOutsideParent
    delay: 700
    timeout: -1
    // Always an item of its window's overlay.
    popupType: T.Popup.Item

    contentItem: Text {
        readonly property real maximumWidth: metrics.averageCharacterWidth * 70

        text: control.text
        font: control.font
        wrapMode: Text.Wrap
        color: control.Quilt.Style.properties.text.color ?? control.palette.text
        horizontalAlignment: Quilt.Alignment.toQtHorizontal(control.Quilt.Style.properties.text.alignment.horizontal)
        verticalAlignment: Quilt.Alignment.toQtVertical(control.Quilt.Style.properties.text.alignment.vertical)

        FontMetrics {
            id: metrics
            font: control.font
        }
    }

    background: Quilt.StyledRectangle {}
}
