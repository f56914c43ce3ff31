import QtQuick
import QtQuick.Controls

// Item delegates on and off, alone and in a list view with a current row.
Row {
    spacing: 12
    Column {
        width: 220
        ItemDelegate { text: qsTr("Item delegate"); width: parent.width }
        ItemDelegate { text: qsTr("Highlighted"); highlighted: true; width: parent.width }
        ItemDelegate { text: qsTr("With icon"); icon.name: "document-open"; width: parent.width }
        CheckDelegate { text: qsTr("Check delegate"); checked: true; width: parent.width }
        CheckDelegate { text: qsTr("Partially checked"); tristate: true; checkState: Qt.PartiallyChecked; width: parent.width }
        CheckDelegate { text: qsTr("Unchecked"); width: parent.width }
        RadioDelegate { text: qsTr("Radio delegate"); checked: true; width: parent.width }
        RadioDelegate { text: qsTr("Other radio"); width: parent.width }
        SwitchDelegate { text: qsTr("Switch delegate"); checked: true; width: parent.width }
        SwitchDelegate { text: qsTr("Switched off"); width: parent.width }
        SwipeDelegate { text: qsTr("Swipe delegate"); width: parent.width }
        SwipeDelegate {
            id: swiped
            text: qsTr("Swiped open")
            width: parent.width
            swipe.right: Label {
                text: qsTr("Delete")
                height: parent.height
                anchors.right: parent.right
                // Swiped open to the right, the delegate uncovers its right
                // end in either direction: the action stays there.
                LayoutMirroring.enabled: false
                verticalAlignment: Text.AlignVCenter
                padding: 8
                color: "white"
                background: Rectangle { color: "#da4453" }
            }
            Component.onCompleted: swipe.open(SwipeDelegate.Right)
        }
    }
    ListView {
        width: 220
        height: 200
        model: 5
        currentIndex: 1
        delegate: ItemDelegate {
            required property int index
            width: ListView.view?.width ?? 0
            text: qsTr("Row %1").arg(index + 1)
            highlighted: ListView.isCurrentItem
        }
    }
}
