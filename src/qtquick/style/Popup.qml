import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.Popup {
    id: control

    Quilt.Element.type: "Popup"
    Quilt.Element.stateProperties: "activeFocus enabled"

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

    // Where the style gives none, the template's own padding applies; but
    // not a padding that is no finite number, which the template reports as
    // changed on every reset.
    leftPadding: Quilt.Style.properties.layout.padding.left ?? (Number.isFinite(padding) ? undefined : 0)
    rightPadding: Quilt.Style.properties.layout.padding.right ?? (Number.isFinite(padding) ? undefined : 0)
    topPadding: Quilt.Style.properties.layout.padding.top ?? (Number.isFinite(padding) ? undefined : 0)
    bottomPadding: Quilt.Style.properties.layout.padding.bottom ?? (Number.isFinite(padding) ? undefined : 0)

    // Bound to the popup's own style: shown in a window of its own, the
    // background no longer finds the popup among its ancestors.
    background: Quilt.StyledRectangle {
        style: control.Quilt.Style
    }

    T.Overlay.modal: Quilt.StyledRectangle {
        Quilt.Element.type: "Overlay"
        Quilt.Element.hintFlags: ({ "modal": true })
    }

    T.Overlay.modeless: Quilt.StyledRectangle {
        Quilt.Element.type: "Overlay"
        Quilt.Element.hintFlags: ({ "modeless": true })
    }
}
