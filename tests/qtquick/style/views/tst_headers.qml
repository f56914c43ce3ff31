import QtQuick
import QtTest
import Qt.labs.qmlmodels
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "Headers"
    width: 400
    height: 400
    visible: true
    when: windowShown

    function init() {
        failOnWarning(/.*/)
    }

    Component {
        id: tableComponent
        TableView {
            width: 240
            height: 100
            model: TableModel {
                TableModelColumn { display: "name" }
                TableModelColumn { display: "size" }
                rows: [{ name: "a", size: 1 }, { name: "b", size: 2 }]
            }
            delegate: TableViewDelegate {}
        }
    }

    Component {
        id: horizontalComponent
        HorizontalHeaderView {}
    }

    Component {
        id: verticalComponent
        VerticalHeaderView {}
    }

    function test_implicitSize() {
        const horizontal = createTemporaryObject(horizontalComponent, testCase)
        const vertical = createTemporaryObject(verticalComponent, testCase)
        // Neither sync view nor content.
        compare(horizontal.implicitWidth, 0)
        compare(horizontal.implicitHeight, 1)
        compare(vertical.implicitWidth, 1)
        compare(vertical.implicitHeight, 0)
        compare(horizontal.Quilt.Element.type, "HeaderView")
        compare(horizontal.Quilt.Element.activeHints, ["horizontal"])
        compare(vertical.Quilt.Element.activeHints, ["vertical"])

        const table = createTemporaryObject(tableComponent, testCase)
        horizontal.syncView = table
        vertical.syncView = table
        compare(horizontal.implicitWidth, 240)
        compare(vertical.implicitHeight, 100)
        waitForItemPolished(horizontal)
        waitForItemPolished(vertical)
        verify(horizontal.implicitHeight > 1)
        verify(vertical.implicitWidth > 1)
    }

    function cell(view, column) {
        return view.itemAtIndex(view.index(0, column))
    }

    // No NaN under a style that sizes nothing; a sized style sets the least
    // size.
    function test_cellSize_data() {
        return [
            { tag: "unstyled", id: "", least: 0 },
            { tag: "sized", id: "sized", least: 60 }
        ]
    }

    function test_cellSize(data) {
        const table = createTemporaryObject(tableComponent, testCase)
        const header = createTemporaryObject(horizontalComponent, testCase, { syncView: table })
        header.Quilt.Element.elementId = data.id
        waitForItemPolished(header)
        const first = cell(header, 0)
        verify(first)
        compare(first.Quilt.Element.type, "HeaderViewDelegate")
        compare(first.Quilt.Element.activeHints, ["horizontal"])
        verify(!isNaN(first.implicitWidth) && first.implicitWidth >= data.least)
        verify(!isNaN(first.implicitHeight) && first.implicitHeight > 0)
        verify(!isNaN(header.implicitHeight))
        // Without a sort role no indicator shows, and it takes no room.
        const indicator = first.Quilt.Positioner.positionItems[1]
        compare(indicator.Quilt.Element.type, "Indicator")
        verify(!indicator.visible)
        const text = first.Quilt.Positioner.positionItems[0]
        compare(text.text, "1")
        compare(text.color, header.palette.windowText)
    }

    // The sort hint table, on the header view's own cell given a model
    // object whose sort role is the row's value.
    function test_sortHints_data() {
        return [
            { tag: "undefined", sort: undefined, hints: ["horizontal"], icon: "" },
            { tag: "ascending", sort: Qt.AscendingOrder, hints: ["horizontal", "sort-ascending"], icon: "pan-up-symbolic" },
            { tag: "descending", sort: Qt.DescendingOrder, hints: ["horizontal", "sort-descending"], icon: "pan-down-symbolic" },
            { tag: "other", sort: 7, hints: ["horizontal", "sort-descending"], icon: "pan-down-symbolic" }
        ]
    }

    function test_sortHints(data) {
        const header = createTemporaryObject(horizontalComponent, testCase)
        const model = { display: "Name" }
        if (data.sort !== undefined)
            model.sort = data.sort
        const cell = header.delegate.createObject(header, { model: model })
        verify(cell)
        compare(cell.Quilt.Element.activeHints, data.hints)
        const indicator = cell.Quilt.Positioner.positionItems[1]
        compare(indicator.name, data.icon)
        compare(indicator.visible, data.icon !== "")
        compare(indicator.implicitWidth, data.icon !== "" ? 8 : 0)
        cell.destroy()
    }

    function test_rowHeaderNeverNarrower() {
        const table = createTemporaryObject(tableComponent, testCase)
        const header = createTemporaryObject(verticalComponent, testCase, { syncView: table, width: 80 })
        waitForItemPolished(header)
        const first = cell(header, 0)
        compare(first.Quilt.Element.type, "HeaderViewDelegate")
        compare(first.Quilt.Element.activeHints, ["vertical"])
        verify(first.implicitWidth >= 80)
        compare(first.children[0].color, header.palette.windowText)
    }

    Component {
        id: horizontalDelegate
        HorizontalHeaderViewDelegate {}
    }

    Component {
        id: verticalDelegate
        VerticalHeaderViewDelegate {}
    }

    // The two delegate types differ by their hint only.
    function test_delegateTypes() {
        const table = createTemporaryObject(tableComponent, testCase)
        const header = createTemporaryObject(horizontalComponent, testCase,
                                             { syncView: table, delegate: horizontalDelegate })
        waitForItemPolished(header)
        const first = cell(header, 1)
        compare(first.Quilt.Element.type, "HeaderViewDelegate")
        compare(first.Quilt.Element.activeHints, ["horizontal"])
        compare(first.contentItem.text, "2")
        compare(first.contentItem.color, first.palette.windowText)
        verify(!first.highlighted)

        const rows = createTemporaryObject(verticalComponent, testCase,
                                           { syncView: table, delegate: verticalDelegate })
        waitForItemPolished(rows)
        const row = cell(rows, 0)
        compare(row.Quilt.Element.type, "HeaderViewDelegate")
        compare(row.Quilt.Element.activeHints, ["vertical"])
        compare(row.contentItem.text, "1")
    }
}
