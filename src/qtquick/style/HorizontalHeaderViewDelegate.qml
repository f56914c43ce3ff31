import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.HeaderViewDelegate {
    id: control

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    Quilt.Style.applied: "padding insets spacing"

    highlighted: control.selected

    Quilt.Element.type: "HeaderViewDelegate"
    Quilt.Element.states.hovered: control.hovered
    Quilt.Element.states.activeFocus: control.activeFocus
    Quilt.Element.states.visualFocus: control.visualFocus
    Quilt.Element.states.pressed: control.pressed
    Quilt.Element.states.enabled: control.enabled
    Quilt.Element.states.highlighted: control.highlighted
    Quilt.Element.hintFlags: ({
        "horizontal": true
    })

    contentItem: Text {
        horizontalAlignment: Quilt.Alignment.toQtHorizontal(control.Quilt.Style.properties.text.alignment.horizontal)
        verticalAlignment: Quilt.Alignment.toQtVertical(control.Quilt.Style.properties.text.alignment.vertical)
        color: control.Quilt.Style.properties.text.color ?? control.palette.windowText
        text: control.model?.[control.headerView?.textRole] ?? ""
    }

    background: Quilt.StyledRectangle {}
}
