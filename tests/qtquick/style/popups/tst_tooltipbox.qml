import QtQuick
import QtQuick.Controls
import QtTest
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "ToolTipAndButtonBox"
    width: 400
    height: 400
    visible: true
    when: windowShown

    function init() {
        failOnWarning(/.*/)
    }

    Component {
        id: tipComponent
        Item {
            property alias tip: tip
            x: 100
            y: 200
            width: 80
            height: 30
            ToolTip {
                id: tip
            }
        }
    }

    function openTip(holder, text) {
        holder.tip.text = text
        holder.tip.open()
        tryCompare(holder.tip, "opened", true)
    }

    // Short texts keep their width on one line; long ones wrap at seventy
    // average characters.
    function test_toolTipSize() {
        const holder = createTemporaryObject(tipComponent, testCase)
        const tip = holder.tip
        openTip(holder, "0123456789")
        const content = tip.contentItem
        compare(content.lineCount, 1)
        compare(tip.implicitWidth, content.implicitWidth + 4 + 4)
        const oneLine = tip.implicitHeight
        compare(oneLine, content.implicitHeight + 2 + 2)

        openTip(holder, "word ".repeat(40))
        const maximum = content.maximumWidth
        verify(maximum > 0)
        compare(tip.implicitWidth, maximum + 4 + 4)
        verify(content.lineCount > 1)
        verify(tip.implicitHeight > oneLine)
        compare(tip.implicitHeight, content.implicitHeight + 2 + 2)
    }

    // Centred above its parent by the implicit width, never over it.
    function test_toolTipPlace() {
        const holder = createTemporaryObject(tipComponent, testCase)
        const tip = holder.tip
        openTip(holder, "Tip")
        compare(tip.x, (80 - tip.implicitWidth) / 2)
        compare(tip.y, -tip.implicitHeight)
        tip.width = 200
        compare(tip.x, (80 - tip.implicitWidth) / 2)
        compare(tip.popupType, Popup.Item)
        compare(tip.timeout, -1)
        compare(tip.delay, 700)
    }

    // Escape and a press or release outside the parent close it; a press on
    // the parent does not.
    function test_toolTipCloses() {
        const holder = createTemporaryObject(tipComponent, testCase)
        compare(holder.tip.closePolicy, Popup.CloseOnEscape | Popup.CloseOnPressOutsideParent
                | Popup.CloseOnReleaseOutsideParent)
        openTip(holder, "Tip")
        mousePress(holder, 10, 10)
        wait(50)
        compare(holder.tip.visible, true)
        mouseRelease(holder, 10, 10)
        mousePress(testCase, 10, 10)
        tryCompare(holder.tip, "visible", false)
        mouseRelease(testCase, 10, 10)

        // Escape reaches a popup that has the focus.
        holder.tip.focus = true
        openTip(holder, "Tip")
        keyClick(Qt.Key_Escape)
        tryCompare(holder.tip, "visible", false)
    }

    // Shown only after its delay; it never hides by itself.
    function test_toolTipDelay() {
        const holder = createTemporaryObject(tipComponent, testCase)
        holder.tip.text = "Later"
        holder.tip.visible = true
        compare(holder.tip.opened, false)
        tryCompare(holder.tip, "opened", true, 5000)
    }

    Component {
        id: boxComponent
        DialogButtonBox {}
    }

    Component {
        id: plainButton
        Button {}
    }

    function iconOf(box, kind) {
        return box.standardButton(kind).icon.name
    }

    function attribute(item, name) {
        const attributes = item.Quilt.Element.attributes
        for (let i = 0; i < attributes.length; ++i) {
            if (attributes[i].name === name)
                return attributes[i].value
        }
        return undefined
    }

    function test_standardButtons_data() {
        return [
            { tag: "Ok", kind: DialogButtonBox.Ok, icon: "dialog-ok", role: "accept" },
            { tag: "Save", kind: DialogButtonBox.Save, icon: "document-save", role: "accept" },
            { tag: "SaveAll", kind: DialogButtonBox.SaveAll, icon: "document-save-all", role: "accept" },
            { tag: "Open", kind: DialogButtonBox.Open, icon: "document-open", role: "accept" },
            { tag: "Yes", kind: DialogButtonBox.Yes, icon: "dialog-ok-apply", role: "yes" },
            { tag: "YesToAll", kind: DialogButtonBox.YesToAll, icon: "dialog-ok", role: "yes" },
            { tag: "No", kind: DialogButtonBox.No, icon: "dialog-cancel", role: "no" },
            { tag: "NoToAll", kind: DialogButtonBox.NoToAll, icon: "dialog-cancel", role: "no" },
            { tag: "Abort", kind: DialogButtonBox.Abort, icon: "dialog-cancel", role: "reject" },
            { tag: "Retry", kind: DialogButtonBox.Retry, icon: "view-refresh", role: "accept" },
            { tag: "Ignore", kind: DialogButtonBox.Ignore, icon: "dialog-cancel", role: "accept" },
            { tag: "Close", kind: DialogButtonBox.Close, icon: "dialog-close", role: "reject" },
            { tag: "Cancel", kind: DialogButtonBox.Cancel, icon: "dialog-cancel", role: "reject" },
            { tag: "Discard", kind: DialogButtonBox.Discard, icon: "edit-delete", role: "destructive" },
            { tag: "Help", kind: DialogButtonBox.Help, icon: "help-contents", role: "help" },
            { tag: "Apply", kind: DialogButtonBox.Apply, icon: "dialog-ok-apply", role: "apply" },
            { tag: "Reset", kind: DialogButtonBox.Reset, icon: "edit-undo", role: "reset" },
            { tag: "RestoreDefaults", kind: DialogButtonBox.RestoreDefaults, icon: "document-revert", role: "reset" }
        ]
    }

    function test_standardButtons(data) {
        const box = createTemporaryObject(boxComponent, testCase, { standardButtons: data.kind })
        const button = box.standardButton(data.kind)
        verify(button)
        compare(button.icon.name, data.icon)
        compare(attribute(button, "role"), data.role)
        // The role joins the button's own attributes.
        const plain = createTemporaryObject(plainButton, testCase)
        compare(button.Quilt.Element.attributes.length, plain.Quilt.Element.attributes.length + 1)
        for (let i = 0; i < plain.Quilt.Element.attributes.length; ++i)
            verify(attribute(button, plain.Quilt.Element.attributes[i].name) !== undefined)
    }

    // Every change makes fresh buttons, each with its icon.
    function test_standardButtonsChange() {
        const box = createTemporaryObject(boxComponent, testCase, { standardButtons: DialogButtonBox.Ok })
        const first = box.standardButton(DialogButtonBox.Ok)
        box.standardButtons = DialogButtonBox.Ok | DialogButtonBox.Cancel
        const ok = box.standardButton(DialogButtonBox.Ok)
        verify(ok !== first)
        compare(ok.icon.name, "dialog-ok")
        compare(iconOf(box, DialogButtonBox.Cancel), "dialog-cancel")
        compare(box.count, 2)
    }

    Component {
        id: namedBox
        DialogButtonBox {
            delegate: Button { icon.name: "from-elsewhere" }
        }
    }

    Component {
        id: sourceBox
        DialogButtonBox {
            delegate: Button { icon.source: "file:///nonexistent.png" }
        }
    }

    // A button that already shows an icon keeps it.
    function test_iconsKept() {
        const named = createTemporaryObject(namedBox, testCase, { standardButtons: DialogButtonBox.Ok })
        compare(iconOf(named, DialogButtonBox.Ok), "from-elsewhere")
        const sourced = createTemporaryObject(sourceBox, testCase, { standardButtons: DialogButtonBox.Ok })
        const button = sourced.standardButton(DialogButtonBox.Ok)
        compare(button.icon.name, "")
        compare(String(button.icon.source), "file:///nonexistent.png")
    }

    function test_position() {
        const box = createTemporaryObject(boxComponent, testCase)
        compare(attribute(box, "position"), "footer")
        box.position = DialogButtonBox.Header
        compare(attribute(box, "position"), "header")
    }

    Component {
        id: wideBox
        DialogButtonBox {
            width: 400
            Button {
                implicitWidth: 70
                implicitHeight: 20
                DialogButtonBox.buttonRole: DialogButtonBox.AcceptRole
            }
            Button {
                implicitWidth: 50
                implicitHeight: 20
                DialogButtonBox.buttonRole: DialogButtonBox.RejectRole
            }
        }
    }

    // The buttons keep their implicit widths at the right end.
    function test_rightAligned() {
        const box = createTemporaryObject(wideBox, testCase)
        waitForItemPolished(box.contentItem)
        compare(box.contentWidth, 70 + 4 + 50)
        compare(box.implicitWidth, 70 + 4 + 50 + 2 + 2)
        let right = 0
        for (let i = 0; i < box.count; ++i) {
            const button = box.itemAt(i)
            compare(button.width, button.implicitWidth)
            right = Math.max(right, button.mapToItem(box, button.width, 0).x)
        }
        compare(right, 400 - 2)
    }
}
