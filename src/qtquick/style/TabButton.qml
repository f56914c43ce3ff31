import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt
import "private" as P

T.TabButton {
    id: control

    Quilt.Style.applied: "padding insets spacing font icon"
    Quilt.Element.type: "TabButton"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed checked enabled"
    // A style draws a tab by its place: the bar's hints and the tab's index
    // in it; outside a bar there is no such place.
    Quilt.Element.hintFlags: ({
        "immutable": control.T.TabBar.tabBar?.Quilt.Element.activeHints.includes("immutable") ?? false,
        "itemview-highlight": !!control.ListView.view?.highlightItem,
        "first": control.T.TabBar.index === 0,
        "last": control.T.TabBar.tabBar !== null
                && control.T.TabBar.index === control.T.TabBar.tabBar.count - 1
    })
    // Its own entry: a flag change can make the style change the icon, which
    // would notify the flags' binding while it is being written.
    Quilt.Element.hints: Quilt.ElementHint {
        name: "with-icon"
        when: control.icon.name !== "" || control.icon.source.toString() !== ""
    }
    Quilt.Element.attributes: [
        P.DisplayAttribute {
            control: control
        },
        Quilt.ElementAttribute {
            name: "direction"
            value: control.T.TabBar.position === T.TabBar.Footer ? "bottom" : "top"
        }
    ]

    hoverEnabled: Application.styleHints.useHoverEffects

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)
    // Set, so that the bar keeps each tab's own width instead of sharing its
    // width out among them.
    width: implicitWidth

    contentItem: P.DefaultContentItem {
        control: control
    }

    background: Quilt.StyledRectangle {}
}
