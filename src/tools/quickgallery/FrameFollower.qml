import QtQuick
import QtQuick.Templates as T

// Popups leave their page for the window's overlay, so they take neither the
// page frame's disabled state nor its direction: this carries both over to
// the popups it is given.
QtObject {
    id: follower

    required property Item page
    property list<T.Popup> popups

    function follow(popup) {
        popup.enabled = Qt.binding(() => follower.page.enabled)
        // The popup's own item holds its background, header, footer and
        // contents: mirrored, all of them are.
        const item = popup.contentItem.parent
        item.LayoutMirroring.enabled = Qt.binding(() => follower.page.LayoutMirroring.enabled)
        item.LayoutMirroring.childrenInherit = true
    }

    Component.onCompleted: {
        for (const popup of popups)
            follow(popup)
    }
}
