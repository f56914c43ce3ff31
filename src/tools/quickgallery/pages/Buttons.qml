import QtQuick
import QtQuick.Controls

// Push buttons, round and tool buttons, and the bare abstract button that
// custom buttons start from.
Flow {
    spacing: 8
    Button { text: qsTr("&Button") }
    Button { text: qsTr("With icon"); icon.name: "document-open" }
    Button { text: qsTr("Checked"); checkable: true; checked: true }
    Button { text: qsTr("Highlighted"); highlighted: true }
    Button { text: qsTr("Flat"); flat: true }
    Button { text: qsTr("Menu"); Accessible.role: Accessible.ButtonMenu }
    Button { icon.name: "list-add-symbolic"; display: AbstractButton.IconOnly }
    Button { text: qsTr("A button with a long text that may need eliding"); width: 160 }
    RoundButton { text: "+" }
    RoundButton { icon.name: "list-add-symbolic" }
    ToolButton { text: qsTr("Tool") }
    ToolButton { text: qsTr("Icon"); icon.name: "edit-copy" }
    ToolButton { text: qsTr("Under"); icon.name: "edit-paste"; display: AbstractButton.TextUnderIcon }
    ToolButton { text: qsTr("Raised"); flat: false }
    ToolButton { text: qsTr("Checked"); checkable: true; checked: true }
    ToolButton { text: qsTr("Menu"); Accessible.role: Accessible.ButtonMenu }
    AbstractButton {
        id: bare
        text: qsTr("Abstract button")
        checkable: true
        checked: true
        padding: 6
        contentItem: Label { text: bare.text }
        background: Rectangle {
            color: "transparent"
            border.color: bare.palette.mid
            border.width: bare.checked ? 2 : 1
        }
    }
}
