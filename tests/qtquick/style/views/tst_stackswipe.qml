import QtQuick
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "StackAndSwipe"
    width: 400
    height: 400
    visible: true
    when: windowShown

    function init() {
        failOnWarning(/.*/)
    }

    function cleanup() {
        testPlatform.setAnimationSpeedMultiplier(1)
    }

    Component {
        id: stackComponent
        StackView {
            width: 200
            height: 100
            initialItem: Item {}
        }
    }

    Component {
        id: pageComponent
        Item {}
    }

    function test_duration_data() {
        return [
            { tag: "1", multiplier: 1, duration: 400 },
            { tag: "0.5", multiplier: 0.5, duration: 200 },
            { tag: "1.5", multiplier: 1.5, duration: 600 },
            { tag: "0", multiplier: 0, duration: 0 },
            { tag: "2/3", multiplier: 2 / 3, duration: 266 }
        ]
    }

    // The transitions' values are checked in tst_stacktransitions.
    function test_duration(data) {
        testPlatform.setAnimationSpeedMultiplier(data.multiplier)
        const stack = createTemporaryObject(stackComponent, testCase)
        compare(stack.__longDuration, data.duration)
        // The view follows a change of the speed.
        testPlatform.setAnimationSpeedMultiplier(1)
        compare(stack.__longDuration, 400)
    }

    function test_pushAtZeroSpeed() {
        testPlatform.setAnimationSpeedMultiplier(0)
        const stack = createTemporaryObject(stackComponent, testCase)
        const page = stack.push(pageComponent)
        compare(stack.currentItem, page)
        tryCompare(stack, "busy", false, 50)
        compare(page.x, 0)
        compare(page.opacity, 1)
    }

    function test_element() {
        const stack = createTemporaryObject(stackComponent, testCase)
        compare(stack.Quilt.Element.type, "StackView")
        verify(stack.background instanceof Quilt.StyledRectangle)
    }

    Component {
        id: swipeComponent
        SwipeView {
            width: 300
            height: 500
            Rectangle { color: "red" }
            Rectangle { color: "green" }
            Rectangle { color: "blue" }
        }
    }

    function test_flickVelocity_data() {
        return [
            { tag: "horizontal", orientation: Qt.Horizontal, velocity: 1200 },
            { tag: "vertical", orientation: Qt.Vertical, velocity: 2000 }
        ]
    }

    function test_flickVelocity(data) {
        const swipe = createTemporaryObject(swipeComponent, testCase, { orientation: data.orientation })
        compare(swipe.contentItem.maximumFlickVelocity, data.velocity)
        compare(swipe.contentItem.highlightMoveDuration, 250)
        compare(swipe.contentItem.snapMode, ListView.SnapOneItem)
        compare(swipe.contentItem.boundsBehavior, Flickable.StopAtBounds)
    }

    function test_nonInteractiveMoves() {
        testPlatform.setAnimationSpeedMultiplier(0)
        const swipe = createTemporaryObject(swipeComponent, testCase, { interactive: false })
        compare(swipe.contentItem.interactive, false)
        swipe.currentIndex = 2
        compare(swipe.contentItem.currentIndex, 2)
        // 250 ms whatever the animation speed.
        wait(100)
        verify(swipe.contentItem.contentX > 0 && swipe.contentItem.contentX < 600)
        tryCompare(swipe.contentItem, "contentX", 600)
    }

    function test_spacing_data() {
        return [
            { tag: "styled", id: "spaced", gap: 10 },
            { tag: "unstyled", id: "", gap: 0 }
        ]
    }

    function test_spacing(data) {
        const swipe = createTemporaryObject(swipeComponent, testCase)
        swipe.Quilt.Element.elementId = data.id
        compare(swipe.spacing, data.gap)
        tryVerify(() => swipe.itemAt(1).x - swipe.itemAt(0).x === 300 + data.gap)
        verify(swipe.background === null)
    }

    function test_orientationHint() {
        const swipe = createTemporaryObject(swipeComponent, testCase)
        compare(swipe.Quilt.Element.type, "SwipeView")
        compare(swipe.Quilt.Element.activeHints, ["horizontal"])
        swipe.orientation = Qt.Vertical
        compare(swipe.Quilt.Element.activeHints, ["vertical"])
    }
}
