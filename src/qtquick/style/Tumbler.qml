pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.Tumbler {
    id: control

    Quilt.Style.applied: "padding insets spacing font"
    Quilt.Element.type: "Tumbler"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus enabled"

    implicitWidth: Math.max(implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    delegate: Text {
        required property var modelData
        // Declared so that the template's attached properties of the entry
        // keep working: an entry with required properties gets only these.
        required property int index

        Quilt.Element.type: "Text"
        Quilt.Element.states.highlighted: PathView.isCurrentItem

        // Entries fade towards the ends, so that the ones the view cuts off
        // trail away instead of ending at a hard edge. Measured from where
        // the view put the entry: reading the template's displacement here,
        // while the view makes its entries, loses the current index.
        opacity: {
            const half = (parent?.height ?? 0) / 2
            return half > 0 ? Math.max(0, 1 - Math.abs(y + height / 2 - half) / half) : 1
        }
        text: String(modelData)
        font: control.font
        color: Quilt.Style.properties.text.color ?? "black"
        horizontalAlignment: Quilt.Alignment.toQtHorizontal(Quilt.Style.properties.text.alignment.horizontal)
        verticalAlignment: Quilt.Alignment.toQtVertical(Quilt.Style.properties.text.alignment.vertical)
    }

    contentItem: Item {
        id: content

        // A count of 0 or less leaves no slot at all rather than slots of
        // infinite or negative height.
        readonly property real delegateHeight: control.visibleItemCount > 0
                                               ? control.availableHeight / control.visibleItemCount : 0

        implicitWidth: control.Quilt.Style.properties.layout.width ?? 0
        implicitHeight: control.Quilt.Style.properties.layout.height ?? 0
        clip: true

        PathView {
            anchors.fill: parent
            model: control.visibleItemCount > 0 ? control.model : null
            delegate: control.delegate
            snapMode: PathView.SnapToItem
            // One slot more than are shown: the entries lie one slot apart,
            // with the current one in the middle, and the one that scrolls in
            // is already on the path.
            pathItemCount: Math.max(1, control.visibleItemCount + 1)
            preferredHighlightBegin: 0.5
            preferredHighlightEnd: 0.5
            path: Path {
                startX: content.width / 2
                startY: -content.delegateHeight / 2

                PathLine {
                    x: content.width / 2
                    y: (control.visibleItemCount + 1) * content.delegateHeight - content.delegateHeight / 2
                }
            }
        }
    }

    background: Quilt.StyledRectangle {}
}
