import QtQuick
import QtQuick.Controls
import QtTest
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "Popups"
    width: 400
    height: 400
    visible: true
    when: windowShown

    function init() {
        failOnWarning(/.*/)
        testPlatform.setAnimationSpeedMultiplier(1)
    }

    function cleanup() {
        testPlatform.setAnimationSpeedMultiplier(1)
    }

    Component {
        id: signalSpy
        SignalSpy {}
    }

    // The shown dimming overlays of the window.
    function shownOverlays() {
        const found = []
        const children = testCase.Overlay.overlay.children
        for (let i = 0; i < children.length; ++i) {
            if (children[i].visible && children[i].Quilt.Element.type === "Overlay")
                found.push(children[i])
        }
        return found
    }

    Component {
        id: popupComponent
        Popup {
            width: 100
            height: 100
        }
    }

    Component {
        id: dialogComponent
        Dialog {}
    }

    Component {
        id: drawerComponent
        Drawer {
            width: 100
            height: testCase.height
        }
    }

    function test_overlays_data() {
        return [
            { tag: "popup, modal", component: popupComponent, modal: true, hints: ["modal"] },
            { tag: "popup, modeless", component: popupComponent, modal: false, hints: ["modeless"] },
            { tag: "dialog, modal", component: dialogComponent, modal: true, hints: ["dialog", "modal"] },
            { tag: "dialog, modeless", component: dialogComponent, modal: false, hints: ["dialog", "modeless"] },
            { tag: "drawer, modal", component: drawerComponent, modal: true, hints: ["drawer", "modal"] },
            { tag: "drawer, modeless", component: drawerComponent, modal: false, hints: ["drawer", "modeless"] }
        ]
    }

    function test_overlays(data) {
        testPlatform.setAnimationSpeedMultiplier(0)
        const popup = createTemporaryObject(data.component, testCase, { modal: data.modal, dim: true })
        popup.open()
        tryCompare(popup, "opened", true)
        const overlays = shownOverlays()
        compare(overlays.length, 1)
        compare(overlays[0].Quilt.Element.activeHints, data.hints)
        compare(overlays[0].Quilt.Element.states.activeStates, 0)
        popup.close()
        tryCompare(popup, "visible", false)
    }

    // A popup follows its focus and enablement; dialogs and drawers carry
    // no states.
    function test_states() {
        const popup = createTemporaryObject(popupComponent, testCase, { focus: true })
        popup.open()
        tryCompare(popup, "opened", true)
        tryCompare(popup.Quilt.Element.states, "activeFocus", true)
        popup.enabled = false
        compare(popup.Quilt.Element.states.enabled, false)
        popup.close()
        tryCompare(popup.Quilt.Element.states, "activeFocus", false)

        testPlatform.setAnimationSpeedMultiplier(0)
        for (const component of [dialogComponent, drawerComponent]) {
            const other = createTemporaryObject(component, testCase, { focus: true })
            other.open()
            tryCompare(other, "opened", true)
            other.enabled = false
            compare(other.Quilt.Element.states.activeStates, 0)
            other.close()
            tryCompare(other, "visible", false)
        }
    }

    Component {
        id: sizedDialog
        Dialog {
            property alias content: content
            Item {
                id: content
                implicitWidth: 100
                implicitHeight: 50
            }
        }
    }

    // Centred in the window, unrounded. (A dialog wider than its window
    // asks for a negative x, which Qt's popup placement moves back to 0.)
    function test_dialogCentring_data() {
        return [
            { tag: "narrow", width: 200, x: 100 },
            { tag: "odd", width: 201, x: 99.5 },
            { tag: "as wide as the window", width: 400, x: 0 }
        ]
    }

    function test_dialogCentring(data) {
        const dialog = createTemporaryObject(dialogComponent, testCase, { width: data.width, height: 100 })
        compare(dialog.parent, testCase.Overlay.overlay)
        dialog.open()
        tryCompare(dialog, "opened", true)
        compare(dialog.x, data.x)
        compare(dialog.y, 150)
    }

    function test_dialogWithoutWindow() {
        const dialog = createTemporaryObject(dialogComponent, null)
        compare(dialog.parent, null)
        compare(dialog.x, 0)
        compare(dialog.y, 0)
    }

    // Header and footer count while shown, with the spacing beside them;
    // content sizes are rounded up.
    function test_dialogSize() {
        const dialog = createTemporaryObject(sizedDialog, testCase)
        dialog.content.implicitWidth = 100.2
        dialog.open()
        tryCompare(dialog, "opened", true)
        compare(dialog.header.visible, false)
        compare(dialog.footer.visible, false)
        compare(dialog.implicitWidth, 101 + 6 + 6)
        compare(dialog.implicitHeight, 50 + 6 + 6)

        dialog.title = "Title"
        verify(dialog.header.visible)
        compare(dialog.header.text, "Title")
        compare(dialog.header.Quilt.Element.activeHints, ["header"])
        verify(dialog.implicitHeaderHeight > 0)
        compare(dialog.implicitHeight, 50 + 6 + 6 + dialog.implicitHeaderHeight + 5)

        dialog.standardButtons = Dialog.Ok
        verify(dialog.footer.visible)
        compare(dialog.footer.count, 1)
        verify(dialog.implicitFooterHeight > 0)
        compare(dialog.implicitHeight, 50 + 6 + 6 + dialog.implicitHeaderHeight + 5 + dialog.implicitFooterHeight + 5)

        dialog.title = ""
        dialog.standardButtons = Dialog.NoButton
        compare(dialog.header.visible, false)
        compare(dialog.footer.visible, false)
        compare(dialog.implicitHeight, 50 + 6 + 6)
    }

    function test_drawerElement() {
        const drawer = createTemporaryObject(drawerComponent, testCase, { edge: Qt.TopEdge })
        const attributes = drawer.Quilt.Element.attributes
        compare(attributes.length, 1)
        compare(attributes[0].name, "edge")
        compare(attributes[0].value, "top")
        drawer.edge = Qt.RightEdge
        compare(attributes[0].value, "right")
        drawer.edge = Qt.BottomEdge
        compare(attributes[0].value, "bottom")
        drawer.edge = Qt.LeftEdge
        compare(attributes[0].value, "left")
        compare(drawer.Quilt.Element.activeHints, ["modal"])
        drawer.modal = false
        compare(drawer.Quilt.Element.activeHints, [])
        // The style's padding beside the (here empty) safe area.
        compare(drawer.leftPadding, 3)
        compare(drawer.topPadding, 3)
    }

    // At speed 0 the drawer opens and closes at once, still signalling both;
    // above 0 it slides.
    function test_drawerSpeed() {
        const drawer = createTemporaryObject(drawerComponent, testCase)
        const opened = createTemporaryObject(signalSpy, testCase, { target: drawer, signalName: "opened" })
        const closed = createTemporaryObject(signalSpy, testCase, { target: drawer, signalName: "closed" })

        testPlatform.setAnimationSpeedMultiplier(0)
        drawer.open()
        tryCompare(opened, "count", 1)
        compare(drawer.position, 1)
        compare(drawer.x, 0)
        drawer.close()
        tryCompare(closed, "count", 1)
        compare(drawer.position, 0)
        compare(drawer.visible, false)

        testPlatform.setAnimationSpeedMultiplier(1)
        drawer.open()
        wait(50)
        verify(drawer.position > 0 && drawer.position < 1, "position " + drawer.position)
        tryCompare(opened, "count", 2)
        compare(drawer.position, 1)
        drawer.close()
        tryCompare(closed, "count", 2)
    }

    Component {
        id: toolTipComponent
        ToolTip {
            text: "Tip"
        }
    }

    Component {
        id: menuComponent
        Menu {
            MenuItem {
                text: "Item"
            }
        }
    }

    // Padding and sizes an application gives as NaN, an infinity or so large
    // that the sums overflow: the popup keeps a finite size and place, and
    // neither its bindings nor Qt's placement loop (a warning fails).
    function test_absurdGeometry_data() {
        return [
            { tag: "popup", component: popupComponent, properties: { leftPadding: NaN, rightPadding: Infinity } },
            { tag: "dialog", component: dialogComponent,
              properties: { title: "Title", topPadding: NaN, spacing: NaN, standardButtons: Dialog.Ok } },
            { tag: "dialog of infinite width", component: dialogComponent, properties: { width: Infinity } },
            { tag: "tool tip", component: toolTipComponent, properties: { leftPadding: NaN, topPadding: -Infinity } },
            // The style gives a menu no padding: the template's own applies.
            { tag: "menu", component: menuComponent, properties: { padding: NaN } },
            { tag: "menu, overflowing", component: menuComponent, properties: { padding: 1e308 } }
        ]
    }

    function test_absurdGeometry(data) {
        testPlatform.setAnimationSpeedMultiplier(0)
        const popup = createTemporaryObject(data.component, testCase, data.properties)
        popup.open()
        tryCompare(popup, "opened", true)
        wait(20)
        for (const name of ["implicitWidth", "implicitHeight", "x", "y"])
            verify(Number.isFinite(popup[name]), name + ": " + popup[name])
    }

    Component {
        id: buttonBoxComponent
        DialogButtonBox {
            spacing: NaN
            standardButtons: DialogButtonBox.Ok | DialogButtonBox.Cancel
        }
    }

    // The buttons' list is laid out once, not again on every pass.
    function test_buttonBoxSpacing() {
        const box = createTemporaryObject(buttonBoxComponent, testCase)
        waitForRendering(box)
        verify(Number.isFinite(box.implicitWidth), "implicitWidth: " + box.implicitWidth)
        verify(box.implicitWidth > 0)
    }

    Component {
        id: windowPopup
        Popup {
            popupType: Popup.Window
            x: 50
            y: 50
            width: 80
            height: 60
        }
    }

    // In a window of its own the popup still paints its style.
    function test_popupWindowPaints() {
        const popup = createTemporaryObject(windowPopup, testCase)
        popup.open()
        tryCompare(popup, "opened", true)
        let image = null
        tryVerify(() => {
            image = grabImage(popup.background)
            return image.pixel(40, 30) == "#ff0000"
        }, 5000, "the popup's background")
    }
}
