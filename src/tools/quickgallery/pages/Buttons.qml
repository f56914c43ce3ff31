import QtQuick
import QtQuick.Controls

// Push buttons, round and tool buttons.
Flow {
    spacing: 8
    Button { text: qsTr("Button") }
    Button { text: qsTr("Checked"); checkable: true; checked: true }
    Button { text: qsTr("Flat"); flat: true }
    RoundButton { text: "+" }
    ToolButton { text: qsTr("Tool") }
}
