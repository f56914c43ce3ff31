import QtQuick
import QtQuick.Controls

// One page three times: enabled, disabled, and right to left.
Flickable {
    id: frame

    property string page

    contentWidth: width
    contentHeight: column.implicitHeight + 20
    clip: true

    Column {
        id: column
        x: 10
        y: 10
        spacing: 12
        width: frame.width - 20

        Repeater {
            model: [
                { name: "enabled", label: qsTr("Enabled"), enabled: true, mirrored: false },
                { name: "disabled", label: qsTr("Disabled"), enabled: false, mirrored: false },
                { name: "mirrored", label: qsTr("Right to left"), enabled: true, mirrored: true }
            ]
            delegate: Column {
                id: variant
                required property var modelData
                width: column.width
                spacing: 4
                Label {
                    text: variant.modelData.label
                    font.bold: true
                }
                Loader {
                    objectName: variant.modelData.name
                    width: variant.width
                    enabled: variant.modelData.enabled
                    LayoutMirroring.enabled: variant.modelData.mirrored
                    LayoutMirroring.childrenInherit: true
                    source: frame.page ? Qt.resolvedUrl("pages/" + frame.page + ".qml") : ""
                }
            }
        }
    }
}
