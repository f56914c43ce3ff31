import QtQuick
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "TextFields"
    width: 400
    height: 300
    visible: true
    when: windowShown

    Component { id: textField; TextField {} }
    Component { id: textArea; TextArea {} }
    Component { id: metricsComponent; FontMetrics {} }

    function init() {
        failOnWarning(/.*/)
    }

    function placeholderOf(control) {
        return control.children.find(child => child.Quilt.Element.activeHints.includes("placeholder"))
    }

    // Width: a background with a width decides alone (120 + 2 + 2); without
    // one, the text and the placeholder with the side paddings (6 + 5).
    function test_implicitWidth_data() {
        return [
            { tag: "no background width, text", id: "", text: "A longer text", placeholder: "" },
            { tag: "no background width, placeholder", id: "", text: "", placeholder: "A much longer placeholder" },
            { tag: "background width", id: "wide", text: "A text much wider than the background could hold", placeholder: "" }
        ]
    }

    function test_implicitWidth(data) {
        const field = createTemporaryObject(textField, testCase, { text: data.text, placeholderText: data.placeholder })
        field.Quilt.Element.elementId = data.id
        if (data.id === "wide") {
            compare(field.implicitWidth, 124)
        } else {
            compare(field.leftPadding, 6)
            compare(field.implicitWidth, Math.max(field.contentWidth, placeholderOf(field).implicitWidth) + 11)
        }
    }

    // Height: the largest of background, text and placeholder (each with
    // its paddings); the placeholder's 30 pt font raises the field.
    function test_implicitHeight_data() {
        return [
            { tag: "text field", component: textField },
            { tag: "text area", component: textArea }
        ]
    }

    function test_implicitHeight(data) {
        const control = createTemporaryObject(data.component, testCase, { text: "Text", placeholderText: "Placeholder" })
        control.Quilt.Element.elementId = "styled"
        const placeholder = placeholderOf(control)
        compare(placeholder.font.pointSize, 30)
        compare(control.implicitHeight, placeholder.implicitHeight + 7)
        control.placeholderText = ""
        control.Quilt.Element.elementId = "wide"
        compare(control.implicitHeight, 74)
    }

    // The text area takes the largest of the three sums in width as well.
    function test_areaWidth() {
        const area = createTemporaryObject(textArea, testCase, { text: "x" })
        area.Quilt.Element.elementId = "wide"
        compare(area.implicitWidth, 124)
        area.text = "A text much wider than the background could ever hold"
        compare(area.implicitWidth, area.contentWidth + 11)
        area.text = ""
        area.placeholderText = "A placeholder much wider than the background could ever hold"
        compare(area.implicitWidth, placeholderOf(area).implicitWidth + 11)
    }

    function test_fallbacks_data() {
        return [
            { tag: "text field, style", component: textField, id: "styled" },
            { tag: "text field, fallbacks", component: textField, id: "" },
            { tag: "text area, style", component: textArea, id: "styled" },
            { tag: "text area, fallbacks", component: textArea, id: "" }
        ]
    }

    function test_fallbacks(data) {
        const control = createTemporaryObject(data.component, testCase, { placeholderText: "p" })
        control.Quilt.Element.elementId = data.id
        const placeholder = placeholderOf(control)
        if (data.id) {
            compare(control.color, Qt.color("#102030"))
            compare(control.font.pointSize, 15)
            compare(placeholder.color, Qt.color("#a0a0a4"))
            compare(placeholder.font.pointSize, 30)
        } else {
            compare(control.color, control.palette.text)
            compare(control.font, Application.font)
            compare(placeholder.color, control.palette.placeholderText)
            compare(placeholder.font, Application.font)
        }
        compare(control.selectionColor, control.palette.highlight)
        compare(control.selectedTextColor, control.palette.highlightedText)
    }

    // Shown while empty, with focus too; hidden by one character or a line break.
    function test_placeholder_data() {
        return [
            { tag: "text field", component: textField, key: Qt.Key_A },
            { tag: "text area", component: textArea, key: Qt.Key_Return }
        ]
    }

    function test_placeholder(data) {
        const control = createTemporaryObject(data.component, testCase, { placeholderText: "Type here" })
        const placeholder = placeholderOf(control)
        compare(placeholder.text, "Type here")
        compare(placeholder.elide, Text.ElideRight)
        compare(placeholder.x, control.leftPadding)
        compare(placeholder.y, control.topPadding)
        control.forceActiveFocus()
        verify(placeholder.visible)
        keyClick(data.key)
        verify(!placeholder.visible)
        control.clear()
        verify(placeholder.visible)
    }

    Component {
        id: twoFields
        Column {
            property alias first: first
            property alias second: second
            TextField { id: first }
            TextField { id: second }
        }
    }

    function test_visualFocus_data() {
        return [
            { tag: "tab", how: "tab", visual: true },
            { tag: "backtab", how: "backtab", visual: true },
            { tag: "shortcut", how: "shortcut", visual: true },
            { tag: "mouse", how: "mouse", visual: false }
        ]
    }

    function test_visualFocus(data) {
        const column = createTemporaryObject(twoFields, testCase)
        tryVerify(() => column.second.height > 0)
        let target = column.second
        if (data.how === "tab") {
            column.first.forceActiveFocus()
            keyClick(Qt.Key_Tab)
        } else if (data.how === "backtab") {
            column.second.forceActiveFocus()
            keyClick(Qt.Key_Backtab)
            target = column.first
        } else if (data.how === "shortcut") {
            column.second.forceActiveFocus(Qt.ShortcutFocusReason)
        } else {
            mouseClick(column.second)
        }
        verify(target.activeFocus)
        verify(target.Quilt.Element.states.activeFocus)
        compare(target.Quilt.Element.states.visualFocus, data.visual)
        verify(target.Quilt.Element.hint("changed") !== null)
        verify(!target.Quilt.Element.activeHints.includes("changed"))
    }
}
