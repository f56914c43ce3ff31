import QtQuick
import QtQuick.Controls
import QtTest
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "PushButtons"
    when: windowShown

    function init() {
        failOnWarning(/.*/)
    }

    function create(document) {
        return createTemporaryQmlObject("import QtQuick\nimport QtQuick.Controls\n" + document, testCase.Window.contentItem)
    }

    function test_hints_data() {
        return [
            { tag: "plain button", document: "Button { text: 'a' }", hints: [] },
            { tag: "menu role without text", document: "Button { Accessible.role: Accessible.ButtonMenu }", hints: [] },
            { tag: "menu role with text", document: "Button { text: 'a'; Accessible.role: Accessible.ButtonMenu }", hints: ["with-menu"] },
            { tag: "icon source", document: "Button { icon.source: 'qrc:/none.png' }", hints: ["with-icon"] },
            { tag: "icon name", document: "Button { icon.name: 'document-open' }", hints: ["with-icon"] },
            { tag: "flat button", document: "Button { flat: true }", hints: ["flat"] },
            { tag: "tool button", document: "ToolButton { text: 'a' }", hints: [] },
            { tag: "raised tool button", document: "ToolButton { flat: false }", hints: ["raised"] },
            { tag: "tool button menu", document: "ToolButton { text: 'a'; Accessible.role: Accessible.ButtonMenu }", hints: ["with-menu"] },
            { tag: "round button", document: "RoundButton { text: 'a'; icon.name: 'list-add'; Accessible.role: Accessible.ButtonMenu }", hints: [] },
            { tag: "flat round button", document: "RoundButton { flat: true }", hints: ["flat"] }
        ]
    }

    function test_hints(data) {
        const button = create(data.document)
        compare(button.Quilt.Element.activeHints, data.hints)
    }

    function test_withMenuFollowsTheText() {
        const button = create("Button { Accessible.role: Accessible.ButtonMenu }")
        verify(!button.Quilt.Element.activeHints.includes("with-menu"))
        button.text = "Menu"
        verify(button.Quilt.Element.activeHints.includes("with-menu"))
    }

    function test_flatAndRaisedFollowFlat() {
        const button = create("Button {}")
        const toolButton = create("ToolButton {}")
        verify(toolButton.flat)
        button.flat = true
        toolButton.flat = false
        compare(button.Quilt.Element.activeHints, ["flat"])
        compare(toolButton.Quilt.Element.activeHints, ["raised"])
        button.flat = false
        compare(button.Quilt.Element.activeHints, [])
    }

    // Button and RoundButton report `down`; ToolButton only a real press.
    function test_pressedState_data() {
        return [
            { tag: "Button", type: "Button", padding: 3 },
            { tag: "RoundButton", type: "RoundButton", padding: 3 },
            { tag: "ToolButton", type: "ToolButton", padding: 0 }
        ]
    }

    function test_pressedState(data) {
        const button = create(data.type + " { text: 'a' }")
        button.Quilt.Element.elementId = "probe"
        button.down = true
        compare(button.topPadding, data.padding)
        button.down = undefined
        compare(button.topPadding, 0)
    }

    function test_menuIndicator_data() {
        return [ { tag: "Button", type: "Button" }, { tag: "ToolButton", type: "ToolButton" } ]
    }

    // Hidden and without room until the style shows it.
    function test_menuIndicator(data) {
        const button = create(data.type + " { text: 'Menu' }")
        button.Quilt.Element.elementId = "menu"
        compare(button.indicator.implicitWidth, 10)
        verify(!button.indicator.visible)
        // Only the label takes room.
        tryVerify(() => button.implicitWidth > 0)
        verify(button.implicitWidth < button.contentItem.textItem.implicitWidth + 1)
        const menu = create(data.type + " { text: 'Menu'; Accessible.role: Accessible.ButtonMenu }")
        menu.Quilt.Element.elementId = "menu"
        verify(menu.indicator.visible)
        compare(menu.indicator.opacity, 0.5)
        tryVerify(() => menu.implicitWidth >= button.implicitWidth + 10)
    }

    function test_roundButtonHasNoIndicator() {
        const button = create("RoundButton { text: '+' }")
        compare(button.indicator, null)
        compare(button.contentItem.parts.length, 0)
    }

    function test_abstractButtonSizesByContent() {
        const button = create("AbstractButton { leftPadding: 3; rightPadding: 4; contentItem: Item { implicitWidth: 50; implicitHeight: 10 } }")
        compare(button.implicitWidth, 57)
        compare(button.implicitHeight, 10)
    }
}
