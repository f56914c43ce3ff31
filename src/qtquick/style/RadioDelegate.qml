import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt
import "private" as P

T.RadioDelegate {
    id: control

    // Odd rows of a table that alternates its rows, or odd indexes where the
    // style hints ask for alternating colours. The view gives `row` and
    // `index` by name; outside a view they do not exist.
    readonly property bool __alternatingColors:
        ((control.TableView.view?.alternatingRows ?? false) && typeof row === "number" && row % 2 === 1)
        || (typeof index === "number" && index % 2 === 1 && control.Quilt.StyleHints.useAlternatingColors)

    Quilt.Style.applied: "padding insets spacing icon"
    Quilt.Element.type: "RadioDelegate"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed checked enabled highlighted"
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
    Quilt.Element.attributes: P.DisplayAttribute { control: control }

    hoverEnabled: Application.styleHints.useHoverEffects

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    // At least as large as the style's "Indicator", which also sizes it.
    indicator: Quilt.StyledRectangle {
        Quilt.Element.type: "Indicator"
        Quilt.PositionedItem.minimumWidth: Quilt.Style.properties.layout.width
        Quilt.PositionedItem.minimumHeight: Quilt.Style.properties.layout.height
    }

    contentItem: P.DefaultContentItem {
        control: control
        parts: [control.indicator]
        alignment: Qt.AlignLeft
    }

    background: Quilt.StyledRectangle {}
}
