import QtQuick
import QtQuick.Templates as T
import QtQuick.Controls
import org.vyr.quilt.impl as Quilt

Menu {
    id: root

    // The text input whose operations the entries offer.
    property Item target: null

    modal: true

    // The menu lies in the window's overlay, outside the target's layout
    // mirroring: its entries take the target's.
    readonly property bool __mirrored: root.target?.LayoutMirroring.enabled ?? false

    Quilt.Element.hintFlags: ({
        "context-menu": true
    })

    MenuItem {
        id: undoItem
        LayoutMirroring.enabled: root.__mirrored
        LayoutMirroring.childrenInherit: true
        action: T.Action {
            icon.name: "edit-undo-symbolic"
            text: qsTr("Undo")
            shortcut: StandardKey.Undo
        }
        visible: root.target !== null && !root.target.readOnly
                 && root.target.echoMode !== TextInput.PasswordEchoOnEdit
                 && root.target.echoMode !== TextInput.Password
        enabled: root.target?.canUndo ?? false
        onTriggered: root.target.undo()
    }

    MenuItem {
        id: redoItem
        LayoutMirroring.enabled: root.__mirrored
        LayoutMirroring.childrenInherit: true
        action: T.Action {
            icon.name: "edit-redo-symbolic"
            text: qsTr("Redo")
            shortcut: StandardKey.Redo
        }
        visible: undoItem.visible
        enabled: root.target?.canRedo ?? false
        onTriggered: root.target.redo()
    }

    MenuSeparator {
        LayoutMirroring.enabled: root.__mirrored
        LayoutMirroring.childrenInherit: true
        visible: undoItem.visible || redoItem.visible
    }

    MenuItem {
        id: cutItem
        LayoutMirroring.enabled: root.__mirrored
        LayoutMirroring.childrenInherit: true
        action: T.Action {
            icon.name: "edit-cut-symbolic"
            text: qsTr("Cut")
            shortcut: StandardKey.Cut
        }
        visible: root.target !== null && !root.target.readOnly
                 && root.target.echoMode !== TextInput.PasswordEchoOnEdit
                 && root.target.echoMode !== TextInput.Password
        enabled: (root.target?.selectedText ?? "") !== ""
        onTriggered: root.target.cut()
    }

    MenuItem {
        id: copyItem
        LayoutMirroring.enabled: root.__mirrored
        LayoutMirroring.childrenInherit: true
        action: T.Action {
            icon.name: "edit-copy-symbolic"
            text: qsTr("Copy")
            shortcut: StandardKey.Copy
        }
        visible: root.target !== null && root.target.echoMode !== TextInput.PasswordEchoOnEdit
                 && root.target.echoMode !== TextInput.Password
        enabled: (root.target?.selectedText ?? "") !== ""
        onTriggered: root.target.copy()
    }

    MenuItem {
        id: pasteItem
        LayoutMirroring.enabled: root.__mirrored
        LayoutMirroring.childrenInherit: true
        action: T.Action {
            icon.name: "edit-paste-symbolic"
            text: qsTr("Paste")
            shortcut: StandardKey.Paste
        }
        visible: copyItem.visible
        enabled: root.target?.canPaste ?? false
        onTriggered: root.target.paste()
    }

    MenuItem {
        id: deleteItem
        LayoutMirroring.enabled: root.__mirrored
        LayoutMirroring.childrenInherit: true
        action: T.Action {
            icon.name: "edit-delete-symbolic"
            text: qsTr("Delete")
            shortcut: StandardKey.Delete
        }
        visible: cutItem.visible
        enabled: (root.target?.selectedText ?? "") !== ""
        // Removes the selection without touching the clipboard.
        onTriggered: root.target.remove(root.target.selectionStart, root.target.selectionEnd)
    }

    MenuSeparator {
        LayoutMirroring.enabled: root.__mirrored
        LayoutMirroring.childrenInherit: true
        visible: cutItem.visible || copyItem.visible || pasteItem.visible || deleteItem.visible
    }

    MenuItem {
        id: selectAllItem
        LayoutMirroring.enabled: root.__mirrored
        LayoutMirroring.childrenInherit: true
        action: T.Action {
            icon.name: "edit-select-all-symbolic"
            text: qsTr("Select All")
            shortcut: StandardKey.SelectAll
        }
        visible: root.target !== null
        onTriggered: root.target.selectAll()
    }
}
