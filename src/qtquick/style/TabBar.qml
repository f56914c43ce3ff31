pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.TabBar {
    id: control

    Quilt.Style.applied: "padding insets spacing font"
    Quilt.Element.type: "TabBar"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus enabled"
    Quilt.Element.hintFlags: ({
        "immutable": true
    })
    Quilt.Element.attributes: [
        Quilt.ElementAttribute {
            name: "tab-position"
            value: control.position === T.TabBar.Footer ? "bottom" : "top"
        }
    ]

    // Padding, insets and sizes an application gives as NaN or an infinity,
    // and sums that overflow to one, count as none: a size that is no
    // number differs from itself, and the binding would be told of a change
    // on every evaluation; Qt's placement of a popup of infinite size never
    // settles.
    implicitWidth: {
        const sum = (...terms) => {
            const total = terms.reduce((total, term) => total + (Number.isFinite(term) ? term : 0), 0)
            return Number.isFinite(total) ? total : 0
        }
        return Math.max(sum(implicitBackgroundWidth, leftInset, rightInset),
                        sum(implicitContentWidth, leftPadding, rightPadding))
    }
    implicitHeight: {
        const sum = (...terms) => {
            const total = terms.reduce((total, term) => total + (Number.isFinite(term) ? term : 0), 0)
            return Number.isFinite(total) ? total : 0
        }
        return Math.max(sum(implicitBackgroundHeight, topInset, bottomInset),
                        sum(implicitContentHeight, topPadding, bottomPadding))
    }

    contentItem: ListView {
        model: control.contentModel
        currentIndex: control.currentIndex
        // A spacing that is no finite number places the tabs nowhere.
        spacing: Number.isFinite(control.spacing) ? control.spacing : 0
        orientation: ListView.Horizontal
        boundsBehavior: Flickable.StopAtBounds
        flickableDirection: Flickable.AutoFlickIfNeeded
        snapMode: ListView.SnapToItem
        // Tabs wider in total than the bar would otherwise be drawn past
        // its ends.
        clip: true

        // The highlight jumps to the current tab and takes its size at once;
        // a bar too narrow for its tabs keeps the current one 40 pixels clear
        // of either end.
        highlightMoveDuration: 0
        highlightResizeDuration: 0
        highlightRangeMode: ListView.ApplyRange
        preferredHighlightBegin: 40
        preferredHighlightEnd: width - 40

        highlight: Quilt.StyledRectangle {
            Quilt.Element.type: "TabBarHighlight"
            Quilt.Element.states.highlighted: control.currentItem !== null
            Quilt.Element.states.enabled: enabled
            Quilt.Element.hintFlags: ({
                "itemview-highlight": true
            })
            Quilt.Element.attributes: [
                Quilt.ElementAttribute {
                    name: "tab-position"
                    value: control.position === T.TabBar.Footer ? "bottom" : "top"
                }
            ]
        }
    }

    background: Quilt.StyledRectangle {}
}
