import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.Drawer {
    id: control

    Quilt.Style.applied: "insets spacing"
    Quilt.Element.type: "Drawer"
    Quilt.Element.hintFlags: ({ "modal": control.modal })
    Quilt.Element.attributes: Quilt.ElementAttribute {
        name: "edge"
        value: {
            switch (control.edge) {
            case Qt.LeftEdge:
                return "left"
            case Qt.RightEdge:
                return "right"
            case Qt.TopEdge:
                return "top"
            case Qt.BottomEdge:
                return "bottom"
            }
            return undefined
        }
    }

    parent: T.Overlay.overlay

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitContentHeight + topPadding + bottomPadding)

    leftPadding: SafeArea.margins.left + (Quilt.Style.properties.layout.padding.left ?? 0)
    rightPadding: SafeArea.margins.right + (Quilt.Style.properties.layout.padding.right ?? 0)
    topPadding: SafeArea.margins.top + (Quilt.Style.properties.layout.padding.top ?? 0)
    bottomPadding: SafeArea.margins.bottom + (Quilt.Style.properties.layout.padding.bottom ?? 0)

    font: Quilt.Style.properties.text.font

    // The transitions stay enabled at every animation speed: a drawer whose
    // transition is disabled opens with its position left at 0, outside the
    // window. At speed 0 the slide takes no time.
    enter: Transition {
        SmoothedAnimation {
            velocity: 5
            duration: control.Quilt.StyleHints.animationSpeedMultiplier > 0 ? -1 : 0
        }
    }
    exit: Transition {
        SmoothedAnimation {
            velocity: 5
            duration: control.Quilt.StyleHints.animationSpeedMultiplier > 0 ? -1 : 0
        }
    }

    background: Quilt.StyledRectangle {}

    T.Overlay.modal: Quilt.StyledRectangle {
        Quilt.Element.type: "Overlay"
        Quilt.Element.hintFlags: ({
            "drawer": true,
            "modal": true
        })
    }

    T.Overlay.modeless: Quilt.StyledRectangle {
        Quilt.Element.type: "Overlay"
        Quilt.Element.hintFlags: ({
            "drawer": true,
            "modeless": true
        })
    }
}
