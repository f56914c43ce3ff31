import QtQuick
import QtQuick.Templates as T
import QtQuick.Controls.impl
import QtQuick.Shapes
import org.vyr.quilt.impl as Quilt

T.SelectionRectangle {
    id: control
}
