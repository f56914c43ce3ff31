import QtQuick
import QtQuick.Controls

// Tab bars at the header and the footer, a tab outside any bar, delay buttons,
// mirrored and with bad input.
Column {
    id: root

    function drive() {
        header.currentIndex = 2
        header.addItem(extra.createObject(header))
        footer.currentIndex = -1
        narrow.currentIndex = 7
        delay.progress = 0.5
        broken.progress = 0.3
    }

    Component {
        id: extra
        TabButton { text: "Added"; icon.name: "list-add-symbolic" }
    }

    TabBar {
        id: header
        TabButton { text: "One" }
        TabButton { text: "Two"; icon.name: "document-open-symbolic" }
        TabButton { text: "Three"; display: AbstractButton.IconOnly }
    }

    TabBar {
        id: footer
        position: TabBar.Footer
        LayoutMirroring.enabled: true
        LayoutMirroring.childrenInherit: true
        TabButton { text: "Left" }
        TabButton { text: "Right" }
    }

    TabBar {
        id: narrow
        width: 120
        Repeater {
            model: 8
            TabButton { required property int index; text: "Tab " + index }
        }
    }

    TabBar {}

    TabButton { text: "Alone" }

    DelayButton { id: delay; text: "Hold"; delay: 500 }
    DelayButton { text: "Mirrored"; LayoutMirroring.enabled: true; progress: 0.7 }
    DelayButton { id: broken; text: "Broken"; delay: -5 }
    DelayButton { icon.name: "media-record-symbolic"; display: AbstractButton.IconOnly }

    ListView {
        width: 200
        height: 60
        model: 2
        delegate: TabButton { required property int index; text: "In list " + index }
    }
}
