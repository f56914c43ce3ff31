import QtQuick
import QtTest
import Qt.labs.qmlmodels
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "SplitAndSelection"
    width: 400
    height: 400
    visible: true
    when: windowShown

    function init() {
        failOnWarning(/.*/)
    }

    Component {
        id: splitComponent
        SplitView {
            width: 200
            height: 100
            Item { implicitWidth: 50; implicitHeight: 40 }
            Item { SplitView.fillWidth: true; SplitView.fillHeight: true }
        }
    }

    function findHandle(view) {
        for (const child of view.children) {
            if (child.Quilt.Element.type === "Handle")
                return child
        }
        return null
    }

    function hoverHandler(handle) {
        for (const object of handle.data) {
            if (object.cursorShape !== undefined)
                return object
        }
        return null
    }

    // Each side of the mask: how far beyond the 1-unit line it reaches.
    function test_mask_data() {
        return [
            { tag: "four", id: "four", orientation: Qt.Horizontal, before: 4, after: 4, margin: 4 },
            { tag: "uneven", id: "uneven", orientation: Qt.Horizontal, before: 2, after: 6, margin: 2 },
            { tag: "uneven vertical", id: "uneven", orientation: Qt.Vertical, before: 3, after: 5, margin: 3 },
            { tag: "none", id: "", orientation: Qt.Horizontal, before: 0, after: 0, margin: 0 },
            { tag: "none vertical", id: "", orientation: Qt.Vertical, before: 0, after: 0, margin: 0 }
        ]
    }

    function test_mask(data) {
        const view = createTemporaryObject(splitComponent, testCase, { orientation: data.orientation })
        view.Quilt.Element.elementId = data.id
        const handle = findHandle(view)
        verify(handle)
        waitForItemPolished(view)
        const horizontal = data.orientation === Qt.Horizontal
        compare(horizontal ? handle.width : handle.height, 1)
        const mask = handle.containmentMask
        compare(horizontal ? mask.x : mask.y, -data.before)
        compare(horizontal ? mask.width : mask.height, data.before + 1 + data.after)
        // A point just inside and just outside each side.
        const across = (offset) => horizontal ? Qt.point(offset, 10) : Qt.point(10, offset)
        verify(handle.contains(across(-data.before)))
        verify(!handle.contains(across(-data.before - 1)))
        verify(handle.contains(across(data.after + 0.5)))
        verify(!handle.contains(across(data.after + 1.5)))

        const hover = hoverHandler(handle)
        verify(hover)
        compare(hover.margin, data.margin)
        compare(hover.cursorShape, horizontal ? Qt.SplitHCursor : Qt.SplitVCursor)
    }

    // A press 3 beside a line with margins of 4 drags it; the view reports
    // Pressed while it resizes.
    function test_dragBesideTheLine() {
        const view = createTemporaryObject(splitComponent, testCase)
        view.Quilt.Element.elementId = "four"
        const handle = findHandle(view)
        waitForItemPolished(view)
        const first = view.itemAt(0)
        compare(first.width, 50)
        const x = handle.x - 3
        mousePress(view, x, 50)
        mouseMove(view, x + 10, 50)
        mouseMove(view, x + 20, 50)
        verify(view.resizing)
        verify(view.Quilt.Element.states.pressed)
        mouseRelease(view, x + 20, 50)
        verify(!view.resizing)
        verify(!view.Quilt.Element.states.pressed)
        compare(first.width, 70)
    }

    function test_hoverBand() {
        const view = createTemporaryObject(splitComponent, testCase)
        view.Quilt.Element.elementId = "uneven"
        const handle = findHandle(view)
        waitForItemPolished(view)
        const hover = hoverHandler(handle)
        mouseMove(view, handle.x - 2, 50)
        tryCompare(hover, "hovered", true)
        mouseMove(view, handle.x - 10, 50)
        tryCompare(hover, "hovered", false)
    }

    function test_hints() {
        const view = createTemporaryObject(splitComponent, testCase)
        compare(view.Quilt.Element.type, "SplitView")
        compare(view.Quilt.Element.activeHints, ["horizontal"])
        view.orientation = Qt.Vertical
        compare(view.Quilt.Element.activeHints, ["vertical"])
        compare(view.background, null)
    }

    Component {
        id: tableComponent
        TableView {
            id: table
            width: 300
            height: 200
            interactive: false
            selectionModel: ItemSelectionModel {}
            model: TableModel {
                TableModelColumn { display: "a" }
                TableModelColumn { display: "b" }
                rows: [{ a: 1, b: 2 }, { a: 3, b: 4 }, { a: 5, b: 6 }, { a: 7, b: 8 }]
            }
            delegate: TableViewDelegate { implicitWidth: 60; implicitHeight: 20 }
            property alias selection: selection
            SelectionRectangle {
                id: selection
                target: table
            }
        }
    }

    function selectionHandles(table) {
        const found = []
        const walk = (item) => {
            for (const child of item.children) {
                if (child.Quilt.Element.type === "SelectionRectangleHandle")
                    found.push(child)
                walk(child)
            }
        }
        walk(table)
        return found
    }

    // The handles show while the selection rectangle is active; without a
    // style they are 0 x 0; their enablement is the rectangle's.
    function test_selectionHandles() {
        const table = createTemporaryObject(tableComponent, testCase)
        waitForItemPolished(table)
        compare(table.selection.Quilt.Element.type, "SelectionRectangle")
        verify(!table.selection.active)
        for (const handle of selectionHandles(table))
            verify(!handle.visible)
        mousePress(table, 10, 10)
        for (let step = 1; step <= 10; ++step)
            mouseMove(table, 10 + 4 * step, 10 + 6 * step, -1, Qt.LeftButton)
        mouseRelease(table, 50, 70)
        verify(table.selection.active)
        const handles = selectionHandles(table)
        compare(handles.length, 2)
        for (const handle of handles) {
            verify(handle.visible)
            compare(handle.implicitWidth, 0)
            compare(handle.implicitHeight, 0)
            verify(handle.Quilt.Element.states.enabled)
            verify(!handle.Quilt.Element.states.visualFocus)
        }
        table.selection.enabled = false
        for (const handle of handles)
            verify(!handle.Quilt.Element.states.enabled)
    }

    Component {
        id: gripsComponent
        Item {
            width: 300
            height: 200
            property alias table: table
            Quilt.Element.type: "Grips"
            TableView {
                id: table
                anchors.fill: parent
                interactive: false
                selectionModel: ItemSelectionModel {}
                model: TableModel {
                    TableModelColumn { display: "a" }
                    TableModelColumn { display: "b" }
                    rows: [{ a: 1, b: 2 }, { a: 3, b: 4 }, { a: 5, b: 6 }, { a: 7, b: 8 }]
                }
                delegate: TableViewDelegate { implicitWidth: 60; implicitHeight: 20 }
                property alias selection: selection
                SelectionRectangle {
                    id: selection
                    target: table
                }
            }
        }
    }

    // A handle shows VisualFocus while it is being dragged, and only then;
    // the other handle does not.
    function test_draggedHandle() {
        const table = createTemporaryObject(gripsComponent, testCase).table
        waitForItemPolished(table)
        mousePress(table, 10, 10)
        for (let step = 1; step <= 10; ++step)
            mouseMove(table, 10 + 4 * step, 10 + 6 * step, -1, Qt.LeftButton)
        mouseRelease(table, 50, 70)
        verify(table.selection.active)
        const handles = selectionHandles(table).sort((a, b) => a.y - b.y)
        compare(handles.length, 2)
        const [still, dragged] = handles
        compare(dragged.width, 12)
        verify(!dragged.Quilt.Element.states.visualFocus)

        const grip = dragged.mapToItem(table, dragged.width / 2, dragged.height / 2)
        mousePress(table, grip.x, grip.y)
        for (let step = 1; step <= 10; ++step)
            mouseMove(table, grip.x + 6 * step, grip.y + 2 * step, -1, Qt.LeftButton)
        tryVerify(() => dragged.Quilt.Element.states.visualFocus)
        compare(dragged.Quilt.Style.properties.icon.name, "dragged")
        verify(!still.Quilt.Element.states.visualFocus)
        mouseRelease(table, grip.x + 60, grip.y + 20)
        tryVerify(() => !dragged.Quilt.Element.states.visualFocus)
        verify(dragged.Quilt.Style.properties.icon.name !== "dragged")
    }
}
