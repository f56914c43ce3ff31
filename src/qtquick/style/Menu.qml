import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.Menu {
    id: control

    Quilt.Style.applied: "insets"
    Quilt.Element.type: "Menu"
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

    // A negative margin would misplace the menu.
    margins: 0

    delegate: MenuItem {}

    contentItem: ListView {
        id: view

        // Walks the list's items rather than the model, so that items added,
        // removed, shown or hidden later re-evaluate both bindings.
        readonly property bool hasAnySubmenu: {
            const items = view.contentItem.children
            for (let i = 0; i < items.length; ++i) {
                if (items[i].visible && (items[i].arrow?.visible ?? false))
                    return true
            }
            return false
        }

        implicitWidth: {
            let widest = 0
            const items = view.contentItem.children
            for (let i = 0; i < items.length; ++i)
                widest = Math.max(widest, items[i].implicitWidth)
            return widest
        }
        implicitHeight: contentHeight

        model: control.contentModel
        interactive: Window.window !== null
                     && contentHeight + control.topPadding + control.bottomPadding > control.height
        clip: true
        currentIndex: control.currentIndex

        ScrollIndicator.vertical: ScrollIndicator {}
    }

    background: Quilt.StyledRectangle {}
}
