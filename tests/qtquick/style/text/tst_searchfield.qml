import QtQuick
import QtQuick.Templates as T
import QtTest
import org.vyr.quilt
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "SearchField"
    width: 400
    height: 600
    visible: true
    when: windowShown

    Component { id: searchField; SearchField {} }
    // The template has no placeholder text yet; the document reads the
    // instance's own.
    Component {
        id: withPlaceholder
        SearchField { property string placeholderText: "Search" }
    }
    Component {
        id: sizedRows
        SearchField {
            id: sized
            property real rowHeight: 20
            y: 100
            height: 30
            delegate: ItemDelegate {
                required property var model
                required property int index
                implicitHeight: sized.rowHeight
                width: ListView.view?.width
                text: model[sized.textRole]
                highlighted: sized.highlightedIndex === index
            }
        }
    }

    function init() {
        failOnWarning(/.*/)
    }

    function placeholderOf(field) {
        return field.contentItem.children.find(child => child.Quilt.Element.activeHints.includes("placeholder"))
    }

    function test_indicators() {
        const field = createTemporaryObject(searchField, testCase)
        const search = field.searchIndicator.indicator
        const clear = field.clearIndicator.indicator
        compare(search.Quilt.Element.type, "SearchIndicator")
        compare(clear.Quilt.Element.type, "ClearIndicator")
        compare(search.name, "search-symbolic")
        compare(search.implicitWidth, 16)
        compare(clear.name, "edit-clear-symbolic")
        compare(clear.implicitHeight, 14)
        verify(!clear.visible)
        field.text = "a"
        verify(clear.visible)
        field.text = ""
        verify(!clear.visible)
        compare(field.Quilt.Element.activeHints, [])
        compare(field.Quilt.Positioner.positionItems, [search, field.contentItem, clear])
        // The input is at least one line high, so the text shows.
        verify(field.contentItem.implicitHeight > 0)
        tryVerify(() => field.contentItem.height === Math.ceil(field.contentItem.implicitHeight))
    }

    function test_placeholder_data() {
        return [
            { tag: "centred", id: "centred", visibleWithFocus: false },
            { tag: "left", id: "", visibleWithFocus: true }
        ]
    }

    function test_placeholder(data) {
        const field = createTemporaryObject(withPlaceholder, testCase)
        field.Quilt.Element.elementId = data.id
        const placeholder = placeholderOf(field)
        compare(placeholder.text, "Search")
        compare(field.contentItem.placeholderText, "Search")
        verify(placeholder.visible)
        field.contentItem.forceActiveFocus()
        compare(placeholder.visible, data.visibleWithFocus)
        keyClick(Qt.Key_X)
        verify(!placeholder.visible)
    }

    // Without a placeholder text of the instance's, the text field's defaults.
    function test_missingTemplateProperties() {
        const field = createTemporaryObject(searchField, testCase)
        compare(field.contentItem.placeholderText, "")
        verify(field.contentItem.selectByMouse)
        compare(placeholderOf(field).text, "")
    }

    function test_elide() {
        const field = createTemporaryObject(withPlaceholder, testCase)
        const placeholder = placeholderOf(field)
        compare(placeholder.elide, Text.ElideRight)
        field.contentItem.wrapMode = TextInput.Wrap
        compare(placeholder.elide, Text.ElideNone)
    }

    // Window 600 high, field at 100 and 30 high, padding 0: at most 470.
    function test_popupHeight_data() {
        return [
            { tag: "capped", rows: 50, height: 470 },
            { tag: "fits", rows: 10, height: 200 }
        ]
    }

    function test_popupHeight(data) {
        const field = createTemporaryObject(sizedRows, testCase)
        compare(field.padding, 0)
        const model = []
        for (let i = 0; i < data.rows; ++i)
            model.push("row " + i)
        field.suggestionModel = model
        field.popup.open()
        tryVerify(() => field.popup.opened)
        compare(field.popup.y, 30)
        compare(field.popup.width, field.width)
        tryCompare(field.popup, "height", data.height)
        verify(field.popup.Quilt.Element.activeHints.includes("SearchField"))
        field.popup.close()
    }

    function test_rows() {
        const field = createTemporaryObject(searchField, testCase, { textRole: "name", suggestionModel: listModel })
        field.popup.open()
        tryVerify(() => field.popup.opened)
        const list = field.popup.contentItem
        const rows = () => list.contentItem.children.filter(child => child.text !== undefined)
        tryVerify(() => rows().length === 3)
        compare(rows().map(row => row.text).sort(), ["Alpha", "Beta", "Gamma"])
        field.forceActiveFocus()
        keyClick(Qt.Key_Down)
        keyClick(Qt.Key_Down)
        const highlighted = field.highlightedIndex
        verify(highlighted >= 0)
        compare(list.currentIndex, highlighted)
        for (const row of rows())
            compare(row.highlighted, row.index === highlighted)
        field.popup.close()
    }

    ListModel {
        id: listModel
        ListElement { name: "Alpha" }
        ListElement { name: "Beta" }
        ListElement { name: "Gamma" }
    }

    // The menu acts on the search text through the inner input.
    function test_contextMenu() {
        const field = createTemporaryObject(searchField, testCase, { width: 200 })
        const other = createTemporaryObject(searchField, testCase, { width: 200, y: 60 })
        field.text = "needle"
        tryVerify(() => field.contentItem.height > 0)
        const menu = field.T.ContextMenu.menu
        compare(menu.target, field.contentItem)
        mouseClick(field.contentItem, 5, field.contentItem.height / 2, Qt.RightButton)
        tryVerify(() => menu.opened)
        const items = []
        for (let i = 0; i < menu.count; ++i)
            items.push(menu.itemAt(i))
        for (const item of items)
            verify(item.visible)
        field.contentItem.selectAll()
        items[4].triggered()
        items[3].triggered()
        compare(field.text, "")
        items[5].triggered()
        compare(field.text, "needle")
        menu.close()
        other.contentItem.paste()
        compare(other.text, "needle")
    }
}
