import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.SwipeView {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    Quilt.Style.applied: "padding insets spacing"

    Quilt.Element.type: "SwipeView"
    Quilt.Element.states.hovered: control.hovered
    Quilt.Element.states.activeFocus: control.activeFocus
    Quilt.Element.states.visualFocus: control.visualFocus
    Quilt.Element.states.enabled: control.enabled
    Quilt.Element.hintFlags: ({
        "horizontal": control.orientation === Qt.Horizontal,
        "vertical": control.orientation === Qt.Vertical
    })

    // No background: a swipe view paints nothing of its own.
    contentItem: ListView {
        model: control.contentModel
        interactive: control.interactive
        currentIndex: control.currentIndex
        focus: control.focus
        spacing: control.spacing
        orientation: control.orientation
        snapMode: ListView.SnapOneItem
        boundsBehavior: Flickable.StopAtBounds
        highlightRangeMode: ListView.StrictlyEnforceRange
        preferredHighlightBegin: 0
        preferredHighlightEnd: 0
        highlightMoveDuration: 250
        maximumFlickVelocity: 4 * (control.orientation === Qt.Horizontal ? width : height)
    }
}
