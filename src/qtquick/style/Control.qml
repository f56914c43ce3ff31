import QtQuick
import QtQuick.Templates as T

T.Control {
    id: control
}
