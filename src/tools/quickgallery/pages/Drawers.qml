import QtQuick
import QtQuick.Controls

// Drawers from the four window edges over their overlays: the first copy of
// the page opens them, so that they do not pile up.
Item {
    id: page
    implicitHeight: 40

    Component.onCompleted: {
        if (!enabled || LayoutMirroring.enabled)
            return
        left.open()
        right.open()
        top.open()
        bottom.open()
    }

    Component.onDestruction: {
        left.close()
        right.close()
        top.close()
        bottom.close()
    }

    Label {
        text: qsTr("Drawers open at the window's edges.")
    }

    Drawer {
        id: left
        edge: Qt.LeftEdge
        width: 160
        height: parent ? parent.height : 0
        closePolicy: Popup.NoAutoClose
        Label { text: qsTr("Left drawer") }
    }

    Drawer {
        id: right
        edge: Qt.RightEdge
        modal: false
        dim: true
        width: 160
        height: parent ? parent.height : 0
        closePolicy: Popup.NoAutoClose
        Label { text: qsTr("Right drawer") }
    }

    Drawer {
        id: top
        edge: Qt.TopEdge
        width: parent ? parent.width : 0
        height: 80
        closePolicy: Popup.NoAutoClose
        Label { text: qsTr("Top drawer") }
    }

    Drawer {
        id: bottom
        edge: Qt.BottomEdge
        width: parent ? parent.width : 0
        height: 80
        closePolicy: Popup.NoAutoClose
        Label { text: qsTr("Bottom drawer") }
    }
}
