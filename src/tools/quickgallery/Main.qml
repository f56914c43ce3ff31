import QtQuick
import QtQuick.Controls

// The gallery's window: a page list on the left, the current page shown three
// times (enabled, disabled, right to left).
ApplicationWindow {
    id: window

    required property list<string> pages
    property int currentPage: 0
    // The Qt Quick Controls style, so that two galleries side by side tell
    // which is which.
    property string styleName
    // How tall the current page is with its three copies.
    readonly property real pageHeight: pageLoader.item ? pageLoader.item.contentHeight : 0

    width: 1200
    height: 900
    visible: true
    title: styleName ? qsTr("Quilt Quick gallery: %1").arg(styleName) : qsTr("Quilt Quick gallery")

    Column {
        id: pageList
        width: 180
        height: parent.height
        Repeater {
            model: window.pages
            delegate: ItemDelegate {
                required property string modelData
                required property int index
                width: pageList.width
                text: modelData
                highlighted: index === window.currentPage
                onClicked: window.currentPage = index
            }
        }
    }

    Loader {
        id: pageLoader
        anchors.left: pageList.right
        anchors.right: parent.right
        anchors.top: parent.top
        anchors.bottom: parent.bottom
        source: window.pages.length > 0 ? Qt.resolvedUrl("PageFrame.qml") : ""
        onLoaded: item.page = Qt.binding(() => window.pages[window.currentPage])
    }
}
