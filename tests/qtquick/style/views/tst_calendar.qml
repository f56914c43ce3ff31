import QtQuick
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "Calendar"
    width: 400
    height: 400
    visible: true
    when: windowShown

    function init() {
        failOnWarning(/.*/)
    }

    Component {
        id: gridComponent
        MonthGrid {
            locale: Qt.locale("en_GB")
        }
    }

    function days(grid) {
        return grid.contentItem.children.filter(child => child.text !== undefined && child.model !== undefined)
    }

    // December 2026 begins on a Tuesday: in a week from Monday the first
    // cell is November 30th.
    function test_leadingDays() {
        const grid = createTemporaryObject(gridComponent, testCase, { month: Calendar.December, year: 2026 })
        const cells = days(grid)
        compare(cells.length, 42)
        compare(cells[0].text, "30")
        verify(!cells[0].Quilt.Element.activeHints.includes("current-month"))
        compare(cells[1].text, "1")
        verify(cells[1].Quilt.Element.activeHints.includes("current-month"))
        // Changing the month re-evaluates the hints.
        grid.month = Calendar.November
        compare(days(grid)[6].text, "1")
        verify(days(grid)[6].Quilt.Element.activeHints.includes("current-month"))
        verify(!days(grid)[5].Quilt.Element.activeHints.includes("current-month"))
        compare(grid.Quilt.Element.type, "MonthGrid")
    }

    function test_today() {
        const now = new Date()
        const grid = createTemporaryObject(gridComponent, testCase, { month: now.getMonth(), year: now.getFullYear() })
        const today = days(grid).filter(cell => cell.Quilt.Element.activeHints.includes("today"))
        compare(today.length, 1)
        compare(today[0].text, "" + now.getDate())
        compare(today[0].Quilt.Element.activeHints, ["current-month", "today"])
    }

    Component {
        id: rowComponent
        DayOfWeekRow { locale: Qt.locale("en_GB") }
    }

    Component {
        id: columnComponent
        WeekNumberColumn { month: Calendar.January; year: 2026; locale: Qt.locale("en_GB") }
    }

    // Black text and the view's font without a style; sized by content and
    // paddings, never by insets.
    function test_unstyled_data() {
        return [
            { tag: "DayOfWeekRow", component: rowComponent, properties: {}, first: "Mon", count: 7 },
            { tag: "MonthGrid", component: gridComponent, properties: { month: 0, year: 2026 }, first: "29", count: 42 },
            { tag: "WeekNumberColumn", component: columnComponent, properties: {}, first: "1", count: 6 }
        ]
    }

    function test_unstyled(data) {
        const view = createTemporaryObject(data.component, testCase, data.properties)
        compare(view.Quilt.Element.type, data.tag)
        const labels = view.contentItem.children.filter(child => child.text !== undefined)
        compare(labels.length, data.count)
        compare(labels[0].text, data.first)
        compare(labels[0].color, Qt.color("black"))
        compare(labels[0].font, view.font)
        view.leftInset = 30
        view.leftPadding = 5
        compare(view.implicitWidth, view.contentItem.implicitWidth + 5)
        compare(view.implicitHeight, view.contentItem.implicitHeight)
    }

    // A spacing that is no number lays the cells out without any, once,
    // also where the view shares out a size of its own.
    function test_nonFiniteSpacing_data() {
        const rows = []
        for (const spacing of [NaN, Infinity, -Infinity]) {
            rows.push({ tag: "DayOfWeekRow " + spacing, component: rowComponent, properties: {}, spacing: spacing })
            rows.push({ tag: "MonthGrid " + spacing, component: gridComponent, properties: { month: 0, year: 2026 },
                        spacing: spacing })
            rows.push({ tag: "WeekNumberColumn " + spacing, component: columnComponent, properties: {}, spacing: spacing })
        }
        return rows
    }

    function test_nonFiniteSpacing(data) {
        const view = createTemporaryObject(data.component, testCase, data.properties)
        view.spacing = data.spacing
        view.width = 300
        view.height = 300
        waitForRendering(view)
        const labels = view.contentItem.children.filter(child => child.text !== undefined)
        verify(Number.isFinite(view.contentItem.implicitWidth))
        verify(Number.isFinite(view.contentItem.implicitHeight))
        const last = labels[labels.length - 1]
        verify(Number.isFinite(last.x) && Number.isFinite(last.y))
    }

    Component {
        id: replacement
        Text {
            required property var model
            text: "d" + model.day + (model.month === 0 ? "" : "x")
        }
    }

    function test_replacedDelegate() {
        const grid = createTemporaryObject(gridComponent, testCase, { month: 0, year: 2026 })
        grid.delegate = replacement
        const cells = grid.contentItem.children.filter(child => child.text !== undefined)
        compare(cells.length, 42)
        compare(cells[3].text, "d1")
    }

    function test_badMonth() {
        const grid = createTemporaryObject(gridComponent, testCase, { month: 3, year: 2026 })
        ignoreWarning(/month/)
        grid.month = 13
        compare(grid.month, 3)
        compare(days(grid).length, 42)
    }

    function test_singleton() {
        compare(Calendar.December, 11)
    }
}
