import QtQuick
import QtQuick.Controls

// Combo boxes: plain, editable, flat, empty, and one with its list open.
Flow {
    spacing: 8
    // Room for the open list, which would cover the next copy of the page.
    bottomPadding: 96

    ComboBox { model: [qsTr("First"), qsTr("Second"), qsTr("Third")] }
    ComboBox { editable: true; model: [qsTr("Editable"), qsTr("Second")] }
    ComboBox { flat: true; model: [qsTr("Flat"), qsTr("Second")] }
    ComboBox { model: [] }
    ComboBox {
        id: open
        model: [qsTr("Opened"), qsTr("A longer second entry"), qsTr("Third")]
        Timer {
            running: open.enabled
            interval: 200
            onTriggered: open.popup.open()
        }
    }
}
