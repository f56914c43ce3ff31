import QtQuick
import QtQuick.Controls
import QtTest

// A few colours at chosen points: the button's face and border in its
// states, and the switch's handle at both ends of its track.
TestCase {
    id: testCase
    name: "ButtonPixels"
    when: windowShown
    width: 300
    height: 200

    Component {
        id: buttonComponent
        Button { x: 10; y: 10 }
    }

    Component {
        id: switchComponent
        Switch { x: 10; y: 80 }
    }

    function init() {
        failOnWarning(/.*/)
    }

    function colourAt(item, x, y) {
        const image = grabImage(item)
        return image.pixel(x, y)
    }

    function test_buttonFace() {
        const button = createTemporaryObject(buttonComponent, testCase.Window.contentItem)
        compare(button.width, 80)
        waitForRendering(button)
        compare(colourAt(button, 40, 20), Qt.color("#ff0000"))
        compare(colourAt(button, 1, 20), Qt.color("#0000ff"))
        mouseMove(button, 40, 20)
        tryVerify(() => button.hovered)
        waitForRendering(button)
        compare(colourAt(button, 40, 20), Qt.color("#00ff00"))
        mousePress(button, 40, 20)
        waitForRendering(button)
        compare(colourAt(button, 40, 20), Qt.color("#ffff00"))
        compare(colourAt(button, 1, 20), Qt.color("#ff00ff"))
        mouseRelease(button, 40, 20)
    }

    function test_switchHandle_data() {
        return [ { tag: "start", checked: false, x: 10 }, { tag: "end", checked: true, x: 50 } ]
    }

    function test_switchHandle(data) {
        const control = createTemporaryObject(switchComponent, testCase.Window.contentItem, { checked: data.checked })
        const indicator = control.indicator
        tryCompare(indicator, "width", 60)
        waitForRendering(control)
        const y = indicator.y + indicator.height / 2
        compare(colourAt(control, indicator.x + data.x, y), Qt.color("#ff0000"))
        compare(colourAt(control, indicator.x + 60 - data.x, y), Qt.color("#0000ff"))
    }
}
