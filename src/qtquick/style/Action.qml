import QtQuick
import QtQuick.Templates as T

T.Action {
}
