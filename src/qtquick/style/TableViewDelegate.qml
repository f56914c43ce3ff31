import QtQuick
import QtQuick.Templates as T
import Qt.labs.qmlmodels as QtLabsQmlModels
import org.vyr.quilt.impl as Quilt

T.TableViewDelegate {
    id: control
}
