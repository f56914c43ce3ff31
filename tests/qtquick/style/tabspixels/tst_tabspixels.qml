import QtQuick
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "TabsPixels"
    width: 300
    height: 200
    visible: true
    when: windowShown

    Rectangle {
        anchors.fill: parent
        color: "white"
    }

    Component {
        id: barComponent
        TabBar {
            TabButton { text: "One" }
            TabButton { text: "Two" }
            TabButton { text: "Three" }
        }
    }

    Component {
        id: delayComponent
        DelayButton {}
    }

    function init() {
        failOnWarning(/.*/)
    }

    function verifyColor(image, x, y, expected) {
        const actual = Qt.color(image.pixel(x, y))
        const wanted = Qt.color(expected)
        verify(Math.abs(actual.r - wanted.r) < 0.02 && Math.abs(actual.g - wanted.g) < 0.02
               && Math.abs(actual.b - wanted.b) < 0.02, `pixel ${x},${y} is ${actual}, not ${wanted}`)
    }

    function grab(item) {
        waitForRendering(item)
        return grabImage(item)
    }

    // The highlight lies under the current tab only; the labels are thin
    // enough to leave the tab's corners in its colour.
    function test_highlightUnderCurrentTab() {
        const bar = createTemporaryObject(barComponent, testCase, { currentIndex: 1 })
        verify(bar)
        let image = grab(bar)
        verifyColor(image, 75, 17, "#ffffff")
        verifyColor(image, 80 + 75, 17, "#ff0000")
        verifyColor(image, 160 + 75, 17, "#ffffff")
        bar.currentIndex = 2
        image = grab(bar)
        verifyColor(image, 80 + 75, 17, "#ffffff")
        verifyColor(image, 160 + 75, 17, "#ff0000")
    }

    function test_delayFillFromTheRight_data() {
        return [
            { tag: "left to right", mirrored: false, fill: 10, face: 90 },
            { tag: "right to left", mirrored: true, fill: 90, face: 10 }
        ]
    }

    function test_delayFillFromTheRight(data) {
        const button = createTemporaryObject(delayComponent, testCase)
        verify(button)
        button.LayoutMirroring.enabled = data.mirrored
        button.progress = 0.25
        const image = grab(button)
        verifyColor(image, data.fill, 15, "#ff0000")
        verifyColor(image, data.face, 15, "#0000ff")
    }
}
