import QtQuick
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "ScrollView"
    width: 600
    height: 600
    visible: true
    when: windowShown

    // The fixture's paddings: left 4, top 3, right 12, bottom 12; 416 by 315
    // leaves 400 by 300 for the content.
    Component {
        id: viewComponent
        ScrollView {
            id: view
            property alias content: content
            width: 416
            height: 315
            Item {
                id: content
                implicitWidth: 100
                implicitHeight: 100
            }
        }
    }

    Component {
        id: flickableComponent
        Flickable {}
    }

    function init() {
        failOnWarning(/.*/)
    }

    function createView() {
        const view = createTemporaryObject(viewComponent, testCase)
        verify(view)
        compare(view.availableWidth, 400)
        compare(view.availableHeight, 300)
        return view
    }

    function bar(view, horizontal) {
        return horizontal ? view.ScrollBar.horizontal : view.ScrollBar.vertical
    }

    function test_scrollHints_data() {
        const rows = []
        for (const direction of ["horizontal", "vertical"]) {
            const limit = direction === "horizontal" ? 400 : 300
            rows.push({ tag: direction + " overflowing", direction: direction, extent: limit + 100,
                        policy: ScrollBar.AsNeeded, hint: true })
            rows.push({ tag: direction + " fitting exactly", direction: direction, extent: limit,
                        policy: ScrollBar.AsNeeded, hint: false })
            rows.push({ tag: direction + " always on", direction: direction, extent: 10,
                        policy: ScrollBar.AlwaysOn, hint: true })
            rows.push({ tag: direction + " always off", direction: direction, extent: limit + 100,
                        policy: ScrollBar.AlwaysOff, hint: false })
        }
        return rows
    }

    function test_scrollHints(data) {
        const view = createView()
        const horizontal = data.direction === "horizontal"
        const hint = data.direction + "-scroll"
        bar(view, horizontal).policy = data.policy
        if (horizontal)
            view.content.implicitWidth = data.extent
        else
            view.content.implicitHeight = data.extent
        compare(view.Quilt.Element.activeHints.includes(hint), data.hint)
        // The other direction fits.
        const other = (horizontal ? "vertical" : "horizontal") + "-scroll"
        verify(!view.Quilt.Element.activeHints.includes(other))
    }

    function test_barPlaces_data() {
        return [
            { tag: "left to right", mirrored: false, verticalX: 404 },
            { tag: "mirrored", mirrored: true, verticalX: 0 }
        ]
    }

    function test_barPlaces(data) {
        const view = createView()
        view.LayoutMirroring.enabled = data.mirrored
        compare(view.mirrored, data.mirrored)
        const vertical = view.ScrollBar.vertical
        const horizontal = view.ScrollBar.horizontal
        compare(vertical.parent, view)
        compare(horizontal.parent, view)
        compare(vertical.x, data.verticalX)
        compare(vertical.y, 3)
        compare(vertical.height, 300)
        compare(horizontal.x, 4)
        compare(horizontal.y, 303)
        compare(horizontal.width, 400)
        // The bars keep their own thickness.
        compare(vertical.width, vertical.implicitWidth)
        compare(horizontal.height, horizontal.implicitHeight)
        view.height = 300
        compare(horizontal.y, 288)
    }

    function test_framedBackground() {
        const view = createView()
        verify(!view.Quilt.Element.activeHints.includes("framed-background"))
        view.Quilt.StyleHints.showFramedBackground = true
        verify(view.Quilt.Element.activeHints.includes("framed-background"))
        view.Quilt.StyleHints.showFramedBackground = false
        verify(!view.Quilt.Element.activeHints.includes("framed-background"))
    }

    // The bars' elements lie below the view's.
    function test_barsBelowView() {
        const view = createView()
        compare(view.ScrollBar.vertical.leftPadding, 2)
        compare(view.ScrollBar.horizontal.topPadding, 2)
        compare(view.ScrollBar.vertical.Quilt.Element.parentElement, view.Quilt.Element)
    }

    function wheelHandler(view) {
        for (let i = 0; i < view.data.length; ++i) {
            const object = view.data[i]
            if ("blockTargetWheel" in object)
                return object
        }
        return null
    }

    function test_wheelHandlerTarget() {
        const view = createView()
        const handler = wheelHandler(view)
        verify(handler)
        verify(view.contentItem)
        compare(handler.target, view.contentItem)
        const flickable = createTemporaryObject(flickableComponent, testCase)
        view.contentItem = flickable
        compare(handler.target, flickable)
    }

    function test_barsActiveTogether_data() {
        return [
            { tag: "vertical shows horizontal", horizontal: false },
            { tag: "horizontal shows vertical", horizontal: true }
        ]
    }

    function test_barsActiveTogether(data) {
        const view = createView()
        const one = bar(view, data.horizontal)
        const other = bar(view, !data.horizontal)
        verify(!one.active)
        verify(!other.active)
        one.active = true
        verify(other.active)
        one.active = false
        verify(!other.active)
    }
}
