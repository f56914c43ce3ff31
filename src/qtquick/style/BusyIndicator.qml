import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.BusyIndicator {
    id: control

    Quilt.Style.applied: "padding insets"
    Quilt.Element.type: "BusyIndicator"

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    contentItem: Item {
        implicitWidth: Quilt.Style.properties.layout.width ?? 0
        implicitHeight: Quilt.Style.properties.layout.height ?? 0

        Quilt.Icon {
            anchors.centerIn: parent
            width: Math.min(parent.width, parent.height)
            height: width
            name: Quilt.Style.properties.icon.name
            color: Quilt.Style.properties.icon.color
            opacity: control.running ? 1 : 0
            smooth: true

            // What the style paints for the control turns with the icon: a
            // style can draw the spinner (a ring with one side in another
            // colour) without relying on an icon theme that has its icon.
            Quilt.StyledRectangle {
                anchors.fill: parent
            }

            RotationAnimator on rotation {
                // The phase of the wall clock within one turn: indicators
                // that start together turn together, whenever each was made.
                readonly property int rotationStart: ((Date.now() % duration) / duration) * 360

                running: control.running
                loops: Animation.Infinite
                duration: 2000
                from: rotationStart
                to: rotationStart + 360
            }
        }
    }
}
