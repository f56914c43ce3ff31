pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.HorizontalHeaderView {
    id: control

    implicitWidth: syncView ? syncView.width : 0
    implicitHeight: Math.max(1, contentHeight)

    Quilt.Element.type: "HeaderView"
    Quilt.Element.states.activeFocus: control.activeFocus
    Quilt.Element.states.enabled: control.enabled
    Quilt.Element.hintFlags: ({
        "horizontal": true
    })

    delegate: Quilt.StyledRectangle {
        id: delegate

        required property var model

        // An unset style size counts as 0, so that the cell never measures
        // NaN. The positioner measures 0 until it has laid the cell out,
        // which the view refuses: the text's size stands in until then.
        readonly property real __implicitWidth: Math.max(1, Quilt.Style.properties.layout.width ?? 0,
            Quilt.Positioner.implicitWidth > 0 ? Quilt.Positioner.implicitWidth : text.implicitWidth)
        readonly property real __implicitHeight: Math.max(Quilt.Style.properties.layout.height ?? 0,
            Quilt.Positioner.implicitHeight > 0 ? Quilt.Positioner.implicitHeight : text.implicitHeight)

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
        Quilt.Element.states.activeFocus: delegate.activeFocus
        Quilt.Element.states.enabled: delegate.enabled
        Quilt.Element.hintFlags: ({
            "horizontal": true,
            "sort-ascending": delegate.model.sort !== undefined && delegate.model.sort == Qt.AscendingOrder,
            "sort-descending": delegate.model.sort !== undefined && delegate.model.sort != Qt.AscendingOrder
        })
        Quilt.Positioner.positionItems: [text, indicator]

        Text {
            id: text
            text: delegate.model[control.textRole] ?? ""
            font: Quilt.Style.properties.text.font ?? Application.font
            color: Quilt.Style.properties.text.color ?? control.palette.windowText
            wrapMode: Text.NoWrap
            elide: Text.ElideRight
            horizontalAlignment: Quilt.Alignment.toQtHorizontal(Quilt.Style.properties.text.alignment.horizontal)
        }

        Quilt.Icon {
            id: indicator
            color: Quilt.Style.properties.icon.color
            implicitWidth: Quilt.Style.properties.icon.width ?? 0
            implicitHeight: Quilt.Style.properties.icon.height ?? 0
            name: Quilt.Style.properties.icon.name
            visible: indicator.name !== ""
            Quilt.Element.type: "Indicator"
        }
    }
}
