import QtQuick
import QtQuick.Controls

// Push buttons, toggles and item delegates, with icon and long text.
Flow {
    property bool mirrored: false

    width: 880
    spacing: 10
    LayoutMirroring.enabled: mirrored
    LayoutMirroring.childrenInherit: true

    Button { objectName: "button"; text: "&Button" }
    Button { objectName: "button-icon"; text: "Icon"; icon.name: "document-open" }
    Button { objectName: "button-long"; text: "A button with a long text that is cut short"; width: 150 }
    Button { objectName: "button-flat"; text: "Flat"; flat: true }
    Button { objectName: "button-menu"; text: "Menu"; Accessible.role: Accessible.ButtonMenu }
    RoundButton { objectName: "roundbutton"; text: "+" }
    ToolButton { objectName: "toolbutton"; text: "Tool"; icon.name: "edit-copy" }
    ToolButton { objectName: "toolbutton-under"; text: "Under"; icon.name: "edit-copy"; display: AbstractButton.TextUnderIcon }
    CheckBox { objectName: "checkbox"; text: "Check box" }
    RadioButton { objectName: "radiobutton"; text: "Radio button" }
    Switch { objectName: "switch"; text: "Switch" }
    ItemDelegate { objectName: "itemdelegate"; text: "Item delegate"; width: 200 }
    CheckDelegate { objectName: "checkdelegate"; text: "Check delegate"; width: 200 }
    RadioDelegate { objectName: "radiodelegate"; text: "Radio delegate"; width: 200 }
    SwitchDelegate { objectName: "switchdelegate"; text: "Switch delegate"; width: 200 }
    SwipeDelegate { objectName: "swipedelegate"; text: "Swipe delegate"; width: 200 }
}
