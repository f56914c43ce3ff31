import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.MenuBarItem {
    id: control

    // The template leaves the item of a disabled menu enabled: it would look
    // and open like any other.
    enabled: control.menu?.enabled ?? true

    Quilt.Style.applied: "padding insets spacing font"
    Quilt.Element.type: "MenuBarItem"
    Quilt.Element.stateProperties: "hovered activeFocus visualFocus pressed:down checked enabled highlighted"

    Quilt.Mnemonics.enabled: enabled && visible
    Quilt.Mnemonics.controlType: Quilt.Mnemonics.MenuItem
    Quilt.Mnemonics.label: text

    // Padding, insets and sizes an application gives as NaN or an infinity,
    // and sums that overflow to one, count as none: the bar's row would
    // place an item of such a size again on every pass.
    implicitWidth: {
        const sum = (...terms) => {
            const total = terms.reduce((total, term) => total + (Number.isFinite(term) ? term : 0), 0)
            return Number.isFinite(total) ? total : 0
        }
        return Math.max(sum(implicitBackgroundWidth, leftInset, rightInset),
                        sum(implicitContentWidth, leftPadding, rightPadding))
    }
    implicitHeight: {
        const sum = (...terms) => {
            const total = terms.reduce((total, term) => total + (Number.isFinite(term) ? term : 0), 0)
            return Number.isFinite(total) ? total : 0
        }
        return Math.max(sum(implicitBackgroundHeight, topInset, bottomInset),
                        sum(implicitContentHeight, topPadding, bottomPadding),
                        sum(implicitIndicatorHeight, topPadding, bottomPadding))
    }

    // An icon-only item shows nothing: the bar draws no icons.
    contentItem: T.Label {
        // Laid out over its whole length, though no screen shows more than a
        // few thousand characters of a line: a longer one keeps its first
        // 4,096.
        text: {
            const label = control.Quilt.Mnemonics.richTextLabel ?? control.text
            return label.length > 4096 ? label.slice(0, 4096) : label
        }
        font: control.font
        color: control.Quilt.Style.properties.text.color ?? control.palette.windowText
        visible: control.display !== T.AbstractButton.IconOnly
        horizontalAlignment: Quilt.Alignment.toQtHorizontal(control.Quilt.Style.properties.text.alignment.horizontal)
        verticalAlignment: Quilt.Alignment.toQtVertical(control.Quilt.Style.properties.text.alignment.vertical)
    }

    background: Quilt.StyledRectangle {}
}
