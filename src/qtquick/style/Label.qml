import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.Label {
    id: control

    // The colour and font that the style leaves unset are the label's own
    // defaults: black, and the font it inherits.
    Quilt.Style.applied: "padding insets font color"
    Quilt.Element.type: "Label"
    Quilt.Element.stateProperties: "enabled"

    // The palette's link colour is as bright disabled as enabled: a disabled
    // label's links take its own disabled text colour.
    linkColor: enabled ? palette.link : color
    // Set explicitly so that the text turns to the right in a right-to-left
    // layout.
    horizontalAlignment: Qt.AlignLeft

    background: Quilt.StyledRectangle {}
}
