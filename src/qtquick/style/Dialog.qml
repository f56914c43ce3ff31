import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.Dialog {
    id: control

    Quilt.Style.applied: "insets spacing"
    Quilt.Element.type: "Dialog"

    parent: T.Overlay.overlay
    // Centred in the window, unrounded; a dialog wider than its window
    // overhangs both sides alike. A dialog of infinite or NaN size stays at
    // the corner: Qt's placement of a popup at such a place polishes it
    // again on every pass.
    x: parent && Number.isFinite(parent.width - width) ? (parent.width - width) / 2 : 0
    y: parent && Number.isFinite(parent.height - height) ? (parent.height - height) / 2 : 0

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
                        sum(Math.ceil(contentWidth), leftPadding, rightPadding),
                        sum(implicitHeaderWidth),
                        sum(implicitFooterWidth))
    }
    implicitHeight: {
        const sum = (...terms) => {
            const total = terms.reduce((total, term) => total + (Number.isFinite(term) ? term : 0), 0)
            return Number.isFinite(total) ? total : 0
        }
        return Math.max(sum(implicitBackgroundHeight, topInset, bottomInset),
                        sum(Math.ceil(contentHeight), topPadding, bottomPadding,
                            implicitHeaderHeight > 0 ? sum(implicitHeaderHeight, spacing) : 0,
                            implicitFooterHeight > 0 ? sum(implicitFooterHeight, spacing) : 0))
    }

    // Where the style gives none, the template's own padding applies; but
    // not a padding that is no finite number, which the template reports as
    // changed on every reset.
    leftPadding: Quilt.Style.properties.layout.padding.left ?? (Number.isFinite(padding) ? undefined : 0)
    rightPadding: Quilt.Style.properties.layout.padding.right ?? (Number.isFinite(padding) ? undefined : 0)
    topPadding: Quilt.Style.properties.layout.padding.top ?? (Number.isFinite(padding) ? undefined : 0)
    bottomPadding: Quilt.Style.properties.layout.padding.bottom ?? (Number.isFinite(padding) ? undefined : 0)
    // One the application sets as no finite number counts as none too: the
    // content item would be sized by it, and be told of a change on every
    // layout while the implicit size is written.
    onLeftPaddingChanged: if (!Number.isFinite(leftPadding)) leftPadding = 0
    onRightPaddingChanged: if (!Number.isFinite(rightPadding)) rightPadding = 0
    onTopPaddingChanged: if (!Number.isFinite(topPadding)) topPadding = 0
    onBottomPaddingChanged: if (!Number.isFinite(bottomPadding)) bottomPadding = 0

    // Bound to the dialog's own style: shown in a window of its own, the
    // background no longer finds the dialog among its ancestors.
    background: Quilt.StyledRectangle {
        style: control.Quilt.Style
    }

    header: Label {
        Quilt.Element.hintFlags: ({ "header": true })
        text: control.title
        visible: control.title !== ""
    }

    footer: DialogButtonBox {
        visible: count > 0
    }

    T.Overlay.modal: Quilt.StyledRectangle {
        Quilt.Element.type: "Overlay"
        Quilt.Element.hintFlags: ({
            "dialog": true,
            "modal": true
        })
    }

    T.Overlay.modeless: Quilt.StyledRectangle {
        Quilt.Element.type: "Overlay"
        Quilt.Element.hintFlags: ({
            "dialog": true,
            "modeless": true
        })
    }
}
