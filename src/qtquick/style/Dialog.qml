import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.Dialog {
    id: control

    Quilt.Element.type: "Dialog"

    parent: T.Overlay.overlay
    // Centred in the window, unrounded; a dialog wider than its window
    // overhangs both sides alike.
    x: parent ? (parent.width - width) / 2 : 0
    y: parent ? (parent.height - height) / 2 : 0

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            Math.ceil(contentWidth) + leftPadding + rightPadding,
                            implicitHeaderWidth,
                            implicitFooterWidth)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             Math.ceil(contentHeight) + topPadding + bottomPadding
                             + (implicitHeaderHeight > 0 ? implicitHeaderHeight + spacing : 0)
                             + (implicitFooterHeight > 0 ? implicitFooterHeight + spacing : 0))

    spacing: Quilt.Style.properties.layout.spacing

    leftPadding: Quilt.Style.properties.layout.padding.left
    rightPadding: Quilt.Style.properties.layout.padding.right
    topPadding: Quilt.Style.properties.layout.padding.top
    bottomPadding: Quilt.Style.properties.layout.padding.bottom

    leftInset: Quilt.Style.properties.layout.inset.left
    rightInset: Quilt.Style.properties.layout.inset.right
    topInset: Quilt.Style.properties.layout.inset.top
    bottomInset: Quilt.Style.properties.layout.inset.bottom

    // Bound to the dialog's own style: shown in a window of its own, the
    // background no longer finds the dialog among its ancestors.
    background: Quilt.StyledRectangle {
        style: control.Quilt.Style
    }

    header: Label {
        Quilt.Element.hints: Quilt.ElementHint { name: "header" }
        text: control.title
        visible: control.title !== ""
    }

    footer: DialogButtonBox {
        visible: count > 0
    }

    T.Overlay.modal: Quilt.StyledRectangle {
        Quilt.Element.type: "Overlay"
        Quilt.Element.hints: [
            Quilt.ElementHint { name: "dialog" },
            Quilt.ElementHint { name: "modal" }
        ]
    }

    T.Overlay.modeless: Quilt.StyledRectangle {
        Quilt.Element.type: "Overlay"
        Quilt.Element.hints: [
            Quilt.ElementHint { name: "dialog" },
            Quilt.ElementHint { name: "modeless" }
        ]
    }
}
