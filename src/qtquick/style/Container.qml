import QtQuick
import QtQuick.Templates as T

T.Container {
    id: control
}
