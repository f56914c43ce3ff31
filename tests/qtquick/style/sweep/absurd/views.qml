import QtQuick
import QtQuick.Controls
import Qt.labs.qmlmodels
import "absurd.js" as Absurd

// The calendar views, header views, the selection rectangle and table and
// tree cells with absurd values: impossible years, months and locales,
// models of a million rows, texts of 100,000 characters, edits.
// The views are given their rows' heights: before its first layout a cell
// measures 0 high, and a view would make every row.
Flow {
    id: root

    width: 800
    spacing: 2

    function drive() {
        table.positionViewAtRow(Absurd.hugeCount - 1, TableView.AlignBottom)
        table.positionViewAtCell(Qt.point(NaN, Infinity), Absurd.badEnum)
        texts.selectionModel.select(texts.index(0, 0), ItemSelectionModel.Select)
        texts.selectionModel.setCurrentIndex(texts.index(1, 1), ItemSelectionModel.NoUpdate)
        texts.edit(texts.index(0, 0))
        texts.closeEditor()
        texts.edit(texts.index(1, 1))
        tree.expandRecursively()
        tree.positionViewAtRow(999, TableView.AlignTop)
        tree.edit(tree.index(1, 0))
        tree.closeEditor()
        tree.edit(tree.index(2, 1))
        wide.expandToIndex(wide.index(0, 0))
        wide.positionViewAtRow(Absurd.hugeCount, TableView.AlignBottom)
    }

    // Once the views have laid out their cells, which an edit needs.
    Timer { interval: 50; running: true; onTriggered: root.drive() }

    Column {
        DayOfWeekRow { locale: Qt.locale("he_IL"); padding: NaN; spacing: Infinity; width: Infinity }
        DayOfWeekRow { locale: Qt.locale("xx_no_such_locale"); width: -10; height: NaN; spacing: NaN }
        Row {
            WeekNumberColumn { month: Absurd.badEnum; year: -Absurd.hugeCount; spacing: NaN }
            MonthGrid { month: Absurd.badEnum; year: -Absurd.hugeCount; title: Absurd.longText; padding: NaN; spacing: NaN }
        }
        Row {
            WeekNumberColumn { month: Calendar.February; year: Absurd.hugeCount; locale: Qt.locale("ar_EG"); height: Infinity }
            MonthGrid { month: Calendar.February; year: Absurd.hugeCount; locale: Qt.locale("ar_EG"); spacing: -Absurd.huge }
        }
        Row {
            WeekNumberColumn { month: Absurd.negativeEnum; year: 0; width: NaN; padding: Infinity }
            MonthGrid { month: Calendar.December; year: 0; locale: Qt.locale("xx_no_such_locale"); width: Infinity; height: NaN }
        }
    }

    Column {
        HorizontalHeaderView { syncView: table; clip: true; height: NaN }
        Row {
            VerticalHeaderView { syncView: table; clip: true; width: Infinity }
            TableView {
                id: table
                width: 200
                height: 150
                clip: true
                alternatingRows: true
                model: Absurd.hugeCount
                rowHeightProvider: () => 24
                delegate: TableViewDelegate { padding: NaN }
            }
        }
    }

    TableView {
        id: texts
        width: 200
        height: 100
        clip: true
        selectionModel: ItemSelectionModel {}
        rowHeightProvider: () => 24
        columnWidthProvider: column => column === 0 ? 120 : NaN
        model: TableModel {
            TableModelColumn { display: "name"; edit: "name" }
            TableModelColumn { display: "size" }
            rows: [{ name: Absurd.longText, size: NaN }, { name: "", size: Infinity }, { name: "b", size: -1 }]
        }
        delegate: TableViewDelegate { leftPadding: Infinity; rightInset: NaN }
        SelectionRectangle { target: texts; selectionMode: Absurd.badEnum; padding: NaN }
    }

    // A thousand levels deep, with a title of 100,000 characters.
    TreeView {
        id: tree
        width: 250
        height: 150
        clip: true
        alternatingRows: true
        selectionModel: ItemSelectionModel {}
        rowHeightProvider: () => 24
        model: TreeModel {
            TableModelColumn { display: "name"; edit: "name" }
            TableModelColumn { display: "level" }
            rows: {
                let node = { name: Absurd.longText, level: NaN }
                for (let level = 999; level >= 0; --level)
                    node = { name: "node", level: level, rows: [node] }
                return [node, { name: Absurd.longText, level: Infinity }]
            }
        }
        delegate: TreeViewDelegate { indentation: Absurd.huge; spacing: NaN; padding: -Infinity }
        SelectionRectangle { target: tree; topLeftHandle: null; bottomRightHandle: null }
    }

    // A wide tree: one node of ten thousand children.
    TreeView {
        id: wide
        width: 250
        height: 150
        clip: true
        rowHeightProvider: () => 24
        model: TreeModel {
            TableModelColumn { display: "name" }
            rows: [{ name: "root", rows: Array.from({ length: 10000 }, (_, index) => ({ name: String(index) })) }]
        }
        delegate: TreeViewDelegate { icon.name: Absurd.missingIconName; indentation: NaN }
    }

    // Given its width: an infinitely wide view would make every column.
    HorizontalHeaderView {
        width: 200
        height: 30
        rowHeightProvider: () => 24
        columnWidthProvider: () => 60
        model: Absurd.hugeCount
        delegate: HorizontalHeaderViewDelegate { padding: NaN; spacing: Infinity }
    }
    // No textRole: with one set on a list of two or more, Qt's table model
    // crashes as it creates the cells.
    HorizontalHeaderView {
        width: Infinity
        rowHeightProvider: () => 24
        model: [Absurd.longText, "", NaN]
    }
    VerticalHeaderView {
        height: 100
        width: NaN
        rowHeightProvider: () => 24
        model: Absurd.hugeCount
        delegate: VerticalHeaderViewDelegate { padding: -Absurd.huge; width: Infinity }
    }
    VerticalHeaderView {
        height: 100
        rowHeightProvider: () => 24
        model: [Absurd.longText, ""]
        textRole: "no-such-role"
    }
}
