import QtQuick
import QtQuick.Controls
import QtTest
import org.vyr.quilt.impl as Quilt

TestCase {
    id: testCase
    name: "Containers"
    width: 400
    height: 400
    visible: true
    when: windowShown

    function init() {
        failOnWarning(/.*/)
    }

    Component {
        id: block
        Item {}
    }

    Component {
        id: pageComponent
        Page {}
    }

    Component {
        id: groupBoxComponent
        GroupBox {}
    }

    Component {
        id: toolBarComponent
        ToolBar {}
    }

    function makeBlock(width, height) {
        return createTemporaryObject(block, null, { implicitWidth: width, implicitHeight: height })
    }

    // The size rules of the page, the group box and the tool bar.
    function test_sizes_data() {
        return [
            { tag: "page", component: pageComponent, content: [100, 50], width: 100 + 12, height: 50 + 8 },
            { tag: "page, header and footer", component: pageComponent, content: [100, 50], header: [30, 10],
              footer: [40, 12], spacing: 3, width: 100 + 12, height: 50 + 8 + 10 + 3 + 12 + 3 },
            { tag: "page, wide header", component: pageComponent, content: [100, 50], header: [300, 10],
              width: 300, height: 50 + 8 + 10 },
            { tag: "page, spacing without header", component: pageComponent, content: [100, 50], spacing: 7,
              width: 112, height: 58 },
            { tag: "group box", component: groupBoxComponent, content: [40, 20], width: 40 + 10, height: 20 + 35 },
            { tag: "group box, wide label", component: groupBoxComponent, content: [40, 20], elementId: "sized",
              title: "A title much longer than the header", width: 60 + 10, height: 20 + 35 },
            { tag: "tool bar", component: toolBarComponent, content: [100, 24], width: 100 + 6, height: 24 + 4 }
        ]
    }

    function test_sizes(data) {
        // Header and footer given at creation: a page does not signal a
        // header set later.
        const properties = { contentItem: makeBlock(data.content[0], data.content[1]) }
        if (data.title)
            properties.title = data.title
        if (data.spacing)
            properties.spacing = data.spacing
        if (data.header)
            properties.header = makeBlock(data.header[0], data.header[1])
        if (data.footer)
            properties.footer = makeBlock(data.footer[0], data.footer[1])
        const control = createTemporaryObject(data.component, testCase, properties)
        if (data.elementId)
            control.Quilt.Element.elementId = data.elementId
        compare(control.implicitWidth, data.width)
        compare(control.implicitHeight, data.height)
        if (data.title) {
            // Neither size follows the title.
            control.title = "Short"
            compare(control.implicitWidth, data.width)
            compare(control.implicitHeight, data.height)
        }
    }

    // The title: sized by the style's "Header", elided, none without a size.
    function test_groupBoxTitle() {
        const sized = createTemporaryObject(groupBoxComponent, testCase, { title: "A title much longer than sixty pixels" })
        sized.Quilt.Element.elementId = "sized"
        compare(sized.label.Quilt.Element.type, "Header")
        compare(sized.implicitLabelWidth, 60)
        compare(sized.label.width, 60)
        compare(sized.label.height, 20)
        const text = sized.label.children[0]
        compare(text.text, sized.title)
        compare(text.elide, Text.ElideRight)
        verify(text.truncated)
        compare(text.color, sized.palette.text)
        compare(text.font, Application.font)

        const bare = createTemporaryObject(groupBoxComponent, testCase, { title: "Title" })
        compare(bare.label.width, 0)
        compare(bare.label.height, 0)
        compare(bare.implicitLabelWidth, 0)
    }

    Component {
        id: labelComponent
        Label {
            text: "Label"
        }
    }

    // Without style values: black, the application's font, left.
    function test_labelFallbacks() {
        const label = createTemporaryObject(labelComponent, testCase)
        compare(label.color, "#000000")
        compare(label.font, Application.font)
        compare(label.linkColor, label.palette.link)
        compare(label.horizontalAlignment, Qt.AlignLeft)
        compare(label.Quilt.Element.type, "Label")
        label.enabled = false
        compare(label.Quilt.Element.states.enabled, false)
    }

    Component {
        id: windowComponent
        ApplicationWindow {}
    }

    function test_windowFallback() {
        const window = createTemporaryObject(windowComponent, testCase)
        compare(window.color, "#ffffff")
        compare(window.Quilt.Element.type, "ApplicationWindow")
    }

    Component {
        id: separatorComponent
        ToolSeparator {}
    }

    function test_toolSeparator() {
        const separator = createTemporaryObject(separatorComponent, testCase)
        compare(separator.Quilt.Element.activeHints, ["vertical"])
        compare(separator.implicitWidth, 3 + 3)
        compare(separator.implicitHeight, 16)
        separator.orientation = Qt.Horizontal
        compare(separator.Quilt.Element.activeHints, ["horizontal"])
        compare(separator.implicitWidth, 16)
        compare(separator.implicitHeight, 3 + 3)
    }

    Component {
        id: barsComponent
        Item {
            anchors.fill: parent
            property alias header: header
            property alias footer: footer
            ToolBar {
                id: header
                width: parent.width
                height: 40
                position: ToolBar.Header
            }
            ToolBar {
                id: footer
                y: 100
                width: parent.width
                height: 40
                position: ToolBar.Footer
            }
        }
    }

    // The hints follow the position; a drag on the footer bar moves nothing,
    // one on the header bar asks the window system for a move.
    function test_toolBarDrag() {
        const bars = createTemporaryObject(barsComponent, testCase)
        compare(bars.header.Quilt.Element.activeHints, ["header"])
        compare(bars.footer.Quilt.Element.activeHints, ["footer"])
        const window = testCase.Window.window
        const x = window.x
        const y = window.y
        const handler = bars.footer.background.resources[0]
        verify(handler instanceof DragHandler)
        mouseDrag(bars.footer, 10, 10, 60, 5)
        compare(window.x, x)
        compare(window.y, y)
        mouseDrag(bars.header, 10, 10, 60, 5)
        bars.header.position = ToolBar.Footer
        compare(bars.header.Quilt.Element.activeHints, ["footer"])
    }

    Component {
        id: paneComponent
        Pane {}
    }

    Component {
        id: frameComponent
        Frame {}
    }

    function test_panels_data() {
        return [
            { tag: "pane", component: paneComponent, type: "Pane" },
            { tag: "frame", component: frameComponent, type: "Frame" },
            { tag: "page", component: pageComponent, type: "Page" },
            { tag: "group box", component: groupBoxComponent, type: "GroupBox" }
        ]
    }

    function test_panels(data) {
        const control = createTemporaryObject(data.component, testCase)
        compare(control.Quilt.Element.type, data.type)
        control.enabled = false
        compare(control.Quilt.Element.states.enabled, false)
        control.contentItem = makeBlock(20, 10)
        verify(control.implicitWidth >= 20)
    }
}
