import QtQuick
import QtQuick.Templates as T
import QtQuick.Layouts
import org.vyr.quilt.impl as Quilt

T.SpinBox {
    id: control
}
