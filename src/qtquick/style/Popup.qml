import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.Popup {
    id: control

    Quilt.Element.type: "Popup"
    Quilt.Element.states.activeFocus: activeFocus
    Quilt.Element.states.enabled: enabled

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitContentHeight + topPadding + bottomPadding)

    leftPadding: Quilt.Style.properties.layout.padding.left
    rightPadding: Quilt.Style.properties.layout.padding.right
    topPadding: Quilt.Style.properties.layout.padding.top
    bottomPadding: Quilt.Style.properties.layout.padding.bottom

    // Bound to the popup's own style: shown in a window of its own, the
    // background no longer finds the popup among its ancestors.
    background: Quilt.StyledRectangle {
        style: control.Quilt.Style
    }

    T.Overlay.modal: Quilt.StyledRectangle {
        Quilt.Element.type: "Overlay"
        Quilt.Element.hints: Quilt.ElementHint { name: "modal" }
    }

    T.Overlay.modeless: Quilt.StyledRectangle {
        Quilt.Element.type: "Overlay"
        Quilt.Element.hints: Quilt.ElementHint { name: "modeless" }
    }
}
