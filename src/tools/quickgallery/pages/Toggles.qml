import QtQuick
import QtQuick.Controls

// Check boxes, radio buttons and switches.
Flow {
    spacing: 12
    CheckBox { text: qsTr("&Check box") }
    CheckBox { text: qsTr("Checked"); checked: true }
    CheckBox { text: qsTr("Partially"); tristate: true; checkState: Qt.PartiallyChecked }
    RadioButton { text: qsTr("Radio"); checked: true }
    RadioButton { text: qsTr("Other") }
    Switch { text: qsTr("Switch") }
    Switch { text: qsTr("On"); checked: true }
}
