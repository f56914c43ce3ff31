import QtQuick
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "ScrollBar"
    width: 400
    height: 400
    visible: true
    when: windowShown

    Component {
        id: barComponent
        ScrollBar {}
    }

    Component {
        id: indicatorComponent
        ScrollIndicator {}
    }

    function init() {
        failOnWarning(/.*/)
    }

    function createBar(properties) {
        const bar = createTemporaryObject(barComponent, testCase, properties)
        verify(bar)
        return bar
    }

    function horizontalBar(size) {
        return createBar({ orientation: Qt.Horizontal, width: 200, height: 10, size: size,
                           policy: ScrollBar.AlwaysOn })
    }

    // The handle's centre goes under the pointer, clamped to the range.
    function test_middlePress_data() {
        return [
            { tag: "middle", x: 100, size: 0.25, position: 0.375 },
            { tag: "near start", x: 10, size: 0.25, position: 0 },
            { tag: "near end", x: 195, size: 0.25, position: 0.75 },
            { tag: "whole", x: 120, size: 1, position: 0 }
        ]
    }

    function test_middlePress(data) {
        const bar = horizontalBar(data.size)
        bar.position = 0.5
        mousePress(bar, data.x, 5, Qt.MiddleButton)
        fuzzyCompare(bar.position, data.position, 1e-9)
        mouseRelease(bar, data.x, 5, Qt.MiddleButton)
        fuzzyCompare(bar.position, data.position, 1e-9)
    }

    function test_middleDrag() {
        const bar = horizontalBar(0.25)
        mousePress(bar, 100, 5, Qt.MiddleButton)
        mouseMove(bar, 150, 5, -1, Qt.MiddleButton)
        fuzzyCompare(bar.position, 0.625, 1e-9)
        mouseMove(bar, 40, 5, -1, Qt.MiddleButton)
        fuzzyCompare(bar.position, 0.075, 1e-9)
        mouseRelease(bar, 40, 5, Qt.MiddleButton)
        // Without the button held, moves change nothing.
        mouseMove(bar, 150, 5)
        fuzzyCompare(bar.position, 0.075, 1e-9)
    }

    function test_verticalMiddlePress() {
        const bar = createBar({ orientation: Qt.Vertical, width: 10, height: 200, size: 0.5,
                                policy: ScrollBar.AlwaysOn })
        mousePress(bar, 5, 150, Qt.MiddleButton)
        fuzzyCompare(bar.position, 0.5, 1e-9)
        mouseRelease(bar, 5, 150, Qt.MiddleButton)
    }

    function test_leftPressReachesTemplate() {
        const bar = horizontalBar(0.25)
        mousePress(bar, 100, 5, Qt.LeftButton)
        verify(bar.pressed)
        compare(bar.Quilt.Element.states.pressed, true)
        compare(bar.contentItem.Quilt.Element.states.pressed, true)
        // The handle's own rule for a pressed bar.
        compare(bar.contentItem.Quilt.Style.properties.background.color, Qt.color("#0000ff"))
        mouseRelease(bar, 100, 5, Qt.LeftButton)
        verify(!bar.pressed)
        compare(bar.contentItem.Quilt.Style.properties.background.color, Qt.color("#00ff00"))
    }

    function test_nonInteractive() {
        const bar = horizontalBar(0.25)
        compare(bar.Quilt.Element.activeHints, ["horizontal"])
        compare(bar.Quilt.Style.properties.layout.spacing, undefined)
        bar.interactive = false
        compare(bar.Quilt.Element.activeHints, ["horizontal", "noninteractive"])
        compare(bar.Quilt.Style.properties.layout.spacing, 3)
        mousePress(bar, 100, 5, Qt.MiddleButton)
        fuzzyCompare(bar.position, 0.375, 1e-9)
        mouseRelease(bar, 100, 5, Qt.MiddleButton)
    }

    function test_orientation() {
        const bar = createBar({ orientation: Qt.Vertical, size: 0.5 })
        compare(bar.Quilt.Element.activeHints, ["vertical"])
        compare(bar.implicitWidth, 10)
        // As long as it is thick, where the style gives no length.
        compare(bar.implicitHeight, 10)
        bar.orientation = Qt.Horizontal
        compare(bar.Quilt.Element.activeHints, ["horizontal"])
        compare(bar.implicitHeight, 10)
        compare(bar.implicitWidth, 10)
    }

    function test_minimumSize_data() {
        return [
            { tag: "horizontal", orientation: Qt.Horizontal, width: 200, height: 10 },
            { tag: "vertical", orientation: Qt.Vertical, width: 10, height: 200 }
        ]
    }

    // The handle is never shorter than the bar is thick.
    function test_minimumSize(data) {
        const bar = createBar({ orientation: data.orientation, width: data.width, height: data.height })
        fuzzyCompare(bar.minimumSize, 0.05, 1e-9)
    }

    function test_visibility_data() {
        const rows = []
        const policies = [
            { name: "AlwaysOn", policy: ScrollBar.AlwaysOn, visible: [true, true, true] },
            { name: "AsNeeded", policy: ScrollBar.AsNeeded, visible: [false, true, false] },
            { name: "AlwaysOff", policy: ScrollBar.AlwaysOff, visible: [false, false, false] }
        ]
        const sizes = [0, 0.5, 1]
        for (const p of policies) {
            for (let i = 0; i < sizes.length; ++i)
                rows.push({ tag: p.name + " " + sizes[i], policy: p.policy, size: sizes[i], visible: p.visible[i] })
        }
        return rows
    }

    function test_visibility(data) {
        const bar = createBar({ orientation: Qt.Horizontal, width: 200, size: data.size, policy: data.policy })
        compare(bar.visible, data.visible)
        // The rule holds when the size changes afterwards, too.
        bar.size = 0.3
        bar.size = data.size
        compare(bar.visible, data.visible)
    }

    function test_indicatorOrientation() {
        const indicator = createTemporaryObject(indicatorComponent, testCase, { orientation: Qt.Vertical })
        verify(indicator)
        compare(indicator.Quilt.Style.properties.layout.width, 7)
        compare(indicator.Quilt.Style.properties.layout.height, undefined)
        compare(indicator.implicitWidth, 7)
        indicator.orientation = Qt.Horizontal
        compare(indicator.Quilt.Style.properties.layout.width, undefined)
        compare(indicator.Quilt.Style.properties.layout.height, 7)
    }

    // A moving view shows as pressed, on the indicator and on its handle.
    function test_indicatorActive() {
        const indicator = createTemporaryObject(indicatorComponent, testCase,
                                                { orientation: Qt.Vertical, size: 0.5, height: 100 })
        verify(indicator)
        compare(indicator.Quilt.Style.properties.layout.spacing, undefined)
        indicator.active = true
        compare(indicator.Quilt.Element.states.pressed, true)
        compare(indicator.contentItem.Quilt.Element.states.pressed, true)
        compare(indicator.Quilt.Style.properties.layout.spacing, 5)
        indicator.active = false
        compare(indicator.Quilt.Style.properties.layout.spacing, undefined)
    }

    function test_indicatorHandleVisibility_data() {
        return [
            { tag: "part", size: 0.5, visible: true },
            { tag: "whole", size: 1, visible: false },
            { tag: "more than whole", size: 1.5, visible: false }
        ]
    }

    function test_indicatorHandleVisibility(data) {
        const indicator = createTemporaryObject(indicatorComponent, testCase,
                                                { orientation: Qt.Vertical, size: data.size, height: 100 })
        verify(indicator)
        compare(indicator.contentItem.visible, data.visible)
    }
}
