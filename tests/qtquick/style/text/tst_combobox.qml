import QtQuick
import QtQuick.Templates as T
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "ComboBox"
    width: 400
    height: 300
    visible: true
    when: windowShown

    Component { id: comboBox; ComboBox {} }
    Component {
        id: withIcon
        ComboBox { Quilt.StyleHints.iconName: "document-open" }
    }
    // Entries of a known size, so the popup's arithmetic shows.
    Component {
        id: sizedEntries
        ComboBox {
            id: sized
            property real entryWidth: 50
            delegate: ItemDelegate {
                required property var model
                required property int index
                implicitWidth: sized.entryWidth
                implicitHeight: 20
                width: ListView.view?.width
                text: model[sized.textRole]
                highlighted: sized.highlightedIndex === index
                LayoutMirroring.enabled: sized.mirrored
            }
        }
    }

    function init() {
        failOnWarning(/.*/)
    }

    // 4 + 6 paddings each side, spacing 5, indicator 12, icon 16.
    function test_implicitWidth_data() {
        return [
            { tag: "plain", component: comboBox, id: "", extra: 0 },
            { tag: "indicator", component: comboBox, id: "indicator", extra: 5 + 12 },
            { tag: "icon", component: withIcon, id: "", extra: 5 + 16 },
            { tag: "indicator and icon", component: withIcon, id: "indicator", extra: 5 + 12 + 5 + 16 },
            { tag: "icon hidden by the style", component: withIcon, id: "hiddenicon", extra: 0 }
        ]
    }

    function test_implicitWidth(data) {
        const combo = createTemporaryObject(data.component, testCase, { model: ["One", "Three"] })
        combo.Quilt.Element.elementId = data.id
        compare(combo.indicator.visible, data.id === "indicator")
        compare(combo.implicitWidth, combo.implicitContentWidth + 12 + data.extra)
    }

    function test_oneLineWhenEmpty() {
        const combo = createTemporaryObject(comboBox, testCase)
        const empty = combo.implicitHeight
        combo.model = ["Text"]
        tryCompare(combo, "implicitHeight", empty)
        verify(combo.contentItem.implicitHeight >= metrics.height)
        verify(combo.contentItem.implicitWidth >= 1)
    }

    FontMetrics { id: metrics }

    function test_element() {
        const combo = createTemporaryObject(comboBox, testCase, { model: 2 })
        compare(combo.Quilt.Element.type, "ComboBox")
        verify(!combo.Quilt.Element.activeHints.includes("editable"))
        combo.editable = true
        verify(combo.Quilt.Element.activeHints.includes("editable"))
        verify(combo.contentItem.enabled)
        combo.flat = true
        verify(combo.Quilt.Element.activeHints.includes("flat"))
        verify(!combo.Quilt.Element.activeHints.includes("changed"))
        compare(combo.indicator.Quilt.Element.type, "Indicator")
        verify(combo.popup.Quilt.Element.activeHints.includes("combobox"))
        verify(combo.wheelEnabled)
    }

    function test_popupSize_data() {
        return [
            { tag: "entries narrower than the control", entryWidth: 50, count: 3 },
            { tag: "an entry wider than the control", entryWidth: 300, count: 3 },
            { tag: "more entries than fit", entryWidth: 50, count: 40 },
            { tag: "empty model", entryWidth: 50, count: 0 }
        ]
    }

    function test_popupSize(data) {
        const combo = createTemporaryObject(sizedEntries, testCase, { entryWidth: data.entryWidth, width: 120, y: 100 })
        combo.model = data.count
        combo.popup.open()
        tryVerify(() => combo.popup.opened)
        const list = combo.popup.contentItem.contentItem
        const paddings = combo.popup.topPadding + combo.popup.bottomPadding
                         + combo.popup.contentItem.topPadding + combo.popup.contentItem.bottomPadding
        if (data.count === 0) {
            compare(combo.popup.width, 120)
            compare(combo.popup.height, paddings)
        } else {
            tryCompare(combo.popup, "width", Math.max(120, data.entryWidth + combo.popup.leftPadding
                                                      + combo.popup.rightPadding
                                                      + combo.popup.contentItem.leftPadding
                                                      + combo.popup.contentItem.rightPadding))
            // The list is built when the popup first opens and grows to its
            // entries in the polish before the first frame.
            tryCompare(combo.popup, "height", Math.min(data.count * 20 + paddings, testCase.height))
            // Within the window, scrolling where it is capped.
            const top = combo.popup.contentItem.mapToItem(null, 0, 0).y
            verify(top >= 0)
            verify(top + combo.popup.height <= testCase.height)
            compare(list.contentHeight > list.height, data.count * 20 > testCase.height)
            for (let i = 0; i < list.contentItem.children.length; ++i) {
                const entry = list.contentItem.children[i]
                if (entry.text !== undefined)
                    compare(entry.width, list.width)
            }
        }
        combo.popup.close()
    }

    function test_highlightAndMirroring() {
        const combo = createTemporaryObject(sizedEntries, testCase, { model: ["a", "b", "c"] })
        combo.LayoutMirroring.enabled = true
        combo.popup.open()
        tryVerify(() => combo.popup.opened)
        const list = combo.popup.contentItem.contentItem
        combo.incrementCurrentIndex()
        combo.incrementCurrentIndex()
        compare(combo.highlightedIndex, 2)
        compare(list.currentIndex, 2)
        const delegates = list.contentItem.children.filter(child => child.text !== undefined)
        compare(delegates.length, 3)
        for (const entry of delegates) {
            compare(entry.highlighted, entry.index === 2)
            compare(entry.text, ["a", "b", "c"][entry.index])
            verify(entry.LayoutMirroring.enabled)
        }
        combo.popup.close()
    }

    // The module's own delegate shows the text role.
    function test_textRole() {
        const combo = createTemporaryObject(comboBox, testCase, { textRole: "name", model: listModel })
        combo.popup.open()
        tryVerify(() => combo.popup.opened)
        const list = combo.popup.contentItem.contentItem
        tryVerify(() => list.contentItem.children.some(child => child.text === "Second"))
        compare(combo.displayText, "First")
        combo.popup.close()
    }

    function test_arrayModelText() {
        const combo = createTemporaryObject(comboBox, testCase, { model: ["One", "Two"] })
        combo.popup.open()
        tryVerify(() => combo.popup.opened)
        const list = combo.popup.contentItem.contentItem
        tryVerify(() => list.contentItem.children.some(child => child.text === "Two"))
        combo.popup.close()
    }

    ListModel {
        id: listModel
        ListElement { name: "First" }
        ListElement { name: "Second" }
    }
}
