import QtQuick
import QtQuick.Templates as T

T.AbstractButton {
    id: control
}
