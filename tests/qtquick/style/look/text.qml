import QtQuick
import QtQuick.Controls

// Text fields and areas, spin boxes, combo and search fields, tumblers.
Flow {
    property bool mirrored: false

    width: 880
    spacing: 10
    LayoutMirroring.enabled: mirrored
    LayoutMirroring.childrenInherit: true

    TextField { objectName: "textfield"; text: "Some text" }
    TextField { objectName: "textfield-placeholder"; placeholderText: "Placeholder" }
    TextField { objectName: "textfield-password"; text: "secret"; echoMode: TextInput.Password }
    TextArea { objectName: "textarea"; text: "A text area\nof two lines" }
    SpinBox { objectName: "spinbox"; value: 42; to: 1000 }
    DoubleSpinBox { objectName: "doublespinbox"; value: 2.5; to: 100; decimals: 2 }
    ComboBox { objectName: "combobox"; model: ["First entry", "Second entry", "Third entry"] }
    ComboBox { objectName: "combobox-editable"; editable: true; model: ["Editable", "Other"] }
    SearchField { objectName: "searchfield"; text: "query" }
    Tumbler { objectName: "tumbler"; model: 10; height: 120 }
}
