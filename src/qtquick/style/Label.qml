import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.Label {
    id: control
}
