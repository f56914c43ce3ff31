import QtQuick
import QtQuick.Controls

// Push buttons in their usual forms.
Column {
    Button { text: "Button" }
    Button { text: "Checked"; checkable: true; checked: true }
    Button { text: "Flat"; flat: true }
    RoundButton { text: "+" }
    ToolButton { text: "Tool" }
}
