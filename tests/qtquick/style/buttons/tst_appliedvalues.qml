import QtQuick
import QtQuick.Controls
import QtTest
import org.vyr.quilt.impl as Quilt

// The style writes paddings, insets, spacing and font onto a control as its
// result changes; whatever the application gives the control itself wins.
TestCase {
    id: testCase
    name: "AppliedValues"
    when: windowShown

    function init() {
        failOnWarning(/.*/)
    }

    function create(document, elementId) {
        const control = createTemporaryQmlObject("import QtQuick\nimport QtQuick.Controls\n" + document,
                                                 testCase.Window.contentItem)
        control.Quilt.Element.elementId = elementId
        return control
    }

    function sides(control) {
        return [control.leftPadding, control.rightPadding, control.topPadding, control.bottomPadding]
    }

    function test_valuesReachTheControl_data() {
        return [
            { tag: "Button", document: "Button { text: 'a' }", spacing: true, font: true },
            { tag: "CheckBox", document: "CheckBox { text: 'a' }", spacing: true, font: true },
            { tag: "ItemDelegate", document: "ItemDelegate { text: 'a' }", spacing: true, font: true },
            { tag: "Switch", document: "Switch { text: 'a' }", spacing: true, font: false },
            { tag: "ComboBox", document: "ComboBox { model: ['a'] }", spacing: true, font: true },
            { tag: "SpinBox", document: "SpinBox {}", spacing: false, font: true },
            { tag: "Slider", document: "Slider {}", spacing: false, font: false },
            { tag: "ProgressBar", document: "ProgressBar {}", spacing: false, font: false },
            { tag: "Label", document: "Label { text: 'a' }", spacing: false, font: true, color: true },
            { tag: "TextField", document: "TextField {}", spacing: false, font: false }
        ]
    }

    function test_valuesReachTheControl(data) {
        const control = create(data.document, "applied")
        compare(sides(control), [7, 5, 4, 6])
        compare(control.leftInset, 2)
        if (data.spacing)
            compare(control.spacing, 3)
        if (data.font)
            compare(control.font.family, "QuiltFixtureFamily")
        if (data.color)
            compare(control.color, "#203040")

        // Another style for the element: every value follows.
        control.Quilt.Element.elementId = "appliedalt"
        compare(sides(control), [11, 9, 8, 10])
        compare(control.leftInset, 12)
        if (data.spacing)
            compare(control.spacing, 13)
        if (data.font)
            compare(control.font.family, "QuiltOtherFamily")
        if (data.color)
            compare(control.color, "#304050")

        // No value at all: the control's own defaults come back.
        control.Quilt.Element.elementId = ""
        compare(sides(control), [0, 0, 0, 0])
        compare(control.leftInset, 0)
        if (data.spacing)
            compare(control.spacing, 0)
        if (data.color)
            compare(control.color, "#000000")
    }

    // A control inside another takes its own element's values, never the
    // enclosing control's.
    function test_nestedControlTakesItsOwnValues() {
        const delegate = create("ItemDelegate { property alias inner: inner; Button { id: inner } }", "appliedalt")
        compare(sides(delegate), [11, 9, 8, 10])
        compare(sides(delegate.inner), [0, 0, 0, 0])
        delegate.inner.Quilt.Element.elementId = "applied"
        compare(sides(delegate.inner), [7, 5, 4, 6])
        compare(sides(delegate), [11, 9, 8, 10])
    }

    function test_valuesFollowTheState() {
        const button = create("Button { text: 'a' }", "applied")
        button.down = true
        compare(button.leftPadding, 14)
        compare(button.font.family, "QuiltPressedFamily")
        button.down = undefined
        compare(button.leftPadding, 7)
        compare(button.font.family, "QuiltFixtureFamily")
    }

    // Each row is made twice: with the element's id given after the
    // application's values (the style's values come last) and in the
    // document itself.
    function test_applicationValuesWin_data() {
        const rows = [
            { tag: "padding", document: "Button { padding: 20 }", sides: [20, 20, 20, 20] },
            // No finite number: no side could be laid out with it.
            { tag: "padding not finite", document: "Button { padding: NaN }", sides: [7, 5, 4, 6],
              pressedSides: [14, 5, 4, 6] },
            { tag: "horizontal padding", document: "Button { horizontalPadding: 15 }", sides: [15, 15, 4, 6] },
            { tag: "vertical padding", document: "Button { verticalPadding: 15 }", sides: [7, 5, 15, 15],
              pressedSides: [14, 5, 15, 15] },
            { tag: "left padding", document: "Button { leftPadding: 3 }", sides: [3, 5, 4, 6] },
            { tag: "bound padding", document: "Button { property real p: 0; padding: p }", sides: [0, 0, 0, 0] },
            { tag: "bound left padding", document: "Button { property real p: 11; leftPadding: p }", sides: [11, 5, 4, 6] },
            { tag: "label's left padding", document: "Label { leftPadding: 3 }", sides: [3, 5, 4, 6] },
            { tag: "label's colour", document: "Label { color: 'red' }", color: "#ff0000" },
            { tag: "text field's padding", document: "TextField { padding: 20 }", sides: [20, 20, 20, 20] },
            { tag: "spacing", document: "Button { spacing: 1 }", spacing: 1 },
            { tag: "inset", document: "Button { leftInset: 1 }", inset: 1 },
            { tag: "font", document: "Button { font.family: 'QuiltAppFamily' }", family: "QuiltAppFamily" },
            { tag: "font size", document: "Button { font.pixelSize: 31 }", pixelSize: 31 },
            // Each part of the icon is the application's or the style's.
            { tag: "icon colour", document: "Button { icon.color: 'red' }", iconColor: "#ff0000", iconWidth: 18 },
            { tag: "bound icon name", document: "Button { property string n: 'app'; icon.name: n }",
              iconName: "app", iconColor: "#102030" }
        ]
        let data = []
        for (const row of rows) {
            data.push(Object.assign({}, row, { tag: row.tag + ", id after", late: true }))
            data.push(Object.assign({}, row, {
                tag: row.tag + ", id in the document",
                document: row.document.replace("{", "{ Quilt.Element.elementId: 'applied';"),
                late: false
            }))
        }
        return data
    }

    function test_applicationValuesWin(data) {
        const control = createTemporaryQmlObject(
            "import QtQuick\nimport QtQuick.Controls\nimport org.vyr.quilt.impl as Quilt\n" + data.document,
            testCase.Window.contentItem)
        if (data.late)
            control.Quilt.Element.elementId = "applied"
        const check = (pressed) => {
            if (data.sides)
                compare(sides(control), pressed && data.pressedSides ? data.pressedSides : data.sides)
            if (data.spacing !== undefined)
                compare(control.spacing, data.spacing)
            if (data.inset !== undefined)
                compare(control.leftInset, data.inset)
            if (data.family !== undefined)
                compare(control.font.family, data.family)
            if (data.pixelSize !== undefined)
                compare(control.font.pixelSize, data.pixelSize)
            if (data.color !== undefined)
                compare(control.color, data.color)
            if (data.iconColor !== undefined)
                compare(control.icon.color, data.iconColor)
            if (data.iconName !== undefined)
                compare(control.icon.name, data.iconName)
            if (data.iconWidth !== undefined)
                compare(control.icon.width, data.iconWidth)
        }
        check()
        // A state change and a style change leave them as they are.
        if (control.down !== undefined) {
            control.down = true
            check(true)
            control.down = undefined
        }
        control.Quilt.Element.elementId = "appliedalt"
        control.Quilt.Element.elementId = "applied"
        check()
    }

    function test_laterAssignmentsWin() {
        const button = create("Button { text: 'a' }", "applied")
        button.leftPadding = 3
        button.spacing = 1
        button.font.family = "QuiltAppFamily"
        button.down = true
        button.Quilt.Element.elementId = "appliedalt"
        compare(sides(button), [3, 9, 8, 10])
        compare(button.spacing, 1)
        compare(button.font.family, "QuiltAppFamily")

        const label = create("Label { text: 'a' }", "applied")
        label.padding = 20
        label.Quilt.Element.elementId = "appliedalt"
        compare(sides(label), [20, 20, 20, 20])
    }

    function test_resetGivesTheStyleValueBack() {
        const button = create("Button { leftPadding: 3; leftInset: 1; font.family: 'QuiltAppFamily' }", "applied")
        compare(button.leftPadding, 3)
        button.leftPadding = undefined
        button.leftInset = undefined
        button.font = undefined
        compare(button.leftPadding, 7)
        compare(button.leftInset, 2)
        compare(button.font.family, "QuiltFixtureFamily")
        // And the style's again from then on.
        button.down = true
        compare(button.leftPadding, 14)
        compare(button.font.family, "QuiltPressedFamily")
    }

    function icon(control) {
        return [control.icon.name, control.icon.width, control.icon.height, String(control.icon.color)]
    }

    function test_iconReachesTheButton_data() {
        return [
            { tag: "Button", document: "Button { text: 'a' }" },
            { tag: "CheckBox", document: "CheckBox { text: 'a' }" },
            { tag: "ItemDelegate", document: "ItemDelegate { text: 'a' }" },
            { tag: "Switch", document: "Switch { text: 'a' }" },
            { tag: "MenuItem", document: "MenuItem { text: 'a' }" }
        ]
    }

    function test_iconReachesTheButton(data) {
        const control = create(data.document, "applied")
        compare(icon(control), ["quilt-fixture-icon", 18, 18, "#102030"])
        // A part the next result leaves out is reset, the others follow.
        control.Quilt.Element.elementId = "appliedalt"
        compare(icon(control), ["", 22, 20, "#405060"])
        control.Quilt.Element.elementId = ""
        compare(icon(control), ["", 0, 0, "#00000000"])
    }

    function test_iconPartsOfTheApplicationAndTheAction() {
        const button = create("Button { action: Action { icon.name: 'from-action'; icon.color: 'green' } }",
                              "appliedsize")
        // What the style leaves unset comes from the action, and the action's
        // parts do not become the button's own.
        compare(icon(button), ["from-action", 16, 16, "#008000"])
        button.action.icon.name = "changed-action"
        compare(button.icon.name, "changed-action")

        button.icon.color = "red"
        button.Quilt.Element.elementId = "applied"
        compare(icon(button), ["quilt-fixture-icon", 18, 18, "#ff0000"])
        button.down = true
        compare(button.icon.color, "#ff0000")
        // Reset: the style's colour again, and from then on.
        button.icon.color = undefined
        compare(button.icon.color, "#102030")
        button.Quilt.Element.elementId = "appliedalt"
        compare(button.icon.color, "#405060")
        // Reset parts the style leaves unset show the action's again.
        button.Quilt.Element.elementId = "appliedsize"
        compare(icon(button), ["changed-action", 16, 16, "#008000"])
    }
}
