import QtQuick
import QtQuick.Templates as T
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "TextContextMenu"
    width: 400
    height: 300
    visible: true
    when: windowShown

    Component { id: textField; TextField { width: 200 } }
    Component { id: textArea; TextArea { width: 200; height: 80 } }
    Component { id: bareMenu; TextFieldContextMenu {} }

    readonly property var texts: ["Undo", "Redo", "", "Cut", "Copy", "Paste", "Delete", "", "Select All"]

    function init() {
        failOnWarning(/.*/)
    }

    function entries(menu) {
        const list = []
        for (let i = 0; i < menu.count; ++i)
            list.push(menu.itemAt(i))
        return list
    }

    // The menu opens on a right click, as the user opens it.
    function openMenu(control) {
        const menu = control.T.ContextMenu.menu
        verify(menu)
        mouseClick(control, 10, control.height / 2, Qt.RightButton)
        tryVerify(() => menu.opened)
        return menu
    }

    function test_entries_data() {
        const all = [true, true, true, true, true, true, true, true, true]
        const readOnly = [false, false, false, false, true, true, false, true, true]
        const selectAllOnly = [false, false, false, false, false, false, false, false, true]
        return [
            { tag: "writable", component: textField, props: { text: "abc" }, select: false, visible: all,
              enabled: [false, false, null, false, false, null, false, null, true] },
            { tag: "writable, selection", component: textField, props: { text: "abc" }, select: true, visible: all,
              enabled: [false, false, null, true, true, null, true, null, true] },
            { tag: "read-only", component: textField, props: { text: "abc", readOnly: true }, select: true,
              visible: readOnly, enabled: [false, false, null, true, true, false, true, null, true] },
            { tag: "password", component: textField, props: { text: "abc", echoMode: TextInput.Password },
              select: true, visible: selectAllOnly, enabled: null },
            { tag: "password echo on edit", component: textField,
              props: { text: "abc", echoMode: TextInput.PasswordEchoOnEdit }, select: true, visible: selectAllOnly,
              enabled: null },
            { tag: "text area", component: textArea, props: { text: "abc" }, select: false, visible: all,
              enabled: [false, false, null, false, false, null, false, null, true] },
            { tag: "text area, read-only", component: textArea, props: { text: "abc", readOnly: true }, select: false,
              visible: readOnly, enabled: [false, false, null, false, false, false, false, null, true] },
            { tag: "no target", component: null, props: {}, select: false,
              visible: [false, false, false, false, false, false, false, false, false], enabled: null }
        ]
    }

    function test_entries(data) {
        let menu
        if (data.component) {
            const control = createTemporaryObject(data.component, testCase, data.props)
            if (data.select)
                control.selectAll()
            menu = openMenu(control)
            compare(menu.target, control)
        } else {
            menu = createTemporaryObject(bareMenu, testCase)
            compare(menu.target, null)
        }
        verify(menu.modal)
        verify(menu.Quilt.Element.activeHints.includes("context-menu"))
        const items = entries(menu)
        compare(items.length, 9)
        for (let i = 0; i < items.length; ++i) {
            compare(items[i].visible, data.visible[i], "visible " + i)
            if (data.enabled && data.enabled[i] !== null)
                compare(items[i].enabled, data.enabled[i], "enabled " + i)
        }
        menu.close()
    }

    function test_actions() {
        const field = createTemporaryObject(textField, testCase)
        const menu = openMenu(field)
        const icons = ["edit-undo-symbolic", "edit-redo-symbolic", "", "edit-cut-symbolic", "edit-copy-symbolic",
                       "edit-paste-symbolic", "edit-delete-symbolic", "", "edit-select-all-symbolic"]
        const keys = [StandardKey.Undo, StandardKey.Redo, null, StandardKey.Cut, StandardKey.Copy, StandardKey.Paste,
                      StandardKey.Delete, null, StandardKey.SelectAll]
        const items = entries(menu)
        for (let i = 0; i < items.length; ++i) {
            if (!icons[i]) {
                verify(items[i] instanceof MenuSeparator, "separator " + i)
                continue
            }
            compare(items[i].text, texts[i])
            compare(items[i].action.icon.name, icons[i])
            compare(items[i].action.shortcut, keys[i])
        }
        // Select All works on an empty field too.
        verify(items[8].enabled)
        menu.close()
    }

    // Each entry runs its operation on the target; Delete leaves the
    // clipboard alone.
    function test_operations() {
        const source = createTemporaryObject(textField, testCase, { text: "clip" })
        const field = createTemporaryObject(textField, testCase, { text: "abcdefg", y: 40 })
        source.selectAll()
        source.copy()
        let menu = openMenu(field)
        const items = entries(menu)
        field.select(2, 5)
        items[6].triggered()
        compare(field.text, "abfg")
        field.select(0, 1)
        items[3].triggered()
        compare(field.text, "bfg")
        items[0].triggered()
        compare(field.text, "abfg")
        items[1].triggered()
        compare(field.text, "bfg")
        items[8].triggered()
        compare(field.selectedText, "bfg")
        items[4].triggered()
        field.cursorPosition = 0
        items[5].triggered()
        compare(field.text, "bfgbfg")
        menu.close()
        // The clipboard held "clip" until Copy above, not "cde" from Delete.
        source.clear()
        source.paste()
        compare(source.text, "bfg")
    }

    function test_deleteKeepsClipboard() {
        const source = createTemporaryObject(textField, testCase, { text: "clip" })
        const field = createTemporaryObject(textField, testCase, { text: "abcdefg", y: 40 })
        source.selectAll()
        source.copy()
        const menu = openMenu(field)
        field.select(2, 5)
        entries(menu)[6].triggered()
        compare(field.text, "abfg")
        menu.close()
        source.clear()
        source.paste()
        compare(source.text, "clip")
    }
}
