import QtQuick
import QtQuick.Controls
import QtTest
import org.vyr.quilt.impl as Quilt

// The shared content item (icon and label) and the attribute "display".
TestCase {
    id: testCase
    name: "Content"
    when: windowShown

    Component {
        id: buttonComponent
        Button {
            property Item iconItem: contentItem.iconItem
            property Item textItem: contentItem.textItem
            text: "A label long enough to be cut short"
            icon.name: "document-open"
        }
    }

    function make(elementId, properties) {
        const button = createTemporaryObject(buttonComponent, testCase.Window.contentItem, properties ?? {})
        button.Quilt.Element.elementId = elementId
        return button
    }

    function init() {
        failOnWarning(/.*/)
    }

    function test_display_data() {
        return [
            { tag: "icon-only", display: AbstractButton.IconOnly, padding: 17, icon: true, text: false },
            { tag: "text-only", display: AbstractButton.TextOnly, padding: 18, icon: false, text: true },
            { tag: "text-beside-icon", display: AbstractButton.TextBesideIcon, padding: 19, icon: true, text: true },
            { tag: "text-under-icon", display: AbstractButton.TextUnderIcon, padding: 20, icon: true, text: true }
        ]
    }

    function test_display(data) {
        const button = make("display", { display: data.display })
        compare(button.leftPadding, data.padding)
        compare(!!button.iconItem?.visible, data.icon)
        compare(button.textItem.visible, data.text)
    }

    function test_nothingToShow() {
        const button = make("", { text: "", "icon.name": "" })
        verify(!button.iconItem?.visible)
        verify(!button.textItem.visible)
        button.display = AbstractButton.IconOnly
        verify(!button.iconItem?.visible)
        verify(!button.textItem.visible)
        // Nothing shown, nothing claimed.
        tryCompare(button.contentItem, "implicitWidth", 0)
    }

    function test_wrapAndElide_data() {
        return [
            { tag: "unset", id: "", wrap: Text.NoWrap, elide: Text.ElideRight },
            { tag: "word wrap", id: "wordwrap", wrap: Text.WordWrap, elide: Text.ElideNone },
            { tag: "left", id: "elideleft", wrap: Text.NoWrap, elide: Text.ElideLeft },
            { tag: "middle", id: "elidemiddle", wrap: Text.NoWrap, elide: Text.ElideMiddle },
            { tag: "none", id: "elidenone", wrap: Text.NoWrap, elide: Text.ElideNone },
            { tag: "right", id: "elideright", wrap: Text.NoWrap, elide: Text.ElideRight }
        ]
    }

    function test_wrapAndElide(data) {
        const button = make(data.id)
        compare(button.textItem.wrapMode, data.wrap)
        compare(button.textItem.elide, data.elide)
    }

    // The lines follow the vertical member of the text alignment.
    function test_lineAlignment_data() {
        return [
            { tag: "unset", id: "", alignment: Qt.AlignLeft },
            { tag: "stack-center", id: "stackcenter", alignment: Qt.AlignCenter },
            { tag: "stack-fill", id: "stackfill", alignment: Qt.AlignJustify },
            { tag: "horizontal center", id: "hcenter", alignment: Qt.AlignLeft }
        ]
    }

    function test_lineAlignment(data) {
        const button = make(data.id)
        compare(button.textItem.horizontalAlignment, data.alignment)
    }

    function test_textColourAndFont() {
        const button = make("")
        compare(button.textItem.color, Qt.color("black"))
        compare(button.textItem.font, button.font)
        button.Quilt.Element.elementId = "colored"
        compare(button.textItem.color, Qt.color("#123456"))
    }

    // The button's icon size is the icon's least size, whatever the style's;
    // an icon the platform cannot find claims no more than that.
    function test_iconMinimumSize() {
        const button = make("iconsize", { "icon.width": 32 })
        tryCompare(button.iconItem, "width", 32)
        tryCompare(button.iconItem, "height", 16)
    }

    // Icon and label placed at the start of a control too narrow for them:
    // the label ends with the content and is elided, as in Qt's own styles,
    // rather than drawn over the next control.
    function test_startRowEndsAtTheContent() {
        const button = make("menu", { width: 80 })
        tryVerify(() => button.textItem.truncated)
        const textEnd = button.textItem.mapToItem(button, button.textItem.width, 0).x
        verify(textEnd <= button.width - button.rightPadding + 0.5,
               "label ends at " + textEnd + " in a button of " + button.width)
        verify(button.textItem.width > 0)
        if (button.iconItem) {
            const iconEnd = button.iconItem.mapToItem(button, button.iconItem.width, 0).x
            verify(iconEnd <= button.textItem.mapToItem(button, 0, 0).x)
        }
    }

    function test_mnemonic() {
        const button = make("", { text: "&File" })
        compare(button.textItem.text, "File")
        button.Window.window.requestActivate()
        tryVerify(() => button.Window.active)
        keyPress(Qt.Key_Alt)
        try {
            tryCompare(button.textItem, "text", "<u>F</u>ile")
        } finally {
            keyRelease(Qt.Key_Alt)
        }
        tryCompare(button.textItem, "text", "File")
    }

    // A style that gives a look and paddings but places neither the icon nor
    // the text: the content lays them out itself, at their own size, where
    // Qt's own styles put them.
    function test_unplacedContent_data() {
        const rows = []
        const controls = [
            ["Button", "center"], ["ToolButton", "center"], ["RoundButton", "center"], ["DelayButton", "center"],
            ["TabButton", "center"], ["CheckBox", "start"], ["RadioButton", "start"], ["Switch", "start"],
            ["ItemDelegate", "start"], ["CheckDelegate", "start"], ["RadioDelegate", "start"],
            ["SwitchDelegate", "start"], ["SwipeDelegate", "start"]
        ]
        for (const [type, alignment] of controls) {
            rows.push({ tag: type, type: type, alignment: alignment, mirrored: false })
            rows.push({ tag: type + ", right to left", type: type, alignment: alignment, mirrored: true })
        }
        return rows
    }

    function test_unplacedContent(data) {
        const control = createTemporaryQmlObject("import QtQuick\nimport QtQuick.Controls\n" + data.type
                                                 + " { text: 'Plain label'; LayoutMirroring.enabled: " + data.mirrored + " }",
                                                 testCase.Window.contentItem)
        control.Quilt.Element.elementId = "plain"
        const label = textOf(control)
        compare(control.leftPadding, 14)
        tryVerify(() => label.implicitWidth > 0 && control.implicitWidth >= label.implicitWidth + 28,
                  1000, "the control claims its label's width: " + control.implicitWidth)
        verify(control.implicitHeight >= label.implicitHeight + 12)
        // At its own size the label is whole, inside the paddings.
        tryVerify(() => label.width >= label.implicitWidth)
        let box = label.mapToItem(control, 0, 0, label.width, label.height)
        verify(box.x >= 14 && box.x + box.width <= control.width - 14 + 0.5, JSON.stringify(box))
        verify(box.y >= 6 && box.y + box.height <= control.height - 6 + 0.5, JSON.stringify(box))
        // Stretched, it stays where Qt's own styles put it.
        control.width = control.implicitWidth + 100
        waitForPolish(control)
        tryVerify(() => {
            box = label.mapToItem(control, 0, 0, label.width, label.height)
            const middle = box.x + box.width / 2
            if (data.alignment === "center")
                return Math.abs(middle - control.width / 2) <= 1
            return data.mirrored ? Math.abs(box.x + box.width - (control.width - 14)) <= 1 : Math.abs(box.x - 14) <= 1
        }, 1000, "label at " + JSON.stringify(box) + " in " + control.width)
    }

    function textOf(control) {
        return control.contentItem.textItem
    }

    // What an application may also use directly, and what it may get wrong.
    Component {
        id: displayAttribute
        DisplayAttribute {}
    }

    function test_displayAttributeWithoutControl() {
        const attribute = createTemporaryObject(displayAttribute, testCase.Window.contentItem)
        compare(attribute.name, "display")
        compare(attribute.value, undefined)
        const button = make("")
        attribute.control = button
        compare(attribute.value, "text-beside-icon")
        button.display = AbstractButton.IconOnly
        compare(attribute.value, "icon-only")
        // No enumerator: shown as text beside icon, and still a Quick button.
        button.display = 12345
        compare(attribute.value, "text-beside-icon")
    }
}
