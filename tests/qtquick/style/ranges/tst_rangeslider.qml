import QtQuick
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "RangeSlider"
    width: 400
    height: 400
    visible: true
    when: windowShown

    // The fixture's groove is 20 thick, its handles 12 by 12.
    Component {
        id: sliderComponent
        RangeSlider {}
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

    function fillOf(slider) {
        return slider.background.children[0]
    }

    // The fill runs between the positions, half its thickness short at each
    // end; handles closer than the thickness give it a negative extent.
    function test_fill_data() {
        return [
            { tag: "horizontal", orientation: Qt.Horizontal, size: [200, 20], first: 0.25, second: 0.75,
              thickness: 20, fill: [60, 0, 80, 20] },
            { tag: "horizontal thickness truncated", orientation: Qt.Horizontal, size: [200, 20.6],
              first: 0.25, second: 0.75, thickness: 20, fill: [60, 0, 80, 20] },
            { tag: "handles close", orientation: Qt.Horizontal, size: [200, 20], first: 0.5, second: 0.55,
              thickness: 20, fill: [110, 0, -10, 20] },
            { tag: "vertical", orientation: Qt.Vertical, size: [20, 200], first: 0.25, second: 0.75,
              thickness: 20, fill: [0, 60, 20, 80] }
        ]
    }

    function test_fill(data) {
        const slider = createSlider({ orientation: data.orientation, width: data.size[0], height: data.size[1],
                                      "first.value": data.first, "second.value": data.second }, data.id)
        const fill = fillOf(slider)
        compare(fill.Quilt.Element.type, "Fill")
        compare(fill.smallerValue, data.thickness)
        fuzzyCompare(fill.x, data.fill[0], 1e-9)
        fuzzyCompare(fill.y, data.fill[1], 1e-9)
        fuzzyCompare(fill.width, data.fill[2], 1e-9)
        fuzzyCompare(fill.height, data.fill[3], 1e-9)
    }

    // Without insets the template gives the groove the control's size.
    function test_groove() {
        const slider = createSlider({ width: 200, height: 20.6, "first.value": 0.25, "second.value": 0.75 })
        compare([slider.background.x, slider.background.width], [0, 200])
        fuzzyCompare(slider.background.height, 20.6, 1e-6)
        compare(fillOf(slider).smallerValue, 20)
        compare(fillOf(slider).height, 20)
        fuzzyCompare(fillOf(slider).x, 60, 1e-9)
    }

    function test_mirroring_data() {
        return [
            { tag: "horizontal", orientation: Qt.Horizontal, mirrored: false, scale: 1 },
            { tag: "horizontal mirrored", orientation: Qt.Horizontal, mirrored: true, scale: -1 },
            { tag: "vertical mirrored", orientation: Qt.Vertical, mirrored: true, scale: 1 }
        ]
    }

    // Mirroring turns the groove about its centre; the fill keeps its own
    // coordinates.
    function test_mirroring(data) {
        const horizontal = data.orientation === Qt.Horizontal
        const slider = createSlider({ orientation: data.orientation, width: horizontal ? 200 : 20,
                                      height: horizontal ? 20 : 200,
                                      "first.value": 0.25, "second.value": 0.75 })
        slider.LayoutMirroring.enabled = data.mirrored
        compare(slider.background.scale, data.scale)
        if (horizontal)
            compare(fillOf(slider).x, 60)
        else
            compare(fillOf(slider).y, 60)
    }

    function test_handles() {
        const slider = createSlider({ width: 212, height: 20, "first.value": 0.25, "second.value": 0.75 })
        const first = slider.first.handle
        const second = slider.second.handle
        compare(first.Quilt.Element.type, "Handle")
        compare(first.Quilt.Element.activeHints, ["first"])
        compare(second.Quilt.Element.activeHints, ["second"])
        compare(first.Quilt.Style.properties.background.color, Qt.color("#ff0000"))
        compare(second.Quilt.Style.properties.background.color, Qt.color("#0000ff"))
        compare([first.x, first.y], [50, 4])
        compare([second.x, second.y], [150, 4])
        slider.LayoutMirroring.enabled = true
        compare(first.x, 150)
    }

    function test_verticalHandles() {
        const slider = createSlider({ orientation: Qt.Vertical, width: 20, height: 212,
                                      "first.value": 0.25, "second.value": 0.75 })
        compare([slider.first.handle.x, slider.first.handle.y], [4, 150])
        compare([slider.second.handle.x, slider.second.handle.y], [4, 50])
        compare(slider.Quilt.Element.activeHints, ["vertical"])
    }

    // Each handle shows its own press and hover; the control shows neither
    // pressed nor the other handle's state.
    function test_handleStates() {
        const slider = createSlider({ width: 212, height: 20, "first.value": 0.25, "second.value": 0.75,
                                      hoverEnabled: true })
        const first = slider.first.handle
        const second = slider.second.handle
        mouseMove(slider, 56, 10)
        tryVerify(() => slider.first.hovered)
        verify(first.Quilt.Element.states.hovered)
        verify(!second.Quilt.Element.states.hovered)
        mousePress(slider, 56, 10)
        verify(slider.first.pressed)
        verify(first.Quilt.Element.states.pressed)
        verify(!second.Quilt.Element.states.pressed)
        verify(!slider.Quilt.Element.states.pressed)
        mouseRelease(slider, 56, 10)
        mousePress(slider, 156, 10)
        verify(slider.second.pressed)
        verify(second.Quilt.Element.states.pressed)
        verify(!first.Quilt.Element.states.pressed)
        verify(!slider.Quilt.Element.states.pressed)
        mouseRelease(slider, 156, 10)
        slider.enabled = false
        verify(!first.Quilt.Element.states.enabled)
        verify(!second.Quilt.Element.states.enabled)
    }

    // Along the groove 160 where the style gives no length, as the slider.
    function test_implicitSize() {
        const slider = createSlider({})
        compare(slider.implicitWidth, 160)
        compare(slider.implicitHeight, 20)
        slider.orientation = Qt.Vertical
        compare(slider.implicitWidth, 20)
        compare(slider.implicitHeight, 160)
    }
}
