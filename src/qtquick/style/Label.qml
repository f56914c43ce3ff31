import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.Label {
    id: control

    Quilt.Element.type: "Label"
    Quilt.Element.states.enabled: enabled

    leftPadding: Quilt.Style.properties.layout.padding.left
    rightPadding: Quilt.Style.properties.layout.padding.right
    topPadding: Quilt.Style.properties.layout.padding.top
    bottomPadding: Quilt.Style.properties.layout.padding.bottom

    leftInset: Quilt.Style.properties.layout.inset.left
    rightInset: Quilt.Style.properties.layout.inset.right
    topInset: Quilt.Style.properties.layout.inset.top
    bottomInset: Quilt.Style.properties.layout.inset.bottom

    font: Quilt.Style.properties.text.font ?? Application.font
    color: Quilt.Style.properties.text.color ?? "black"
    // The palette's link colour is as bright disabled as enabled: a disabled
    // label's links take its own disabled text colour.
    linkColor: enabled ? palette.link : color
    // Set explicitly so that the text turns to the right in a right-to-left
    // layout.
    horizontalAlignment: Qt.AlignLeft

    background: Quilt.StyledRectangle {}
}
