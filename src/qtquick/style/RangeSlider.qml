import QtQuick
import QtQuick.Templates as T
import QtQuick.Controls.impl
import org.vyr.quilt.impl as Quilt

T.RangeSlider {
    id: control
}
