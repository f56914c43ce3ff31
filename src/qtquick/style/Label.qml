import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.Label {
    id: control

    Quilt.Style.applied: "padding insets"
    Quilt.Element.type: "Label"
    Quilt.Element.states.enabled: enabled

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
