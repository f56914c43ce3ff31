import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.GroupBox {
    id: control

    Quilt.Style.applied: "padding insets spacing"
    Quilt.Element.type: "GroupBox"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus enabled"
    // A widget group box lays out its title below its top padding, this one
    // in it: the hint lets a sheet shared with the widgets make that room
    // for this box alone.
    Quilt.Element.hintFlags: ({ "titled": control.title.length > 0 })

    // The title sits in the room the style leaves in the top padding, so
    // the implicit height does not count it.
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding,
                            implicitLabelWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    // Sized by the style's "Header" element, not by the title: a longer
    // title is elided.
    label: Quilt.StyledRectangle {
        Quilt.Element.type: "Header"

        Text {
            anchors.fill: parent
            // The header's padding keeps the title off the frame.
            anchors.leftMargin: Quilt.Style.properties.layout.padding.left ?? 0
            anchors.rightMargin: Quilt.Style.properties.layout.padding.right ?? 0
            text: control.title
            font: Quilt.Style.properties.text.font ?? Application.font
            color: Quilt.Style.properties.text.color ?? control.palette.text
            elide: Text.ElideRight
            horizontalAlignment: Quilt.Alignment.toQtHorizontal(Quilt.Style.properties.text.alignment.horizontal)
            verticalAlignment: Quilt.Alignment.toQtVertical(Quilt.Style.properties.text.alignment.vertical)
        }
    }

    background: Quilt.StyledRectangle {}
}
