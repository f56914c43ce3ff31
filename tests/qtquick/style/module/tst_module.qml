import QtQuick
import QtTest
import org.vyr.quilt

TestCase {
    id: testCase
    name: "ControlsModule"

    readonly property var typeNames: [
        "AbstractButton",
        "Action",
        "ActionGroup",
        "ApplicationWindow",
        "BusyIndicator",
        "Button",
        "Calendar",
        "CheckBox",
        "CheckDelegate",
        "ComboBox",
        "Container",
        "Control",
        "DayOfWeekRow",
        "DelayButton",
        "Dial",
        "Dialog",
        "DialogButtonBox",
        "DoubleSpinBox",
        "Drawer",
        "Frame",
        "GroupBox",
        "HorizontalHeaderView",
        "HorizontalHeaderViewDelegate",
        "ItemDelegate",
        "Label",
        "Menu",
        "MenuBar",
        "MenuBarItem",
        "MenuItem",
        "MenuSeparator",
        "MonthGrid",
        "Page",
        "PageIndicator",
        "Pane",
        "Popup",
        "ProgressBar",
        "RadioButton",
        "RadioDelegate",
        "RangeSlider",
        "RoundButton",
        "ScrollBar",
        "ScrollIndicator",
        "ScrollView",
        "SearchField",
        "SelectionRectangle",
        "Slider",
        "SpinBox",
        "SplitView",
        "StackView",
        "SwipeDelegate",
        "SwipeView",
        "Switch",
        "SwitchDelegate",
        "TabBar",
        "TabButton",
        "TableViewDelegate",
        "TreeViewDelegate",
        "TextArea",
        "TextField",
        "ToolBar",
        "ToolButton",
        "ToolSeparator",
        "ToolTip",
        "Tumbler",
        "VerticalHeaderView",
        "WeekNumberColumn",
        "VerticalHeaderViewDelegate",
        "DefaultContentItem",
        "TextFieldContextMenu",
        "DisplayAttribute"
    ]

    function init() {
        failOnWarning(/.*/)
    }

    function test_imports_data() {
        return [
            { tag: "unversioned", version: "", ok: true },
            { tag: "254.0", version: " 254.0", ok: true },
            { tag: "254.254", version: " 254.254", ok: true },
            { tag: "255.0", version: " 255.0", ok: false }
        ]
    }

    function test_imports(data) {
        const document = "import QtQuick\nimport org.vyr.quilt" + data.version + "\nItem {}\n"
        let object = null
        try {
            object = Qt.createQmlObject(document, testCase, "import_" + data.tag)
        } catch (error) {
            object = null
        }
        compare(object !== null, data.ok)
        if (object)
            object.destroy()
    }

    function test_types_data() {
        return typeNames.filter(name => name !== "Calendar").map(name => ({ tag: name, name: name }))
    }

    // Every type of the module, the private ones included, is known by name.
    function test_types(data) {
        const component = Qt.createComponent("org.vyr.quilt", data.name)
        compare(component.status, Component.Ready, component.errorString())
    }

    function test_calendarSingleton() {
        const object = Qt.createQmlObject("import QtQuick\nimport org.vyr.quilt\nQtObject { property var month: Calendar.January }\n",
                                          testCase, "calendar")
        compare(object.month, 0)
        object.destroy()
    }

    // The module's import brings the items library along.
    function test_implThroughImport() {
        const object = Qt.createQmlObject("import QtQuick\nimport org.vyr.quilt\nStyledRectangle {}\n", testCase, "impl")
        verify(object !== null)
        object.destroy()
    }
}
