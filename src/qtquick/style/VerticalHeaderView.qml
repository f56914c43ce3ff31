pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.VerticalHeaderView {
    id: control

    implicitWidth: Math.max(1, contentWidth)
    implicitHeight: syncView ? syncView.height : 0

    Quilt.Element.type: "HeaderView"
    Quilt.Element.states.activeFocus: control.activeFocus
    Quilt.Element.states.enabled: control.enabled
    Quilt.Element.hintFlags: ({
        "vertical": true
    })

    delegate: Quilt.StyledRectangle {
        id: delegate

        required property var model

        // A row header cell is never narrower than its header view.
        readonly property real __implicitWidth: Math.max(control.width, text.implicitWidth)
        readonly property real __implicitHeight: text.implicitHeight

        implicitWidth: __implicitWidth
        implicitHeight: __implicitHeight
        // The rectangle also sets its implicit size from the style, and the
        // last of the two wins; but where the style gives no size that is 0,
        // which the view refuses: the bindings take over again at once.
        onImplicitWidthChanged: {
            if (implicitWidth <= 0 && __implicitWidth > 0)
                implicitWidth = Qt.binding(() => delegate.__implicitWidth)
        }
        onImplicitHeightChanged: {
            if (implicitHeight <= 0 && __implicitHeight > 0)
                implicitHeight = Qt.binding(() => delegate.__implicitHeight)
        }

        Quilt.Element.type: "HeaderViewDelegate"
        Quilt.Element.states.enabled: control.enabled
        Quilt.Element.hintFlags: ({
            "vertical": true
        })

        Text {
            id: text
            anchors.fill: parent
            enabled: delegate.enabled
            text: delegate.model[control.textRole] ?? ""
            color: Quilt.Style.properties.text.color ?? control.palette.windowText
            wrapMode: Text.NoWrap
            elide: Text.ElideRight
            horizontalAlignment: Quilt.Alignment.toQtHorizontal(Quilt.Style.properties.text.alignment.horizontal)
            verticalAlignment: Quilt.Alignment.toQtVertical(Quilt.Style.properties.text.alignment.vertical)
        }
    }
}
