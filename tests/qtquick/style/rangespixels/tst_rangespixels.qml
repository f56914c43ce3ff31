import QtQuick
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "RangesPixels"
    width: 300
    height: 300
    visible: true
    when: windowShown

    Rectangle {
        anchors.fill: parent
        color: "white"
    }

    Component {
        id: rangeComponent
        RangeSlider {
            width: 200
            height: 20
            first.value: 0.1
            second.value: 0.4
        }
    }

    Component {
        id: dialComponent
        Dial {
            width: 100
            height: 100
        }
    }

    Component {
        id: progressComponent
        ProgressBar {
            width: 200
            height: 20
            value: 0.3
        }
    }

    function init() {
        failOnWarning(/.*/)
    }

    function near(actual, expected, tolerance) {
        const a = Qt.color(actual)
        const e = Qt.color(expected)
        return Math.abs(a.r - e.r) <= tolerance && Math.abs(a.g - e.g) <= tolerance
               && Math.abs(a.b - e.b) <= tolerance
    }

    function verifyColor(image, x, y, expected, tolerance) {
        const actual = image.pixel(x, y)
        verify(near(actual, expected, tolerance ?? 0.02), `pixel ${x},${y} is ${actual}, not ${expected}`)
    }

    function grab(item) {
        waitForRendering(item)
        return grabImage(item)
    }

    // Fill from 0.1 to 0.4, thickness 20: 30 to 70 from the left, or, with
    // the groove turned round, 130 to 170.
    function test_mirroredRangeFill_data() {
        return [
            { tag: "left to right", mirrored: false, fill: 50, groove: 150 },
            { tag: "mirrored", mirrored: true, fill: 150, groove: 50 }
        ]
    }

    function test_mirroredRangeFill(data) {
        const slider = createTemporaryObject(rangeComponent, testCase)
        verify(slider)
        slider.LayoutMirroring.enabled = data.mirrored
        const image = grab(slider)
        verifyColor(image, data.fill, 10, "#ff0000")
        verifyColor(image, data.groove, 10, "#0000ff")
    }

    // The face fades with the control; the handle is not its child.
    function test_disabledDial() {
        const dial = createTemporaryObject(dialComponent, testCase, { enabled: false, value: 0.5 })
        verify(dial)
        const image = grab(dial)
        // Blue at 0.3 over white.
        verifyColor(image, 50, 70, Qt.rgba(0.7, 0.7, 1, 1), 0.03)
        // The handle at the top, in full red.
        verifyColor(image, 50, 18, "#ff0000")
    }

    function test_mirroredProgress_data() {
        return [
            { tag: "left to right", mirrored: false, track: 30, groove: 170 },
            { tag: "mirrored", mirrored: true, track: 170, groove: 30 }
        ]
    }

    function test_mirroredProgress(data) {
        const bar = createTemporaryObject(progressComponent, testCase)
        verify(bar)
        bar.LayoutMirroring.enabled = data.mirrored
        const image = grab(bar)
        verifyColor(image, data.track, 10, "#ff0000")
        verifyColor(image, data.groove, 10, "#0000ff")
    }
}
