import QtQuick
import QtQuick.Templates as T
import Qt.labs.qmlmodels as QtLabsQmlModels
import org.vyr.quilt.impl as Quilt

T.TableViewDelegate {
    id: control

    required property int column
    required property int row
    required property var model

    // At least 1 wide: the view refuses a cell of width 0, which an empty
    // text without paddings would give.
    implicitWidth: Math.max(1, implicitBackgroundWidth + leftInset + rightInset,
                            implicitContentWidth + leftPadding + rightPadding)
    implicitHeight: Math.max(implicitBackgroundHeight + topInset + bottomInset,
                             implicitContentHeight + topPadding + bottomPadding)

    Quilt.Style.applied: "padding insets"

    highlighted: control.selected

    Quilt.Element.type: "TableViewDelegate"
    Quilt.Element.states.hovered: control.hovered
    // The current cell shows as focused even while the view has the focus.
    Quilt.Element.states.activeFocus: control.activeFocus || control.current
    Quilt.Element.states.visualFocus: control.visualFocus
    Quilt.Element.states.pressed: control.down
    Quilt.Element.states.enabled: control.enabled
    Quilt.Element.states.highlighted: control.highlighted
    Quilt.Element.hintFlags: ({
        "alternating-colors": !!control.tableView && control.tableView.alternatingRows
                              && control.row % 2 !== 0,
        "editing": control.editing,
        "current": control.current,
        "selected": control.selected
    })

    contentItem: Text {
        clip: false
        text: control.model?.display ?? ""
        elide: Text.ElideRight
        visible: !control.editing
        color: Quilt.Style.properties.text.color ?? control.palette.text
        horizontalAlignment: Quilt.Alignment.toQtHorizontal(Quilt.Style.properties.text.alignment.horizontal)
        verticalAlignment: Quilt.Alignment.toQtVertical(Quilt.Style.properties.text.alignment.vertical)
    }

    background: Quilt.StyledRectangle {}

    TableView.editDelegate: FocusScope {
        width: parent?.width ?? 0
        height: parent?.height ?? 0

        TableView.onCommit: {
            const model = control.tableView?.model
            if (!model)
                return
            const index = model.index(control.row, control.column)
            // The table model takes the role by its name, after the value.
            if (model instanceof QtLabsQmlModels.TableModel)
                model.setData(index, textField.text, "edit")
            else if (!model.setData(index, textField.text, Qt.EditRole))
                console.warn("The model does not allow setting the EditRole data.")
        }

        Component.onCompleted: textField.selectAll()

        TextField {
            id: textField
            anchors.fill: parent
            focus: true
            text: control.model?.edit ?? control.model?.display ?? ""
            horizontalAlignment: Quilt.Alignment.toQtHorizontal(textField.Quilt.Style.properties.text.alignment.horizontal)
            verticalAlignment: Quilt.Alignment.toQtVertical(textField.Quilt.Style.properties.text.alignment.vertical)
            background: Item {}
        }
    }
}
