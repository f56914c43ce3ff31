import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.PageIndicator {
    id: control

    Quilt.Style.applied: "padding insets spacing"
    Quilt.Element.type: "PageIndicator"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus enabled"

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    delegate: Quilt.StyledRectangle {
        id: delegate

        required property int index

        Quilt.Element.type: "PageIndicatorDelegate"
        Quilt.Element.hintFlags: ({
            "current": delegate.index === control.currentIndex
        })
    }

    // Not a bound document: the template sets the context property
    // "pressed" on each page's context, which a bound delegate's context
    // refuses with a warning.
    contentItem: Row {
        spacing: control.spacing

        Repeater {
            // A negative count makes no page rather than a warning.
            model: Math.max(0, control.count)
            delegate: control.delegate
        }
    }
}
