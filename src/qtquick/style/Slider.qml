pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import QtQuick.Controls.impl
import org.vyr.quilt.impl as Quilt

T.Slider {
    id: control

    Quilt.Style.applied: "padding insets"
    Quilt.Element.type: "Slider"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed enabled"
    Quilt.Element.hintFlags: ({
        "horizontal": control.horizontal,
        "vertical": !control.horizontal,
        "changed": false
    })

    hoverEnabled: Application.styleHints.useHoverEffects
    snapMode: T.Slider.SnapOnRelease
    wheelEnabled: true

    // Along the groove the style decides the length; where it gives none,
    // the slider would be no longer than its handle, and is 160 instead.
    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitHandleWidth + leftPadding + rightPadding,
                            horizontal && implicitBackgroundWidth <= 0 ? 160 : 0)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitHandleHeight + topPadding + bottomPadding,
                             !horizontal && implicitBackgroundHeight <= 0 ? 160 : 0)

    handle: Quilt.StyledRectangle {
        x: control.leftPadding + (control.horizontal ? control.visualPosition * (control.availableWidth - width)
                                                     : (control.availableWidth - width) / 2)
        y: control.topPadding + (control.horizontal ? (control.availableHeight - height) / 2
                                                    : control.visualPosition * (control.availableHeight - height))

        Quilt.Element.type: "Handle"
        Quilt.Element.states.hovered: control.hovered
        Quilt.Element.stateProperties: "activeFocus enabled"
        Quilt.Element.states.visualFocus: control.visualFocus
        Quilt.Element.states.pressed: control.pressed
    }

    background: Quilt.StyledRectangle {
        id: groove

        x: control.leftInset + (control.horizontal ? 0 : (control.availableWidth - width) / 2)
        y: control.topInset + (control.horizontal ? (control.availableHeight - height) / 2 : 0)
        // Unset across the groove resets the size, which then follows the
        // implicit size: 0, so nothing is drawn.
        width: control.horizontal ? control.width : Quilt.Style.properties.layout.width
        height: control.horizontal ? Quilt.Style.properties.layout.height : control.height

        Quilt.StyledRectangle {
            Quilt.Element.type: "Fill"

            x: control.horizontal && LayoutMirroring.enabled ? control.visualPosition * groove.width : 0
            y: control.horizontal ? 0 : control.visualPosition * groove.height
            width: control.horizontal ? control.position * groove.width : control.implicitBackgroundWidth
            height: control.horizontal ? control.implicitBackgroundHeight : control.position * groove.height
        }

        Item {
            id: tickMarks

            readonly property int step: control.Quilt.StyleHints.tickMarkStepSize
            // Clamped to the range of an int, which would otherwise wrap.
            property int tickMarkCount: step > 0
                                        ? Math.max(-2147483648, Math.min(2147483647,
                                                                         Math.round((control.to - control.from) / step) + 1))
                                        : 0
            property real tickMarkSpacing: tickMarkCount > 1
                                           ? (control.horizontal ? width : height) / (tickMarkCount - 1)
                                           : 0
            // Above this many the ticks would merge into a bar and cost one
            // item each: none is made.
            readonly property int tickMarkLimit: 1000
            readonly property real handleWidth: control.handle?.width ?? 0
            readonly property real handleHeight: control.handle?.height ?? 0

            x: control.horizontal ? handleWidth / 2 : (control.mirrored ? -(width + 1) : groove.width)
            y: control.horizontal ? groove.height : handleHeight / 2
            width: control.horizontal ? groove.width - handleWidth : childrenRect.width
            height: control.horizontal ? childrenRect.height : groove.height - handleHeight
            visible: tickMarkCount > 0 && tickMarkCount <= tickMarkLimit

            Repeater {
                model: tickMarks.visible ? tickMarks.tickMarkCount : 0

                delegate: Quilt.StyledRectangle {
                    id: tick

                    required property int index
                    readonly property real value: control.from + tickMarks.step * index

                    Quilt.Element.type: "TickMark"
                    Quilt.Element.hintFlags: ({
                        "active": control.value >= tick.value
                    })

                    width: Quilt.Style.properties.layout.width
                    height: Quilt.Style.properties.layout.height
                    // The reversed placement subtracts the rounded offset from
                    // the far end without the tick's extent: a mirrored or
                    // vertical tick starts half its extent past its point.
                    x: {
                        if (!control.horizontal)
                            return Quilt.Style.properties.layout.margins.left ?? 0
                        const offset = Math.round(index * tickMarks.tickMarkSpacing - width / 2)
                        return control.mirrored ? tickMarks.width - offset : offset
                    }
                    y: control.horizontal ? Quilt.Style.properties.layout.margins.top ?? 0
                                          : tickMarks.height - Math.round(index * tickMarks.tickMarkSpacing - height / 2)
                }
            }
        }
    }
}
