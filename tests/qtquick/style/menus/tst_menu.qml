import QtQuick
import QtQuick.Controls
import QtTest
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "Menu"
    width: 400
    height: 400
    visible: true
    when: windowShown

    function init() {
        failOnWarning(/.*/)
    }

    // The parts of a menu item's content: icon, text, shortcut text.
    function iconOf(item) {
        return item.contentItem.children[0]
    }
    function textOf(item) {
        return item.contentItem.children[1]
    }
    function shortcutTextOf(item) {
        return item.contentItem.children[2]
    }
    function shortcutOf(item) {
        const resources = shortcutTextOf(item).resources
        for (let i = 0; i < resources.length; ++i) {
            if (resources[i].nativeText !== undefined)
                return resources[i]
        }
        return null
    }

    // Open, and laid out: the list places its items when it polishes.
    function openMenu(menu) {
        menu.open()
        tryCompare(menu, "opened", true)
        waitForItemPolished(menu.contentItem)
    }

    Component {
        id: oneItemMenu
        Menu {
            property alias item: item
            MenuItem {
                id: item
                text: "Item"
            }
        }
    }

    Component {
        id: columnMenu
        Menu {
            property alias plain: plain
            property alias both: both
            MenuItem {
                id: plain
                text: "Plain"
            }
            MenuItem {
                id: both
                text: "Both"
                checkable: true
                icon.name: "document-open"
            }
        }
    }

    Component {
        id: subMenuComponent
        Menu {
            title: "More"
            MenuItem { text: "Inside" }
        }
    }

    Component {
        id: arrowMenu
        Menu {
            property alias first: first
            property alias withShortcut: withShortcut
            MenuItem {
                id: first
                text: "First"
            }
            MenuItem {
                id: withShortcut
                action: Action {
                    text: "With a shortcut and a rather long text"
                    shortcut: "Ctrl+K"
                }
            }
        }
    }

    // a: the indicator when checkable; b: the icon when it has a name; c:
    // the spacing, twice beside both.
    function test_textPadding_data() {
        return [
            { tag: "plain", checkable: false, iconName: "", iconSource: "", padding: 4 },
            { tag: "checkable", checkable: true, iconName: "", iconSource: "", padding: 20 },
            { tag: "icon", checkable: false, iconName: "document-open", iconSource: "", padding: 20 },
            { tag: "checkable and icon", checkable: true, iconName: "document-open", iconSource: "", padding: 40 },
            // An icon given only by a file has no name: no room, no icon.
            { tag: "source only", checkable: false, iconName: "", iconSource: "file:///nonexistent.png", padding: 4 }
        ]
    }

    function test_textPadding(data) {
        const menu = createTemporaryObject(oneItemMenu, testCase)
        const item = menu.item
        item.checkable = data.checkable
        item.icon.name = data.iconName
        item.icon.source = data.iconSource
        openMenu(menu)
        tryCompare(item, "textPadding", data.padding)
        compare(textOf(item).x, data.padding)
        compare(iconOf(item).visible, data.iconName !== "")
        compare(item.indicator.visible, data.checkable)
        compare(item.indicator.x, item.leftPadding)
    }

    // All texts of a menu start on one column; each icon stands just before it.
    function test_textColumn() {
        const menu = createTemporaryObject(columnMenu, testCase)
        openMenu(menu)
        tryCompare(menu.plain, "textPadding", 40)
        compare(menu.both.textPadding, 40)
        compare(textOf(menu.plain).x, 40)
        compare(textOf(menu.both).x, 40)
        compare(iconOf(menu.both).x + iconOf(menu.both).width, 40 - 4)
        compare(iconOf(menu.plain).visible, false)
        // The content's width: text, text padding, the shortcut text's
        // spacing even without a shortcut.
        const text = textOf(menu.plain)
        compare(menu.plain.contentItem.implicitWidth, Math.ceil(text.implicitWidth) + 40 + 0 + 12 + 0)
    }

    function test_arrowRoom() {
        const menu = createTemporaryObject(arrowMenu, testCase)
        openMenu(menu)
        const view = menu.contentItem
        const first = menu.first
        compare(view.hasAnySubmenu, false)
        const width = first.contentItem.implicitWidth
        compare(textOf(first).anchors.rightMargin, 0)
        compare(shortcutTextOf(menu.withShortcut).anchors.rightMargin, 0)

        // A sub-menu added later makes room in every item.
        menu.addMenu(subMenuComponent.createObject(menu))
        const subItem = menu.itemAt(2)
        verify(subItem.subMenu)
        verify(subItem.arrow.visible)
        compare(subItem.arrow.width, 10)
        compare(subItem.arrow.name, "pan-end-symbolic")
        tryCompare(view, "hasAnySubmenu", true)
        compare(first.contentItem.implicitWidth, width + 4 + 10)
        compare(textOf(first).anchors.rightMargin, 10 + 4)
        // Beside a shortcut the text runs to the content's end; the shortcut
        // text keeps clear of the arrow.
        compare(textOf(menu.withShortcut).anchors.rightMargin, 0)
        compare(shortcutTextOf(menu.withShortcut).anchors.rightMargin, 10 + 4)
        compare(subItem.arrow.x + subItem.arrow.width, subItem.width - subItem.rightPadding)

        // Gone again when the only item with an arrow hides.
        subItem.visible = false
        compare(view.hasAnySubmenu, false)
        compare(first.contentItem.implicitWidth, width)
        compare(textOf(first).anchors.rightMargin, 0)
        subItem.visible = true
        compare(view.hasAnySubmenu, true)
    }

    Component {
        id: hiddenItemMenu
        Menu {
            property alias shown: shown
            property alias hidden: hidden
            MenuItem {
                id: shown
                text: "Short"
            }
            MenuItem {
                id: hidden
                text: "A hidden item with a much longer text"
                visible: false
            }
            MenuItem {
                id: last
                text: "Last"
            }
        }
    }

    // No height, no gap, but counted for the menu's width.
    function test_hiddenItem() {
        const menu = createTemporaryObject(hiddenItemMenu, testCase)
        openMenu(menu)
        compare(menu.hidden.implicitHeight, 0)
        verify(menu.shown.implicitHeight > 0)
        verify(menu.hidden.implicitWidth > menu.shown.implicitWidth)
        compare(menu.implicitWidth, menu.hidden.implicitWidth + 5 + 5)
        tryCompare(menu.contentItem, "contentHeight", 2 * menu.shown.implicitHeight)
        compare(menu.implicitHeight, 2 * menu.shown.implicitHeight + 3 + 3)
        menu.hidden.visible = true
        compare(menu.hidden.implicitHeight, menu.shown.implicitHeight)
    }

    Component {
        id: shortcutMenu
        Menu {
            property alias withShortcut: withShortcut
            property alias withoutShortcut: withoutShortcut
            property alias plain: plain
            MenuItem {
                id: withShortcut
                action: Action {
                    text: "Cut"
                    shortcut: "Ctrl+K"
                }
            }
            MenuItem {
                id: withoutShortcut
                action: Action { text: "Paste" }
            }
            MenuItem {
                id: plain
                text: "Plain"
            }
            MenuItem {
                id: standardKey
                action: Action {
                    text: "Copy"
                    shortcut: StandardKey.Copy
                }
            }
        }
    }

    function test_shortcutText() {
        const menu = createTemporaryObject(shortcutMenu, testCase)
        openMenu(menu)
        const shown = shortcutTextOf(menu.withShortcut)
        verify(shown.visible)
        compare(shown.text, shortcutOf(menu.withShortcut).nativeText)
        verify(shown.text !== "")
        compare(shown.horizontalAlignment, Text.AlignRight)
        compare(shown.x, menu.withShortcut.textPadding)
        compare(shortcutOf(menu.withShortcut).enabled, false)
        compare(menu.withShortcut.contentItem.implicitWidth,
                Math.ceil(textOf(menu.withShortcut).implicitWidth) + menu.withShortcut.textPadding + 12
                + Math.ceil(shown.implicitWidth))

        for (const item of [menu.withoutShortcut, menu.plain]) {
            const hidden = shortcutTextOf(item)
            compare(hidden.visible, false)
            compare(hidden.text, "")
            compare(shortcutOf(item).sequences.length, 0)
        }

        // A standard key that stands for several sequences shows the first.
        verify(shortcutTextOf(menu.itemAt(3)).text !== "")

        // A closed menu holds no key sequence.
        menu.close()
        tryCompare(menu, "visible", false)
        compare(shortcutOf(menu.withShortcut).sequences.length, 0)
    }

    Component {
        id: actionInMenu
        Item {
            property alias menu: menu
            property alias action: action
            Action {
                id: action
                text: "Act"
                shortcut: "Ctrl+K"
            }
            Menu {
                id: menu
                MenuItem { action: action }
            }
        }
    }

    Component {
        id: signalSpy
        SignalSpy {}
    }

    // Every press of the action's shortcut reaches the action while the
    // menu shows that shortcut.
    function test_shortcutPresses() {
        const holder = createTemporaryObject(actionInMenu, testCase)
        const spy = createTemporaryObject(signalSpy, testCase, { target: holder.action, signalName: "triggered" })
        for (let press = 1; press <= 4; ++press) {
            openMenu(holder.menu)
            verify(shortcutTextOf(holder.menu.itemAt(0)).visible)
            keyClick(Qt.Key_K, Qt.ControlModifier)
            compare(spy.count, press)
            holder.menu.close()
            tryCompare(holder.menu, "visible", false)
        }
    }

    Component {
        id: mnemonicMenu
        Menu {
            property alias item: item
            MenuItem {
                id: item
                text: "&Open"
            }
        }
    }

    // The text shows the label without its marker, and the underlined letter
    // while mnemonics are shown. (Alt closes an open menu, so they are shown
    // by hand here; the menu bar below holds Alt.)
    function test_mnemonic() {
        const menu = createTemporaryObject(mnemonicMenu, testCase)
        openMenu(menu)
        const text = textOf(menu.item)
        compare(text.text, "Open")
        compare(String(menu.item.Quilt.Mnemonics.sequence), "Alt+O")
        menu.item.Quilt.Mnemonics.active = true
        compare(text.text, "<u>O</u>pen")
        menu.item.Quilt.Mnemonics.active = false
        compare(text.text, "Open")
        // A hidden item gives up its letter.
        menu.close()
        tryCompare(menu, "visible", false)
        compare(String(menu.item.Quilt.Mnemonics.sequence), "")
    }

    Component {
        id: tallMenu
        Menu {
            id: menu
            Instantiator {
                model: 40
                delegate: MenuItem { text: "Item" }
                onObjectAdded: (index, object) => menu.insertItem(index, object)
            }
        }
    }

    Component {
        id: blockMenu
        Menu {
            height: 100
            Item {
                implicitWidth: 50
                implicitHeight: 500
            }
        }
    }

    // Flickable only when taller than the menu, and never outside a window.
    function test_flickable() {
        const short = createTemporaryObject(oneItemMenu, testCase)
        openMenu(short)
        compare(short.contentItem.interactive, false)

        const tall = createTemporaryObject(tallMenu, testCase)
        openMenu(tall)
        verify(tall.height < tall.implicitHeight)
        compare(tall.contentItem.interactive, true)

        const outside = createTemporaryObject(blockMenu, null)
        compare(outside.contentItem.Window.window, null)
        compare(outside.contentItem.interactive, false)
        outside.open()
        compare(outside.contentItem.interactive, false)
        const inside = createTemporaryObject(blockMenu, testCase)
        openMenu(inside)
        compare(inside.contentItem.interactive, true)
    }

    Component {
        id: hintMenu
        Item {
            property alias plain: plain
            property alias autoExclusive: autoExclusive
            property alias exclusiveAction: exclusiveAction
            property alias sharedAction: sharedAction
            property alias buttonGroup: buttonGroup
            property alias looseGroup: looseGroup
            property alias menu: menu
            ActionGroup {
                id: exclusiveGroup
                exclusive: true
            }
            ActionGroup {
                id: sharedGroup
                exclusive: false
            }
            ButtonGroup {
                id: exclusiveButtons
                exclusive: true
            }
            ButtonGroup {
                id: looseButtons
                exclusive: false
            }
            Menu {
                id: menu
                MenuItem {
                    id: plain
                    text: "Plain"
                    checkable: true
                }
                MenuItem {
                    id: autoExclusive
                    text: "Auto"
                    autoExclusive: true
                }
                MenuItem {
                    id: exclusiveAction
                    action: Action {
                        text: "In an exclusive group"
                        ActionGroup.group: exclusiveGroup
                    }
                }
                MenuItem {
                    id: sharedAction
                    action: Action {
                        text: "In a shared group"
                        ActionGroup.group: sharedGroup
                    }
                }
                MenuItem {
                    id: buttonGroup
                    text: "Button group"
                    ButtonGroup.group: exclusiveButtons
                }
                MenuItem {
                    id: looseGroup
                    text: "Loose button group"
                    ButtonGroup.group: looseButtons
                }
                Menu {
                    title: "Sub"
                }
            }
        }
    }

    function test_hints_data() {
        return [
            { tag: "plain", item: "plain", hints: [] },
            { tag: "autoExclusive", item: "autoExclusive", hints: ["exclusive"] },
            { tag: "exclusive action group", item: "exclusiveAction", hints: ["exclusive"] },
            { tag: "shared action group", item: "sharedAction", hints: [] },
            { tag: "exclusive button group", item: "buttonGroup", hints: ["exclusive"] },
            { tag: "loose button group", item: "looseGroup", hints: [] },
            { tag: "sub-menu", item: "sub", hints: ["with-submenu"] }
        ]
    }

    function test_hints(data) {
        const holder = createTemporaryObject(hintMenu, testCase)
        const item = data.item === "sub" ? holder.menu.itemAt(holder.menu.count - 1) : holder[data.item]
        compare(item.Quilt.Element.activeHints, data.hints)
    }

    Component {
        id: separatorComponent
        MenuSeparator {}
    }

    function test_separatorWithoutStyle() {
        const separator = createTemporaryObject(separatorComponent, testCase)
        compare(separator.implicitWidth, 0)
        compare(separator.implicitHeight, 0)
        compare(separator.hoverEnabled, false)
    }

    Component {
        id: barComponent
        MenuBar {
            Menu { title: "&File" }
            Menu { title: "&Edit" }
            Menu { title: "" }
        }
    }

    function test_menuBar() {
        const bar = createTemporaryObject(barComponent, testCase)
        const first = bar.itemAt(0)
        const second = bar.itemAt(1)
        const empty = bar.itemAt(2)
        waitForItemPolished(bar.contentItem)
        // Side by side, touching.
        compare(second.x, first.x + first.width)
        compare(empty.implicitHeight >= 3 + 3, true)
        compare(bar.implicitHeight, first.implicitHeight + 1 + 1)
        // Without a style colour the label takes the palette's window text.
        compare(first.contentItem.color, first.palette.windowText)
        compare(first.contentItem.text, "File")

        // The bar's labels underline their letters while Alt is held.
        keyPress(Qt.Key_Alt)
        compare(first.contentItem.text, "<u>F</u>ile")
        keyRelease(Qt.Key_Alt)
        compare(first.contentItem.text, "File")

        // An icon-only item shows no label, keeps its size and draws no icon.
        const width = first.implicitWidth
        first.display = AbstractButton.IconOnly
        compare(first.contentItem.visible, false)
        compare(first.implicitWidth, width)
    }

    function test_menuBarDisabled() {
        const bar = createTemporaryObject(barComponent, testCase)
        bar.enabled = false
        compare(bar.Quilt.Element.states.enabled, true)
        compare(bar.Quilt.Element.states.activeStates, 0)
        compare(bar.itemAt(0).Quilt.Element.states.enabled, false)
    }

    // An item given NaN or infinite padding keeps a finite size: the bar's
    // row lays it out once, not again on every pass (a warning fails).
    function test_menuBarItemAbsurdPadding() {
        const bar = createTemporaryObject(barComponent, testCase)
        const first = bar.itemAt(0)
        first.leftPadding = NaN
        first.rightPadding = Infinity
        first.topPadding = -Infinity
        waitForItemPolished(bar.contentItem)
        verify(Number.isFinite(first.implicitWidth), "implicitWidth: " + first.implicitWidth)
        verify(Number.isFinite(first.implicitHeight), "implicitHeight: " + first.implicitHeight)
        compare(bar.itemAt(1).x, first.x + first.width)
    }
}
