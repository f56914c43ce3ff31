import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt
import "private" as P

T.SwitchDelegate {
    id: control

    // Odd rows of a table that alternates its rows, or odd indexes where the
    // style hints ask for alternating colours. The view gives `row` and
    // `index` by name; outside a view they do not exist.
    readonly property bool __alternatingColors:
        ((control.TableView.view?.alternatingRows ?? false) && typeof row === "number" && row % 2 === 1)
        || (typeof index === "number" && index % 2 === 1 && control.Quilt.StyleHints.useAlternatingColors)

    Quilt.Style.applied: "padding insets spacing icon"
    Quilt.Element.type: "SwitchDelegate"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed:down checked enabled highlighted"
    Quilt.Element.hintFlags: ({
        "hover-enabled": control.hoverEnabled,
        "inside-list": !!control.ListView.view || !!control.parent?.ListView.view,
        "inside-table": !!control.TableView.view || !!control.parent?.TableView.view,
        "alternating-colors": control.__alternatingColors,
        "changed": false,
        "last-in-list": typeof index === "number" && !!control.ListView.view
                        && index === control.ListView.view.count - 1
    })
    // Its own entry: a flag change can make the style change the icon, which
    // would notify the flags' binding while it is being written.
    Quilt.Element.hints: Quilt.ElementHint {
        name: "with-icon"
        when: control.icon.name !== "" || control.icon.source.toString() !== ""
    }
    Quilt.Element.attributes: [
        P.DisplayAttribute { control: control }
    ]

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    indicator: Item {
        id: indicator

        Quilt.Element.type: "Indicator"
        Quilt.Element.states.hovered: control.hovered
        Quilt.Element.states.activeFocus: control.activeFocus
        Quilt.Element.states.visualFocus: control.visualFocus
        Quilt.Element.states.pressed: control.down
        Quilt.Element.states.checked: control.checked
        Quilt.Element.states.enabled: control.enabled
        implicitWidth: Quilt.Style.properties.layout.width ?? 0
        implicitHeight: Quilt.Style.properties.layout.height ?? 0
        Quilt.PositionedItem.minimumWidth: Quilt.Style.properties.layout.width
        Quilt.PositionedItem.minimumHeight: Quilt.Style.properties.layout.height

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
            Quilt.Element.states.hovered: control.hovered
            Quilt.Element.states.activeFocus: control.activeFocus
            Quilt.Element.states.visualFocus: control.visualFocus
            Quilt.Element.states.pressed: control.down
            Quilt.Element.states.checked: control.checked
            Quilt.Element.states.enabled: control.enabled
            anchors.verticalCenter: indicator.verticalCenter
            // A handle wider than the track stays at the start.
            x: Math.max(minimumX, Math.min(maximumX, minimumX + along * (maximumX - minimumX)))
        }
    }

    contentItem: P.DefaultContentItem {
        id: content
        control: control
        parts: [control.indicator, content]
        alignment: Qt.AlignLeft
    }

    background: Quilt.StyledRectangle {}
}
