import QtQuick
import QtQuick.Controls

// Item delegates, alone and in a list view.
Row {
    spacing: 12
    Column {
        width: 220
        ItemDelegate { text: qsTr("Item delegate"); width: parent.width }
        ItemDelegate { text: qsTr("Highlighted"); highlighted: true; width: parent.width }
        ItemDelegate { text: qsTr("With icon"); icon.name: "document-open"; width: parent.width }
        CheckDelegate { text: qsTr("Check delegate"); checked: true; width: parent.width }
        RadioDelegate { text: qsTr("Radio delegate"); checked: true; width: parent.width }
        SwitchDelegate { text: qsTr("Switch delegate"); checked: true; width: parent.width }
        SwipeDelegate { text: qsTr("Swipe delegate"); width: parent.width }
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
