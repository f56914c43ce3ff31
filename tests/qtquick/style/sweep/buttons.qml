import QtQuick
import QtQuick.Controls

// Push buttons and the shared button content in their usual forms, with bad
// input: content without a button, an attribute without one, an icon-only
// button without an icon.
Column {
    id: root

    property var orphanAttribute: DisplayAttribute {}

    function drive() {
        for (const control of [button, checkable, menu, tool, round]) {
            control.down = true
            control.down = undefined
            control.toggle()
            control.forceActiveFocus()
        }
        button.display = AbstractButton.IconOnly
        button.display = AbstractButton.TextUnderIcon
        button.Accessible.role = Accessible.ButtonMenu
        button.icon.name = ""
        button.text = ""
        orphanAttribute.control = button
        orphanAttribute.control = null
        menu.highlighted = true
    }

    Button { id: button; text: "&Button"; icon.name: "document-open" }
    Button { id: checkable; text: "Checked"; checkable: true; checked: true }
    Button { text: "Flat"; flat: true; highlighted: true }
    Button { id: menu; text: "Menu"; Accessible.role: Accessible.ButtonMenu }
    Button { text: "Icon only"; display: AbstractButton.IconOnly }
    Button { display: AbstractButton.IconOnly; icon.source: "qrc:/no/such/icon.png" }
    Button { text: "Disabled"; enabled: false; icon.name: "list-add" }
    Button {
        text: "A very long text that does not fit into the narrow width the button is given here"
        width: 80
    }
    Button { text: "Right to left"; icon.name: "go-next"; LayoutMirroring.enabled: true }
    RoundButton { id: round; text: "+" }
    RoundButton { icon.name: "list-add"; flat: true }
    ToolButton { id: tool; text: "Tool"; icon.name: "edit-copy" }
    ToolButton { text: "Raised"; flat: false; display: AbstractButton.TextUnderIcon }
    ToolButton { text: "Menu"; Accessible.role: Accessible.ButtonMenu; checkable: true }
    AbstractButton { text: "Abstract" }
    DefaultContentItem { control: null }
}
