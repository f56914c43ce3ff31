import QtQuick
import QtQuick.Controls

// Stack, swipe and split views.
Flow {
    spacing: 12

    StackView {
        id: stack
        width: 160
        height: 80
        initialItem: Frame { Label { text: qsTr("First page") } }
        Component.onCompleted: stack.push(secondPage)
        Component {
            id: secondPage
            Frame { Label { text: qsTr("Second page") } }
        }
    }

    Column {
        SwipeView {
            id: swipe
            width: 160
            height: 60
            clip: true
            currentIndex: 1
            Label { text: qsTr("Page one") }
            Label { text: qsTr("Page two") }
            Label { text: qsTr("Page three") }
        }
        PageIndicator {
            count: swipe.count
            currentIndex: swipe.currentIndex
        }
    }

    SplitView {
        width: 220
        height: 80
        Frame { implicitWidth: 80; Label { anchors.centerIn: parent; text: qsTr("Left") } }
        Pane { implicitWidth: 60; Label { anchors.centerIn: parent; text: qsTr("Middle") } }
        Frame { SplitView.fillWidth: true; Label { anchors.centerIn: parent; text: qsTr("Right") } }
    }

    SplitView {
        width: 120
        height: 100
        orientation: Qt.Vertical
        Frame { implicitHeight: 40; Label { anchors.centerIn: parent; text: qsTr("Top") } }
        Pane { SplitView.fillHeight: true; Label { anchors.centerIn: parent; text: qsTr("Bottom") } }
    }
}
