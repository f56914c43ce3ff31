import QtQuick
import QtQuick.Controls

// Tab bars at the top and at the bottom, and one too narrow for its tabs.
Column {
    spacing: 12

    TabBar {
        currentIndex: 1
        TabButton { text: qsTr("General") }
        TabButton { text: qsTr("Appearance") }
        TabButton { text: qsTr("Fonts"); icon.name: "preferences-desktop-font" }
    }

    TabBar {
        position: TabBar.Footer
        TabButton { text: qsTr("Output") }
        TabButton { text: qsTr("Problems") }
    }

    TabBar {
        width: 260
        currentIndex: 1
        Repeater {
            model: 8
            TabButton {
                required property int index
                text: qsTr("Document %1").arg(index + 1)
            }
        }
    }
}
