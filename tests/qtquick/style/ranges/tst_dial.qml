import QtQuick
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "Dial"
    width: 400
    height: 400
    visible: true
    when: windowShown

    // The fixture's dial handle is 10 by 10; the face has no size of its own.
    Component {
        id: dialComponent
        Dial {}
    }

    function init() {
        failOnWarning(/.*/)
    }

    // A square face, at least 64 wide, centred on the control.
    function test_face_data() {
        return [
            { tag: "small", width: 100, height: 40, face: [18, -12, 64, 64] },
            { tag: "wide", width: 200, height: 150, face: [25, 0, 150, 150] },
            { tag: "empty", width: 0, height: 0, face: [-32, -32, 64, 64] }
        ]
    }

    function test_face(data) {
        const dial = createTemporaryObject(dialComponent, testCase, { width: data.width, height: data.height })
        verify(dial)
        const face = dial.background
        compare([face.x, face.y, face.width, face.height], data.face)
        // No size in the style: the face's implicit size is 0, without a warning.
        compare(face.implicitWidth, 0)
        compare(face.implicitHeight, 0)
    }

    function test_handle() {
        const dial = createTemporaryObject(dialComponent, testCase, { width: 200, height: 150 })
        verify(dial)
        const handle = dial.handle
        compare([handle.width, handle.height], [10, 10])
        compare(handle.Quilt.Element.type, "Handle")
        // Centred on the face, then moved out: its top 67.5 above the centre.
        compare([handle.x, handle.y], [95, 70])
        dial.value = 0.5
        compare(dial.angle, 0)
        const top = handle.mapToItem(dial, 5, 0)
        fuzzyCompare(top.x, 100, 1e-4)
        fuzzyCompare(top.y, 75 - 67.5, 1e-4)
    }

    // The handle orbits the face's centre at the dial's angle.
    function test_handleTurns_data() {
        return [
            { tag: "start", value: 0 },
            { tag: "quarter", value: 0.25 },
            { tag: "end", value: 1 }
        ]
    }

    function test_handleTurns(data) {
        const dial = createTemporaryObject(dialComponent, testCase, { width: 200, height: 150, value: data.value })
        verify(dial)
        const handle = dial.handle
        const angle = dial.angle * Math.PI / 180
        const radius = 67.5 - 5
        const centre = handle.mapToItem(dial, 5, 5)
        fuzzyCompare(centre.x, 100 + radius * Math.sin(angle), 1e-4)
        fuzzyCompare(centre.y, 75 - radius * Math.cos(angle), 1e-4)
    }

    function test_states() {
        const dial = createTemporaryObject(dialComponent, testCase, { width: 100, height: 100 })
        verify(dial)
        mousePress(dial, 50, 20)
        verify(dial.Quilt.Element.states.pressed)
        verify(dial.handle.Quilt.Element.states.pressed)
        mouseRelease(dial, 50, 20)
        dial.enabled = false
        compare(dial.background.opacity, 0.3)
        compare(dial.handle.opacity, 1)
        verify(!dial.Quilt.Element.states.enabled)
        verify(!dial.handle.Quilt.Element.states.enabled)
    }
}
