import QtQuick
import QtTest
import Qt.labs.qmlmodels
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "Cells"
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
            width: 300
            height: 300
            alternatingRows: false
            selectionModel: ItemSelectionModel {}
            delegate: TableViewDelegate {}
        }
    }

    Component {
        id: tableModelComponent
        TableModel {
            TableModelColumn { display: "name"; edit: "code" }
            TableModelColumn { display: "size"; edit: "code" }
            rows: [
                { name: "a", code: "A1", size: 1 },
                { name: "b", code: "B1", size: 2 },
                { name: "c", code: "C1", size: 3 },
                { name: "d", code: "D1", size: 4 }
            ]
        }
    }

    Component {
        id: displayModelComponent
        TableModel {
            TableModelColumn { display: "name" }
            rows: [{ name: "a" }, { name: "b" }]
        }
    }

    Component {
        id: treeModelComponent
        TreeModel {
            TableModelColumn { display: "name" }
            TableModelColumn { display: "size"; edit: "size" }
            rows: [
                { name: "root", size: "0", rows: [
                    { name: "child", size: "1", rows: [{ name: "grandchild", size: "2" }] },
                    { name: "leaf", size: "3" }
                ] },
                { name: "other", size: "4" }
            ]
        }
    }

    Component {
        id: treeComponent
        TreeView {
            width: 300
            height: 300
            alternatingRows: false
            selectionModel: ItemSelectionModel {}
            delegate: TreeViewDelegate {}
        }
    }

    function cell(view, row, column) {
        return view.itemAtIndex(view.index(row, column))
    }

    function test_alternatingRows_data() {
        return [
            { tag: "on", alternating: true, rows: [false, true, false, true, false, true] },
            { tag: "off", alternating: false, rows: [false, false, false, false, false, false] }
        ]
    }

    function test_alternatingRows(data) {
        for (const component of [tableComponent, treeComponent]) {
            const view = createTemporaryObject(component, testCase,
                                               { model: component === tableComponent ? tableModelComponent.createObject(testCase)
                                                                                   : treeModelComponent.createObject(testCase),
                                                 alternatingRows: data.alternating })
            for (let row = view.rows; row < 6; ++row) {
                if (component === tableComponent)
                    view.model.appendRow({ name: "more", code: "M", size: row })
                else
                    view.model.rows = view.model.rows.concat([{ name: "more", size: "" + row }])
            }
            waitForItemPolished(view)
            for (let row = 0; row < data.rows.length; ++row)
                compare(cell(view, row, 0).Quilt.Element.activeHints.includes("alternating-colors"), data.rows[row],
                        "row " + row)
        }
    }

    Component {
        id: looseTableCell
        TableViewDelegate {
            row: 1; column: 0; model: ({ display: "loose" })
            tableView: null; current: false; selected: false; editing: false
        }
    }

    Component {
        id: looseTreeCell
        TreeViewDelegate {
            row: 1; column: 0; model: ({ display: "loose" })
            treeView: null; current: false; selected: false; editing: false
            isTreeNode: false; hasChildren: false; expanded: false; depth: 0
        }
    }

    // Outside a view no cell alternates, none is highlighted, and the table
    // cell still shows its text.
    function test_outsideAView() {
        const table = createTemporaryObject(looseTableCell, testCase)
        compare(table.Quilt.Element.activeHints, [])
        compare(table.contentItem.text, "loose")
        const tree = createTemporaryObject(looseTreeCell, testCase)
        compare(tree.Quilt.Element.activeHints, [])
        verify(!tree.highlighted)
        compare(tree.text, "loose")
        // The content's size stands in while the positioner has not run.
        verify(tree.implicitWidth > 0)
        verify(tree.implicitHeight > 0)
    }

    function test_tableStates() {
        const view = createTemporaryObject(tableComponent, testCase, { model: tableModelComponent.createObject(testCase) })
        waitForItemPolished(view)
        const a = cell(view, 1, 0)
        const b = cell(view, 2, 1)
        compare(a.Quilt.Element.type, "TableViewDelegate")
        view.selectionModel.setCurrentIndex(view.index(1, 0), ItemSelectionModel.NoUpdate)
        verify(a.current)
        // The current cell counts as focused, without being highlighted.
        verify(a.Quilt.Element.states.activeFocus)
        verify(!a.activeFocus)
        verify(!a.highlighted)
        compare(a.Quilt.Element.activeHints, ["current"])
        view.selectionModel.select(view.index(2, 1), ItemSelectionModel.Select)
        verify(b.highlighted)
        verify(b.Quilt.Element.states.highlighted)
        compare(b.Quilt.Element.activeHints, ["selected"])
        compare(b.contentItem.color, b.palette.text)
    }

    function test_treeHighlight_data() {
        return [
            { tag: "rows", behavior: TableView.SelectRows, highlighted: true },
            { tag: "disabled", behavior: TableView.SelectionDisabled, highlighted: true },
            { tag: "cells", behavior: TableView.SelectCells, highlighted: false }
        ]
    }

    // A cell of the current row beside the current cell.
    function test_treeHighlight(data) {
        const view = createTemporaryObject(treeComponent, testCase,
                                           { model: treeModelComponent.createObject(testCase), selectionBehavior: data.behavior })
        waitForItemPolished(view)
        view.selectionModel.setCurrentIndex(view.index(1, 0), ItemSelectionModel.NoUpdate)
        const current = cell(view, 1, 0)
        const beside = cell(view, 1, 1)
        verify(current.highlighted)
        // A tree cell counts as focused only with focus.
        verify(!current.Quilt.Element.states.activeFocus)
        verify(!beside.current && !beside.selected)
        compare(beside.highlighted, data.highlighted)
        compare(beside.Quilt.Element.states.highlighted, data.highlighted)
        verify(!cell(view, 0, 1).highlighted)
    }

    function test_treeParts() {
        const view = createTemporaryObject(treeComponent, testCase, { model: treeModelComponent.createObject(testCase) })
        waitForItemPolished(view)
        const root = cell(view, 0, 0)
        compare(root.Quilt.Element.type, "TreeViewDelegate")
        compare(root.indentation, 12)
        compare(root.indicator.Quilt.Element.type, "Indicator")
        verify(root.indicator.visible)
        compare(root.indicator.name, "pan-end-symbolic")
        compare(root.indicator.implicitWidth, 10)
        // Depth 0: no indentation shown.
        const indentation = root.contentItem.parts[0]
        compare(indentation.Quilt.Element.type, "Indentation")
        verify(!indentation.visible)
        view.expand(0)
        waitForItemPolished(view)
        verify(root.expanded)
        compare(root.Quilt.Element.activeHints, ["expanded"])
        compare(root.indicator.name, "pan-down-symbolic")
        const child = cell(view, 1, 0)
        compare(child.depth, 1)
        const childIndentation = child.contentItem.parts[0]
        verify(childIndentation.visible)
        compare(childIndentation.implicitWidth, 12)
        // A node without children hides its indicator; a non-tree column
        // shows neither.
        verify(!cell(view, 2, 0).indicator.visible)
        verify(!cell(view, 0, 1).indicator.visible)
        verify(!cell(view, 0, 1).contentItem.parts[0].visible)
        verify(root.implicitWidth > 0)
        verify(root.implicitHeight > 0)
    }

    function editorField(view) {
        const walk = (item) => {
            for (const child of item.children) {
                if (child instanceof TextField)
                    return child
                const found = walk(child)
                if (found)
                    return found
            }
            return null
        }
        return walk(view.contentItem)
    }

    function test_tableEditing_data() {
        return [
            { tag: "edit role", model: tableModelComponent, column: 0, initial: "A1", role: "code", stored: "Z9" },
            // Without an edit role the table model keeps its value.
            { tag: "display role", model: displayModelComponent, column: 0, initial: "a", role: "name", stored: "a" }
        ]
    }

    // Starts from the edit role, else the display text, all selected; the
    // table model takes the text by the role name "edit".
    function test_tableEditing(data) {
        const model = data.model.createObject(testCase)
        const view = createTemporaryObject(tableComponent, testCase, { model: model })
        waitForItemPolished(view)
        const target = cell(view, 0, data.column)
        view.edit(view.index(0, data.column))
        verify(target.editing)
        verify(!target.contentItem.visible)
        compare(target.Quilt.Element.activeHints.includes("editing"), true)
        const field = editorField(view)
        verify(field)
        compare(field.text, data.initial)
        compare(field.selectedText, data.initial)
        verify(field.activeFocus)
        field.text = "Z9"
        keyClick(Qt.Key_Return)
        verify(!target.editing)
        compare(model.getRow(0)[data.role], data.stored)
    }

    // A tree of two columns edits column 1 into column 1.
    function test_treeEditing() {
        const model = treeModelComponent.createObject(testCase)
        const view = createTemporaryObject(treeComponent, testCase, { model: model })
        waitForItemPolished(view)
        const target = cell(view, 0, 1)
        compare(target.column, 1)
        view.edit(view.index(0, 1))
        verify(target.editing)
        const field = editorField(view)
        compare(field.text, "0")
        compare(field.selectedText, "0")
        field.text = "42"
        keyClick(Qt.Key_Return)
        compare(model.data(view.index(0, 1), "display"), "42")
        compare(model.data(view.index(0, 0), "display"), "root")
    }

    // A column without an edit role edits the display role.
    function test_treeEditingDisplayRole() {
        // The tree model's own complaint about the role it lacks.
        ignoreWarning(/no role named edit/)
        const model = treeModelComponent.createObject(testCase)
        const view = createTemporaryObject(treeComponent, testCase, { model: model })
        waitForItemPolished(view)
        view.edit(view.index(1, 0))
        const field = editorField(view)
        compare(field.text, "other")
        field.text = "renamed"
        keyClick(Qt.Key_Return)
        compare(model.data(view.index(1, 0), "display"), "renamed")
    }
}
