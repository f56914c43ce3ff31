import QtQuick
import QtQuick.Controls

// Scroll bars, scroll indicators and scroll views, scrolled part way.
Flow {
    spacing: 12

    ScrollBar { orientation: Qt.Horizontal; width: 160; size: 0.3; position: 0.2; policy: ScrollBar.AlwaysOn }
    ScrollBar { orientation: Qt.Vertical; height: 100; size: 0.4; position: 0.5; policy: ScrollBar.AlwaysOn }
    ScrollBar { orientation: Qt.Vertical; height: 100; size: 0.4; interactive: false; policy: ScrollBar.AlwaysOn }
    ScrollIndicator { orientation: Qt.Vertical; height: 100; size: 0.3; position: 0.3; active: true }
    ScrollIndicator { orientation: Qt.Horizontal; width: 160; size: 0.5; position: 0.1 }

    ScrollView {
        width: 200
        height: 110
        Component.onCompleted: {
            ScrollBar.vertical.position = 0.2
            ScrollBar.horizontal.position = 0.1
        }
        Label {
            text: qsTr("A scroll view whose content\nis larger than the view in\nboth directions, so that\nboth bars are needed.\nMore text below the fold,\nand more, and more,\nand even more lines.")
            font.pixelSize: 16
        }
    }

    ScrollView {
        width: 200
        height: 110
        ListView {
            model: 20
            delegate: ItemDelegate {
                required property int index
                width: ListView.view.width
                text: qsTr("Row %1").arg(index + 1)
            }
        }
    }

    ListView {
        width: 160
        height: 110
        clip: true
        model: 20
        delegate: Label {
            required property int index
            text: qsTr("Indicated row %1").arg(index + 1)
        }
        ScrollIndicator.vertical: ScrollIndicator { active: true }
    }
}
