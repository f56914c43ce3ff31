import QtQuick
import QtQuick.Controls
import QuiltQuickGallery

// A menu bar and an open menu with checks, icons, shortcuts and a sub-menu.
Item {
    id: page
    implicitHeight: 260

    // Opening a menu closes any other open menu of the window: the first copy
    // of the page opens it. The menus of the others follow their frame when
    // opened by hand.
    Component.onCompleted: {
        if (!enabled || LayoutMirroring.enabled)
            return
        menu.popup(anchor, 0, 0)
        // Beside its entry, once the menu has laid that out.
        Qt.callLater(() => {
            const entry = menu.itemAt(menu.count - 1)
            subMenu.popup(entry, entry.width, 0)
        })
    }

    FrameFollower {
        page: page
        // The View menu stays out: it is disabled in every frame, and the
        // follower would enable it with an enabled frame.
        popups: [fileMenu, editMenu, menu, subMenu]
    }

    MenuBar {
        id: bar
        width: 320
        Menu {
            id: fileMenu
            title: qsTr("&File")
            Action { text: qsTr("&New") }
        }
        Menu {
            id: editMenu
            title: qsTr("&Edit")
            Action { text: qsTr("&Copy") }
        }
        Menu {
            id: viewMenu
            title: qsTr("&View")
            enabled: false
        }
    }

    ActionGroup {
        id: sizes
    }

    Item {
        id: anchor
        x: 10
        y: bar.height + 8
    }

    Menu {
        id: menu
        closePolicy: Popup.NoAutoClose
        Action { text: qsTr("&Open"); icon.name: "document-open"; shortcut: StandardKey.Open }
        Action { text: qsTr("&Save"); icon.name: "document-save"; shortcut: StandardKey.Save }
        MenuSeparator {}
        Action { text: qsTr("Show &toolbar"); checkable: true; checked: true }
        Action { text: qsTr("Small"); checkable: true; checked: true; ActionGroup.group: sizes }
        Action { text: qsTr("Large"); checkable: true; ActionGroup.group: sizes }
        Action { text: qsTr("Disabled"); enabled: false; shortcut: "Ctrl+D" }
        MenuSeparator {}
        Menu {
            id: subMenu
            title: qsTr("&Recent files")
            closePolicy: Popup.NoAutoClose
            Action { text: "notes.txt" }
            Action { text: "report.pdf" }
        }
    }
}
