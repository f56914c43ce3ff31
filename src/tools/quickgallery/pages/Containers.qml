import QtQuick
import QtQuick.Controls

// Panes, frames, pages, group boxes, labels, tool bars and separators, and
// the bare control and container that custom controls start from.
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

    Control {
        padding: 6
        contentItem: Label { text: qsTr("A bare control") }
        background: Rectangle {
            color: "transparent"
            border.color: parent.palette.mid
        }
    }

    // A container of three tool buttons of which the current one is checked.
    Container {
        id: segments
        currentIndex: 1
        contentItem: Row {
            spacing: 2
            Repeater { model: segments.contentModel }
        }
        Repeater {
            model: [qsTr("Left"), qsTr("Centre"), qsTr("Right")]
            ToolButton {
                required property string modelData
                required property int index
                text: modelData
                checkable: true
                checked: segments.currentIndex === index
                onClicked: segments.currentIndex = index
            }
        }
    }

    Column {
        spacing: 4
        Label { text: qsTr("A label") }
        ToolSeparator { orientation: Qt.Horizontal; width: parent.width }
        Label { text: qsTr("Below a horizontal separator") }
    }
}
