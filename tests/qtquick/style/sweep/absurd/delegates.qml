import QtQuick
import QtQuick.Controls
import "absurd.js" as Absurd

// Item delegates alone and in views of a million rows, with absurd values.
// The delegates in the views mostly leave their height to their content: a
// view makes only the rows it shows.
Row {
    id: root

    spacing: 2

    Column {
        width: 150
        ItemDelegate { text: Absurd.longText; icon.name: Absurd.missingIconName; width: 150; highlighted: true }
        ItemDelegate { width: Infinity; height: NaN; display: Absurd.badEnum; text: "i" }
        ItemDelegate { width: -20; padding: NaN; spacing: Infinity; icon.source: Absurd.missingIconSource }
        CheckDelegate { text: Absurd.longText; tristate: true; checkState: Absurd.badEnum; width: 150 }
        CheckDelegate { checkState: Absurd.negativeEnum; width: NaN; display: Absurd.negativeEnum }
        RadioDelegate { text: Absurd.longText; width: 150; checked: true; padding: -Absurd.huge }
        RadioDelegate { width: Infinity; icon.width: NaN; icon.height: Infinity; icon.name: Absurd.missingIconName }
        SwitchDelegate { text: Absurd.longText; position: NaN; width: 150 }
        SwitchDelegate { position: Infinity; width: -1; checked: true }
        SwitchDelegate { position: -Absurd.huge; spacing: NaN; display: Absurd.badEnum }
        SwipeDelegate {
            text: Absurd.longText
            width: 150
            swipe.left: Label { text: "left" }
            swipe.right: Label { text: "right" }
            Component.onCompleted: swipe.open(SwipeDelegate.Right)
        }
        SwipeDelegate { width: NaN; swipe.behind: Rectangle { width: Infinity } }
        SwipeDelegate { padding: NaN; swipe.enabled: false; text: "s" }
    }

    ListView {
        width: 150
        height: 300
        model: Absurd.hugeCount
        currentIndex: Absurd.hugeCount - 1
        delegate: ItemDelegate {
            required property int index
            text: index === Absurd.hugeCount - 2 ? Absurd.longText : String(index)
            width: ListView.view.width
            highlighted: ListView.isCurrentItem
        }
        Component.onCompleted: positionViewAtIndex(Absurd.hugeCount - 3, ListView.Beginning)
    }

    ListView {
        width: 150
        height: 300
        model: Absurd.hugeCount
        delegate: CheckDelegate {
            required property int index
            text: String(index)
            checkState: index % 3 === 2 ? Absurd.badEnum : index % 3
            width: index % 2 ? -10 : 150
        }
    }

    ListView {
        width: 150
        height: 300
        model: Absurd.hugeCount
        // Without text and without a style's rules a row has nothing to
        // measure and is rightly 0 high: it is given its height.
        delegate: SwitchDelegate {
            required property int index
            text: index === 1 ? Absurd.longText : ""
            position: index % 2 ? NaN : Infinity
            height: 40
        }
    }

    ListView {
        width: 150
        height: 300
        model: Absurd.hugeCount
        delegate: SwipeDelegate {
            required property int index
            text: String(index)
            swipe.right: Label { text: index === 1 ? Absurd.longText : "" }
        }
    }

    ListView {
        width: 150
        height: 300
        model: Absurd.hugeCount
        delegate: RadioDelegate {
            required property int index
            text: String(index)
            height: index % 2 ? 40 : Infinity
        }
    }
}
