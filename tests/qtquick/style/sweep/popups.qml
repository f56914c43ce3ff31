import QtQuick
import QtQuick.Controls

// Menus, menu bars, tool tips, containers, labels, popups, dialogs, drawers
// and button boxes in their usual forms, right to left, inside a view and
// with bad input.
Item {
    id: root
    width: 800
    height: 600

    function drive() {
        menu.popup(10, 10)
        nested.popup(200, 10)
        nestedTwo.popup(300, 10)
        nestedThree.popup(400, 10)
        huge.popup(10, 10)
        mirroredMenu.popup(500, 10)
        popup.open()
        modeless.open()
        dialog.open()
        emptyDialog.open()
        drawer.open()
        topDrawer.open()
        modelessDrawer.open()
        toolTip.open()
        toolTipButton.ToolTip.show("Attached tool tip")
        Qt.createQmlObject("import QtQuick.Controls; Dialog { title: \"Nowhere\"; standardButtons: Dialog.Ok }", root)
            .destroy()
        huge.close()
        menu.close()
        fileMenu.open()
        box.standardButtons = DialogButtonBox.Ok | DialogButtonBox.Cancel
        box.position = DialogButtonBox.Header
        drawer.edge = Qt.RightEdge
        toolBar.position = ToolBar.Footer
    }

    Action {
        id: copyAction
        text: "&Copy"
        shortcut: StandardKey.Copy
    }

    ActionGroup {
        id: actions
        exclusive: true
    }

    Column {
        spacing: 4

        MenuBar {
            id: bar
            Menu {
                id: fileMenu
                title: "&File"
                Action { text: "&New" }
                MenuSeparator {}
                Action { text: "&Quit" }
            }
            Menu {
                title: "&Edit"
                MenuItem { action: copyAction }
            }
            Menu { title: "" }
            Menu { title: "&View" }
        }

        MenuBar {
            enabled: false
            Menu { title: "Disabled" }
        }

        ToolBar {
            id: toolBar
            position: ToolBar.Header
            Row {
                ToolButton { text: "Tool" }
                ToolSeparator {}
                ToolButton { text: "Other" }
            }
        }

        ToolSeparator { orientation: Qt.Horizontal }

        Pane {
            Label { text: "Pane" }
        }

        Frame {
            Label { text: "<a href=\"x\">Link</a> in a frame" }
        }

        GroupBox {
            title: "A group box with a title longer than any header width"
            Label { text: "Grouped" }
        }

        GroupBox {}

        Page {
            header: ToolBar { Label { text: "Header" } }
            footer: ToolBar { Label { text: "Footer" } }
            Label { text: "Page" }
        }

        Page {}

        Row {
            LayoutMirroring.enabled: true
            LayoutMirroring.childrenInherit: true
            Label { text: "Right to left" }
            GroupBox { title: "Mirrored" }
        }

        Button {
            id: toolTipButton
            text: "Tool tip"
            ToolTip {
                id: toolTip
                text: "A tool tip text that runs on and on, long enough to be wrapped over more than one line at seventy average characters, and then some more."
            }
        }

        DialogButtonBox {
            id: box
            standardButtons: DialogButtonBox.Ok | DialogButtonBox.Save | DialogButtonBox.SaveAll
                             | DialogButtonBox.Open | DialogButtonBox.Yes | DialogButtonBox.YesToAll
                             | DialogButtonBox.No | DialogButtonBox.NoToAll | DialogButtonBox.Abort
                             | DialogButtonBox.Retry | DialogButtonBox.Ignore | DialogButtonBox.Close
                             | DialogButtonBox.Cancel | DialogButtonBox.Discard | DialogButtonBox.Help
                             | DialogButtonBox.Apply | DialogButtonBox.Reset | DialogButtonBox.RestoreDefaults
            Button {
                text: "Custom"
                DialogButtonBox.buttonRole: DialogButtonBox.ActionRole
            }
        }

        DialogButtonBox {}

        ListView {
            width: 200
            height: 60
            model: 3
            delegate: Label {
                required property int index
                text: "Row " + index
            }
        }
    }

    Menu {
        id: menu
        Action { text: "&Copy"; shortcut: StandardKey.Copy; icon.name: "edit-copy" }
        Action { text: "Checkable"; checkable: true; checked: true }
        Action { text: "Exclusive"; checkable: true; ActionGroup.group: actions }
        Action { text: "Disabled"; enabled: false }
        MenuItem { text: "Hidden"; visible: false }
        MenuItem { text: "Auto exclusive"; checkable: true; autoExclusive: true }
        MenuItem { text: "Icon source"; icon.source: "file:///nonexistent.png" }
        MenuSeparator {}
        Menu {
            title: "Sub-menu"
            Action { text: "Inside" }
        }
    }

    Item {
        LayoutMirroring.enabled: true
        LayoutMirroring.childrenInherit: true
        Menu {
            id: mirroredMenu
            Action { text: "Mirrored"; checkable: true }
            Menu { title: "Sub-menu" }
        }
    }

    Menu {
        id: nested
        Menu {
            id: nestedTwo
            title: "Two"
            Menu {
                id: nestedThree
                title: "Three"
                Menu {
                    title: "Four"
                    Menu { title: "Five" }
                }
            }
        }
    }

    Menu {
        id: huge
        Instantiator {
            model: 1000
            delegate: MenuItem {
                required property int index
                text: "Item " + index
            }
            onObjectAdded: (index, object) => huge.insertItem(index, object)
            onObjectRemoved: (index, object) => huge.removeItem(object)
        }
    }

    Popup {
        id: popup
        modal: true
        Label { text: "Modal popup" }
    }

    Popup {
        id: modeless
        dim: true
        x: 300
        Label { text: "Modeless popup" }
    }

    Dialog {
        id: dialog
        title: "Dialog"
        modal: true
        standardButtons: Dialog.Ok | Dialog.Cancel
        Label { text: "Contents" }
    }

    Dialog {
        id: emptyDialog
        width: 2000
    }

    Drawer {
        id: drawer
        width: 200
        height: root.height
        Label { text: "Drawer" }
    }

    Drawer {
        id: topDrawer
        edge: Qt.TopEdge
        width: root.width
        height: 100
    }

    Drawer {
        id: modelessDrawer
        edge: Qt.BottomEdge
        modal: false
        dim: true
        width: root.width
        height: 100
    }

    ToolTip {
        parent: null
        text: "Without parent"
    }
}
