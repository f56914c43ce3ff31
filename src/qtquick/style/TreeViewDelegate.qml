import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt
import "private" as P

T.TreeViewDelegate {
    id: control

    required property var model
    required property int row
    // The template has no column of its own: without it every edit would
    // address column 0.
    required property int column

    // Until the content has been laid out its size is 0, which the view
    // refuses from a delegate: the text's measure stands in until then, and
    // the cell is at least 1 wide.
    implicitWidth: Math.max(1, implicitBackgroundWidth + leftInset + rightInset,
                            (implicitContentWidth + leftPadding + rightPadding > 0
                             ? implicitContentWidth : Math.ceil(fontMetrics.advanceWidth(control.text)))
                            + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             (implicitContentHeight + topPadding + bottomPadding > 0
                              ? implicitContentHeight : Math.ceil(fontMetrics.height))
                             + topPadding + bottomPadding)

    Quilt.Style.applied: "padding insets spacing icon"

    icon.name: control.model?.decoration ?? ""

    text: control.model?.display ?? ""
    indentation: indentationItem.Quilt.Style.properties.layout.width ?? 0

    // Rows selection (or none) highlights the whole current row.
    highlighted: control.selected || control.current
                 || (!!control.treeView
                     && (control.treeView.selectionBehavior === TableView.SelectRows
                         || control.treeView.selectionBehavior === TableView.SelectionDisabled)
                     && control.row === control.treeView.currentRow)

    Quilt.Element.type: "TreeViewDelegate"
    Quilt.Element.states.hovered: control.hovered
    Quilt.Element.states.activeFocus: control.activeFocus
    Quilt.Element.states.visualFocus: control.visualFocus
    Quilt.Element.states.pressed: control.down
    Quilt.Element.states.enabled: control.enabled
    Quilt.Element.states.highlighted: control.highlighted
    Quilt.Element.hintFlags: ({
        "alternating-colors": !!control.treeView && control.treeView.alternatingRows && control.row % 2 !== 0,
        "expanded": control.expanded,
        "editing": control.editing,
        "current": control.current,
        "selected": control.selected
    })

    FontMetrics {
        id: fontMetrics
        font: control.font
    }

    Item {
        id: indentationItem
        implicitWidth: control.depth * control.indentation
        implicitHeight: 1
        visible: control.isTreeNode && implicitWidth > 0
        Quilt.Element.type: "Indentation"
    }

    indicator: Quilt.Icon {
        implicitWidth: Quilt.Style.properties.layout.width ?? 0
        implicitHeight: Quilt.Style.properties.layout.height ?? 0
        color: Quilt.Style.properties.icon.color
        name: Quilt.Style.properties.icon.name
        visible: control.isTreeNode && control.hasChildren
        Quilt.Element.type: "Indicator"
    }

    contentItem: P.DefaultContentItem {
        id: content
        control: control
        parts: [indentationItem, control.indicator, content]
        visible: !control.editing
        alignment: Qt.AlignLeft
    }

    background: Quilt.StyledRectangle {}

    TableView.editDelegate: FocusScope {
        id: editor

        // The edit role where the model has one for the cell, else the
        // display role.
        readonly property int __role: {
            const view = control.treeView
            if (!view?.model)
                return Qt.DisplayRole
            return view.model.data(view.index(control.row, control.column), Qt.EditRole) !== undefined
                   ? Qt.EditRole : Qt.DisplayRole
        }

        width: parent?.width ?? 0
        height: parent?.height ?? 0
        Quilt.PositionedItem.source: Quilt.PositionerSource.Text

        // The attached view is already gone when the commit arrives; the
        // cell's view is the same one.
        TableView.onCommit: {
            const view = control.treeView
            view?.model?.setData(view.index(control.row, control.column), textField.text, editor.__role)
        }

        Component.onCompleted: textField.selectAll()

        TextField {
            id: textField
            // The content item lays out its children, not itself, and may
            // have no width of its own: the editor then spans the cell.
            width: (control.contentItem?.width ?? 0) > 0 ? control.contentItem.width : editor.width
            focus: true
            text: control.treeView?.model?.data(control.treeView.index(control.row, control.column), editor.__role) ?? ""
            horizontalAlignment: Quilt.Alignment.toQtHorizontal(textField.Quilt.Style.properties.text.alignment.horizontal)
            verticalAlignment: Quilt.Alignment.toQtVertical(textField.Quilt.Style.properties.text.alignment.vertical)
            background: Item {}
        }
    }
}
