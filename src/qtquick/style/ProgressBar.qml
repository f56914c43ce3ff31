import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.ProgressBar {
    id: control

    Quilt.Style.applied: "padding insets"
    Quilt.Element.type: "ProgressBar"
    Quilt.Element.stateProperties: "enabled"
    Quilt.Element.hintFlags: ({
        "horizontal": true,
        "indeterminate": control.indeterminate
    })

    hoverEnabled: false

    // The track has no length of its own: where the style gives the bar
    // none, it is 120 long rather than nothing.
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding,
                            implicitBackgroundWidth <= 0 ? 120 : 0)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    contentItem: Item {
        id: trackContainer

        Quilt.StyledRectangle {
            id: track

            // Where the indeterminate track stands: 0 at the left end, 1 at
            // the right one.
            property real indeterminatePosition: 0

            Quilt.Element.type: "Track"

            x: control.indeterminate ? indeterminatePosition * (trackContainer.width - width)
                                     : (control.mirrored ? control.visualPosition * trackContainer.width : 0)
            width: control.indeterminate ? 0.25 * trackContainer.width : control.position * trackContainer.width
            height: trackContainer.height

            // Without `from`, a restart goes on from where the sweep stopped.
            SequentialAnimation on indeterminatePosition {
                loops: Animation.Infinite
                running: control.indeterminate && (control.contentItem?.visible ?? false)

                NumberAnimation {
                    to: 1
                    duration: 1000
                    easing.type: Easing.InOutSine
                }
                NumberAnimation {
                    to: 0
                    duration: 1000
                    easing.type: Easing.InOutSine
                }
            }
        }
    }

    background: Quilt.StyledRectangle {}
}
