import QtQuick
import QtQuick.Controls
import QtQuick.Layouts
import "absurd.js" as Absurd

// Text fields and areas, search fields, combo and spin boxes, tumblers and
// the text context menu with absurd values.
Flow {
    id: root

    width: 800
    spacing: 2

    component Cell: Item { width: 130; height: 50 }

    // A text field keeps at most 32767 characters: a longer text given to an
    // inner field is cut and written back, which Qt reports as a binding loop.
    readonly property string longLine: Absurd.longText.slice(0, 32767)

    Cell { TextField { text: Absurd.longText; placeholderText: Absurd.longText; maximumLength: -1 } }
    Cell { TextField { placeholderText: Absurd.longText; width: Infinity; height: NaN; padding: NaN } }
    Cell { TextField { text: Absurd.longText; echoMode: Absurd.badEnum; width: -10 } }
    Cell { TextField { text: "\uD800\u0000"; horizontalAlignment: Absurd.badEnum; wrapMode: Absurd.badEnum } }
    Cell {
        TextField {
            text: "x"
            validator: IntValidator { bottom: 10; top: -10 }
            inputMask: "\\"
        }
    }

    Cell { TextArea { text: Absurd.longText; placeholderText: Absurd.longText; wrapMode: TextEdit.Wrap; width: 120 } }
    Cell { TextArea { text: Absurd.longText; width: Infinity; height: -1; padding: Absurd.huge } }
    Cell { TextArea { placeholderText: Absurd.longText; width: NaN; wrapMode: Absurd.badEnum; textFormat: TextEdit.RichText } }
    Cell {
        Flickable {
            anchors.fill: parent
            contentWidth: NaN
            contentHeight: Infinity
            TextArea.flickable: TextArea { text: Absurd.longText; padding: NaN }
        }
    }

    // Few suggestions until list delegates report their height before
    // their first layout: the list would create every row.
    Cell { SearchField { text: root.longLine; suggestionModel: 200; width: 120 } }
    Cell { SearchField { text: root.longLine; suggestionModel: [Absurd.longText, "", null]; width: NaN } }
    Cell { SearchField { suggestionModel: 200; textRole: "nosuchrole"; currentIndex: Absurd.huge; width: -5 } }
    // No infinite width: the suggestion popup, sized after the field, polishes
    // itself without end.
    Cell { SearchField { text: "a"; padding: NaN; spacing: -Infinity } }

    Cell { ComboBox { model: 200; currentIndex: Absurd.huge; width: 120 } }
    Cell { ComboBox { model: [Absurd.longText, "", null, undefined, NaN]; currentIndex: 0; width: 120 } }
    Cell { ComboBox { model: 3; textRole: "nosuchrole"; valueRole: "neither"; currentIndex: -5; editable: true } }
    Cell { ComboBox { model: ["a"]; displayText: Absurd.longText; height: NaN } }
    Cell { ComboBox { model: Absurd.negativeEnum; width: -10; padding: NaN; spacing: NaN; flat: true } }
    Cell { ComboBox { model: ["a", "b"]; editable: true; editText: root.longLine; implicitContentWidthPolicy: Absurd.badEnum } }

    Cell { SpinBox { from: 2147483647; to: -2147483648; value: 0; stepSize: 0 } }
    Cell { SpinBox { from: 0; to: 10; value: 2147483647; stepSize: -2147483648 } }
    Cell { SpinBox { textFromValue: (value, locale) => root.longLine; value: 3 } }
    Cell { SpinBox { textFromValue: (value, locale) => null; valueFromText: (text, locale) => NaN; value: 1 } }
    Cell { SpinBox { textFromValue: (value, locale) => value * 2; value: 4 } }
    Cell { SpinBox { width: Infinity; height: NaN; padding: NaN; spacing: Infinity; editable: false } }
    Cell { RowLayout { SpinBox { Layout.preferredWidth: NaN; Layout.maximumWidth: -Infinity } } }

    Cell { DoubleSpinBox { from: NaN; to: NaN; value: NaN; stepSize: NaN } }
    Cell { DoubleSpinBox { from: -Infinity; to: Infinity; value: Absurd.huge; stepSize: 0; decimals: 1000 } }
    Cell { DoubleSpinBox { from: Absurd.huge; to: -Absurd.huge; value: -Infinity; stepSize: Infinity; decimals: -Absurd.huge } }
    Cell { DoubleSpinBox { textFromValue: (value, decimals, locale) => null; value: 1 } }
    Cell { DoubleSpinBox { textFromValue: (value, decimals, locale) => root.longLine; width: -1 } }
    Cell { RowLayout { DoubleSpinBox { Layout.preferredWidth: Infinity; Layout.maximumWidth: NaN } } }

    Cell { Tumbler { model: Absurd.hugeCount; currentIndex: Absurd.hugeCount - 1; visibleItemCount: 5 } }
    Cell { Tumbler { model: [Absurd.longText, null, undefined]; visibleItemCount: -3; wrap: true } }
    Cell { Tumbler { model: 10; visibleItemCount: Absurd.huge; currentIndex: -5; width: Infinity; height: NaN } }
    Cell { Tumbler { model: 10; visibleItemCount: 2; height: -20; padding: NaN; spacing: NaN } }

    Cell {
        Rectangle {
            id: notText
            anchors.fill: parent
            TapHandler { onTapped: rectangleMenu.popup() }
            TextFieldContextMenu { id: rectangleMenu; target: notText; width: Infinity }
        }
    }
    Cell {
        TextField {
            id: menuField
            text: Absurd.longText
            TextFieldContextMenu { target: null; x: NaN; y: -Infinity }
            // No NaN padding: the menu's implicit size would never equal
            // itself, which Qt reports as a binding loop.
            TextFieldContextMenu { target: menuField; height: NaN }
        }
    }
}
