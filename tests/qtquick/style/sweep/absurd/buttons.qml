import QtQuick
import QtQuick.Controls
import "absurd.js" as Absurd

// Buttons, toggles, labels, actions and the bare controls with absurd values.
Flow {
    id: root

    width: 800
    spacing: 2

    // Keeps a control of absurd size from pushing the others out of reach.
    component Cell: Item { width: 90; height: 40 }

    property var orphanAttribute: DisplayAttribute { control: badDisplay }

    ActionGroup { id: group }
    ActionGroup { id: loose; exclusive: false; enabled: false }

    Action {
        id: longAction
        text: Absurd.longText
        icon.name: Absurd.missingIconName
        icon.source: Absurd.missingIconSource
        icon.width: NaN
        icon.height: -Infinity
        checkable: true
        shortcut: "Ctrl+Alt+Shift+Meta+F35"
        ActionGroup.group: group
    }
    Action { id: otherAction; checkable: true; checked: true; ActionGroup.group: group }
    Action { id: looseAction; text: "&"; checkable: true; ActionGroup.group: loose }

    Cell { Button { text: Absurd.longText } }
    Cell { Button { action: longAction } }
    Cell { Button { id: badDisplay; display: Absurd.badEnum; icon.name: Absurd.missingIconName; text: "x" } }
    Cell { Button { display: Absurd.negativeEnum; icon.source: Absurd.missingIconSource } }
    Cell { Button { width: -50; height: -Infinity; text: "negative" } }
    Cell { Button { width: Infinity; height: Absurd.huge; text: "infinite" } }
    Cell { Button { width: NaN; height: NaN; implicitWidth: NaN; implicitHeight: NaN; text: "nan" } }
    Cell { Button { padding: NaN; spacing: -Infinity; icon.source: Absurd.missingIconSource; text: "p" } }
    Cell { Button { padding: Absurd.huge; leftInset: NaN; topInset: -Infinity; text: "p" } }
    Cell { Button { padding: -Absurd.huge; rightInset: Absurd.huge; bottomInset: -30; text: "p" } }
    Cell { Button { icon.width: Absurd.huge; icon.height: NaN; icon.name: Absurd.missingIconName; text: "i" } }
    Cell { Button { icon.width: -10; icon.height: -10; icon.source: "qrc:/nothing.svg"; display: AbstractButton.IconOnly } }
    Cell { Button { text: "\u202Ereversed\u0000\uFFFF\uD800"; flat: true; highlighted: true } }
    Cell { Button { text: Absurd.longText; Accessible.role: Accessible.ButtonMenu; checkable: true; checked: true } }
    Cell { Button { Accessible.role: Absurd.badEnum; text: "role"; font.pointSize: -5 } }

    Cell { RoundButton { radius: NaN; text: "r" } }
    Cell { RoundButton { radius: -Infinity; text: Absurd.longText } }
    Cell { RoundButton { radius: Absurd.huge; icon.name: Absurd.missingIconName; width: Infinity } }

    Cell { ToolButton { text: Absurd.longText; display: Absurd.negativeEnum } }
    Cell { ToolButton { width: Infinity; height: -1; icon.source: Absurd.missingIconSource; flat: false } }
    Cell { ToolButton { padding: NaN; spacing: NaN; display: AbstractButton.TextUnderIcon; text: "t" } }

    Cell { AbstractButton { text: Absurd.longText; display: Absurd.badEnum; width: NaN } }

    Cell { CheckBox { text: Absurd.longText; tristate: true; checkState: Absurd.badEnum } }
    Cell { CheckBox { checkState: Absurd.negativeEnum; width: -1; height: -1; spacing: NaN } }
    Cell { CheckBox { action: looseAction; padding: Infinity; icon.name: Absurd.missingIconName } }

    Cell { RadioButton { text: Absurd.longText; width: Infinity } }
    Cell { RadioButton { action: otherAction; spacing: -Absurd.huge; display: Absurd.badEnum } }

    Cell { Switch { text: Absurd.longText; position: NaN } }
    Cell { Switch { position: Infinity; width: NaN; spacing: Infinity } }
    Cell { Switch { position: -Absurd.huge; checked: true; height: -5 } }

    Cell { DelayButton { delay: NaN; progress: NaN; text: "d" } }
    Cell { DelayButton { delay: -Infinity; progress: -Infinity; text: Absurd.longText } }
    Cell { DelayButton { delay: Absurd.huge; progress: Infinity; width: Infinity } }
    Cell { DelayButton { delay: 0; progress: Absurd.huge; display: Absurd.badEnum } }

    Cell { TabButton { text: Absurd.longText; width: -5 } }
    Cell { TabButton { icon.source: Absurd.missingIconSource; display: Absurd.badEnum; height: Infinity } }

    Cell { Label { text: Absurd.longText; width: 90; wrapMode: Text.Wrap; elide: Absurd.badEnum } }
    Cell { Label { text: Absurd.longText; width: -10; height: NaN; padding: NaN } }
    Cell { Label { textFormat: Text.RichText; text: "<a href='x'>" + Absurd.longText; width: Infinity } }
    Cell { Label { text: ""; padding: Absurd.huge; horizontalAlignment: Absurd.badEnum } }

    Cell { Control { padding: NaN; width: Infinity; contentItem: Item { implicitWidth: NaN } } }
    Cell { Control { leftPadding: -Infinity; topPadding: Absurd.huge; background: null; contentItem: null } }

    Cell {
        Container {
            currentIndex: Absurd.huge
            contentItem: Row {}
            Button { text: "in a container" }
        }
    }
    Cell { Container { currentIndex: -5; width: NaN; spacing: NaN } }

    Cell { DefaultContentItem { control: badDisplay } }
    Cell { DefaultContentItem { control: null; width: -1; height: NaN } }
}
