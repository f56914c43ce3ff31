import QtQuick
import QtTest
import org.vyr.quilt.impl as Quilt

TestCase {
    name: "Style"

    Item {
        id: button
        property bool down: false
        property string display: "text"
        Quilt.Element.type: "Button"
        Quilt.Element.states.pressed: down
        Quilt.Element.attributes: Quilt.ElementAttribute { name: "display"; value: button.display }
        implicitWidth: Quilt.Style.properties.layout.width ?? 0
        property var leftPadding: Quilt.Style.properties.layout.padding.left
        property var styledHeight: Quilt.Style.properties.layout.height
        property int textAlignment: Quilt.Alignment.toQtHorizontal(Quilt.Style.properties.text.alignment.horizontal)
    }

    function test_bindings() {
        compare(button.implicitWidth, 80)
        compare(button.leftPadding, 8)
        compare(button.styledHeight, undefined)
        compare(button.textAlignment, Qt.AlignHCenter)
        compare(button.Quilt.Style.properties.text.alignment.horizontal, Quilt.Alignment.Center)
    }

    function test_stateAndAttributeChanges() {
        button.down = true
        compare(button.implicitWidth, 90)
        compare(button.Quilt.Element.states.activeStates, Quilt.ColorSet.Pressed)
        button.display = "icon"
        compare(button.styledHeight, 24)
        button.down = false
        button.display = "text"
        compare(button.implicitWidth, 80)
        compare(button.styledHeight, undefined)
    }

    function test_platformFixture() {
        compare(button.Quilt.StyleHints.animationSpeedMultiplier, 1)
        let spy = Qt.createQmlObject("import QtTest; SignalSpy { signalName: \"animationSpeedMultiplierChanged\" }", this)
        spy.target = button.Quilt.StyleHints
        testPlatform.setAnimationSpeedMultiplier(3)
        compare(spy.count, 1)
        compare(button.Quilt.StyleHints.animationSpeedMultiplier, 3)
        testPlatform.setAnimationSpeedMultiplier(1)
        spy.destroy()
    }
}
