import QtQuick
import QtQuick.Controls

// Panes, frames, pages, group boxes, labels, tool bars and separators.
Flow {
    spacing: 8

    Pane {
        Label { text: qsTr("A pane") }
    }

    Frame {
        Label { text: qsTr("A frame with a <a href=\"#\">link</a>") }
    }

    GroupBox {
        title: qsTr("Group box")
        Column {
            spacing: 4
            Label { text: qsTr("First line") }
            Label { text: qsTr("Second line") }
        }
    }

    Page {
        width: 220
        height: 120
        header: ToolBar {
            Row {
                ToolButton { text: qsTr("Back") }
                ToolSeparator {}
                Label {
                    text: qsTr("Page title")
                    anchors.verticalCenter: parent.verticalCenter
                }
            }
        }
        footer: ToolBar {
            position: ToolBar.Footer
            Label { text: qsTr("Footer") }
        }
        Label { text: qsTr("Page content") }
    }

    Column {
        spacing: 4
        Label { text: qsTr("A label") }
        ToolSeparator { orientation: Qt.Horizontal }
        Label { text: qsTr("Below a horizontal separator") }
    }
}
