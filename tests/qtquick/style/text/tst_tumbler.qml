import QtQuick
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "Tumbler"
    width: 400
    height: 400
    visible: true
    when: windowShown

    Component { id: tumblerComponent; Tumbler {} }

    function init() {
        failOnWarning(/.*/)
    }

    function wheel(tumbler) {
        return tumbler.contentItem.children[0]
    }

    function entries(tumbler) {
        return wheel(tumbler).children.filter(child => child.text !== undefined)
    }

    function test_geometry_data() {
        return [
            { tag: "five visible", count: 5 },
            { tag: "three visible", count: 3 }
        ]
    }

    function test_geometry(data) {
        const tumbler = createTemporaryObject(tumblerComponent, testCase, { model: 10, visibleItemCount: data.count })
        compare(tumbler.implicitWidth, 64)
        compare(tumbler.implicitHeight, 154)
        const content = tumbler.contentItem
        const slot = tumbler.availableHeight / data.count
        compare(content.delegateHeight, slot)
        verify(content.clip)
        const path = wheel(tumbler).path
        compare(path.startX, content.width / 2)
        compare(path.startY, -slot / 2)
        compare(path.pathElements[0].x, content.width / 2)
        compare(path.pathElements[0].y, (data.count + 1) * slot - slot / 2)
        // The entries lie one slot apart: one slot more than are shown is on
        // the path, half a slot beyond either end.
        compare(wheel(tumbler).pathItemCount, data.count + 1)
        tryVerify(() => entries(tumbler).length === data.count + 1)
        const offsets = () => entries(tumbler).map(entry => Math.abs(entry.y + entry.height / 2 - content.height / 2) / slot)
        tryVerify(() => offsets().every(offset => Math.abs(offset - Math.round(offset)) < 0.01), 1000,
                  JSON.stringify(offsets()))
    }

    // The middle entry is opaque; the others fade with their distance from
    // it, and those beyond the shown slots are gone.
    function test_fade() {
        const tumbler = createTemporaryObject(tumblerComponent, testCase, { model: 10, currentIndex: 4 })
        tryVerify(() => entries(tumbler).length === 6)
        const opacityOf = index => entries(tumbler).find(entry => entry.text === String(index)).opacity
        tryCompare(wheel(tumbler), "moving", false)
        tryVerify(() => opacityOf(4) === 1, 1000, String(opacityOf(4)))
        verify(opacityOf(3) < 1 && opacityOf(3) > opacityOf(2), `${opacityOf(3)} ${opacityOf(2)}`)
        fuzzyCompare(opacityOf(3), opacityOf(5), 0.001)
        verify(opacityOf(2) > 0)
        const beyond = entries(tumbler).find(entry => entry.text === "1" || entry.text === "7")
        compare(beyond.opacity, 0)
    }

    function highlightedTexts(tumbler) {
        return entries(tumbler).filter(entry => entry.Quilt.Element.states.highlighted).map(entry => entry.text)
    }

    // Only the centre entry is highlighted, drawn in the highlighted colour;
    // the others, with no colour in the style, are black. Numbers show as text.
    function test_highlight() {
        const tumbler = createTemporaryObject(tumblerComponent, testCase, { model: 10, currentIndex: 2 })
        tryVerify(() => highlightedTexts(tumbler).length === 1)
        compare(highlightedTexts(tumbler), ["2"])
        for (const entry of entries(tumbler)) {
            compare(entry.Quilt.Element.type, "Text")
            compare(typeof entry.text, "string")
            compare(entry.color, entry.text === "2" ? Qt.color("#ff0000") : Qt.color("black"))
        }
        // A flick upwards moves the wheel on; the entry it snaps to takes over.
        const view = wheel(tumbler)
        mouseDrag(view, view.width / 2, view.height / 2, 0, -tumbler.contentItem.delegateHeight)
        tryCompare(view, "moving", false)
        tryVerify(() => tumbler.currentIndex !== 2)
        tryVerify(() => {
            const texts = highlightedTexts(tumbler)
            return texts.length === 1 && texts[0] === String(tumbler.currentIndex)
        })
    }

    function test_noSlots_data() {
        return [
            { tag: "zero", count: 0 },
            { tag: "negative", count: -2 }
        ]
    }

    // No slots at all: no path length, no entries, nothing infinite.
    function test_noSlots(data) {
        const tumbler = createTemporaryObject(tumblerComponent, testCase, { model: 5, visibleItemCount: data.count })
        compare(tumbler.contentItem.delegateHeight, 0)
        compare(wheel(tumbler).path.pathElements[0].y, 0)
        compare(entries(tumbler).length, 0)
    }
}
