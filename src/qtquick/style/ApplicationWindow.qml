import QtQuick
import QtQuick.Templates as T
import org.vyr.quilt.impl as Quilt

T.ApplicationWindow {
    id: window

    Quilt.Element.type: "ApplicationWindow"

    color: Quilt.Style.properties.background.color ?? "white"
}
