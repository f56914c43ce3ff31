import QtQuick
import QtQuick.Controls
import QtTest
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "Toggles"
    when: windowShown

    Component {
        id: switchComponent
        Switch {
            property Item handle: indicator.children[1]
            text: "Switch"
        }
    }

    Component {
        id: mirroredSwitch
        Switch {
            property Item handle: indicator.children[1]
            LayoutMirroring.enabled: true
        }
    }

    Component {
        id: checkBoxComponent
        CheckBox { text: "Check" }
    }

    Component {
        id: radioGroup
        Column {
            property alias first: first
            property alias second: second
            RadioButton { id: first; text: "First"; checked: true }
            RadioButton { id: second; text: "Second" }
        }
    }

    function make(component, elementId, properties) {
        const control = createTemporaryObject(component, testCase.Window.contentItem, properties ?? {})
        control.Quilt.Element.elementId = elementId
        return control
    }

    function init() {
        failOnWarning(/.*/)
    }

    // "Indicator" 40 wide, "Handle" 16 wide with margins of 2.
    function test_handle_data() {
        return [
            { tag: "start", position: 0, x: 2 },
            { tag: "end", position: 1, x: 22 },
            { tag: "middle", position: 0.5, x: 12 }
        ]
    }

    function test_handle(data) {
        const control = make(switchComponent, "geometry", { position: data.position })
        compare(control.indicator.width, 40)
        compare(control.handle.width, 16)
        compare(control.handle.x, data.x)
        compare(control.handle.y, 2)
    }

    function test_handleRightToLeft() {
        const control = make(mirroredSwitch, "geometry", { checked: true })
        compare(control.visualPosition, 0)
        compare(control.handle.x, 2)
        control.checked = false
        compare(control.handle.x, 22)
    }

    function test_handleTooWide() {
        const control = make(switchComponent, "wide", { position: 1 })
        compare(control.handle.x, 2)
    }

    // Unset margins put the handle flush with the track's ends; an unsized
    // indicator shows nothing.
    function test_handleWithoutStyle() {
        const control = make(switchComponent, "", { position: 1 })
        compare(control.indicator.implicitWidth, 0)
        compare(control.handle.x, 0)
    }

    function test_switchLabelWraps() {
        const control = make(switchComponent, "elidemiddle")
        const text = control.contentItem.textItem
        compare(text.wrapMode, Text.Wrap)
        compare(text.elide, Text.ElideNone)
    }

    function test_partialCheckReachesTheStyleUnchecked() {
        const control = make(checkBoxComponent, "checkprobe", { tristate: true })
        control.checkState = Qt.PartiallyChecked
        compare(control.leftPadding, 0)
        compare(control.indicator.implicitWidth, 0)
        control.checkState = Qt.Checked
        compare(control.leftPadding, 4)
        // The indicator, with no states of its own, follows the check box's.
        compare(control.indicator.implicitWidth, 13)
        compare(control.indicator.implicitHeight, 11)
    }

    function test_fonts() {
        const checkBox = make(checkBoxComponent, "font")
        const control = make(switchComponent, "font")
        compare(checkBox.font.family, "QuiltFixtureFamily")
        verify(control.font.family !== "QuiltFixtureFamily")
    }

    function test_exclusiveGroupRequeries() {
        const group = createTemporaryObject(radioGroup, testCase.Window.contentItem)
        group.first.Quilt.Element.elementId = "checkprobe"
        compare(group.first.leftPadding, 4)
        group.second.checked = true
        verify(!group.first.checked)
        compare(group.first.leftPadding, 0)
    }
}
