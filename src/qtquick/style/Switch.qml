import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt
import "private" as P

T.Switch {
    id: control

    Quilt.Style.applied: "padding insets spacing icon"
    Quilt.Element.type: "Switch"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed:down checked enabled"

    hoverEnabled: Application.styleHints.useHoverEffects

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    indicator: Item {
        id: indicator

        Quilt.Element.type: "Indicator"
        implicitWidth: Quilt.Style.properties.layout.width ?? 0
        implicitHeight: Quilt.Style.properties.layout.height ?? 0

        // The track paints the indicator's own style.
        Quilt.StyledRectangle {
            anchors.fill: parent
        }

        Quilt.StyledRectangle {
            readonly property real minimumX: Quilt.Style.properties.layout.margins.left ?? 0
            readonly property real maximumX: indicator.width - width - (Quilt.Style.properties.layout.margins.right ?? 0)
            // The content is laid out right to left in a right-to-left
            // application too, where the template does not count the control
            // as mirrored: the handle follows the layout, so "on" stays at
            // the end of the track.
            readonly property bool rightToLeft: control.mirrored || Application.layoutDirection === Qt.RightToLeft
            readonly property real along: rightToLeft ? 1 - control.position : control.position

            Quilt.Element.type: "Handle"
            anchors.verticalCenter: indicator.verticalCenter
            // A handle wider than the track stays at the start.
            x: Math.max(minimumX, Math.min(maximumX, minimumX + along * (maximumX - minimumX)))
        }
    }

    contentItem: P.DefaultContentItem {
        id: content
        control: control
        parts: [control.indicator, content]
        wrapMode: Text.Wrap
        alignment: Qt.AlignLeft
    }

    background: Quilt.StyledRectangle {}
}
