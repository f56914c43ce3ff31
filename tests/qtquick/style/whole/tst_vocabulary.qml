import QtQuick
import QtTest
import Qt.labs.qmlmodels
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

// Each name of the vocabulary, raised by putting its control into the state
// that the control's description gives it, reaches the style: the fixture
// (vocabulary.css) gives every name a value of its own. The table is written
// from the controls' descriptions, one row per name and control; a row names
// its component, what puts it into the state, the item whose element carries
// the name, and which value shows it:
//   type: the font family "type-<name>", hint: the icon name "hint-<name>".
// Where an element carries several hints, the row's hint is the one listed
// last in the fixture.
TestCase {
    id: testCase
    name: "Vocabulary"
    width: 600
    height: 400
    visible: true
    when: windowShown

    function init() {
        failOnWarning(/.*/)
    }

    Component {
        id: tableModel
        TableModel {
            TableModelColumn { display: "name"; edit: "name" }
            TableModelColumn { display: "size" }
            rows: [{ name: "a", size: 1 }, { name: "b", size: 2 }, { name: "c", size: 3 }]
        }
    }

    Component {
        id: views
        Item {
            width: 600
            height: 400
            property alias stack: stack
            property alias swipe: swipe
            property alias split: split
            property alias table: table
            property alias tree: tree
            property alias header: header
            property alias rows: rows
            property alias grid: grid
            property alias week: week
            property alias days: days
            property alias selection: selection
            StackView { id: stack; width: 50; height: 50; initialItem: Item {} }
            SwipeView { id: swipe; x: 60; width: 50; height: 50; Item {} }
            SplitView { id: split; x: 120; width: 80; height: 50; Item { implicitWidth: 30 } Item {} }
            Column {
                y: 60
                HorizontalHeaderView { id: header; syncView: table }
                Row {
                    VerticalHeaderView { id: rows; syncView: table }
                    TableView {
                        id: table
                        width: 200
                        height: 80
                        alternatingRows: true
                        selectionModel: ItemSelectionModel {}
                        model: tableModel.createObject(table)
                        delegate: TableViewDelegate {}
                        SelectionRectangle { id: selection; target: table }
                    }
                }
            }
            TreeView {
                id: tree
                x: 300
                y: 60
                width: 200
                height: 80
                selectionModel: ItemSelectionModel {}
                delegate: TreeViewDelegate {}
                model: TreeModel {
                    TableModelColumn { display: "name" }
                    rows: [{ name: "root", rows: [{ name: "child" }] }, { name: "other" }, { name: "third" }]
                }
            }
            Column {
                y: 160
                DayOfWeekRow { id: days }
                Row {
                    WeekNumberColumn { id: week; month: 11; year: 2026 }
                    MonthGrid { id: grid; month: 11; year: 2026 }
                }
            }
        }
    }

    function cellOf(view, row, column) {
        return view.itemAtIndex(view.index(row, column))
    }

    function childOfType(item, type) {
        for (const child of item.children) {
            if (child.Quilt.Element.type === type)
                return child
        }
        return null
    }

    function todayCell(grid) {
        for (const cell of grid.contentItem.children) {
            if (cell.model?.today)
                return cell
        }
        return null
    }

    // Rows of this family of controls; the other families add theirs.
    function test_name_data() {
        return [
            { tag: "StackView", kind: "type", target: v => v.stack },
            { tag: "SwipeView", kind: "type", target: v => v.swipe },
            { tag: "SwipeView horizontal", name: "horizontal", kind: "hint", target: v => v.swipe },
            { tag: "SwipeView vertical", name: "vertical", kind: "hint", drive: v => v.swipe.orientation = Qt.Vertical, target: v => v.swipe },
            { tag: "SplitView", kind: "type", target: v => v.split },
            { tag: "SplitView horizontal", name: "horizontal", kind: "hint", target: v => v.split },
            { tag: "SplitView vertical", name: "vertical", kind: "hint", drive: v => v.split.orientation = Qt.Vertical, target: v => v.split },
            { tag: "SplitView Handle", name: "Handle", kind: "type", target: v => childOfType(v.split, "Handle") },
            { tag: "SelectionRectangle", kind: "type", target: v => v.selection },
            { tag: "TableViewDelegate", kind: "type", target: v => cellOf(v.table, 0, 0) },
            { tag: "TableViewDelegate alternating-colors", name: "alternating-colors", kind: "hint", target: v => cellOf(v.table, 1, 1) },
            { tag: "TableViewDelegate current", name: "current", kind: "hint",
              drive: v => v.table.selectionModel.setCurrentIndex(v.table.index(2, 0), ItemSelectionModel.NoUpdate),
              target: v => cellOf(v.table, 2, 0) },
            { tag: "TableViewDelegate selected", name: "selected", kind: "hint",
              drive: v => v.table.selectionModel.select(v.table.index(2, 1), ItemSelectionModel.Select),
              target: v => cellOf(v.table, 2, 1) },
            { tag: "TableViewDelegate editing", name: "editing", kind: "hint", drive: v => v.table.edit(v.table.index(0, 0)),
              target: v => cellOf(v.table, 0, 0) },
            { tag: "TreeViewDelegate", kind: "type", target: v => cellOf(v.tree, 0, 0) },
            { tag: "TreeViewDelegate expanded", name: "expanded", kind: "hint", drive: v => v.tree.expand(0),
              target: v => cellOf(v.tree, 0, 0) },
            { tag: "TreeViewDelegate Indentation", name: "Indentation", kind: "type",
              target: v => cellOf(v.tree, 0, 0).Quilt.Positioner.positionItems[0] },
            { tag: "TreeViewDelegate Indicator", name: "Indicator", kind: "type", target: v => cellOf(v.tree, 0, 0).indicator },
            { tag: "HeaderView horizontal", name: "HeaderView", kind: "type", target: v => v.header },
            { tag: "HeaderView vertical", name: "HeaderView", kind: "type", target: v => v.rows },
            { tag: "HeaderViewDelegate", kind: "type", target: v => cellOf(v.header, 0, 0) },
            { tag: "HeaderViewDelegate vertical", name: "vertical", kind: "hint", target: v => cellOf(v.rows, 0, 0) },
            { tag: "HeaderViewDelegate Indicator", name: "Indicator", kind: "type",
              target: v => cellOf(v.header, 0, 0).Quilt.Positioner.positionItems[1] },
            { tag: "DayOfWeekRow", kind: "type", target: v => v.days },
            { tag: "MonthGrid", kind: "type", target: v => v.grid },
            { tag: "WeekNumberColumn", kind: "type", target: v => v.week },
            { tag: "MonthGrid current-month", name: "current-month", kind: "hint", target: v => v.grid.contentItem.children.find(cell => cell.model?.month === 11 && !cell.model.today) },
            { tag: "MonthGrid today", name: "today", kind: "hint",
              drive: v => { const now = new Date(); v.grid.month = now.getMonth(); v.grid.year = now.getFullYear() },
              target: v => todayCell(v.grid) }
        ]
    }

    function test_name(data) {
        const v = createTemporaryObject(views, testCase)
        waitForItemPolished(v.table)
        waitForItemPolished(v.tree)
        waitForItemPolished(v.header)
        waitForItemPolished(v.rows)
        if (data.drive) {
            data.drive(v)
            waitForItemPolished(v.table)
            waitForItemPolished(v.tree)
        }
        const item = data.target(v)
        verify(item, "no item")
        const name = data.name ?? data.tag
        const properties = item.Quilt.Style.properties
        if (data.kind === "type")
            compare(properties.text.font?.family, "type-" + name)
        else
            compare(properties.icon.name, "hint-" + name)
    }
}
