import QtQuick
import QtQuick.Controls
import QtTest
import org.vyr.quilt.impl as Quilt

// What every control of the style shares: style values bound and reset,
// states and hints reaching the style only as the control declares them.
TestCase {
    id: testCase
    name: "Conventions"
    when: windowShown

    Component {
        id: buttonComponent
        Button { text: "Button" }
    }

    Component {
        id: delegateWithButton
        ItemDelegate {
            property alias inner: inner
            hoverEnabled: false
            Button { id: inner }
        }
    }

    function make(component, elementId) {
        const control = createTemporaryObject(component, testCase.Window.contentItem)
        control.Quilt.Element.elementId = elementId
        return control
    }

    function init() {
        failOnWarning(/.*/)
    }

    function test_styleValuesFollowTheId() {
        const button = createTemporaryObject(buttonComponent, testCase.Window.contentItem)
        compare(button.leftPadding, 0)
        button.Quilt.Element.elementId = "pad6"
        compare(button.leftPadding, 6)
        // Cleared, the style's value is gone and the template's default back.
        button.Quilt.Element.elementId = ""
        compare(button.leftPadding, 0)
        compare(button.spacing, 0)
        compare(button.leftInset, 0)
    }

    function test_hoverFollowsTheStyleHints() {
        const hover = Application.styleHints.useHoverEffects
        Application.styleHints.useHoverEffects = true
        try {
            const delegate = createTemporaryObject(delegateWithButton, testCase.Window.contentItem)
            verify(!delegate.hoverEnabled)
            verify(delegate.inner.hoverEnabled)
        } finally {
            Application.styleHints.useHoverEffects = hover
        }
    }

    function test_changedHintFromOutside() {
        const button = make(buttonComponent, "probe")
        verify(!button.Quilt.Element.activeHints.includes("changed"))
        compare(button.bottomPadding, 0)
        button.Quilt.Element.hint("changed").when = true
        verify(button.Quilt.Element.activeHints.includes("changed"))
        compare(button.bottomPadding, 5)
        button.Quilt.Element.hint("changed").when = false
        compare(button.bottomPadding, 0)
    }

    function test_boundStatesReachTheStyle() {
        const button = make(buttonComponent, "probe")
        button.highlighted = true
        compare(button.rightPadding, 7)
        button.enabled = false
        compare(button.leftInset, 9)
    }

    // The menu indicator declares no states: a disabled button's indicator
    // is never Disabled.
    function test_unboundStatesNeverReachTheStyle() {
        const button = make(buttonComponent, "menu")
        compare(button.indicator.implicitWidth, 10)
        button.enabled = false
        compare(button.indicator.implicitWidth, 10)
    }
}
