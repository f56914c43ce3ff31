import QtQuick
import QtQuick.Controls
import org.vyr.quilt.impl as Quilt

// Item delegates alone, in a list view and in a table view.
Row {
    id: root

    function drive() {
        list.model = 6
        list.model = 2
        list.currentIndex = 1
        table.model = 5
        for (const control of [item, check, radio, toggle, swipe]) {
            control.toggle()
            control.forceActiveFocus()
            control.highlighted = true
        }
        swipe.swipe.open(SwipeDelegate.Right)
    }

    Column {
        width: 200
        ItemDelegate { id: item; text: "Item"; icon.name: "document-open"; width: 200 }
        CheckDelegate { id: check; text: "Check"; checked: true; width: 200 }
        RadioDelegate { id: radio; text: "Radio"; width: 200 }
        SwitchDelegate { id: toggle; text: "Switch"; width: 200 }
        SwipeDelegate { id: swipe; text: "Swipe"; width: 200 }
        ItemDelegate { text: "Disabled"; enabled: false; highlighted: true }
        SwitchDelegate { text: "Right to left"; LayoutMirroring.enabled: true; checked: true }
        ItemDelegate { display: AbstractButton.IconOnly }
        Repeater {
            model: 2
            ItemDelegate { text: "Repeated " + index; Quilt.StyleHints.useAlternatingColors: true }
        }
    }

    ListView {
        id: list
        width: 200
        height: 300
        model: 4
        delegate: Column {
            width: ListView.view?.width ?? 0
            ItemDelegate { text: "Nested " + index; width: parent?.width ?? 0 }
            CheckDelegate { text: "Row " + index; Quilt.StyleHints.useAlternatingColors: true }
        }
    }

    ListView {
        width: 200
        height: 300
        model: 3
        delegate: SwipeDelegate { text: "Swipe " + index }
    }

    ListView {
        width: 200
        height: 300
        model: 3
        delegate: SwitchDelegate { text: "Switch " + index }
    }

    TableView {
        id: table
        width: 200
        height: 300
        alternatingRows: true
        model: 3
        // The delegates know their size only after their first polish.
        rowHeightProvider: () => 30
        columnWidthProvider: () => 200
        delegate: RadioDelegate { text: "Cell " + row }
    }
}
