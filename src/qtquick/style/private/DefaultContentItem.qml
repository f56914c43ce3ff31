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

    // Where the icon and the text go when the style places neither (it sets
    // no alignment for them): the content then lays them out itself, as
    // Qt's own styles do, beside each other or the text under the icon.
    property int alignment: Qt.AlignCenter

    readonly property bool __selfPlaced: {
        const placedBy = group => group.container !== undefined || group.horizontal !== undefined
                                  || group.vertical !== undefined || group.order !== undefined
        const style = root.control?.Quilt.Style.properties
        return !style || (!placedBy(style.text.alignment) && !placedBy(style.icon.alignment))
    }

    // Until the control's positioner has laid the content out, and for good
    // where the style places neither part, the icon and the text give the
    // content a size: a control that measured nothing would have a view
    // create every one of its rows. Once laid out, the positioner's size
    // stands for the whole control and the content claims none.
    readonly property bool __unplaced: __selfPlaced || (root.control?.Quilt.Positioner.implicitWidth ?? 0) < 0
    readonly property bool __stacked: root.control?.display === T.AbstractButton.TextUnderIcon
    readonly property real __gap: icon.visible && label.visible ? (root.control?.spacing ?? 0) : 0
    readonly property real __iconWidth: icon.visible ? icon.implicitWidth : 0
    readonly property real __iconHeight: icon.visible ? icon.implicitHeight : 0
    readonly property real __textWidth: label.visible ? label.implicitWidth : 0
    readonly property real __textHeight: label.visible ? label.implicitHeight : 0
    implicitWidth: !__unplaced ? 0 : __stacked ? Math.max(__iconWidth, __textWidth) : __iconWidth + __gap + __textWidth
    implicitHeight: !__unplaced ? 0 : __stacked ? __iconHeight + __gap + __textHeight : Math.max(__iconHeight, __textHeight)

    // The self-placed parts, in the content's own box (which a swiped
    // delegate moves, parts and all); the text is cut short to fit it.
    readonly property real __placedTextWidth: Math.max(0, Math.min(__textWidth, __stacked ? width : width - __iconWidth - __gap))
    readonly property real __groupWidth: __stacked ? Math.max(__iconWidth, __placedTextWidth)
                                                   : __iconWidth + __gap + __placedTextWidth
    readonly property real __groupX: {
        let horizontal = alignment & Qt.AlignHorizontal_Mask
        if (root.control?.mirrored)
            horizontal = horizontal & Qt.AlignLeft ? Qt.AlignRight : horizontal & Qt.AlignRight ? Qt.AlignLeft : horizontal
        return horizontal & Qt.AlignLeft ? 0 : horizontal & Qt.AlignRight ? width - __groupWidth : (width - __groupWidth) / 2
    }
    readonly property real __groupY: (height - (__stacked ? __iconHeight + __gap + __textHeight : 0)) / 2

    Quilt.PositionedItem.positionChildren: true
    Quilt.Mnemonics.enabled: (root.control?.enabled ?? false) && (root.control?.visible ?? false)
    Quilt.Mnemonics.controlType: Quilt.Mnemonics.ActionElement
    Quilt.Mnemonics.label: root.control?.text ?? ""

    Quilt.Icon {
        id: icon
        transform: Translate { x: root.__selfPlaced ? 0 : root.__shift }
        Quilt.PositionedItem.source: Quilt.PositionerSource.Icon
        Quilt.PositionedItem.minimumWidth: root.control?.icon.width ?? 0
        Quilt.PositionedItem.minimumHeight: root.control?.icon.height ?? 0
        control: root.control
        visible: (name !== "" || source.toString() !== "")
                 && root.control?.display !== T.AbstractButton.TextOnly
        Binding on x {
            when: root.__selfPlaced
            value: Math.round(root.__stacked ? root.__groupX + (root.__groupWidth - root.__iconWidth) / 2
                              : root.control?.mirrored ? root.__groupX + root.__groupWidth - root.__iconWidth : root.__groupX)
        }
        Binding on y {
            when: root.__selfPlaced
            value: Math.round(root.__stacked ? root.__groupY : (root.height - root.__iconHeight) / 2)
        }
    }

    Text {
        id: label
        transform: Translate { x: root.__selfPlaced ? 0 : root.__shift }
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
        Binding on x {
            when: root.__selfPlaced
            value: Math.round(root.__stacked ? root.__groupX + (root.__groupWidth - root.__placedTextWidth) / 2
                              : root.control?.mirrored ? root.__groupX : root.__groupX + root.__iconWidth + root.__gap)
        }
        Binding on y {
            when: root.__selfPlaced
            value: Math.round(root.__stacked ? root.__groupY + root.__iconHeight + root.__gap
                                             : (root.height - root.__textHeight) / 2)
        }
    }
}
