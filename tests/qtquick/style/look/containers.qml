import QtQuick
import QtQuick.Controls

// Panes, frames, group boxes, labels, tool bars and separators.
Flow {
    property bool mirrored: false

    width: 880
    spacing: 10
    LayoutMirroring.enabled: mirrored
    LayoutMirroring.childrenInherit: true

    Pane { objectName: "pane"; Label { text: "In a pane" } }
    Frame { objectName: "frame"; Label { text: "In a frame" } }
    GroupBox { objectName: "groupbox"; title: "Group box"; Label { text: "Contents" } }
    Label { objectName: "label"; text: "A label" }
    ToolBar {
        objectName: "toolbar"
        Row {
            ToolButton { text: "Tool" }
            ToolSeparator { }
            ToolButton { text: "Other" }
        }
    }
    MenuBar {
        objectName: "menubar"
        Menu { title: "&File" }
        Menu { title: "&Edit" }
    }
}
