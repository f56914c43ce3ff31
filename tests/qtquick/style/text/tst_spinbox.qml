import QtQuick
import QtQuick.Layouts
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "SpinBoxes"
    width: 400
    height: 300
    visible: true
    when: windowShown

    Component { id: spinBox; SpinBox {} }
    Component { id: doubleSpinBox; DoubleSpinBox {} }
    Component {
        id: inLayout
        RowLayout {
            property alias box: box
            SpinBox { id: box; from: 0; to: 99999 }
        }
    }
    Component { id: metricsComponent; TextMetrics {} }

    function init() {
        failOnWarning(/.*/)
    }

    function textWidth(font, text) {
        const metrics = createTemporaryObject(metricsComponent, testCase, { font: font, text: text })
        return metrics.width
    }

    function hints(control) {
        return control.Quilt.Element.activeHints
    }

    // The room for text and both buttons beside each other: W against the
    // measured text + 2 indicators (16 px each) + 2 spacings.
    function test_constrained_data() {
        return [
            { tag: "no width set", preferred: -1, maximum: Infinity, constrained: false },
            { tag: "small preferred", preferred: 10, maximum: Infinity, constrained: true },
            { tag: "large preferred", preferred: 500, maximum: Infinity, constrained: false },
            { tag: "small maximum, preferred unset", preferred: -1, maximum: 20, constrained: true },
            { tag: "preferred taken over a smaller maximum", preferred: 500, maximum: 20, constrained: false }
        ]
    }

    function test_constrained(data) {
        const layout = createTemporaryObject(inLayout, testCase)
        const box = layout.box
        box.Layout.preferredWidth = data.preferred
        box.Layout.maximumWidth = data.maximum
        compare(hints(box).includes("constrained"), data.constrained)
        // The constrained indicators are 1 px wide in the fixture; the test
        // keeps reading the bare indicator, so the hint stays.
        compare(box.up.indicator.implicitWidth, data.constrained ? 1 : 16)
    }

    function test_notConstrainedOutsideLayout() {
        const box = createTemporaryObject(spinBox, testCase, { to: 1e9 })
        verify(!hints(box).includes("constrained"))
    }

    // The exact threshold: one pixel less than needed flips the hint.
    function test_constrainedThreshold() {
        const layout = createTemporaryObject(inLayout, testCase)
        const box = layout.box
        const needed = textWidth(box.font, box.textFromValue(99999, Qt.locale())) + 2 * 16 + 2 * box.spacing
        box.Layout.preferredWidth = Math.ceil(needed)
        verify(!hints(box).includes("constrained"))
        box.Layout.preferredWidth = Math.floor(needed) - 1
        verify(hints(box).includes("constrained"))
    }

    function test_measuredText_data() {
        return [
            { tag: "negative lower end", from: -1000, to: 10, text: "-1000" },
            { tag: "upper end", from: 0, to: 99999, text: "99999" }
        ]
    }

    function test_measuredText(data) {
        const box = createTemporaryObject(spinBox, testCase, { from: data.from, to: data.to })
        const expected = box.textFromValue(data.from === -1000 ? -1000 : data.to, Qt.locale())
        compare(box.contentItem.implicitWidth, Math.ceil(textWidth(box.font, expected)))
    }

    // Texts of equal length: the upper end's is measured.
    function test_measuredTie() {
        const box = createTemporaryObject(spinBox, testCase, {
            from: 1, to: 2,
            textFromValue: (value, locale) => value === 2 ? "WWWW" : "iiii"
        })
        compare(box.contentItem.implicitWidth, Math.ceil(textWidth(box.font, "WWWW")))
        box.textFromValue = (value, locale) => value === 2 ? "WW" : "iiiii"
        compare(box.contentItem.implicitWidth, Math.ceil(textWidth(box.font, "iiiii")))
    }

    // The field is sized in the default locale, whatever the control's.
    function test_measuredInDefaultLocale() {
        const box = createTemporaryObject(spinBox, testCase, {
            locale: Qt.locale("de_DE"), from: 0, to: 5,
            textFromValue: (value, locale) => locale.name === "de_DE" ? "WWWWWWWW" : "i"
        })
        compare(box.contentItem.implicitWidth, Math.ceil(textWidth(box.font, "i")))
        compare(box.displayText, "WWWWWWWW")
        compare(box.validator.locale, "de_DE")
    }

    // A decimal box measures its upper end with its decimals.
    function test_decimalMeasurement() {
        const box = createTemporaryObject(doubleSpinBox, testCase, { from: 0, to: 100, decimals: 2 })
        compare(box.contentItem.implicitWidth, Math.ceil(textWidth(box.font, Qt.locale().toString(100, 'f', 2))))
        verify(box.contentItem.implicitWidth > Math.ceil(textWidth(box.font, "100")))
    }

    function test_validatorBounds_data() {
        return [
            { tag: "spin box", component: spinBox, from: 10, to: -10 },
            { tag: "spin box, ordered", component: spinBox, from: -3, to: 7 },
            { tag: "double spin box", component: doubleSpinBox, from: 2.5, to: -1.5 }
        ]
    }

    function test_validatorBounds(data) {
        const box = createTemporaryObject(data.component, testCase, { from: data.from, to: data.to })
        compare(box.validator.bottom, Math.min(data.from, data.to))
        compare(box.validator.top, Math.max(data.from, data.to))
        compare(box.contentItem.validator, box.validator)
    }

    function test_hints_data() {
        return [
            { tag: "spin box", component: spinBox, present: ["editable"], absent: ["doublespinbox", "changed"] },
            { tag: "double spin box", component: doubleSpinBox, present: ["editable", "doublespinbox"], absent: ["changed"] }
        ]
    }

    function test_hints(data) {
        const box = createTemporaryObject(data.component, testCase)
        for (const hint of data.present)
            verify(hints(box).includes(hint), hint)
        for (const hint of data.absent)
            verify(!hints(box).includes(hint), hint)
        box.editable = false
        verify(!hints(box).includes("editable"))
        verify(box.Quilt.Element.hint("changed") !== null || data.component === doubleSpinBox)
    }

    function test_indicators() {
        const box = createTemporaryObject(spinBox, testCase)
        for (const [indicator, hint, icon] of [[box.up.indicator, "increase", "list-add-symbolic"],
                                               [box.down.indicator, "decrease", "list-remove-symbolic"]]) {
            compare(indicator.Quilt.Element.type, "Indicator")
            verify(indicator.Quilt.Element.activeHints.includes(hint))
            compare(indicator.implicitWidth, 16)
            compare(indicator.implicitHeight, 12)
            const glyph = indicator.children[0]
            compare(glyph.name, icon)
            compare(glyph.width, 10)
        }
    }

    function test_indicatorStates() {
        const box = createTemporaryObject(spinBox, testCase, { from: 0, to: 10, value: 10 })
        tryVerify(() => box.width > 0 && box.down.indicator.x > box.up.indicator.x)
        const up = box.up.indicator
        verify(!up.enabled)
        verify(!up.Quilt.Element.states.enabled)
        verify(box.down.indicator.Quilt.Element.states.enabled)
        mousePress(box.down.indicator, 2, 2)
        verify(box.down.indicator.Quilt.Element.states.pressed)
        mouseRelease(box.down.indicator, 2, 2)
        verify(!box.down.indicator.Quilt.Element.states.pressed)
        compare(box.value, 9)
    }

    function test_textColour_data() {
        return [
            { tag: "spin box, style colour", component: spinBox, id: "coloured", color: "#00ff00" },
            { tag: "spin box, palette", component: spinBox, id: "", color: "palette" },
            { tag: "double spin box, style colour", component: doubleSpinBox, id: "coloured", color: "#00ff00" },
            { tag: "double spin box, own colour", component: doubleSpinBox, id: "", color: "own" }
        ]
    }

    function test_textColour(data) {
        const box = createTemporaryObject(data.component, testCase)
        const own = box.contentItem.color
        box.Quilt.Element.elementId = data.id
        if (data.color === "palette")
            compare(box.contentItem.color, box.palette.text)
        else if (data.color === "own")
            compare(box.contentItem.color, own)
        else
            compare(box.contentItem.color, data.color)
        // Without the style's colour the field returns to its fallback.
        box.Quilt.Element.elementId = ""
        if (data.component === doubleSpinBox)
            compare(box.contentItem.color, own)
        else
            compare(box.contentItem.color, box.palette.text)
    }

    // Not editable: read-only, still selectable with the mouse.
    function test_readOnlySelectable() {
        const box = createTemporaryObject(spinBox, testCase, { editable: false, from: 0, to: 100000, value: 12345 })
        const field = box.contentItem
        tryVerify(() => field.width > 0)
        verify(field.readOnly)
        verify(field.selectByMouse)
        mouseDrag(field, 1, field.height / 2, field.width - 2, 0)
        verify(field.selectedText.length > 0)
        keyClick(Qt.Key_5)
        compare(box.value, 12345)
    }

    function test_content() {
        const box = createTemporaryObject(spinBox, testCase, { value: 7 })
        const field = box.contentItem
        compare(field.text, "7")
        compare(field.horizontalAlignment, Qt.AlignHCenter)
        compare(field.verticalAlignment, Qt.AlignVCenter)
        verify(!field.hoverEnabled)
        verify(box.wheelEnabled)
        compare(box.leftPadding, 2)
        // Positioner sizing: text and two buttons inside the paddings.
        tryVerify(() => box.implicitWidth >= field.implicitWidth + 2 * 16 + 4)
    }
}
