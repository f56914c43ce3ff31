import QtQuick
import QtQuick.Templates as T
import QtQuick.Controls.impl
import org.vyr.quilt.impl as Quilt

T.RangeSlider {
    id: control

    Quilt.Style.applied: "padding insets"
    Quilt.Element.type: "RangeSlider"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus enabled"
    Quilt.Element.hintFlags: ({
        "horizontal": control.horizontal,
        "vertical": !control.horizontal
    })

    hoverEnabled: Application.styleHints.useHoverEffects

    // As the slider's: 160 along the groove where the style gives no length.
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            first.implicitHandleWidth + leftPadding + rightPadding,
                            second.implicitHandleWidth + leftPadding + rightPadding,
                            horizontal && implicitBackgroundWidth <= 0 ? 160 : 0)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             first.implicitHandleHeight + topPadding + bottomPadding,
                             second.implicitHandleHeight + topPadding + bottomPadding,
                             !horizontal && implicitBackgroundHeight <= 0 ? 160 : 0)

    first.handle: Quilt.StyledRectangle {
        x: control.leftPadding + (control.horizontal ? control.first.visualPosition * (control.availableWidth - width)
                                                     : (control.availableWidth - width) / 2)
        y: control.topPadding + (control.horizontal ? (control.availableHeight - height) / 2
                                                    : control.first.visualPosition * (control.availableHeight - height))

        Quilt.Element.type: "Handle"
        Quilt.Element.states.hovered: control.first.hovered
        Quilt.Element.states.activeFocus: activeFocus
        Quilt.Element.states.pressed: control.first.pressed
        Quilt.Element.states.enabled: control.enabled
        Quilt.Element.hintFlags: ({
            "first": true
        })
    }

    second.handle: Quilt.StyledRectangle {
        x: control.leftPadding + (control.horizontal ? control.second.visualPosition * (control.availableWidth - width)
                                                     : (control.availableWidth - width) / 2)
        y: control.topPadding + (control.horizontal ? (control.availableHeight - height) / 2
                                                    : control.second.visualPosition * (control.availableHeight - height))

        Quilt.Element.type: "Handle"
        Quilt.Element.states.hovered: control.second.hovered
        Quilt.Element.states.activeFocus: activeFocus
        Quilt.Element.states.pressed: control.second.pressed
        Quilt.Element.states.enabled: control.enabled
        Quilt.Element.hintFlags: ({
            "second": true
        })
    }

    background: Quilt.StyledRectangle {
        id: groove

        x: control.leftPadding + (control.horizontal ? 0 : (control.availableWidth - width) / 2)
        y: control.topPadding + (control.horizontal ? (control.availableHeight - height) / 2 : 0)
        // Mirrored through the groove's centre: the fill, and everything the
        // groove draws, turns around.
        scale: control.horizontal && control.mirrored ? -1 : 1

        // Runs between the two positions in the groove's own, unmirrored
        // coordinates, half its thickness short at each end; handles closer
        // than that give a negative extent, which draws nothing.
        Quilt.StyledRectangle {
            readonly property int smallerValue: Math.min(groove.width, groove.height)

            Quilt.Element.type: "Fill"

            x: control.horizontal ? control.first.position * groove.width + smallerValue / 2 : 0
            y: control.horizontal ? 0 : control.second.visualPosition * groove.height + smallerValue / 2
            width: control.horizontal ? control.second.position * groove.width - control.first.position * groove.width - smallerValue
                                      : smallerValue
            height: control.horizontal ? smallerValue
                                       : control.second.position * groove.height - control.first.position * groove.height - smallerValue
        }
    }
}
