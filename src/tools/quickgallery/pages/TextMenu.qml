import QtQuick
import QtQuick.Controls
import QtQuick.Templates as T

// The text context menu, opened below a field with a selection.
Item {
    implicitHeight: 260

    TextField {
        id: field
        text: qsTr("Some selected text")
        Component.onCompleted: select(5, 13)
        Timer {
            running: field.enabled
            interval: 200
            onTriggered: field.T.ContextMenu.menu.popup(field, 0, field.height)
        }
    }
}
