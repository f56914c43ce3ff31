import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.ToolTip {
    id: control

    Quilt.Style.applied: "insets"
    Quilt.Element.type: "ToolTip"
    Quilt.Element.stateProperties: "activeFocus enabled"

    // Centred above the parent by the implicit width, so that it covers
    // neither the parent nor a pointer hovering it. Never at a NaN or
    // infinite place, which Qt's placement of a popup polishes again on
    // every pass.
    x: parent && Number.isFinite(parent.width - implicitWidth) ? (parent.width - implicitWidth) / 2 : 0
    y: Number.isFinite(implicitHeight) ? -implicitHeight : 0

    // Lines of at most seventy average characters. Padding, insets and
    // sizes an application gives as NaN or an infinity, and sums that
    // overflow to one, count as none: a size that is no number differs from
    // itself, and the binding would be told of a change on every evaluation.
    implicitWidth: {
        const sum = (...terms) => {
            const total = terms.reduce((total, term) => total + (Number.isFinite(term) ? term : 0), 0)
            return Number.isFinite(total) ? total : 0
        }
        return Math.max(sum(implicitBackgroundWidth, leftInset, rightInset),
                        sum(Math.min(implicitContentWidth, contentItem?.maximumWidth ?? implicitContentWidth),
                            leftPadding, rightPadding))
    }
    implicitHeight: {
        const sum = (...terms) => {
            const total = terms.reduce((total, term) => total + (Number.isFinite(term) ? term : 0), 0)
            return Number.isFinite(total) ? total : 0
        }
        return Math.max(sum(implicitBackgroundHeight, topInset, bottomInset),
                        sum(implicitContentHeight, topPadding, bottomPadding))
    }

    leftMargin: Quilt.Style.properties.layout.margins.left
    rightMargin: Quilt.Style.properties.layout.margins.right
    topMargin: Quilt.Style.properties.layout.margins.top
    bottomMargin: Quilt.Style.properties.layout.margins.bottom

    // Where the style gives none, the template's own padding applies; but
    // not a padding that is no finite number, which the template reports as
    // changed on every reset.
    leftPadding: Quilt.Style.properties.layout.padding.left ?? (Number.isFinite(padding) ? undefined : 0)
    rightPadding: Quilt.Style.properties.layout.padding.right ?? (Number.isFinite(padding) ? undefined : 0)
    topPadding: Quilt.Style.properties.layout.padding.top ?? (Number.isFinite(padding) ? undefined : 0)
    bottomPadding: Quilt.Style.properties.layout.padding.bottom ?? (Number.isFinite(padding) ? undefined : 0)
    // One the application sets as no finite number counts as none too: the
    // content item would be sized by it, and be told of a change on every
    // layout while the implicit size is written.
    onLeftPaddingChanged: if (!Number.isFinite(leftPadding)) leftPadding = 0
    onRightPaddingChanged: if (!Number.isFinite(rightPadding)) rightPadding = 0
    onTopPaddingChanged: if (!Number.isFinite(topPadding)) topPadding = 0
    onBottomPaddingChanged: if (!Number.isFinite(bottomPadding)) bottomPadding = 0

    font: Quilt.Style.properties.text.font

    closePolicy: T.Popup.CloseOnEscape | T.Popup.CloseOnPressOutsideParent | T.Popup.CloseOnReleaseOutsideParent
    delay: 700
    timeout: -1
    // Always an item of its window's overlay.
    popupType: T.Popup.Item

    contentItem: Text {
        readonly property real maximumWidth: metrics.averageCharacterWidth * 70

        text: control.text
        font: control.font
        wrapMode: Text.Wrap
        color: control.Quilt.Style.properties.text.color ?? control.palette.text
        horizontalAlignment: Quilt.Alignment.toQtHorizontal(control.Quilt.Style.properties.text.alignment.horizontal)
        verticalAlignment: Quilt.Alignment.toQtVertical(control.Quilt.Style.properties.text.alignment.vertical)

        FontMetrics {
            id: metrics
            font: control.font
        }
    }

    background: Quilt.StyledRectangle {}
}
