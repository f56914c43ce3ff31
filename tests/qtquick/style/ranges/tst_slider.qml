import QtQuick
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "Slider"
    width: 400
    height: 400
    visible: true
    when: windowShown

    // The fixture's groove is 4 thick (6 when vertical), the handle 16 by 16,
    // the tick marks 2 by 2 (4 by 2 when vertical).
    Component {
        id: sliderComponent
        Slider {}
    }

    function init() {
        failOnWarning(/.*/)
    }

    function createSlider(properties, elementId) {
        const slider = createTemporaryObject(sliderComponent, testCase, properties)
        verify(slider)
        if (elementId)
            slider.Quilt.Element.elementId = elementId
        return slider
    }

    function tickMarks(slider) {
        return slider.background.children[1]
    }

    function tickRepeater(slider) {
        const container = tickMarks(slider)
        return Array.from(container.children).find(child => typeof child.itemAt === "function") ?? null
    }

    function test_elementDescription() {
        const slider = createSlider({ orientation: Qt.Horizontal })
        compare(slider.Quilt.Element.type, "Slider")
        compare(slider.Quilt.Element.activeHints, ["horizontal"])
        slider.orientation = Qt.Vertical
        compare(slider.Quilt.Element.activeHints, ["vertical"])
        // "changed" is off until something outside turns it on.
        slider.Quilt.Element.hint("changed").when = true
        compare(slider.Quilt.Element.activeHints, ["vertical", "changed"])
        compare(slider.snapMode, Slider.SnapOnRelease)
        verify(slider.wheelEnabled)
    }

    function test_tickMarks_data() {
        return [
            { tag: "no step", from: 0, to: 100, step: 0, count: 0, values: [] },
            { tag: "negative step", from: 0, to: 100, step: -1, count: 0, values: [] },
            { tag: "step 10", from: 0, to: 100, step: 10, count: 11,
              values: [0, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100] },
            { tag: "remainder", from: 0, to: 10, step: 3, count: 4, values: [0, 3, 6, 9] },
            { tag: "half rounds up", from: 0, to: 10, step: 4, count: 4, values: [0, 4, 8, 12] },
            { tag: "default range step 1", from: 0, to: 1, step: 1, count: 2, values: [0, 1] },
            { tag: "default range step 2", from: 0, to: 1, step: 2, count: 2, values: [0, 2] },
            { tag: "default range step 3", from: 0, to: 1, step: 3, count: 1, values: [0] },
            { tag: "empty range", from: 5, to: 5, step: 1, count: 1, values: [5] },
            { tag: "reversed", from: 10, to: 0, step: 3, count: -2, values: [] },
            { tag: "reversed by less than half a step", from: 10, to: 9, step: 5, count: 1, values: [10] }
        ]
    }

    function test_tickMarks(data) {
        const slider = createSlider({ from: data.from, to: data.to, width: 216 })
        slider.Quilt.StyleHints.tickMarkStepSize = data.step
        const container = tickMarks(slider)
        const repeater = tickRepeater(slider)
        compare(container.tickMarkCount, data.count)
        compare(repeater.count, data.values.length)
        compare(container.visible, data.values.length > 0)
        for (let i = 0; i < data.values.length; ++i) {
            const tick = repeater.itemAt(i)
            compare(tick.value, data.values[i])
            compare(tick.Quilt.Element.type, "TickMark")
        }
        // Spread over the whole container, whatever the remainder.
        compare(container.width, 200)
        compare(container.tickMarkSpacing, data.values.length > 1 ? 200 / (data.count - 1) : 0)
    }

    // A tick is active once the value reaches it; one beyond `to` never is.
    function test_activeTickMarks_data() {
        return [
            { tag: "below the last", to: 10, step: 3, value: 8.9, active: [true, true, true, false] },
            { tag: "on the last", to: 10, step: 3, value: 9, active: [true, true, true, true] },
            { tag: "beyond to", to: 10, step: 4, value: 10, active: [true, true, true, false] },
            { tag: "at from", to: 10, step: 4, value: 0, active: [true, false, false, false] }
        ]
    }

    function test_activeTickMarks(data) {
        const slider = createSlider({ from: 0, to: data.to, width: 216 })
        slider.Quilt.StyleHints.tickMarkStepSize = data.step
        slider.value = data.value
        const repeater = tickRepeater(slider)
        compare(repeater.count, data.active.length)
        for (let i = 0; i < data.active.length; ++i)
            compare(repeater.itemAt(i).Quilt.Element.activeHints.includes("active"), data.active[i], "tick " + i)
    }

    // Three ticks over a container 100 long.
    function test_tickPlaces_data() {
        return [
            { tag: "horizontal", orientation: Qt.Horizontal, mirrored: false, xs: [-1, 49, 99], ys: [0, 0, 0] },
            { tag: "horizontal mirrored", orientation: Qt.Horizontal, mirrored: true, xs: [101, 51, 1], ys: [0, 0, 0] },
            { tag: "vertical", orientation: Qt.Vertical, mirrored: false, xs: [0, 0, 0], ys: [101, 51, 1] },
            { tag: "horizontal with margins", orientation: Qt.Horizontal, mirrored: false, id: "margins",
              xs: [-1, 49, 99], ys: [3, 3, 3] },
            { tag: "vertical with margins", orientation: Qt.Vertical, mirrored: false, id: "margins",
              xs: [5, 5, 5], ys: [101, 51, 1] }
        ]
    }

    function test_tickPlaces(data) {
        const horizontal = data.orientation === Qt.Horizontal
        const slider = createSlider({ orientation: data.orientation, from: 0, to: 2,
                                      width: horizontal ? 116 : 40, height: horizontal ? 40 : 116 }, data.id)
        slider.LayoutMirroring.enabled = data.mirrored
        slider.Quilt.StyleHints.tickMarkStepSize = 1
        const container = tickMarks(slider)
        compare(horizontal ? container.width : container.height, 100)
        const repeater = tickRepeater(slider)
        compare(repeater.count, 3)
        for (let i = 0; i < 3; ++i) {
            compare(repeater.itemAt(i).x, data.xs[i], "x of tick " + i)
            compare(repeater.itemAt(i).y, data.ys[i], "y of tick " + i)
        }
    }

    // A tick's own width decides where index 0 starts: round(-w / 2), an
    // exact half rounding upward.
    function test_firstTickPlace_data() {
        return [
            { tag: "1 wide", id: "thin", width: 1, x: 0 },
            { tag: "2 wide", id: "", width: 2, x: -1 },
            { tag: "3 wide", id: "wide", width: 3, x: -1 }
        ]
    }

    function test_firstTickPlace(data) {
        const slider = createSlider({ from: 5, to: 5, width: 116 }, data.id)
        slider.Quilt.StyleHints.tickMarkStepSize = 1
        const tick = tickRepeater(slider).itemAt(0)
        compare(tick.width, data.width)
        compare(tick.x, data.x)
    }

    // The container of a vertical slider lies beside the groove.
    function test_verticalTickContainer_data() {
        return [
            { tag: "left to right", mirrored: false, x: 6 },
            { tag: "mirrored", mirrored: true, x: -5 }
        ]
    }

    function test_verticalTickContainer(data) {
        const slider = createSlider({ orientation: Qt.Vertical, from: 0, to: 2, width: 40, height: 116 })
        slider.LayoutMirroring.enabled = data.mirrored
        slider.Quilt.StyleHints.tickMarkStepSize = 1
        const container = tickMarks(slider)
        compare(slider.background.width, 6)
        compare(container.width, 4)
        compare(container.x, data.x)
        compare(container.y, 8)
    }

    function test_horizontalTickContainer() {
        const slider = createSlider({ from: 0, to: 2, width: 116, height: 40 })
        slider.Quilt.StyleHints.tickMarkStepSize = 1
        const container = tickMarks(slider)
        compare(container.x, 8)
        compare(container.y, 4)
        compare(container.height, 2)
    }

    // Above a thousand no tick mark is made; the count stays as computed.
    function test_tickMarkCap_data() {
        return [
            { tag: "at the cap", to: 999, step: 1, count: 1000, made: 1000 },
            { tag: "above the cap", to: 1000000, step: 1, count: 1000001, made: 0 },
            { tag: "beyond an int", to: 1e300, step: 1, count: 2147483647, made: 0 }
        ]
    }

    function test_tickMarkCap(data) {
        const slider = createSlider({ from: 0, to: data.to, width: 216 })
        slider.Quilt.StyleHints.tickMarkStepSize = data.step
        const container = tickMarks(slider)
        compare(container.tickMarkCount, data.count)
        compare(tickRepeater(slider).count, data.made)
        compare(container.visible, data.made > 0)
    }

    // Handle, groove and fill at a value of 0.25, in a control of 200 by 40
    // (horizontal) or 40 by 200 (vertical).
    function test_geometry_data() {
        return [
            { tag: "horizontal", orientation: Qt.Horizontal, mirrored: false, inherit: false,
              handle: [46, 12], groove: [0, 18, 200, 4], fill: [0, 0, 50, 4] },
            { tag: "horizontal layout mirroring", orientation: Qt.Horizontal, mirrored: true, inherit: true,
              handle: [138, 12], groove: [0, 18, 200, 4], fill: [150, 0, 50, 4] },
            // The fill follows its own layout mirroring, not the control's.
            { tag: "horizontal mirrored control only", orientation: Qt.Horizontal, mirrored: true, inherit: false,
              handle: [138, 12], groove: [0, 18, 200, 4], fill: [0, 0, 50, 4] },
            { tag: "vertical", orientation: Qt.Vertical, mirrored: false, inherit: false,
              handle: [12, 138], groove: [17, 0, 6, 200], fill: [0, 150, 6, 50] },
            { tag: "vertical mirrored", orientation: Qt.Vertical, mirrored: true, inherit: true,
              handle: [12, 138], groove: [17, 0, 6, 200], fill: [0, 150, 6, 50] }
        ]
    }

    function test_geometry(data) {
        const horizontal = data.orientation === Qt.Horizontal
        const slider = createSlider({ orientation: data.orientation, value: 0.25,
                                      width: horizontal ? 200 : 40, height: horizontal ? 40 : 200 })
        slider.LayoutMirroring.enabled = data.mirrored
        slider.LayoutMirroring.childrenInherit = data.inherit
        compare(slider.mirrored, data.mirrored)
        const handle = slider.handle
        const groove = slider.background
        const fill = groove.children[0]
        compare([handle.x, handle.y], data.handle)
        compare([handle.width, handle.height], [16, 16])
        compare([groove.x, groove.y, groove.width, groove.height], data.groove)
        compare([fill.x, fill.y, fill.width, fill.height], data.fill)
        compare(fill.Quilt.Element.type, "Fill")
    }

    // Across the groove the handle decides; along it the style's length, or
    // 160 where the style gives none, never the handle alone.
    function test_implicitSize_data() {
        return [
            { tag: "no length", elementId: "", horizontal: [160, 16], vertical: [16, 160] },
            { tag: "the style's length", elementId: "long", horizontal: [90, 16], vertical: [16, 70] },
        ]
    }

    function test_implicitSize(data) {
        const slider = createSlider({ orientation: Qt.Horizontal }, data.elementId)
        compare([slider.implicitWidth, slider.implicitHeight], data.horizontal)
        slider.orientation = Qt.Vertical
        compare([slider.implicitWidth, slider.implicitHeight], data.vertical)
    }

    // Focus and enablement are the handle's own; the rest is the control's.
    function test_handleStates() {
        const slider = createSlider({ width: 200, height: 40 })
        const states = slider.handle.Quilt.Element.states
        slider.handle.forceActiveFocus()
        verify(slider.handle.activeFocus)
        verify(states.activeFocus)
        verify(!slider.Quilt.Element.states.activeFocus)
        slider.handle.enabled = false
        verify(!states.enabled)
        verify(slider.Quilt.Element.states.enabled)
        slider.handle.enabled = true
        mousePress(slider, 100, 20)
        verify(slider.pressed)
        verify(states.pressed)
        verify(slider.Quilt.Element.states.pressed)
        mouseRelease(slider, 100, 20)
        verify(!states.pressed)
    }
}
