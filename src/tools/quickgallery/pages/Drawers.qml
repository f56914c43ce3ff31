import QtQuick
import QtQuick.Controls
import QuiltQuickGallery

// Drawers from the four window edges over their overlays, shared out among
// the copies of the page so that they do not pile up: the enabled copy opens
// the left and the top one, the disabled copy the bottom one, the right to
// left copy the right one.
Item {
    id: page
    implicitHeight: 40

    Component.onCompleted: {
        if (!enabled) {
            bottom.open()
        } else if (LayoutMirroring.enabled) {
            right.open()
        } else {
            left.open()
            top.open()
        }
    }

    FrameFollower {
        page: page
        popups: [left, right, top, bottom]
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
        Label {
            anchors.left: parent.left
            // Below the top drawer, which overlaps the side ones.
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Left drawer")
        }
    }

    Drawer {
        id: right
        edge: Qt.RightEdge
        modal: false
        dim: true
        width: 160
        height: parent ? parent.height : 0
        closePolicy: Popup.NoAutoClose
        Label {
            anchors.left: parent.left
            // Below the top drawer, which overlaps the side ones.
            anchors.verticalCenter: parent.verticalCenter
            text: qsTr("Right drawer")
        }
    }

    Drawer {
        id: top
        // Undimmed: the overlays of drawers open together would darken
        // each other's drawers.
        dim: false
        edge: Qt.TopEdge
        width: parent ? parent.width : 0
        height: 80
        closePolicy: Popup.NoAutoClose
        Label {
            anchors.left: parent.left
            text: qsTr("Top drawer")
        }
    }

    Drawer {
        id: bottom
        // Undimmed: the overlays of drawers open together would darken
        // each other's drawers.
        dim: false
        edge: Qt.BottomEdge
        width: parent ? parent.width : 0
        height: 80
        closePolicy: Popup.NoAutoClose
        Label {
            anchors.left: parent.left
            text: qsTr("Bottom drawer")
        }
    }
}
