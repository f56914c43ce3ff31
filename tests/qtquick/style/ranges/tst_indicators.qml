import QtQuick
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "Indicators"
    width: 400
    height: 400
    visible: true
    when: windowShown

    Component {
        id: busyComponent
        BusyIndicator {}
    }

    Component {
        id: pageComponent
        PageIndicator {}
    }

    Component {
        id: progressComponent
        ProgressBar {}
    }

    function init() {
        failOnWarning(/.*/)
    }

    // The fixture's icon box is 40 by 24: the spinner is the largest square
    // in it, centred.
    function test_busySpinner() {
        const busy = createTemporaryObject(busyComponent, testCase)
        verify(busy)
        compare([busy.width, busy.height], [40, 24])
        const spinner = busy.contentItem.children[0]
        compare([spinner.x, spinner.y, spinner.width, spinner.height], [8, 0, 24, 24])
        compare(spinner.name, "process-working-symbolic")
        compare(spinner.color, Qt.color("#ff0000"))
        compare(spinner.opacity, 1)
        busy.running = false
        compare(spinner.opacity, 0)
        verify(spinner.visible)
        busy.running = true
        compare(spinner.opacity, 1)
    }

    // The busy indicator binds no state, so it is never Disabled.
    function test_busyDisabled() {
        const busy = createTemporaryObject(busyComponent, testCase)
        verify(busy)
        busy.enabled = false
        verify(busy.Quilt.Element.states.enabled)
        compare(busy.contentItem.children[0].name, "process-working-symbolic")
    }

    function test_pageIndicator_data() {
        return [
            { tag: "empty", count: 0, current: 0 },
            { tag: "five", count: 5, current: 2 },
            { tag: "bad count", count: -3, current: 0 }
        ]
    }

    function test_pageIndicator(data) {
        const indicator = createTemporaryObject(pageComponent, testCase,
                                                { count: data.count, currentIndex: data.current })
        verify(indicator)
        const row = indicator.contentItem
        const repeater = Array.from(row.children).find(child => typeof child.itemAt === "function")
        verify(repeater)
        const made = Math.max(0, data.count)
        compare(repeater.count, made)
        compare(row.spacing, 4)
        for (let i = 0; i < made; ++i) {
            const page = repeater.itemAt(i)
            compare(page.Quilt.Element.type, "PageIndicatorDelegate")
            compare(page.Quilt.Element.activeHints.includes("current"), i === data.current)
            compare([page.width, page.height], [8, 6])
        }
        compare(indicator.implicitWidth, made > 0 ? made * 8 + (made - 1) * 4 : 0)
        // The hint moves with the current page.
        indicator.currentIndex = made - 1
        for (let i = 0; i < made; ++i)
            compare(repeater.itemAt(i).Quilt.Element.activeHints.includes("current"), i === made - 1)
    }

    function test_progressTrack_data() {
        return [
            { tag: "left to right", mirrored: false, x: 0 },
            { tag: "mirrored", mirrored: true, x: 140 }
        ]
    }

    function test_progressTrack(data) {
        const bar = createTemporaryObject(progressComponent, testCase, { width: 200, value: 0.3 })
        verify(bar)
        bar.LayoutMirroring.enabled = data.mirrored
        const track = bar.contentItem.children[0]
        compare(track.Quilt.Element.type, "Track")
        compare(bar.contentItem.width, 200)
        fuzzyCompare(track.x, data.x, 1e-9)
        fuzzyCompare(track.width, 60, 1e-9)
        compare(track.height, bar.contentItem.height)
        compare(bar.Quilt.Element.activeHints, ["horizontal"])
    }

    // The track has no length of its own: a bare bar whose style gives none
    // is 120 long, and the spinner's ring turns with the icon.
    function test_bareSizes() {
        const bar = createTemporaryObject(progressComponent, testCase)
        verify(bar)
        compare([bar.implicitWidth, bar.implicitHeight], [120, 10])
        const busy = createTemporaryObject(busyComponent, testCase)
        verify(busy)
        const ring = busy.contentItem.children[0].children[0]
        verify(ring instanceof Quilt.StyledRectangle)
        compare([ring.width, ring.height], [24, 24])
    }

    function test_progressIndeterminate() {
        const bar = createTemporaryObject(progressComponent, testCase, { width: 200, indeterminate: true })
        verify(bar)
        const track = bar.contentItem.children[0]
        compare(bar.Quilt.Element.activeHints, ["horizontal", "indeterminate"])
        compare(bar.Quilt.Style.properties.layout.spacing, 7)
        compare(track.width, 50)
        track.indeterminatePosition = 1
        compare(track.x, 150)
        bar.indeterminate = false
        compare(bar.Quilt.Element.activeHints, ["horizontal"])
    }
}
