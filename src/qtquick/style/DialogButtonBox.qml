import QtQuick
import QtQuick.Templates as T
import QtQuick.Controls.impl
import org.vyr.quilt.impl as Quilt

T.DialogButtonBox {
    id: control

    Quilt.Style.applied: "padding spacing"
    Quilt.Element.type: "DialogButtonBox"
    Quilt.Element.attributes: Quilt.ElementAttribute {
        name: "position"
        value: control.position === T.DialogButtonBox.Header ? "header" : "footer"
    }

    // Padding, insets and sizes an application gives as NaN or an infinity
    // (the template's content width is NaN for a NaN spacing), and sums that
    // overflow to one, count as none.
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
                        sum(implicitContentHeight, topPadding, bottomPadding))
    }

    // The buttons keep their implicit sizes at the box's right end. With a
    // vertical alignment too, the template leaves their heights alone: it
    // would otherwise fix each one at the height it had when the box was
    // laid out, which for a standard button is before its text is set.
    alignment: Qt.AlignRight | Qt.AlignVCenter

    delegate: Button {
        id: button

        // Added to the button's own attributes.
        Quilt.Element.attributes: Quilt.ElementAttribute {
            name: "role"
            value: {
                switch (button.T.DialogButtonBox.buttonRole) {
                case T.DialogButtonBox.InvalidRole:
                    return "invalid"
                case T.DialogButtonBox.AcceptRole:
                    return "accept"
                case T.DialogButtonBox.RejectRole:
                    return "reject"
                case T.DialogButtonBox.DestructiveRole:
                    return "destructive"
                case T.DialogButtonBox.ActionRole:
                    return "action"
                case T.DialogButtonBox.HelpRole:
                    return "help"
                case T.DialogButtonBox.YesRole:
                    return "yes"
                case T.DialogButtonBox.NoRole:
                    return "no"
                case T.DialogButtonBox.ResetRole:
                    return "reset"
                case T.DialogButtonBox.ApplyRole:
                    return "apply"
                }
                return undefined
            }
        }
    }

    contentItem: ListView {
        pixelAligned: true
        model: control.contentModel
        // A spacing that is no finite number places the buttons nowhere, and
        // the list would lay them out again on every pass.
        spacing: Number.isFinite(control.spacing) ? control.spacing : 0
        orientation: ListView.Horizontal
        boundsBehavior: Flickable.StopAtBounds
        snapMode: ListView.SnapToItem
    }
    // The template sizes the buttons by the box's spacing, NaN ones by a NaN
    // spacing: their sum counts as no width.
    contentWidth: {
        const width = (contentItem as ListView)?.contentWidth ?? 0
        return Number.isFinite(width) ? width : 0
    }

    background: Quilt.StyledRectangle {}

    // The template makes a new set of buttons on every change of
    // standardButtons; a button without an icon of its own gets the theme's
    // icon for its kind.
    onStandardButtonsChanged: {
        const icons = [
            [T.Dialog.Ok, "dialog-ok"],
            [T.Dialog.Save, "document-save"],
            [T.Dialog.SaveAll, "document-save-all"],
            [T.Dialog.Open, "document-open"],
            [T.Dialog.Yes, "dialog-ok-apply"],
            [T.Dialog.YesToAll, "dialog-ok"],
            [T.Dialog.No, "dialog-cancel"],
            [T.Dialog.NoToAll, "dialog-cancel"],
            [T.Dialog.Abort, "dialog-cancel"],
            [T.Dialog.Retry, "view-refresh"],
            [T.Dialog.Ignore, "dialog-cancel"],
            [T.Dialog.Close, "dialog-close"],
            [T.Dialog.Cancel, "dialog-cancel"],
            [T.Dialog.Discard, "edit-delete"],
            [T.Dialog.Help, "help-contents"],
            [T.Dialog.Apply, "dialog-ok-apply"],
            [T.Dialog.Reset, "edit-undo"],
            [T.Dialog.RestoreDefaults, "document-revert"]
        ]
        for (const [kind, name] of icons) {
            const button = control.standardButton(kind)
            if (button && button.icon.name === "" && button.icon.source.toString() === "")
                button.icon.name = name
        }
    }
}
