import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import QtQuick.Templates as T

// Text fields, text areas, combo and spin boxes, search fields and tumblers
// in their usual forms and with bad input.
Column {
    id: root

    function drive() {
        field.forceActiveFocus()
        field.selectAll()
        areaInFlickable.forceActiveFocus()
        spin.increase()
        doubleSpin.decrease()
        combo.popup.open()
        combo.incrementCurrentIndex()
        combo.popup.close()
        editableCombo.editText = "typed"
        search.text = "a"
        search.popup.open()
        search.popup.close()
        tumbler.currentIndex = 3
        for (const item of [field, area, search])
            item.T.ContextMenu.menu?.popup?.()
        for (const item of [field, area, search])
            item.T.ContextMenu.menu?.close()
    }

    TextField { id: field; text: "Text"; placeholderText: "Placeholder" }
    TextField { placeholderText: "Empty" }
    TextField { text: "Read only"; readOnly: true }
    TextField { text: "secret"; echoMode: TextInput.Password }
    TextField { text: "secret"; echoMode: TextInput.PasswordEchoOnEdit }
    TextField { text: "Right to left"; LayoutMirroring.enabled: true }
    TextArea { id: area; text: "Two\nlines"; placeholderText: "Placeholder" }
    TextArea { placeholderText: "Empty"; readOnly: true }
    Flickable {
        width: 200
        height: 60
        TextArea.flickable: TextArea { id: areaInFlickable; text: "In a flickable" }
    }
    SpinBox { id: spin; from: 0; to: 100; value: 5 }
    SpinBox { from: 10; to: -10; editable: false }
    SpinBox { Layout.preferredWidth: 10 }
    RowLayout {
        SpinBox { Layout.maximumWidth: 20 }
        DoubleSpinBox { Layout.preferredWidth: 10 }
    }
    DoubleSpinBox { id: doubleSpin; from: 0; to: 100; decimals: 2; value: 3.25 }
    DoubleSpinBox { decimals: -1; from: 5; to: -5 }
    ComboBox { id: combo; model: ["One", "Two", "Three"] }
    ComboBox { id: editableCombo; editable: true; model: ["One", "Two"] }
    ComboBox { flat: true; model: 3 }
    ComboBox { model: null }
    ComboBox { model: ["Right", "to left"]; LayoutMirroring.enabled: true; LayoutMirroring.childrenInherit: true }
    ComboBox { textRole: "name"; model: ListModel { ListElement { name: "Listed" } } }
    SearchField { id: search; suggestionModel: ["alpha", "beta"] }
    SearchField { suggestionModel: null }
    Tumbler { id: tumbler; model: 10 }
    Tumbler { model: ["a", "b", "c"]; visibleItemCount: 3 }
    Tumbler { model: 5; visibleItemCount: 0 }
    Tumbler { model: null }
    ListView {
        width: 200
        height: 60
        model: 2
        delegate: TextField { required property int index; text: "Row " + index }
    }
}
