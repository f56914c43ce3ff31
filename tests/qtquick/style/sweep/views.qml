import QtQuick
import QtQuick.Controls
import Qt.labs.qmlmodels

// Stack, swipe and split views, the selection rectangle, table and tree
// cells, header views and the calendar views, with bad input: a model of
// a million rows, a tree a thousand levels deep, a split view of 0 x 0.
Item {
    id: root
    width: 800
    height: 600

    function drive() {
        stack.push(page, { text: "second" })
        stack.replace(page, { text: "third" })
        stack.pop()
        swipe.currentIndex = 1
        horizontalSplit.orientation = Qt.Vertical
        table.positionViewAtRow(999990, TableView.AlignTop)
        small.selectionModel.select(small.index(1, 0), ItemSelectionModel.Select)
        small.selectionModel.setCurrentIndex(small.index(0, 0), ItemSelectionModel.NoUpdate)
        small.edit(small.index(0, 0))
        small.closeEditor()
        tree.expandRecursively()
        tree.forceLayout()
        tree.edit(tree.index(1, 1))
        tree.closeEditor()
        tree.positionViewAtRow(500, TableView.AlignTop)
        grid.month = 1
        grid.year = 2025
        layoutMirroringTarget.LayoutMirroring.enabled = true
    }

    Component {
        id: page
        Label {}
    }

    Flow {
        id: layoutMirroringTarget
        anchors.fill: parent
        LayoutMirroring.childrenInherit: true

        StackView {
            id: stack
            width: 100
            height: 50
            initialItem: Label { text: "first" }
        }

        SwipeView {
            id: swipe
            width: 100
            height: 50
            Label { text: "one" }
            Label { text: "two" }
        }
        SwipeView {
            width: 50
            height: 100
            orientation: Qt.Vertical
            interactive: false
            Label { text: "one" }
        }

        SplitView {
            id: horizontalSplit
            width: 120
            height: 50
            Rectangle { implicitWidth: 40; color: "gray" }
            Rectangle { implicitWidth: 40; color: "silver" }
        }
        SplitView {
            width: 0
            height: 0
            orientation: Qt.Vertical
            Item {}
            Item {}
        }

        Column {
            HorizontalHeaderView { syncView: table; clip: true }
            Row {
                VerticalHeaderView { id: rowHeader; syncView: table; clip: true }
                TableView {
                    id: table
                    width: 250
                    height: 120
                    clip: true
                    alternatingRows: true
                    model: 1000000
                    delegate: TableViewDelegate {}
                    SelectionRectangle { target: small }
                }
            }
        }

        TreeView {
            id: tree
            width: 250
            height: 120
            clip: true
            alternatingRows: true
            selectionModel: ItemSelectionModel {}
            model: TreeModel {
                TableModelColumn { display: "name" }
                TableModelColumn { display: "level"; edit: "level" }
                rows: {
                    let node = { name: "leaf", level: 1000 }
                    for (let level = 999; level >= 0; --level)
                        node = { name: "node", level: level, rows: [node] }
                    return [node, { name: "sibling", level: 0 }]
                }
            }
            delegate: TreeViewDelegate {}
        }

        TableView {
            id: small
            width: 150
            height: 60
            selectionModel: ItemSelectionModel {}
            model: TableModel {
                TableModelColumn { display: "name"; edit: "name" }
                rows: [{ name: "a" }, { name: "b" }]
            }
            delegate: TableViewDelegate {}
        }

        HorizontalHeaderView {
            width: 150
            model: ["Name", "Size"]
            delegate: HorizontalHeaderViewDelegate {}
        }
        VerticalHeaderView {
            height: 60
            model: ["1", "2"]
            delegate: VerticalHeaderViewDelegate {}
        }

        Column {
            DayOfWeekRow {}
            Row {
                WeekNumberColumn { month: grid.month; year: grid.year }
                MonthGrid { id: grid; month: Calendar.December; year: 2026 }
            }
        }
    }
}
