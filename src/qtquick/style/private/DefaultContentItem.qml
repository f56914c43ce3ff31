import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

// The icon and the label of a button, placed by the button's positioner.
// Neither child has an element of its own: both read the button's style,
// through the button, so that no inner item builds a style tree of its own.
Item {
    id: root

    required property T.AbstractButton control

    // How far the template has moved this item on its own (a swipe delegate
    // while it is swiped). The positioner places the icon and the text in the
    // control's coordinates, where that move does not show: they take it as a
    // shift of their own.
    property real __shift: 0

    readonly property var __text: root.control?.Quilt.Style.properties.text

    // The style's wrap modes carry the numbers of Qt's text wrap modes.
    property int wrapMode: __text?.wrapMode ?? Text.NoWrap
    property int elide: {
        switch (__text?.elide) {
        case 0: return Text.ElideNone
        case 1: return Text.ElideLeft
        case 2: return Text.ElideMiddle
        default: return Text.ElideRight
        }
    }

    // Until the control's positioner has laid the content out, and for good
    // where the style answers nothing and so nothing is laid out, the icon
    // and the text give the content a size: a control that measured nothing
    // would have a view create every one of its rows. Once laid out, the
    // positioner's size stands for the whole control and the content claims
    // none.
    readonly property bool __unplaced: (root.control?.Quilt.Positioner.implicitWidth ?? 0) < 0
    implicitWidth: __unplaced ? (icon.visible ? icon.implicitWidth : 0) + (label.visible ? label.implicitWidth : 0) : 0
    implicitHeight: __unplaced ? Math.max(icon.visible ? icon.implicitHeight : 0, label.visible ? label.implicitHeight : 0)
                               : 0

    Quilt.PositionedItem.positionChildren: true
    Quilt.Mnemonics.enabled: (root.control?.enabled ?? false) && (root.control?.visible ?? false)
    Quilt.Mnemonics.controlType: Quilt.Mnemonics.ActionElement
    Quilt.Mnemonics.label: root.control?.text ?? ""

    Quilt.Icon {
        id: icon
        transform: Translate { x: root.__shift }
        Quilt.PositionedItem.source: Quilt.PositionerSource.Icon
        Quilt.PositionedItem.minimumWidth: root.control?.icon.width ?? 0
        Quilt.PositionedItem.minimumHeight: root.control?.icon.height ?? 0
        control: root.control
        visible: (name !== "" || source.toString() !== "")
                 && root.control?.display !== T.AbstractButton.TextOnly
    }

    Text {
        id: label
        transform: Translate { x: root.__shift }
        Quilt.PositionedItem.source: Quilt.PositionerSource.Text
        // One line is laid out, and elided again at every resize, over its
        // whole length, though no screen shows more than a few thousand
        // characters of it: a longer one keeps its first and last 2,048, for
        // an elision on either side.
        text: {
            const label = root.Quilt.Mnemonics.richTextLabel ?? root.control?.text ?? ""
            return root.wrapMode === Text.NoWrap && label.length > 4096
                   ? label.slice(0, 2048) + label.slice(-2048) : label
        }
        font: root.control?.font ?? Qt.application.font
        color: root.__text?.color ?? "black"
        elide: root.wrapMode === Text.NoWrap ? root.elide : Text.ElideNone
        wrapMode: root.wrapMode
        visible: root.control?.display !== T.AbstractButton.IconOnly && text !== ""
        horizontalAlignment: {
            switch (root.__text?.alignment.vertical) {
            case Quilt.Alignment.StackCenter: return Qt.AlignCenter
            case Quilt.Alignment.StackFill: return Qt.AlignJustify
            default: return Qt.AlignLeft
            }
        }
    }
}
