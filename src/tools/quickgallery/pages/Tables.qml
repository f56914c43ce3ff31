import QtQuick
import QtQuick.Controls
import Qt.labs.qmlmodels

// A table of 1,000 rows with headers that show its sort order and a
// selection, a small table with header delegates of its own, and a
// three-level tree of two columns with a cell being edited.
Flow {
    spacing: 12

    Column {
        HorizontalHeaderView {
            syncView: table
            clip: true
            x: rowHeader.width
            // The sort order is the header's own role: the first column sorts
            // up and the second down, to show both marks.
            model: ListModel {
                ListElement { display: qsTr("Name"); sort: Qt.AscendingOrder }
                ListElement { display: qsTr("Size"); sort: Qt.DescendingOrder }
            }
        }
        Row {
            VerticalHeaderView {
                id: rowHeader
                syncView: table
                clip: true
            }
            TableView {
                id: table
                width: 260
                height: 150
                clip: true
                alternatingRows: true
                columnWidthProvider: column => column === 0 ? 170 : 90
                selectionModel: ItemSelectionModel {}
                model: TableModel {
                    TableModelColumn { display: "name"; edit: "name" }
                    TableModelColumn { display: "size" }
                    rows: {
                        const rows = []
                        for (let i = 0; i < 1000; ++i)
                            rows.push({ name: "Item " + (i + 1), size: (i * 37) % 1000 })
                        return rows
                    }
                }
                delegate: TableViewDelegate {}
                SelectionRectangle { target: table }
                Component.onCompleted: {
                    selectionModel.select(index(1, 0), ItemSelectionModel.Select)
                    selectionModel.select(index(1, 1), ItemSelectionModel.Select)
                    selectionModel.setCurrentIndex(index(3, 1), ItemSelectionModel.NoUpdate)
                }
            }
        }
    }

    Column {
        HorizontalHeaderView {
            syncView: small
            clip: true
            x: smallRows.width
            delegate: HorizontalHeaderViewDelegate {}
        }
        Row {
            VerticalHeaderView {
                id: smallRows
                syncView: small
                clip: true
                delegate: VerticalHeaderViewDelegate {}
            }
            TableView {
                id: small
                width: 200
                height: 100
                clip: true
                columnWidthProvider: column => column === 0 ? 120 : 80
                selectionModel: ItemSelectionModel {}
                model: TableModel {
                    TableModelColumn { display: "fruit" }
                    TableModelColumn { display: "count" }
                    rows: [
                        { fruit: qsTr("Apples"), count: 3 },
                        { fruit: qsTr("Pears"), count: 5 },
                        { fruit: qsTr("Plums"), count: 8 }
                    ]
                }
                delegate: TableViewDelegate {}
                Component.onCompleted: selectionModel.select(index(2, 0), ItemSelectionModel.Select | ItemSelectionModel.Rows)
            }
        }
    }

    TreeView {
        id: tree
        width: 300
        // Room for all seven rows, also under styles with taller rows: only
        // a cell in view can be edited.
        height: 260
        clip: true
        alternatingRows: true
        columnWidthProvider: column => column === 0 ? 200 : 100
        selectionModel: ItemSelectionModel {}
        model: TreeModel {
            TableModelColumn { display: "name"; edit: "name" }
            TableModelColumn { display: "size"; edit: "size" }
            rows: [
                { name: "Documents", size: "3", rows: [
                    { name: "Letters", size: "2", rows: [{ name: "to Ada.txt", size: "4 KB" }, { name: "to Bob.txt", size: "2 KB" }] },
                    { name: "notes.md", size: "1 KB" }
                ] },
                { name: "Pictures", size: "1", rows: [{ name: "sky.png", size: "80 KB" }] }
            ]
        }
        delegate: TreeViewDelegate {}
        Component.onCompleted: {
            expandRecursively()
            forceLayout()
            selectionModel.setCurrentIndex(index(2, 0), ItemSelectionModel.NoUpdate)
            edit(index(5, 1))
        }
    }
}
