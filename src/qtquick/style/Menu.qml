import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.Menu {
    id: control

    Quilt.Element.type: "Menu"
    Quilt.Element.states.activeFocus: activeFocus
    Quilt.Element.states.enabled: enabled

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset, implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset, implicitContentHeight + topPadding + bottomPadding)

    leftPadding: Quilt.Style.properties.layout.padding.left
    rightPadding: Quilt.Style.properties.layout.padding.right
    topPadding: Quilt.Style.properties.layout.padding.top
    bottomPadding: Quilt.Style.properties.layout.padding.bottom

    leftInset: Quilt.Style.properties.layout.inset.left
    rightInset: Quilt.Style.properties.layout.inset.right
    topInset: Quilt.Style.properties.layout.inset.top
    bottomInset: Quilt.Style.properties.layout.inset.bottom

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
