import QtQuick
import QtQuick.Controls
import QuiltQuickGallery

// A popup, a tool tip, dialogs with and without title and buttons, and a
// button box on its own.
Item {
    id: page
    implicitHeight: 300

    FrameFollower {
        page: page
        popups: [popup, toolTip, dialog, bare]
    }

    Component.onCompleted: {
        popup.open()
        dialog.open()
        bare.open()
        toolTip.open()
    }

    Button {
        id: tipped
        x: 10
        y: 60
        width: 100
        height: 30
        text: qsTr("Hover me")
        ToolTip {
            id: toolTip
            text: qsTr("A tool tip above its button")
            delay: 0
            closePolicy: Popup.NoAutoClose
        }
    }

    Popup {
        id: popup
        x: 150
        y: 10
        closePolicy: Popup.NoAutoClose
        Label { text: qsTr("A popup") }
    }

    Dialog {
        id: dialog
        parent: page
        x: 280
        y: 10
        width: 260
        title: qsTr("Dialog")
        standardButtons: Dialog.Ok | Dialog.Cancel
        closePolicy: Popup.NoAutoClose
        Label { text: qsTr("Dialog contents") }
    }

    Dialog {
        id: bare
        parent: page
        x: 560
        y: 10
        closePolicy: Popup.NoAutoClose
        Label { text: qsTr("No title, no buttons") }
    }

    DialogButtonBox {
        x: 10
        y: 200
        width: 420
        standardButtons: DialogButtonBox.Save | DialogButtonBox.Discard | DialogButtonBox.Cancel | DialogButtonBox.Help
    }
}
