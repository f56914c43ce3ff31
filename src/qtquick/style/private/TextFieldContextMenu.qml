import QtQuick
import QtQuick.Templates as T
import QtQuick.Controls
import org.vyr.quilt.impl as Quilt

Menu {
    id: root
}
