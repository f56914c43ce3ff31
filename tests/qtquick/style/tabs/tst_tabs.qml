import QtQuick
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "Tabs"
    width: 600
    height: 400
    visible: true
    when: windowShown

    // The fixture's tabs are 80 by 20.
    Component {
        id: barComponent
        TabBar {}
    }

    Component {
        id: tabComponent
        TabButton {}
    }

    Component {
        id: delayComponent
        DelayButton {}
    }

    function init() {
        failOnWarning(/.*/)
    }

    function createBar(tabCount, properties) {
        const bar = createTemporaryObject(barComponent, testCase, properties ?? {})
        verify(bar)
        for (let i = 0; i < tabCount; ++i)
            bar.addItem(tabComponent.createObject(bar, { text: "Tab " + i }))
        // The list view places its tabs when it is polished.
        waitForItemPolished(bar.contentItem)
        return bar
    }

    function hints(item) {
        return item.Quilt.Element.activeHints
    }

    function highlightOf(bar) {
        return bar.contentItem.highlightItem
    }

    function test_placeHints_data() {
        return [
            { tag: "one", count: 1, expected: [["immutable", "itemview-highlight", "first", "last"]] },
            { tag: "three", count: 3,
              expected: [["immutable", "itemview-highlight", "first"], ["immutable", "itemview-highlight"],
                         ["immutable", "itemview-highlight", "last"]] }
        ]
    }

    function test_placeHints(data) {
        const bar = createBar(data.count)
        compare(hints(bar), ["immutable"])
        for (let i = 0; i < data.count; ++i)
            compare(hints(bar.itemAt(i)), data.expected[i], "tab " + i)
        // "last" moves to a tab added at the end.
        bar.addItem(tabComponent.createObject(bar, { text: "Added" }))
        waitForItemPolished(bar.contentItem)
        compare(hints(bar.itemAt(data.count - 1)).includes("last"), false)
        compare(hints(bar.itemAt(data.count)), ["immutable", "itemview-highlight", "last"])
    }

    function test_outsideBar() {
        const tab = createTemporaryObject(tabComponent, testCase, { text: "Alone" })
        verify(tab)
        compare(hints(tab), [])
        // Direction "top": no padding from the rule for "bottom".
        compare(tab.topPadding, 0)
        compare(tab.width, tab.implicitWidth)
    }

    function test_withIcon() {
        const tab = createTemporaryObject(tabComponent, testCase, { text: "Icon" })
        verify(tab)
        tab.icon.name = "document-open"
        compare(hints(tab), ["with-icon"])
    }

    function test_position_data() {
        return [
            { tag: "header", position: TabBar.Header, padding: 0, tabPadding: 0, highlight: "#ff0000" },
            { tag: "footer", position: TabBar.Footer, padding: 4, tabPadding: 3, highlight: "#00ff00" }
        ]
    }

    function test_position(data) {
        const bar = createBar(2, { position: data.position })
        compare(bar.bottomPadding, data.padding)
        compare(bar.itemAt(0).topPadding, data.tabPadding)
        compare(bar.itemAt(1).topPadding, data.tabPadding)
        compare(highlightOf(bar).Quilt.Style.properties.background.color, Qt.color(data.highlight))
    }

    function test_highlight() {
        const bar = createBar(3)
        const highlight = highlightOf(bar)
        verify(highlight)
        compare(highlight.Quilt.Element.type, "TabBarHighlight")
        compare(hints(highlight), ["itemview-highlight"])
        verify(highlight.Quilt.Element.states.highlighted)
        for (const tab of [bar.itemAt(0), bar.itemAt(1)])
            verify(hints(tab).includes("itemview-highlight"))
        // At once, without animation.
        bar.currentIndex = 2
        compare(highlight.x, bar.itemAt(2).x)
        compare(highlight.width, bar.itemAt(2).width)
        bar.currentIndex = -1
        compare(bar.currentItem, null)
        verify(!highlight.Quilt.Element.states.highlighted)
        bar.currentIndex = 1
        verify(highlight.Quilt.Element.states.highlighted)
    }

    function test_disabledHighlight() {
        const bar = createBar(2)
        const highlight = highlightOf(bar)
        bar.enabled = false
        verify(!highlight.Quilt.Element.states.enabled)
        compare(highlight.Quilt.Style.properties.background.color, Qt.color("#0000ff"))
    }

    // Ten tabs of 80 in a bar of 200: the current tab stays 40 clear of
    // either end, the last one at the very end.
    function test_scrollsToCurrent() {
        const bar = createBar(10, { width: 200 })
        const view = bar.contentItem
        bar.currentIndex = 5
        waitForItemPolished(view)
        const tab = bar.itemAt(5)
        const left = tab.x - view.contentX
        verify(left >= 40, "left edge " + left)
        verify(left + tab.width <= view.width - 40 || tab.width > view.width - 80, "right edge " + (left + tab.width))
        bar.currentIndex = 9
        tryCompare(view, "contentX", view.contentWidth - view.width)
    }

    function test_delayDuration() {
        const button = createTemporaryObject(delayComponent, testCase, { delay: 1000, text: "Hold" })
        verify(button)
        // The transition's animation is made when the template first runs it.
        mousePress(button)
        verify(button.pressed)
        compare(button.transition.animations.length, 1)
        const animation = button.transition.animations[0]
        compare(animation.duration, 1000)
        mouseRelease(button)
        button.progress = 0.5
        compare(animation.duration, 150)
        button.delay = -5
        compare(animation.duration, 0)
    }

    function test_delayFill_data() {
        return [
            { tag: "left to right", mirrored: false, x: 0 },
            { tag: "mirrored", mirrored: true, x: 75 }
        ]
    }

    function test_delayFill(data) {
        const button = createTemporaryObject(delayComponent, testCase, { text: "Hold" })
        verify(button)
        button.LayoutMirroring.enabled = data.mirrored
        button.progress = 0.25
        const fill = button.background.children[0]
        compare(fill.Quilt.Element.type, "Fill")
        compare(button.background.width, 100)
        compare([fill.x, fill.width, fill.height], [data.x, 25, 30])
    }

    function test_delayIndicator() {
        const plain = createTemporaryObject(delayComponent, testCase, { text: "Hold" })
        verify(plain)
        compare(plain.indicator.name, "")
        verify(!plain.indicator.visible)
        const marked = createTemporaryObject(delayComponent, testCase, { text: "Hold" })
        marked.Quilt.Element.elementId = "withIndicator"
        compare(marked.indicator.name, "media-record-symbolic")
        verify(marked.indicator.visible)
        compare([marked.indicator.implicitWidth, marked.indicator.implicitHeight], [16, 16])
    }
}
