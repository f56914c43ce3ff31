import QtQuick
import QtQuick.Controls

// Text fields, text areas and search fields in their states.
Flow {
    id: page
    spacing: 8

    TextField { placeholderText: qsTr("Empty, with a placeholder") }
    TextField { text: qsTr("Filled") }
    TextField {
        text: qsTr("Selected text")
        Component.onCompleted: select(0, 8)
    }
    TextField { text: qsTr("Read only"); readOnly: true }
    TextField { text: "password"; echoMode: TextInput.Password }
    TextField {
        id: focused
        text: qsTr("Focused")
        Component.onCompleted: if (enabled && !LayoutMirroring.enabled) forceActiveFocus(Qt.TabFocusReason)
    }
    TextArea {
        text: qsTr("A text area\nwith two lines")
    }
    TextArea { placeholderText: qsTr("Empty text area") }
    SearchField { }
    SearchField {
        text: qsTr("query")
        suggestionModel: ["query one", "query two", "query three"]
    }
}
