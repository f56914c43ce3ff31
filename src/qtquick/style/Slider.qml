pragma ComponentBehavior: Bound

import QtQuick
import QtQuick.Templates as T
import QtQuick.Controls.impl
import org.vyr.quilt.impl as Quilt

T.Slider {
    id: control
}
