import QtQuick
import QtQuick.Controls
import QtTest
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "Delegates"
    when: windowShown
    width: 400
    height: 400

    Component {
        id: alternatingList
        ListView {
            property bool alternate: true
            width: 200
            height: 300
            model: 4
            delegate: ItemDelegate {
                width: ListView.view?.width ?? 0
                text: "Row " + index
                Quilt.StyleHints.useAlternatingColors: ListView.view?.alternate ?? false
            }
        }
    }

    Component {
        id: alternatingTable
        TableView {
            width: 200
            height: 300
            alternatingRows: true
            model: 3
            // The delegates know their size only after their first polish.
            rowHeightProvider: () => 30
            columnWidthProvider: () => 200
            delegate: CheckDelegate {
                text: "Row " + row
            }
        }
    }

    Component {
        id: nestedList
        ListView {
            width: 200
            height: 300
            model: 1
            delegate: Item {
                property alias item: item
                property alias swipe: swipe
                width: 200
                height: 40
                ItemDelegate { id: item }
                SwipeDelegate { id: swipe }
            }
        }
    }

    function init() {
        failOnWarning(/.*/)
    }

    function hints(control) {
        return control.Quilt.Element.activeHints
    }

    function test_alternatingList() {
        const list = createTemporaryObject(alternatingList, testCase.Window.contentItem)
        waitForPolish(list)
        const expected = [false, true, false, true]
        for (let index = 0; index < 4; ++index) {
            const delegate = list.itemAtIndex(index)
            compare(delegate.__alternatingColors, expected[index], "index " + index)
            compare(hints(delegate).includes("alternating-colors"), expected[index], "index " + index)
            compare(hints(delegate).includes("last-in-list"), index === 3, "index " + index)
            verify(hints(delegate).includes("inside-list"))
            verify(!hints(delegate).includes("inside-table"))
        }
        list.alternate = false
        for (let index = 0; index < 4; ++index)
            verify(!hints(list.itemAtIndex(index)).includes("alternating-colors"))
    }

    function test_lastInListMoves() {
        const list = createTemporaryObject(alternatingList, testCase.Window.contentItem)
        waitForPolish(list)
        verify(hints(list.itemAtIndex(3)).includes("last-in-list"))
        list.model = 5
        waitForPolish(list)
        verify(!hints(list.itemAtIndex(3)).includes("last-in-list"))
        verify(hints(list.itemAtIndex(4)).includes("last-in-list"))
    }

    function test_alternatingTable() {
        const table = createTemporaryObject(alternatingTable, testCase.Window.contentItem)
        waitForPolish(table)
        const expected = [false, true, false]
        for (let row = 0; row < 3; ++row) {
            const delegate = table.itemAtCell(0, row)
            verify(delegate, "row " + row)
            compare(hints(delegate).includes("alternating-colors"), expected[row], "row " + row)
            verify(hints(delegate).includes("inside-table"), "row " + row)
            verify(!hints(delegate).includes("inside-list"), "row " + row)
            verify(!hints(delegate).includes("last-in-list"), "row " + row)
        }
    }

    function test_insideListThroughParent() {
        const list = createTemporaryObject(nestedList, testCase.Window.contentItem)
        waitForPolish(list)
        const holder = list.itemAtIndex(0)
        verify(hints(holder.item).includes("inside-list"))
        verify(!hints(holder.swipe).includes("inside-list"))
    }

    function create(document) {
        return createTemporaryQmlObject("import QtQuick\nimport QtQuick.Controls\nimport org.vyr.quilt.impl as Quilt\n"
                                        + document, testCase.Window.contentItem)
    }

    function test_outsideAnyView_data() {
        return ["ItemDelegate", "CheckDelegate", "RadioDelegate", "SwitchDelegate", "SwipeDelegate"].map(
            type => ({ tag: type, type: type }))
    }

    function test_outsideAnyView(data) {
        const delegate = create(data.type + " { text: 'a' }")
        verify(!delegate.__alternatingColors)
        compare(hints(delegate).filter(hint => hint !== "hover-enabled"), [])
    }

    function test_hoverEnabledHint() {
        const delegate = create("ItemDelegate { hoverEnabled: true }")
        verify(hints(delegate).includes("hover-enabled"))
        delegate.hoverEnabled = false
        verify(!hints(delegate).includes("hover-enabled"))
    }

    // A content item larger than positioner and background sets the width.
    function test_itemDelegateSizesByContent() {
        const delegate = create("ItemDelegate { Quilt.Element.elementId: 'pad6'; contentItem: Item { implicitWidth: 300 } }")
        compare(delegate.implicitWidth, 306)
    }

    function test_checkIndicatorMinimum() {
        const delegate = create("CheckDelegate { Quilt.Element.elementId: 'bigindicator'; text: 'a' }")
        compare(delegate.indicator.Quilt.PositionedItem.minimumWidth, 30)
        compare(delegate.indicator.Quilt.PositionedItem.minimumHeight, 22)
        compare(delegate.indicator.width, 30)
        delegate.Quilt.Element.elementId = ""
        compare(delegate.indicator.Quilt.PositionedItem.minimumWidth, -1)
    }

    // The switch delegate's indicator and handle carry its states; the
    // switch's never do.
    function test_switchPartsCarryStates() {
        const delegate = create("SwitchDelegate { Quilt.Element.elementId: 'switchstates'; checked: true }")
        const handle = delegate.indicator.children[1]
        compare(delegate.indicator.Quilt.Style.properties.layout.inset.left, 1)
        compare(handle.x, 5)
        const control = create("Switch { Quilt.Element.elementId: 'switchstates'; checked: true }")
        compare(control.indicator.Quilt.Style.properties.layout.inset.left, undefined)
    }

    function test_swipePadding() {
        const delegate = create("SwipeDelegate { Quilt.Element.elementId: 'swipe'; text: 'a' }")
        compare(delegate.padding, 12)
        compare(delegate.leftPadding, 8)
        compare(delegate.rightPadding, 12)
        compare(delegate.topPadding, 0)
        compare(delegate.bottomPadding, 0)
        verify(delegate.clip)
        delegate.Quilt.Element.elementId = ""
        compare(delegate.padding, 0)
        compare(delegate.leftPadding, 0)
        compare(delegate.rightPadding, 0)
    }

    function test_fonts() {
        const check = create("CheckDelegate { Quilt.Element.elementId: 'font' }")
        const radio = create("RadioDelegate { Quilt.Element.elementId: 'font' }")
        compare(check.font.family, "QuiltFixtureFamily")
        verify(radio.font.family !== "QuiltFixtureFamily")
    }
}
