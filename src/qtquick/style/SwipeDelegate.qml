import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt
import "private" as P

T.SwipeDelegate {
    id: control

    // Odd rows of a table that alternates its rows, or odd indexes where the
    // style hints ask for alternating colours. The view gives `row` and
    // `index` by name; outside a view they do not exist.
    readonly property bool __alternatingColors:
        ((control.TableView.view?.alternatingRows ?? false) && typeof row === "number" && row % 2 === 1)
        || (typeof index === "number" && index % 2 === 1 && control.Quilt.StyleHints.useAlternatingColors)

    Quilt.Style.applied: "insets spacing icon"
    Quilt.Element.type: "SwipeDelegate"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed checked enabled highlighted"
    Quilt.Element.hintFlags: ({
        "hover-enabled": control.hoverEnabled,
        "inside-list": !!control.ListView.view,
        "inside-table": !!control.TableView.view,
        "alternating-colors": control.__alternatingColors
    })
    // Its own entry: a flag change can make the style change the icon, which
    // would notify the flags' binding while it is being written.
    Quilt.Element.hints: Quilt.ElementHint {
        name: "with-icon"
        when: control.icon.name !== "" || control.icon.source.toString() !== ""
    }
    Quilt.Element.attributes: P.DisplayAttribute { control: control }

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    leftPadding: Quilt.Style.properties.layout.padding.left ?? 0
    rightPadding: Quilt.Style.properties.layout.padding.right ?? 0
    topPadding: Quilt.Style.properties.layout.padding.top ?? 0
    bottomPadding: Quilt.Style.properties.layout.padding.bottom ?? 0
    // Read by whatever lays swipe delegates out; the four sides above keep
    // their own values.
    padding: Math.max(Quilt.Style.properties.layout.padding.left ?? 0,
                      Quilt.Style.properties.layout.padding.right ?? 0)
    clip: true

    // Swiping moves the content item away from the padding; its icon and
    // text go with it.
    contentItem: P.DefaultContentItem {
        control: control
        shift: x - control.leftPadding
        alignment: Qt.AlignLeft
    }

    background: Quilt.StyledRectangle {}
}
