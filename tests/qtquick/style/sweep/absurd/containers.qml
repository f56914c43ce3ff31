import QtQuick
import QtQuick.Controls
import "absurd.js" as Absurd

// Frames, group boxes, pages, panes, tool bars and separators, split, stack
// and swipe views and an application window with absurd values.
Flow {
    id: root

    width: 800
    spacing: 2

    // Keeps a control of absurd size from pushing the others out of reach.
    component Cell: Item { width: 100; height: 60 }

    component Transitions: Transition {
        NumberAnimation { property: "x"; from: NaN; to: Infinity; duration: -1 }
        NumberAnimation { property: "opacity"; from: -Absurd.huge; to: Absurd.huge; duration: NaN }
    }

    Component {
        id: page
        Label { text: "page"; width: Infinity; height: NaN }
    }

    Cell { Frame { padding: NaN; Label { text: "frame" } } }
    Cell { Frame { width: Infinity; height: -10; leftPadding: Infinity; topInset: NaN } }
    Cell { Frame { contentWidth: NaN; contentHeight: -Absurd.huge; spacing: Infinity; Item {} } }

    Cell { GroupBox { title: Absurd.longText; padding: NaN; Label { text: "g" } } }
    Cell { GroupBox { title: "title"; width: NaN; height: Infinity; spacing: NaN; topPadding: -Infinity } }
    Cell { GroupBox { title: ""; contentWidth: Infinity; leftInset: Absurd.huge; label: null } }

    Cell {
        Page {
            anchors.fill: parent
            title: Absurd.longText
            padding: NaN
            spacing: Infinity
            header: ToolBar { padding: NaN; Label { text: "header" } }
            footer: ToolBar { position: ToolBar.Footer; height: -Infinity }
            Label { text: "content" }
        }
    }
    Cell {
        Page {
            width: NaN
            height: Absurd.huge
            contentWidth: NaN
            contentHeight: Infinity
            spacing: -Absurd.huge
            header: Label { text: "header"; height: NaN }
            footer: Item { implicitHeight: Infinity }
        }
    }

    Cell { Pane { padding: -Absurd.huge; contentWidth: NaN; Label { text: "pane" } } }
    Cell { Pane { width: Infinity; height: NaN; implicitWidth: -1; bottomInset: Infinity } }

    Cell { ToolBar { position: Absurd.badEnum; padding: NaN; ToolButton { text: Absurd.longText } } }
    Cell { ToolBar { position: Absurd.negativeEnum; width: Infinity; height: NaN; contentHeight: Infinity } }
    Cell { ToolBar { position: ToolBar.Header; width: -5; leftPadding: Absurd.huge } }

    Cell { ToolSeparator { orientation: Absurd.badEnum; width: NaN; height: Infinity } }
    Cell { ToolSeparator { orientation: Qt.Horizontal; padding: NaN; width: -Infinity } }
    Cell { ToolSeparator { orientation: Absurd.negativeEnum; topInset: Absurd.huge } }

    // Many handles, children asking for sizes no view can give them.
    Cell {
        SplitView {
            anchors.fill: parent
            Repeater {
                model: 100
                Rectangle {
                    required property int index
                    color: index % 2 ? "gray" : "silver"
                    SplitView.preferredWidth: index % 3 === 0 ? NaN : index % 3 === 1 ? Infinity : -Absurd.huge
                    SplitView.minimumWidth: index % 2 ? Infinity : NaN
                    SplitView.maximumWidth: index % 2 ? -Infinity : -1
                    SplitView.fillWidth: index % 5 === 0
                }
            }
        }
    }
    Cell {
        SplitView {
            anchors.fill: parent
            orientation: Qt.Vertical
            padding: NaN
            Rectangle {
                SplitView.preferredHeight: Absurd.huge
                SplitView.minimumHeight: Absurd.huge
                SplitView.maximumHeight: 0
            }
            Rectangle { SplitView.fillHeight: true; SplitView.minimumHeight: NaN; implicitHeight: Infinity }
            Rectangle { SplitView.preferredHeight: -Infinity; implicitHeight: NaN }
        }
    }
    Cell {
        SplitView {
            width: NaN
            height: Infinity
            orientation: Absurd.badEnum
            Item { implicitWidth: NaN }
            Item { implicitWidth: Infinity }
        }
    }

    Cell {
        StackView {
            anchors.fill: parent
            padding: NaN
            initialItem: page
            pushEnter: Transitions {}
            pushExit: Transitions {}
            popEnter: Transitions {}
            popExit: Transitions {}
            replaceEnter: Transitions {}
            replaceExit: Transitions {}
            Component.onCompleted: {
                push(page, { text: "pushed", x: NaN, opacity: Infinity })
                push(page, {}, Absurd.badEnum)
                replace(page, { width: -Infinity }, StackView.PushTransition)
                pop(StackView.Immediate)
                push(page)
                replace(null, page, { height: Absurd.huge }, Absurd.negativeEnum)
            }
        }
    }
    Cell {
        StackView {
            width: Infinity
            height: NaN
            spacing: NaN
            initialItem: page
            Component.onCompleted: {
                push(page)
                pop()
                pop()
                clear(StackView.PopTransition)
                push(page, {}, StackView.ReplaceTransition)
            }
        }
    }

    Cell {
        SwipeView {
            anchors.fill: parent
            currentIndex: Absurd.hugeCount
            spacing: NaN
            padding: -Absurd.huge
            Repeater {
                model: 500
                Label {
                    required property int index
                    text: index === 499 ? Absurd.longText : String(index)
                }
            }
        }
    }
    Cell {
        SwipeView {
            anchors.fill: parent
            orientation: Absurd.badEnum
            currentIndex: -5
            spacing: Infinity
            Item { width: NaN }
            Item { width: Infinity }
        }
    }
    Cell { SwipeView { width: NaN; height: -1; currentIndex: Absurd.negativeEnum; orientation: Qt.Vertical } }

    // A window of its own, which the sweep's touches do not reach: it is
    // driven here, and follows the form's direction and state.
    ApplicationWindow {
        id: window

        width: 300
        height: 200
        visible: true
        font.pixelSize: -1
        font.letterSpacing: NaN
        menuBar: ToolBar { height: NaN; ToolButton { text: "menu" } }
        header: ToolBar { implicitHeight: Infinity; Label { text: "header" } }
        footer: ToolBar { position: Absurd.badEnum; implicitHeight: -Absurd.huge }

        Page {
            anchors.fill: parent
            enabled: root.enabled
            LayoutMirroring.enabled: root.LayoutMirroring.enabled
            LayoutMirroring.childrenInherit: true
            padding: NaN
            title: Absurd.longText
            header: ToolBar { ToolButton { id: windowButton; text: "button" } }
            Label { text: "content" }
        }

        Component.onCompleted: {
            windowButton.forceActiveFocus()
            header.visible = false
            header.visible = true
            font.pointSize = NaN
            footer = null
        }
    }
}
