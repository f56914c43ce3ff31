import QtQuick
import QtQuick.Controls
import "absurd.js" as Absurd

// Popups, dialogs, drawers on every edge, menus, menu bars, tool tips, button
// boxes and tab bars with absurd values. The sweep opens every popup here,
// sub-menus and the menus of the bar included.
Flow {
    id: root

    width: 800
    spacing: 2

    component Cell: Item { width: 90; height: 40 }

    Action {
        id: longAction
        text: Absurd.longText
        icon.name: Absurd.missingIconName
        icon.source: Absurd.missingIconSource
        icon.width: NaN
        icon.height: -Infinity
        checkable: true
        shortcut: "Ctrl+Alt+Shift+Meta+F35"
    }

    Cell {
        MenuBar {
            width: 90
            Menu {
                title: Absurd.longText
                Action { text: "&&&" }
                MenuSeparator { padding: NaN }
            }
            Menu { title: "&"; enabled: false }
            // Not infinitely wide: Qt's placement of a menu polishes it without end.
            Menu { title: ""; padding: NaN; width: 100000 }
            MenuBarItem { text: "\u202Ereversed\u0000\uFFFF\uD800"; padding: NaN; spacing: -Infinity }
            MenuBarItem { text: "i"; display: Absurd.badEnum; width: Infinity; height: NaN }
        }
    }
    Cell { MenuBar { width: NaN; height: -Infinity; padding: NaN; spacing: Absurd.huge } }
    Cell { MenuBarItem { menu: null; text: Absurd.longText; width: -5; highlighted: true } }

    Cell {
        Button {
            text: "t"
            ToolTip.text: Absurd.longText
            ToolTip.visible: true
            ToolTip.delay: NaN
            ToolTip.timeout: -Absurd.huge
        }
    }
    Cell { Button { text: "t"; ToolTip.text: "\u202E\u0000"; ToolTip.visible: true; ToolTip.delay: -1 } }
    Cell {
        Button {
            text: "t"
            ToolTip { text: Absurd.longText; padding: NaN; delay: Infinity; timeout: NaN }
        }
    }
    Cell { Button { text: "t"; ToolTip { text: "x"; width: NaN; height: -Infinity; margins: NaN } } }
    // Not at a NaN or infinite place: Qt's placement of a popup polishes it without end.
    Cell { Button { text: "t"; ToolTip { text: "x"; padding: Absurd.huge; leftInset: -Infinity; x: -Absurd.huge; y: Absurd.huge } } }
    Cell { Button { text: "t"; ToolTip { text: ""; font.pointSize: -5; implicitWidth: NaN } } }

    Cell { DialogButtonBox { standardButtons: Dialog.Ok | Absurd.huge; position: Absurd.badEnum; padding: NaN } }
    Cell { DialogButtonBox { standardButtons: Absurd.negativeEnum; alignment: Absurd.badEnum; spacing: -Infinity; width: NaN } }
    Cell {
        DialogButtonBox {
            width: Infinity
            spacing: NaN
            Button { text: Absurd.longText; DialogButtonBox.buttonRole: Absurd.badEnum }
            Button { text: "r"; DialogButtonBox.buttonRole: Absurd.negativeEnum }
        }
    }

    Cell {
        TabBar {
            width: 90
            currentIndex: Absurd.huge
            Repeater {
                model: 100
                TabButton {
                    required property int index
                    text: index % 10 ? "Tab " + index + Absurd.longText.slice(0, 200) : Absurd.longText
                }
            }
        }
    }
    Cell {
        TabBar {
            width: NaN
            spacing: NaN
            position: Absurd.badEnum
            currentIndex: -5
            Repeater {
                model: 100
                TabButton { width: index % 2 ? -10 : NaN; text: String(index) }
            }
        }
    }
    Cell { TabBar { width: Infinity; height: -Infinity; padding: NaN; contentHeight: NaN } }

    Popup { padding: NaN; Label { text: Absurd.longText } }
    // Not at a NaN or infinite place: Qt's placement of a popup polishes it without end.
    Popup { width: Infinity; height: NaN; x: Absurd.huge; y: -Absurd.huge; modal: true; dim: true }
    Popup { padding: -Absurd.huge; margins: NaN; implicitWidth: NaN; closePolicy: Absurd.badEnum }
    Popup { padding: Absurd.huge; leftInset: Infinity; topInset: NaN; contentItem: null; background: null }
    Popup { scale: NaN; opacity: NaN; z: Infinity; popupType: Absurd.badEnum; Label { text: "s" } }

    Dialog { title: Absurd.longText; padding: NaN; standardButtons: Absurd.negativeEnum; modal: true }
    Dialog { title: "d"; spacing: NaN; width: Infinity; height: -5; standardButtons: Dialog.Ok | Dialog.Cancel }
    Dialog { padding: Absurd.huge; margins: -Infinity; header: null; footer: null }
    Dialog {
        title: "\u202E\u0000"
        topPadding: NaN
        leftInset: -Infinity
        footer: DialogButtonBox { padding: NaN; standardButtons: Dialog.Ok }
        Label { text: Absurd.longText; width: NaN }
    }

    Drawer { edge: Qt.LeftEdge; width: Infinity; height: NaN; position: NaN; padding: NaN }
    Drawer { edge: Qt.RightEdge; width: -50; dragMargin: NaN; padding: Absurd.huge; Label { text: Absurd.longText } }
    Drawer { edge: Qt.TopEdge; height: NaN; position: Infinity; modal: false; dim: true; spacing: NaN }
    Drawer { edge: Qt.BottomEdge; height: Absurd.huge; dragMargin: -Infinity; leftInset: NaN; interactive: false }
    Drawer { edge: Absurd.badEnum; width: 50; position: -Absurd.huge }

    Menu {
        title: Absurd.longText
        padding: NaN
        margins: NaN
        Action { text: Absurd.longText; icon.name: Absurd.missingIconName; checkable: true; shortcut: "Ctrl+&" }
        Action { text: "&" + Absurd.longText; icon.source: Absurd.missingIconSource; icon.width: NaN }
        MenuItem { action: longAction; padding: NaN; spacing: Infinity }
        MenuItem { text: "x"; width: NaN; height: -Infinity; display: Absurd.badEnum; checkable: true }
        MenuItem { text: "\u202Ereversed\u0000\uFFFF\uD800"; icon.width: Absurd.huge; icon.height: -10 }
        MenuSeparator { width: Infinity; height: NaN; padding: -Absurd.huge }
        Menu {
            title: "overlap"
            // Not NaN: Qt's placement of a sub-menu recurses without end on it.
            overlap: -Absurd.huge
            cascade: true
            Action { text: "inside" }
        }
        Menu {
            title: Absurd.longText
            // Of its own width: Qt's placement of a sub-menu polishes one of
            // infinite width without end (and recurses without end for a
            // sub-menu of its own), and of a wide one beside an item of NaN
            // width as well.
            padding: Absurd.huge
            Menu {
                title: "deeper"
                delegate: null
                Action { text: "no delegate" }
            }
        }
    }

    // Hundreds of items, not thousands: a menu's cost grows faster than its
    // count of items, and the sweep must stay quick.
    Menu {
        id: longMenu
        Instantiator {
            model: 120
            delegate: MenuItem {
                required property int index
                text: index % 40 ? "Item " + index : Absurd.longText
            }
            onObjectAdded: (index, object) => longMenu.insertItem(index, object)
            onObjectRemoved: (index, object) => longMenu.removeItem(object)
        }
    }

    // Not at a NaN or infinite place: Qt's placement of a popup polishes it without end.
    Menu { width: NaN; height: Infinity; x: -Absurd.huge; y: Absurd.huge; currentIndex: Absurd.huge; delegate: null }
    Menu { implicitWidth: NaN; spacing: NaN; Action { text: "a" } MenuSeparator {} }
}
