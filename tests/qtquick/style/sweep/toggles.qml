import QtQuick
import QtQuick.Controls

// Check boxes, radio buttons and switches in their usual forms.
Column {
    id: root

    function drive() {
        tristate.checkState = Qt.PartiallyChecked
        tristate.checkState = Qt.Checked
        second.checked = true
        for (const control of [check, second, toggle, mirrored]) {
            control.toggle()
            control.forceActiveFocus()
        }
        toggle.position = 0.5
        mirrored.position = 2
        mirrored.position = -1
    }

    CheckBox { id: check; text: "&Check" }
    CheckBox { id: tristate; text: "Tri-state"; tristate: true }
    CheckBox { text: "Checked"; checked: true; icon.name: "document-open" }
    CheckBox { text: "Disabled"; enabled: false; checked: true }
    CheckBox { display: AbstractButton.IconOnly }
    RadioButton { text: "First"; checked: true }
    RadioButton { id: second; text: "Second" }
    RadioButton { text: "Disabled"; enabled: false }
    Switch { id: toggle; text: "Switch" }
    Switch { text: "Checked"; checked: true }
    Switch { id: mirrored; text: "Right to left"; LayoutMirroring.enabled: true; checked: true }
    Switch { text: "A long label that wraps in the narrow width the switch has"; width: 90 }
    Switch { enabled: false }
}
