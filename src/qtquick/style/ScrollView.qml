import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.ScrollView {
    id: control

    Quilt.Element.type: "ScrollView"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus enabled"
    // Where the content overflows, so that a style can make room for the bars.
    Quilt.Element.hints: [
        Quilt.ElementHint {
            name: "horizontal-scroll"
            when: {
                const policy = control.T.ScrollBar.horizontal?.policy
                return policy === T.ScrollBar.AlwaysOn
                       || (policy !== T.ScrollBar.AlwaysOff && control.contentWidth > control.availableWidth)
            }
        },
        Quilt.ElementHint {
            name: "vertical-scroll"
            when: {
                const policy = control.T.ScrollBar.vertical?.policy
                return policy === T.ScrollBar.AlwaysOn
                       || (policy !== T.ScrollBar.AlwaysOff && control.contentHeight > control.availableHeight)
            }
        },
        Quilt.ElementHint {
            name: "framed-background"
            when: control.Quilt.StyleHints.showFramedBackground
        }
    ]

    // Written once the element completes, not from its first query: the
    // scroll hints depend on the paddings, and paddings from a query made
    // before the hints were known chase the hints while the view is made.
    Quilt.Style.applied: "padding insets"

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    background: Quilt.StyledRectangle {}

    data: [
        Quilt.WheelHandler {
            target: control.contentItem
        }
    ]

    // The bars lie in the paddings: a style makes room for them there. Each
    // is active while the other is, so touching one shows both.
    T.ScrollBar.vertical: ScrollBar {
        parent: control
        x: control.mirrored ? 0.0 : control.width - control.rightPadding
        y: control.topPadding
        height: control.availableHeight
        active: control.T.ScrollBar.horizontal?.active ?? false
        policy: T.ScrollBar.AsNeeded
    }

    T.ScrollBar.horizontal: ScrollBar {
        parent: control
        x: control.leftPadding
        y: control.height - control.bottomPadding
        width: control.availableWidth
        active: control.T.ScrollBar.vertical?.active ?? false
        policy: T.ScrollBar.AsNeeded
    }
}
