import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.AbstractMonthGrid {
    id: control

    // The insets never enlarge the view; the background's own size counts.
    implicitWidth: Math.max(background ? background.implicitWidth : 0,
                            (contentItem ? contentItem.implicitWidth : 0) + leftPadding + rightPadding)
    implicitHeight: Math.max(background ? background.implicitHeight : 0,
                             (contentItem ? contentItem.implicitHeight : 0) + topPadding + bottomPadding)

    Quilt.Style.applied: "padding insets spacing font"
    // The template shares the width among the days less the spacing: a
    // spacing that is no finite number would make every day NaN or
    // infinitely large, and the grid lay itself out again at every polish.
    onSpacingChanged: {
        if (!Number.isFinite(spacing))
            spacing = 0
    }

    Quilt.Element.type: "MonthGrid"
    Quilt.Element.states.hovered: control.hovered
    Quilt.Element.states.activeFocus: control.activeFocus
    Quilt.Element.states.visualFocus: control.visualFocus
    Quilt.Element.states.enabled: control.enabled

    delegate: Label {
        id: day

        required property var model

        text: day.model.day
        font: control.font
        color: Quilt.Style.properties.text.color ?? "black"
        horizontalAlignment: Quilt.Alignment.toQtHorizontal(Quilt.Style.properties.text.alignment.horizontal)
        verticalAlignment: Quilt.Alignment.toQtVertical(Quilt.Style.properties.text.alignment.vertical)

        Quilt.Element.states.activeFocus: day.activeFocus
        Quilt.Element.states.enabled: day.enabled
        Quilt.Element.hintFlags: ({
            "current-month": day.model.month === control.month,
            "today": !!day.model.today
        })
    }

    contentItem: Grid {
        rows: 6
        columns: 7
        rowSpacing: control.spacing
        columnSpacing: control.spacing
        Repeater {
            model: control.source
            delegate: control.delegate
        }
    }

    background: Quilt.StyledRectangle {}
}
