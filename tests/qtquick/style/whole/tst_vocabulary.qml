import QtQuick
import QtQuick.Layouts
import QtQuick.Templates as T
import QtQml.Models
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
//   type: the font family "type-<name>", hint: the icon name "hint-<name>",
//   attribute: the width that the fixture gives the value under its key.
// Where an element carries several hints, the row's hint is the one listed
// last in the fixture; "modal" and "modeless" beside "dialog" or "drawer"
// show in the icon width instead.
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

    function cleanup() {
        testPlatform.setAnimationSpeedMultiplier(1)
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

    Component {
        id: headerDelegates
        Item {
            width: 400
            height: 200
            property alias columns: columns
            property alias rows: rows
            HorizontalHeaderView {
                id: columns
                x: 40
                syncView: table
                delegate: HorizontalHeaderViewDelegate {}
            }
            VerticalHeaderView {
                id: rows
                y: 30
                syncView: table
                delegate: VerticalHeaderViewDelegate {}
            }
            TableView {
                id: table
                x: 40
                y: 30
                width: 200
                height: 80
                model: tableModel.createObject(table)
                delegate: TableViewDelegate {}
            }
        }
    }

    Component {
        id: buttons
        Item {
            width: 600
            height: 400
            property alias button: button
            property alias menuButton: menuButton
            property alias round: round
            property alias tool: tool
            property alias menuTool: menuTool
            property alias delayButton: delayButton
            property alias menuDelay: menuDelay
            property alias check: check
            property alias radio: radio
            property alias switchControl: switchControl
            Button { id: button; text: "Button" }
            // Buttons that open a menu: they carry "with-menu" once they
            // have a text.
            Button { id: menuButton; Accessible.role: Accessible.ButtonMenu }
            RoundButton { id: round; text: "R" }
            ToolButton { id: tool; text: "Tool" }
            ToolButton { id: menuTool; Accessible.role: Accessible.ButtonMenu }
            DelayButton { id: delayButton; text: "Delay" }
            DelayButton { id: menuDelay; Accessible.role: Accessible.ButtonMenu }
            CheckBox { id: check; text: "Check" }
            RadioButton { id: radio; text: "Radio" }
            Switch { id: switchControl; text: "Switch" }
        }
    }

    Component {
        id: tabs
        Item {
            width: 600
            height: 400
            property alias bar: bar
            property alias lone: lone
            property alias listed: listed
            TabBar {
                id: bar
                TabButton { text: "One" }
                TabButton { text: "Two" }
                TabButton { text: "Three" }
            }
            TabButton { id: lone; y: 50; text: "Alone" }
            // A tab in a list view with a highlight, but in no tab bar.
            ListView {
                y: 100
                width: 200
                height: 40
                orientation: ListView.Horizontal
                highlight: Item {}
                model: ObjectModel {
                    TabButton { id: listed; text: "Listed" }
                }
            }
        }
    }

    Component {
        id: itemDelegate
        ItemDelegate { text: "Item"; implicitWidth: 100; implicitHeight: 20 }
    }
    Component {
        id: checkDelegate
        CheckDelegate { text: "Check"; implicitWidth: 100; implicitHeight: 20 }
    }
    Component {
        id: radioDelegate
        RadioDelegate { text: "Radio"; implicitWidth: 100; implicitHeight: 20 }
    }
    Component {
        id: switchDelegate
        SwitchDelegate { text: "Switch"; implicitWidth: 100; implicitHeight: 20 }
    }
    Component {
        id: swipeDelegate
        SwipeDelegate { text: "Swipe"; implicitWidth: 100; implicitHeight: 20 }
    }

    // One kind of delegate alone, in a list view of three and in a table
    // view of two rows that alternates them.
    Component {
        id: delegates
        Item {
            id: root
            width: 600
            height: 400
            required property Component delegate
            property alias list: list
            property alias table: table
            property Item alone
            Component.onCompleted: alone = delegate.createObject(root, { y: 300 })
            ListView { id: list; width: 200; height: 100; model: 3; delegate: root.delegate }
            TableView {
                id: table
                y: 150
                width: 200
                height: 100
                alternatingRows: true
                model: TableModel {
                    TableModelColumn { display: "name" }
                    rows: [{ name: "a" }, { name: "b" }]
                }
                delegate: root.delegate
            }
        }
    }

    Component {
        id: ranges
        Item {
            width: 600
            height: 400
            property alias busy: busy
            property alias pages: pages
            property alias progress: progress
            property alias slider: slider
            property alias range: range
            property alias dial: dial
            property alias scrollBar: scrollBar
            property alias scrollIndicator: scrollIndicator
            BusyIndicator { id: busy }
            PageIndicator { id: pages; count: 3; currentIndex: 1 }
            ProgressBar { id: progress; width: 100; value: 0.5 }
            // Two tick marks, at 0 and 1: the value reaches only the first.
            Slider { id: slider; width: 100; to: 1; value: 0.5; Quilt.StyleHints.tickMarkStepSize: 1 }
            RangeSlider { id: range; width: 100 }
            Dial { id: dial }
            ScrollBar { id: scrollBar; width: 100; height: 10; size: 0.5; orientation: Qt.Horizontal }
            ScrollIndicator { id: scrollIndicator; width: 100; height: 10; size: 0.5; orientation: Qt.Horizontal }
        }
    }

    Component {
        id: texts
        Item {
            width: 600
            height: 400
            property alias field: field
            property alias area: area
            property alias search: search
            property alias combo: combo
            property alias spin: spin
            property alias narrowSpin: narrowSpin
            property alias doubleSpin: doubleSpin
            property alias narrowDoubleSpin: narrowDoubleSpin
            property alias tumbler: tumbler
            TextField {
                id: field
                placeholderText: "Field"
            }
            TextArea {
                id: area
                y: 60
                placeholderText: "Area"
            }
            SearchField {
                id: search
                y: 160
                width: 200
                height: 30
            }
            // Apart from the text inputs, which take a right click.
            ComboBox { id: combo; x: 300; model: ["a", "b"] }
            SpinBox { id: spin; x: 300 }
            // Too narrow for the text and both buttons.
            SpinBox { id: narrowSpin; x: 300; Layout.preferredWidth: 1 }
            DoubleSpinBox { id: doubleSpin; x: 300 }
            DoubleSpinBox { id: narrowDoubleSpin; x: 300; Layout.preferredWidth: 1 }
            Tumbler { id: tumbler; x: 300; model: 3 }
        }
    }

    Component {
        id: menus
        Item {
            width: 600
            height: 400
            property alias menu: menu
            property alias checkableItem: checkableItem
            property alias exclusiveItem: exclusiveItem
            property alias shortcutItem: shortcutItem
            property alias separator: separator
            property alias bar: bar
            Menu {
                id: menu
                MenuItem { id: checkableItem; text: "Checkable"; checkable: true }
                MenuItem { id: exclusiveItem; text: "Exclusive"; autoExclusive: true }
                MenuItem {
                    id: shortcutItem
                    action: T.Action { text: "Shortcut"; shortcut: "Ctrl+K" }
                }
                MenuSeparator { id: separator }
                Menu { title: "Sub" }
            }
            MenuBar {
                id: bar
                Menu { title: "File" }
            }
        }
    }

    Component {
        id: containers
        Item {
            width: 600
            height: 400
            property alias pane: pane
            property alias frame: frame
            property alias page: page
            property alias group: group
            property alias label: label
            property alias toolBar: toolBar
            property alias barList: barList
            property alias separator: separator
            property alias tip: tip
            Pane { id: pane }
            Frame { id: frame }
            Page { id: page }
            GroupBox { id: group; title: "Group" }
            Label { id: label; text: "Label" }
            ToolBar { id: toolBar }
            ListView {
                id: barList
                width: 200
                height: 100
                model: 1
                delegate: ToolBar {}
            }
            ToolSeparator { id: separator }
            ToolTip { id: tip; text: "Tip" }
        }
    }

    Component {
        id: applicationWindow
        ApplicationWindow {}
    }

    Component {
        id: popups
        Item {
            width: 600
            height: 400
            property alias popup: popup
            property alias dialog: dialog
            property alias drawer: drawer
            property alias box: box
            Popup { id: popup; width: 50; height: 50 }
            Dialog { id: dialog; title: "Dialog" }
            Drawer { id: drawer; width: 100; height: 400 }
            DialogButtonBox {
                id: box
                standardButtons: T.Dialog.Ok | T.Dialog.Cancel | T.Dialog.Discard | T.Dialog.Help
                                 | T.Dialog.Yes | T.Dialog.No | T.Dialog.Reset | T.Dialog.Apply
            }
        }
    }

    Component {
        id: scrollView
        ScrollView {
            width: 100
            height: 100
            contentWidth: 50
            contentHeight: 50
            readonly property Item verticalBar: T.ScrollBar.vertical
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

    function descendantOfType(item, type) {
        for (const child of item.children) {
            if (child.Quilt.Element.type === type)
                return child
            const found = descendantOfType(child, type)
            if (found)
                return found
        }
        return null
    }

    function childText(item) {
        for (const child of item.children) {
            if (child instanceof Text)
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

    function pageDelegate(indicator, index) {
        return indicator.contentItem.children.find(item => item.index === index) ?? null
    }

    // The dimming overlay that the window shows.
    function shownOverlay() {
        let root = testCase
        while (root.parent)
            root = root.parent
        const walk = item => {
            for (const child of item.children) {
                if (!child.visible)
                    continue
                if (child.Quilt.Element.type === "Overlay" && child.opacity > 0)
                    return child
                const found = walk(child)
                if (found)
                    return found
            }
            return null
        }
        return walk(root)
    }

    function openPopup(popup, properties) {
        testPlatform.setAnimationSpeedMultiplier(0)
        for (const name in properties)
            popup[name] = properties[name]
        popup.open()
        tryCompare(popup, "opened", true)
    }

    // The menu is made when first asked for, as a user asks for it.
    function openContextMenu(control) {
        mouseClick(control, control.width / 2, control.height / 2, Qt.RightButton)
        tryVerify(() => control.T.ContextMenu.menu?.opened)
    }

    function changed(item) {
        item.Quilt.Element.hint("changed").when = true
    }

    function setDisplay(button, display) {
        button.display = display
    }

    // The values of each attribute key, with the width that the fixture
    // gives each value, and where that width shows.
    readonly property var attributes: ({
        display: { read: p => p.layout.margins.left,
                   values: { "icon-only": 1, "text-only": 2, "text-beside-icon": 3, "text-under-icon": 4 } },
        direction: { read: p => p.layout.margins.right, values: { top: 1, bottom: 2 } },
        "tab-position": { read: p => p.layout.margins.top, values: { top: 1, bottom: 2 } },
        position: { read: p => p.layout.margins.bottom, values: { header: 1, footer: 2 } },
        role: { read: p => p.outline.left.size,
                values: { invalid: 1, accept: 2, reject: 3, destructive: 4, action: 5, help: 6, yes: 7, no: 8,
                          reset: 9, apply: 10 } },
        edge: { read: p => p.outline.right.size, values: { left: 1, right: 2, top: 3, bottom: 4 } },
        orientation: { read: p => p.outline.top.size, values: { horizontal: 1, vertical: 2 } }
    })
    readonly property var displayModes: [
        { value: "icon-only", display: T.AbstractButton.IconOnly },
        { value: "text-only", display: T.AbstractButton.TextOnly },
        { value: "text-beside-icon", display: T.AbstractButton.TextBesideIcon },
        { value: "text-under-icon", display: T.AbstractButton.TextUnderIcon }
    ]

    // The four "display" values of a button, or only `only` of them.
    function displayRows(label, component, pick, only) {
        return displayModes.filter(mode => !only || mode.value === only).map(mode => ({
            tag: label + " display " + mode.value, component: component, kind: "attribute", key: "display",
            name: mode.value, drive: v => setDisplay(pick(v), mode.display), target: pick
        }))
    }

    function viewRows() {
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
            { tag: "SelectionRectangleHandle", kind: "type",
              drive: v => {
                  v.table.interactive = false
                  mousePress(v.table, 10, 10)
                  for (let step = 1; step <= 10; ++step)
                      mouseMove(v.table, 10 + 6 * step, 10 + 4 * step, -1, Qt.LeftButton)
                  mouseRelease(v.table, 70, 50)
              },
              target: v => descendantOfType(v.table, "SelectionRectangleHandle") },
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
            { tag: "TreeViewDelegate alternating-colors", name: "alternating-colors", kind: "hint",
              drive: v => v.tree.alternatingRows = true, target: v => cellOf(v.tree, 1, 0) },
            { tag: "TreeViewDelegate current", name: "current", kind: "hint",
              drive: v => v.tree.selectionModel.setCurrentIndex(v.tree.index(2, 0), ItemSelectionModel.NoUpdate),
              target: v => cellOf(v.tree, 2, 0) },
            { tag: "TreeViewDelegate selected", name: "selected", kind: "hint",
              drive: v => v.tree.selectionModel.select(v.tree.index(2, 0), ItemSelectionModel.Select),
              target: v => cellOf(v.tree, 2, 0) },
            // The tree model's own complaint about the role it lacks.
            { tag: "TreeViewDelegate editing", name: "editing", kind: "hint", warning: /no role named/,
              drive: v => v.tree.edit(v.tree.index(2, 0)), target: v => cellOf(v.tree, 2, 0) },
            { tag: "TreeViewDelegate expanded", name: "expanded", kind: "hint", drive: v => v.tree.expand(0),
              target: v => cellOf(v.tree, 0, 0) },
            { tag: "TreeViewDelegate Indentation", name: "Indentation", kind: "type",
              target: v => cellOf(v.tree, 0, 0).contentItem.parts[0] },
            { tag: "TreeViewDelegate Indicator", name: "Indicator", kind: "type", target: v => cellOf(v.tree, 0, 0).indicator },
            { tag: "HeaderView horizontal", name: "HeaderView", kind: "type", target: v => v.header },
            { tag: "HeaderView vertical", name: "HeaderView", kind: "type", target: v => v.rows },
            { tag: "HeaderView hint horizontal", name: "horizontal", kind: "hint", target: v => v.header },
            { tag: "HeaderView hint vertical", name: "vertical", kind: "hint", target: v => v.rows },
            { tag: "HeaderViewDelegate", kind: "type", target: v => cellOf(v.header, 0, 0) },
            { tag: "HeaderViewDelegate of the vertical header", name: "HeaderViewDelegate", kind: "type",
              target: v => cellOf(v.rows, 0, 0) },
            { tag: "HeaderViewDelegate horizontal", name: "horizontal", kind: "hint", target: v => cellOf(v.header, 0, 0) },
            { tag: "HeaderViewDelegate vertical", name: "vertical", kind: "hint", target: v => cellOf(v.rows, 0, 0) },
            { tag: "HeaderViewDelegate sort-ascending", name: "sort-ascending", kind: "hint",
              target: v => v.header.delegate.createObject(v.header, { model: { display: "Up", sort: Qt.AscendingOrder } }) },
            { tag: "HeaderViewDelegate sort-descending", name: "sort-descending", kind: "hint",
              target: v => v.header.delegate.createObject(v.header, { model: { display: "Down", sort: Qt.DescendingOrder } }) },
            { tag: "HeaderViewDelegate Indicator", name: "Indicator", kind: "type",
              target: v => cellOf(v.header, 0, 0).Quilt.Positioner.positionItems[1] },
            { tag: "HorizontalHeaderViewDelegate", name: "HeaderViewDelegate", kind: "type", component: headerDelegates,
              target: v => cellOf(v.columns, 0, 0) },
            { tag: "HorizontalHeaderViewDelegate horizontal", name: "horizontal", kind: "hint", component: headerDelegates,
              target: v => cellOf(v.columns, 0, 0) },
            { tag: "VerticalHeaderViewDelegate", name: "HeaderViewDelegate", kind: "type", component: headerDelegates,
              target: v => cellOf(v.rows, 0, 0) },
            { tag: "VerticalHeaderViewDelegate vertical", name: "vertical", kind: "hint", component: headerDelegates,
              target: v => cellOf(v.rows, 0, 0) },
            { tag: "DayOfWeekRow", kind: "type", target: v => v.days },
            { tag: "MonthGrid", kind: "type", target: v => v.grid },
            { tag: "WeekNumberColumn", kind: "type", target: v => v.week },
            { tag: "MonthGrid Label", name: "Label", kind: "type", target: v => v.grid.contentItem.children[0] },
            { tag: "MonthGrid current-month", name: "current-month", kind: "hint", target: v => v.grid.contentItem.children.find(cell => cell.model?.month === 11 && !cell.model.today) },
            { tag: "MonthGrid today", name: "today", kind: "hint",
              drive: v => { const now = new Date(); v.grid.month = now.getMonth(); v.grid.year = now.getFullYear() },
              target: v => todayCell(v.grid) }
        ]
    }

    function buttonRows() {
        return [
            { tag: "Button", kind: "type", target: v => v.button },
            { tag: "Button with-icon", name: "with-icon", kind: "hint", drive: v => v.button.icon.name = "x", target: v => v.button },
            { tag: "Button flat", name: "flat", kind: "hint", drive: v => v.button.flat = true, target: v => v.button },
            { tag: "Button with-menu", name: "with-menu", kind: "hint", drive: v => v.menuButton.text = "Open",
              target: v => v.menuButton },
            { tag: "Button changed", name: "changed", kind: "hint", drive: v => changed(v.button), target: v => v.button },
            { tag: "Button Indicator", name: "Indicator", kind: "type", target: v => v.button.indicator },
            { tag: "RoundButton", kind: "type", target: v => v.round },
            { tag: "RoundButton flat", name: "flat", kind: "hint", drive: v => v.round.flat = true, target: v => v.round },
            { tag: "RoundButton changed", name: "changed", kind: "hint", drive: v => changed(v.round), target: v => v.round },
            { tag: "ToolButton", kind: "type", target: v => v.tool },
            { tag: "ToolButton raised", name: "raised", kind: "hint", drive: v => v.tool.flat = false, target: v => v.tool },
            { tag: "ToolButton with-menu", name: "with-menu", kind: "hint", drive: v => v.menuTool.text = "Open",
              target: v => v.menuTool },
            { tag: "ToolButton changed", name: "changed", kind: "hint", drive: v => changed(v.tool), target: v => v.tool },
            { tag: "ToolButton Indicator", name: "Indicator", kind: "type", target: v => v.tool.indicator },
            { tag: "DelayButton", kind: "type", target: v => v.delayButton },
            { tag: "DelayButton with-icon", name: "with-icon", kind: "hint", drive: v => v.delayButton.icon.name = "x", target: v => v.delayButton },
            { tag: "DelayButton with-menu", name: "with-menu", kind: "hint", drive: v => v.menuDelay.text = "Open",
              target: v => v.menuDelay },
            { tag: "DelayButton changed", name: "changed", kind: "hint", drive: v => changed(v.delayButton), target: v => v.delayButton },
            { tag: "DelayButton Indicator", name: "Indicator", kind: "type", target: v => v.delayButton.indicator },
            { tag: "DelayButton Fill", name: "Fill", kind: "type", target: v => v.delayButton.background.children[0] },
            { tag: "CheckBox", kind: "type", target: v => v.check },
            { tag: "CheckBox with-icon", name: "with-icon", kind: "hint", drive: v => v.check.icon.name = "x", target: v => v.check },
            { tag: "CheckBox changed", name: "changed", kind: "hint", drive: v => changed(v.check), target: v => v.check },
            { tag: "CheckBox partially-checked", name: "partially-checked", kind: "hint",
              drive: v => { v.check.tristate = true; v.check.checkState = Qt.PartiallyChecked }, target: v => v.check },
            { tag: "CheckBox Indicator", name: "Indicator", kind: "type", target: v => v.check.indicator },
            { tag: "RadioButton", kind: "type", target: v => v.radio },
            { tag: "RadioButton with-icon", name: "with-icon", kind: "hint", drive: v => v.radio.icon.name = "x", target: v => v.radio },
            { tag: "RadioButton changed", name: "changed", kind: "hint", drive: v => changed(v.radio), target: v => v.radio },
            { tag: "RadioButton Indicator", name: "Indicator", kind: "type", target: v => v.radio.indicator },
            { tag: "Switch", kind: "type", target: v => v.switchControl },
            { tag: "Switch Indicator", name: "Indicator", kind: "type", target: v => v.switchControl.indicator },
            { tag: "Switch Handle", name: "Handle", kind: "type", target: v => v.switchControl.indicator.children[1] }
        ].map(row => Object.assign({ component: buttons }, row)).concat(
            displayRows("Button", buttons, v => v.button),
            displayRows("ToolButton", buttons, v => v.tool),
            displayRows("RoundButton", buttons, v => v.round, "icon-only"),
            displayRows("DelayButton", buttons, v => v.delayButton, "icon-only"),
            displayRows("CheckBox", buttons, v => v.check, "icon-only"),
            displayRows("RadioButton", buttons, v => v.radio, "icon-only"))
    }

    function tabRows() {
        return [
            { tag: "TabBar", kind: "type", target: v => v.bar },
            { tag: "TabBar immutable", name: "immutable", kind: "hint", target: v => v.bar },
            { tag: "TabBar tab-position top", kind: "attribute", key: "tab-position", name: "top", target: v => v.bar },
            { tag: "TabBar tab-position bottom", kind: "attribute", key: "tab-position", name: "bottom",
              drive: v => v.bar.position = T.TabBar.Footer, target: v => v.bar },
            { tag: "TabBarHighlight", kind: "type", target: v => v.bar.contentItem.highlightItem },
            { tag: "TabBarHighlight itemview-highlight", name: "itemview-highlight", kind: "hint",
              target: v => v.bar.contentItem.highlightItem },
            { tag: "TabBarHighlight tab-position top", kind: "attribute", key: "tab-position", name: "top",
              target: v => v.bar.contentItem.highlightItem },
            { tag: "TabBarHighlight tab-position bottom", kind: "attribute", key: "tab-position", name: "bottom",
              drive: v => v.bar.position = T.TabBar.Footer, target: v => v.bar.contentItem.highlightItem },
            { tag: "TabButton", kind: "type", target: v => v.lone },
            { tag: "TabButton immutable", name: "immutable", kind: "hint", target: v => v.bar.itemAt(1) },
            { tag: "TabButton first", name: "first", kind: "hint", target: v => v.bar.itemAt(0) },
            { tag: "TabButton last", name: "last", kind: "hint", target: v => v.bar.itemAt(2) },
            { tag: "TabButton with-icon", name: "with-icon", kind: "hint", drive: v => v.lone.icon.name = "x", target: v => v.lone },
            { tag: "TabButton itemview-highlight", name: "itemview-highlight", kind: "hint", target: v => v.listed },
            { tag: "TabButton direction top", kind: "attribute", key: "direction", name: "top", target: v => v.bar.itemAt(1) },
            { tag: "TabButton direction bottom", kind: "attribute", key: "direction", name: "bottom",
              drive: v => v.bar.position = T.TabBar.Footer, target: v => v.bar.itemAt(1) },
            { tag: "TabButton alone direction top", kind: "attribute", key: "direction", name: "top", target: v => v.lone }
        ].map(row => Object.assign({ component: tabs }, row)).concat(
            displayRows("TabButton", tabs, v => v.lone, "icon-only"))
    }

    function delegateRows() {
        const rows = []
        const kinds = [
            { type: "ItemDelegate", component: itemDelegate },
            { type: "CheckDelegate", component: checkDelegate, indicator: true },
            { type: "RadioDelegate", component: radioDelegate, indicator: true },
            { type: "SwitchDelegate", component: switchDelegate, indicator: true, handle: true },
            { type: "SwipeDelegate", component: swipeDelegate, swipe: true }
        ]
        for (const kind of kinds) {
            const row = fields => Object.assign({ component: delegates, properties: { delegate: kind.component } }, fields)
            rows.push(
                row({ tag: kind.type, name: kind.type, kind: "type", target: v => v.alone }),
                row({ tag: kind.type + " with-icon", name: "with-icon", kind: "hint",
                      drive: v => { v.alone.hoverEnabled = false; v.alone.icon.name = "x" }, target: v => v.alone }),
                row({ tag: kind.type + " hover-enabled", name: "hover-enabled", kind: "hint",
                      drive: v => v.alone.hoverEnabled = true, target: v => v.alone }),
                row({ tag: kind.type + " inside-list", name: "inside-list", kind: "hint", target: v => v.list.itemAtIndex(0) }),
                row({ tag: kind.type + " inside-table", name: "inside-table", kind: "hint", target: v => cellOf(v.table, 0, 0) }),
                row({ tag: kind.type + " alternating-colors", name: "alternating-colors", kind: "hint",
                      target: v => cellOf(v.table, 1, 0) }))
            if (!kind.swipe) {
                rows.push(
                    row({ tag: kind.type + " changed", name: "changed", kind: "hint",
                          drive: v => { v.alone.hoverEnabled = false; changed(v.alone) }, target: v => v.alone }),
                    row({ tag: kind.type + " last-in-list", name: "last-in-list", kind: "hint", target: v => v.list.itemAtIndex(2) }))
            }
            if (kind.type === "CheckDelegate") {
                rows.push(row({ tag: kind.type + " partially-checked", name: "partially-checked", kind: "hint",
                                drive: v => { v.alone.hoverEnabled = false; v.alone.tristate = true; v.alone.checkState = Qt.PartiallyChecked },
                                target: v => v.alone }))
            }
            if (kind.indicator)
                rows.push(row({ tag: kind.type + " Indicator", name: "Indicator", kind: "type", target: v => v.alone.indicator }))
            if (kind.handle)
                rows.push(row({ tag: kind.type + " Handle", name: "Handle", kind: "type", target: v => v.alone.indicator.children[1] }))
            rows.push(...displayRows(kind.type, delegates, v => v.alone, "icon-only").map(
                          display => Object.assign(display, { properties: { delegate: kind.component } })))
        }
        return rows
    }

    function rangeRows() {
        return [
            { tag: "BusyIndicator", kind: "type", target: v => v.busy },
            { tag: "PageIndicator", kind: "type", target: v => v.pages },
            { tag: "PageIndicatorDelegate", kind: "type", target: v => pageDelegate(v.pages, 0) },
            { tag: "PageIndicatorDelegate current", name: "current", kind: "hint", target: v => pageDelegate(v.pages, 1) },
            { tag: "ProgressBar", kind: "type", target: v => v.progress },
            { tag: "ProgressBar horizontal", name: "horizontal", kind: "hint", target: v => v.progress },
            { tag: "ProgressBar indeterminate", name: "indeterminate", kind: "hint", drive: v => v.progress.indeterminate = true,
              target: v => v.progress },
            { tag: "ProgressBar Track", name: "Track", kind: "type", target: v => v.progress.contentItem.children[0] },
            { tag: "Slider", kind: "type", target: v => v.slider },
            { tag: "Slider horizontal", name: "horizontal", kind: "hint", target: v => v.slider },
            { tag: "Slider vertical", name: "vertical", kind: "hint", drive: v => v.slider.orientation = Qt.Vertical, target: v => v.slider },
            { tag: "Slider changed", name: "changed", kind: "hint", drive: v => changed(v.slider), target: v => v.slider },
            { tag: "Slider Handle", name: "Handle", kind: "type", target: v => v.slider.handle },
            { tag: "Slider Fill", name: "Fill", kind: "type", target: v => v.slider.background.children[0] },
            { tag: "Slider TickMark", name: "TickMark", kind: "type", target: v => v.slider.background.children[1].children.find(tick => tick.index === 1) },
            { tag: "Slider TickMark active", name: "active", kind: "hint", target: v => v.slider.background.children[1].children.find(tick => tick.index === 0) },
            { tag: "RangeSlider", kind: "type", target: v => v.range },
            { tag: "RangeSlider horizontal", name: "horizontal", kind: "hint", target: v => v.range },
            { tag: "RangeSlider vertical", name: "vertical", kind: "hint", drive: v => v.range.orientation = Qt.Vertical, target: v => v.range },
            { tag: "RangeSlider first Handle", name: "Handle", kind: "type", target: v => v.range.first.handle },
            { tag: "RangeSlider first", name: "first", kind: "hint", target: v => v.range.first.handle },
            { tag: "RangeSlider second Handle", name: "Handle", kind: "type", target: v => v.range.second.handle },
            { tag: "RangeSlider second", name: "second", kind: "hint", target: v => v.range.second.handle },
            { tag: "RangeSlider Fill", name: "Fill", kind: "type", target: v => v.range.background.children[0] },
            { tag: "Dial", kind: "type", target: v => v.dial },
            { tag: "Dial Handle", name: "Handle", kind: "type", target: v => v.dial.handle },
            { tag: "ScrollBar", kind: "type", target: v => v.scrollBar },
            { tag: "ScrollBar horizontal", name: "horizontal", kind: "hint", target: v => v.scrollBar },
            { tag: "ScrollBar vertical", name: "vertical", kind: "hint", drive: v => v.scrollBar.orientation = Qt.Vertical,
              target: v => v.scrollBar },
            { tag: "ScrollBar noninteractive", name: "noninteractive", kind: "hint", drive: v => v.scrollBar.interactive = false,
              target: v => v.scrollBar },
            { tag: "ScrollBar Handle", name: "Handle", kind: "type", target: v => v.scrollBar.contentItem },
            { tag: "ScrollIndicator", kind: "type", target: v => v.scrollIndicator },
            { tag: "ScrollIndicator orientation horizontal", kind: "attribute", key: "orientation", name: "horizontal",
              target: v => v.scrollIndicator },
            { tag: "ScrollIndicator orientation vertical", kind: "attribute", key: "orientation", name: "vertical",
              drive: v => v.scrollIndicator.orientation = Qt.Vertical, target: v => v.scrollIndicator },
            { tag: "ScrollIndicator Handle", name: "Handle", kind: "type", target: v => v.scrollIndicator.contentItem }
        ].map(row => Object.assign({ component: ranges }, row))
    }

    function textRows() {
        return [
            { tag: "TextField", kind: "type", target: v => v.field },
            { tag: "TextField changed", name: "changed", kind: "hint", drive: v => changed(v.field), target: v => v.field },
            { tag: "TextField placeholder", name: "placeholder", kind: "hint", target: v => childText(v.field) },
            { tag: "TextField Menu", name: "Menu", kind: "type", drive: v => openContextMenu(v.field), target: v => v.field.T.ContextMenu.menu },
            { tag: "TextField context-menu", name: "context-menu", kind: "hint", drive: v => openContextMenu(v.field), target: v => v.field.T.ContextMenu.menu },
            { tag: "TextArea", kind: "type", target: v => v.area },
            { tag: "TextArea changed", name: "changed", kind: "hint", drive: v => changed(v.area), target: v => v.area },
            { tag: "TextArea placeholder", name: "placeholder", kind: "hint", target: v => childText(v.area) },
            { tag: "TextArea context-menu", name: "context-menu", kind: "hint", drive: v => openContextMenu(v.area), target: v => v.area.T.ContextMenu.menu },
            { tag: "SearchField", kind: "type", target: v => v.search },
            { tag: "SearchField SearchIndicator", name: "SearchIndicator", kind: "type", target: v => v.search.searchIndicator.indicator },
            { tag: "SearchField ClearIndicator", name: "ClearIndicator", kind: "type", target: v => v.search.clearIndicator.indicator },
            { tag: "SearchField placeholder", name: "placeholder", kind: "hint", target: v => childText(v.search.contentItem) },
            { tag: "SearchField Popup", name: "Popup", kind: "type", target: v => v.search.popup },
            { tag: "SearchField popup SearchField", name: "SearchField", kind: "hint", target: v => v.search.popup },
            { tag: "SearchField context-menu", name: "context-menu", kind: "hint", drive: v => openContextMenu(v.search), target: v => v.search.T.ContextMenu.menu },
            { tag: "ComboBox", kind: "type", target: v => v.combo },
            { tag: "ComboBox flat", name: "flat", kind: "hint", drive: v => v.combo.flat = true, target: v => v.combo },
            { tag: "ComboBox editable", name: "editable", kind: "hint", drive: v => v.combo.editable = true, target: v => v.combo },
            { tag: "ComboBox changed", name: "changed", kind: "hint", drive: v => changed(v.combo), target: v => v.combo },
            { tag: "ComboBox Indicator", name: "Indicator", kind: "type", target: v => v.combo.indicator },
            { tag: "ComboBox Popup", name: "Popup", kind: "type", target: v => v.combo.popup },
            { tag: "ComboBox combobox", name: "combobox", kind: "hint", target: v => v.combo.popup },
            { tag: "ComboBox ScrollView", name: "ScrollView", kind: "type", target: v => v.combo.popup.contentItem },
            { tag: "SpinBox", kind: "type", target: v => v.spin },
            { tag: "SpinBox editable", name: "editable", kind: "hint", target: v => v.spin },
            { tag: "SpinBox constrained", name: "constrained", kind: "hint", target: v => v.narrowSpin },
            { tag: "SpinBox changed", name: "changed", kind: "hint", drive: v => changed(v.spin), target: v => v.spin },
            { tag: "SpinBox Indicator", name: "Indicator", kind: "type", target: v => v.spin.up.indicator },
            { tag: "SpinBox increase", name: "increase", kind: "hint", target: v => v.spin.up.indicator },
            { tag: "SpinBox decrease", name: "decrease", kind: "hint", target: v => v.spin.down.indicator },
            { tag: "DoubleSpinBox", name: "SpinBox", kind: "type", target: v => v.doubleSpin },
            { tag: "DoubleSpinBox editable", name: "editable", kind: "hint", target: v => v.doubleSpin },
            { tag: "DoubleSpinBox constrained", name: "constrained", kind: "hint", target: v => v.narrowDoubleSpin },
            { tag: "DoubleSpinBox doublespinbox", name: "doublespinbox", kind: "hint", drive: v => v.doubleSpin.editable = false,
              target: v => v.doubleSpin },
            { tag: "DoubleSpinBox Indicator", name: "Indicator", kind: "type", target: v => v.doubleSpin.down.indicator },
            { tag: "DoubleSpinBox increase", name: "increase", kind: "hint", target: v => v.doubleSpin.up.indicator },
            { tag: "DoubleSpinBox decrease", name: "decrease", kind: "hint", target: v => v.doubleSpin.down.indicator },
            { tag: "Tumbler", kind: "type", target: v => v.tumbler },
            { tag: "Tumbler Text", name: "Text", kind: "type", target: v => v.tumbler.currentItem }
        ].map(row => Object.assign({ component: texts }, row))
    }

    function menuRows() {
        return [
            { tag: "Menu", kind: "type", target: v => v.menu },
            { tag: "MenuItem", kind: "type", target: v => v.checkableItem },
            { tag: "MenuItem exclusive", name: "exclusive", kind: "hint", target: v => v.exclusiveItem },
            { tag: "MenuItem with-submenu", name: "with-submenu", kind: "hint", target: v => v.menu.itemAt(4) },
            { tag: "MenuItem Indicator", name: "Indicator", kind: "type", target: v => v.checkableItem.indicator },
            { tag: "MenuItem Arrow", name: "Arrow", kind: "type", target: v => v.menu.itemAt(4).arrow },
            { tag: "MenuItem ShortcutText", name: "ShortcutText", kind: "type", target: v => descendantOfType(v.shortcutItem, "ShortcutText") },
            { tag: "MenuSeparator", kind: "type", target: v => v.separator },
            { tag: "MenuBar", kind: "type", target: v => v.bar },
            { tag: "MenuBarItem", kind: "type", target: v => v.bar.itemAt(0) }
        ].map(row => Object.assign({ component: menus }, row))
    }

    function containerRows() {
        return [
            { tag: "Pane", kind: "type", target: v => v.pane },
            { tag: "Frame", kind: "type", target: v => v.frame },
            { tag: "Page", kind: "type", target: v => v.page },
            { tag: "GroupBox", kind: "type", target: v => v.group },
            { tag: "GroupBox Header", name: "Header", kind: "type", target: v => v.group.label },
            { tag: "Label", kind: "type", target: v => v.label },
            { tag: "ToolBar", kind: "type", target: v => v.toolBar },
            { tag: "ToolBar header", name: "header", kind: "hint", target: v => v.toolBar },
            { tag: "ToolBar footer", name: "footer", kind: "hint", drive: v => v.toolBar.position = T.ToolBar.Footer,
              target: v => v.toolBar },
            { tag: "ToolBar inside-list", name: "inside-list", kind: "hint", target: v => v.barList.itemAtIndex(0) },
            { tag: "ToolSeparator", kind: "type", target: v => v.separator },
            { tag: "ToolSeparator horizontal", name: "horizontal", kind: "hint", drive: v => v.separator.orientation = Qt.Horizontal,
              target: v => v.separator },
            { tag: "ToolSeparator vertical", name: "vertical", kind: "hint", drive: v => v.separator.orientation = Qt.Vertical,
              target: v => v.separator },
            { tag: "ToolTip", kind: "type", target: v => v.tip }
        ].map(row => Object.assign({ component: containers }, row)).concat([
            { tag: "ApplicationWindow", kind: "type", component: applicationWindow, target: v => v }
        ])
    }

    function popupRows() {
        const box = (kind, fields) => Object.assign({ component: popups, kind: kind }, fields)
        const roles = [
            { button: T.Dialog.Ok, role: "accept" }, { button: T.Dialog.Cancel, role: "reject" },
            { button: T.Dialog.Discard, role: "destructive" }, { button: T.Dialog.Help, role: "help" },
            { button: T.Dialog.Yes, role: "yes" }, { button: T.Dialog.No, role: "no" },
            { button: T.Dialog.Reset, role: "reset" }, { button: T.Dialog.Apply, role: "apply" }
        ]
        // The overlays behind each type, modal and modeless, and the hints
        // they carry; the later one shows in the icon name.
        const overlays = [
            { type: "Popup", pick: v => v.popup, hints: [] },
            { type: "Dialog", pick: v => v.dialog, hints: ["dialog"] },
            { type: "Drawer", pick: v => v.drawer, hints: ["drawer"] }
        ]
        const rows = [
            box("type", { tag: "Popup", target: v => v.popup }),
            box("type", { tag: "Dialog", target: v => v.dialog }),
            box("type", { tag: "Dialog header Label", name: "Label", target: v => v.dialog.header }),
            box("hint", { tag: "Dialog header", name: "header", target: v => v.dialog.header }),
            box("type", { tag: "Dialog footer DialogButtonBox", name: "DialogButtonBox", target: v => v.dialog.footer }),
            box("type", { tag: "Drawer", target: v => v.drawer }),
            box("hint", { tag: "Drawer modal", name: "modal", target: v => v.drawer }),
            box("attribute", { tag: "Drawer edge left", key: "edge", name: "left", target: v => v.drawer }),
            box("attribute", { tag: "Drawer edge right", key: "edge", name: "right", drive: v => v.drawer.edge = Qt.RightEdge,
                               target: v => v.drawer }),
            box("attribute", { tag: "Drawer edge top", key: "edge", name: "top", drive: v => v.drawer.edge = Qt.TopEdge,
                               target: v => v.drawer }),
            box("attribute", { tag: "Drawer edge bottom", key: "edge", name: "bottom", drive: v => v.drawer.edge = Qt.BottomEdge,
                               target: v => v.drawer }),
            box("type", { tag: "DialogButtonBox", target: v => v.box }),
            box("attribute", { tag: "DialogButtonBox position footer", key: "position", name: "footer", target: v => v.box }),
            box("attribute", { tag: "DialogButtonBox position header", key: "position", name: "header",
                               drive: v => v.box.position = T.DialogButtonBox.Header, target: v => v.box }),
            box("type", { tag: "DialogButtonBox Button", name: "Button", target: v => v.box.standardButton(T.Dialog.Ok) })
        ]
        for (const entry of roles) {
            rows.push(box("attribute", { tag: "DialogButtonBox role " + entry.role, key: "role", name: entry.role,
                                         target: v => v.box.standardButton(entry.button) }))
        }
        for (const entry of [{ role: "action", value: T.DialogButtonBox.ActionRole },
                             { role: "invalid", value: T.DialogButtonBox.InvalidRole }]) {
            rows.push(box("attribute", { tag: "DialogButtonBox role " + entry.role, key: "role", name: entry.role,
                                         drive: v => v.box.standardButton(T.Dialog.Ok).T.DialogButtonBox.buttonRole = entry.value,
                                         target: v => v.box.standardButton(T.Dialog.Ok) }))
        }
        for (const overlay of overlays) {
            for (const modal of [true, false]) {
                const modality = modal ? "modal" : "modeless"
                const open = v => openPopup(overlay.pick(v), { modal: modal, dim: true })
                rows.push(box("type", { tag: overlay.type + " " + modality + " Overlay", name: "Overlay", drive: open,
                                        target: v => shownOverlay() }))
                rows.push(box("hint", { tag: overlay.type + " " + modality + " Overlay " + modality, name: modality,
                                        beside: overlay.hints.length > 0, drive: open, target: v => shownOverlay() }))
                for (const hint of overlay.hints) {
                    rows.push(box("hint", { tag: overlay.type + " " + modality + " Overlay " + hint, name: hint, drive: open,
                                            target: v => shownOverlay() }))
                }
            }
        }
        return rows
    }

    function scrollViewRows() {
        return [
            { tag: "ScrollView", kind: "type", target: v => v },
            { tag: "ScrollView horizontal-scroll", name: "horizontal-scroll", kind: "hint", drive: v => v.contentWidth = 500,
              target: v => v },
            { tag: "ScrollView vertical-scroll", name: "vertical-scroll", kind: "hint", drive: v => v.contentHeight = 500,
              target: v => v },
            { tag: "ScrollView framed-background", name: "framed-background", kind: "hint",
              drive: v => v.Quilt.StyleHints.showFramedBackground = true, target: v => v },
            { tag: "ScrollView ScrollBar", name: "ScrollBar", kind: "type", drive: v => v.contentHeight = 500,
              target: v => v.verticalBar }
        ].map(row => Object.assign({ component: scrollView }, row))
    }

    function test_name_data() {
        return [].concat(viewRows(), buttonRows(), tabRows(), delegateRows(), rangeRows(), textRows(), menuRows(),
                         containerRows(), popupRows(), scrollViewRows())
    }

    function expectedValue(data, name) {
        switch (data.kind) {
        case "type":
            return "type-" + name
        case "hint":
            return data.beside ? (name === "modal" ? 1 : 2) : "hint-" + name
        case "attribute":
            return attributes[data.key].values[name]
        }
    }

    function styleValue(data, item) {
        const properties = item.Quilt.Style.properties
        switch (data.kind) {
        case "type":
            return properties.text.font?.family
        case "hint":
            return data.beside ? properties.icon.width : properties.icon.name
        case "attribute":
            return attributes[data.key].read(properties)
        }
    }

    // The value of the element's attribute `key` while it takes part.
    function attributeValue(element, key) {
        const list = element.attributes
        for (let i = 0; i < list.length; ++i) {
            if (list[i].name === key && list[i].when)
                return list[i].value
        }
        return undefined
    }

    // The name as the element gives it, letter for letter: the style
    // matches attribute values whatever their case.
    function elementGives(data, element, name) {
        switch (data.kind) {
        case "type":
            return element.type === name
        case "hint":
            return element.activeHints.includes(name)
        case "attribute":
            return attributeValue(element, data.key) === name
        }
    }

    function test_name(data) {
        if (data.warning)
            ignoreWarning(data.warning)
        const v = createTemporaryObject(data.component ?? views, testCase, data.properties ?? {})
        verify(v, "no component")
        if (!data.component) {
            waitForItemPolished(v.table)
            waitForItemPolished(v.tree)
            waitForItemPolished(v.header)
            waitForItemPolished(v.rows)
        }
        if (data.drive) {
            data.drive(v)
            if (!data.component) {
                waitForItemPolished(v.table)
                waitForItemPolished(v.tree)
            }
        }
        let item = null
        tryVerify(() => (item = data.target(v)) ?? false, 2000, "no item")
        const name = data.name ?? data.tag
        const expected = expectedValue(data, name)
        verify(expected !== undefined, "no value for " + name)
        // Some names arrive later: items that the views create, popups that
        // open.
        for (let i = 0; i < 50 && styleValue(data, item) !== expected; ++i)
            wait(10)
        compare(styleValue(data, item), expected)
        verify(elementGives(data, item.Quilt.Element, name), "spelt otherwise: " + name)
    }
}
