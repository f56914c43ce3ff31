#pragma once

// Every type of the module in the context it is used in: delegates inside
// their views with their required properties, header views synced to a
// table, the selection rectangle on a table with a selection model, the
// calendar singleton read by name, the private components through the
// controls that use them. Each entry is the body of an Item of 400 x 300
// that imports QtQuick, QtQuick.Controls (this style) and Qt.labs.qmlmodels.

namespace QuiltRealUse
{
struct Use
{
    const char* type;
    const char* body;
};

// A small table shared by the view entries.
#define QUILT_REAL_USE_TABLE                                                                                           \
    "TableView { id: table; width: 200; height: 80; selectionModel: ItemSelectionModel {}\n"                           \
    "  delegate: TableViewDelegate {}\n"                                                                               \
    "  model: TableModel { TableModelColumn { display: \"name\"; edit: \"name\" } TableModelColumn { display: "        \
    "\"size\" }\n"                                                                                                     \
    "    rows: [{ name: \"a\", size: 1 }, { name: \"b\", size: 2 }] }\n"

inline constexpr Use uses[] = {
    { "AbstractButton", "AbstractButton { text: \"a\" }" },
    { "Action", "Button { action: Action { text: \"Act\" } }" },
    { "ActionGroup",
      "Item { ActionGroup { id: group } Button { action: Action { text: \"x\"; checkable: true; ActionGroup.group: "
      "group } } }" },
    { "ApplicationWindow", "ApplicationWindow { width: 100; height: 80; visible: true }" },
    { "BusyIndicator", "BusyIndicator { running: true }" },
    { "Button", "Button { text: \"Button\" }" },
    { "Calendar", "Label { text: Calendar.March }" },
    { "CheckBox", "CheckBox { text: \"Check\"; checked: true }" },
    { "CheckDelegate",
      "ListView { width: 100; height: 60; model: 2; delegate: CheckDelegate { required property int index; text: index "
      "} }" },
    { "ComboBox", "ComboBox { model: [\"a\", \"b\"] }" },
    { "Container", "Container { contentItem: Row {} Item { width: 5; height: 5 } }" },
    { "Control", "Control { contentItem: Item {} }" },
    { "DayOfWeekRow", "DayOfWeekRow {}" },
    { "DelayButton", "DelayButton { text: \"Delay\" }" },
    { "Dial", "Dial { value: 0.5 }" },
    { "Dialog", "Dialog { title: \"Title\"; standardButtons: Dialog.Ok; visible: true }" },
    { "DialogButtonBox", "DialogButtonBox { standardButtons: DialogButtonBox.Ok | DialogButtonBox.Cancel }" },
    { "DoubleSpinBox", "DoubleSpinBox { value: 1.5 }" },
    { "Drawer", "Drawer { width: 100; height: 100; visible: true }" },
    { "Frame", "Frame { Label { text: \"in a frame\" } }" },
    { "GroupBox", "GroupBox { title: \"Group\"; Label { text: \"inside\" } }" },
    { "HorizontalHeaderView", "Column { HorizontalHeaderView { syncView: table } " QUILT_REAL_USE_TABLE "} }" },
    { "HorizontalHeaderViewDelegate",
      "Column { HorizontalHeaderView { syncView: table; delegate: HorizontalHeaderViewDelegate {} "
      "} " QUILT_REAL_USE_TABLE "} }" },
    { "ItemDelegate",
      "ListView { width: 100; height: 60; model: 2; delegate: ItemDelegate { required property int index; text: index "
      "} }" },
    { "Label", "Label { text: \"Label\" }" },
    { "Menu", "Menu { visible: true; MenuItem { text: \"Item\" } }" },
    { "MenuBar", "MenuBar { Menu { title: \"File\" } }" },
    { "MenuBarItem", "MenuBar { delegate: MenuBarItem {} Menu { title: \"Edit\" } }" },
    { "MenuItem", "Menu { visible: true; MenuItem { text: \"Open\" } }" },
    { "MenuSeparator", "Menu { visible: true; MenuItem { text: \"a\" } MenuSeparator {} MenuItem { text: \"b\" } }" },
    { "MonthGrid", "MonthGrid { month: 11; year: 2026 }" },
    { "Page", "Page { header: Label { text: \"Header\" } }" },
    { "PageIndicator", "PageIndicator { count: 3 }" },
    { "Pane", "Pane { Label { text: \"in a pane\" } }" },
    { "Popup", "Popup { width: 50; height: 50; visible: true }" },
    { "ProgressBar", "ProgressBar { value: 0.5 }" },
    { "RadioButton", "RadioButton { text: \"Radio\"; checked: true }" },
    { "RadioDelegate",
      "ListView { width: 100; height: 60; model: 2; delegate: RadioDelegate { required property int index; text: index "
      "} }" },
    { "RangeSlider", "RangeSlider { first.value: 0.2; second.value: 0.8 }" },
    { "RoundButton", "RoundButton { text: \"+\" }" },
    { "ScrollBar", "Flickable { width: 100; height: 50; contentHeight: 200; ScrollBar.vertical: ScrollBar {} }" },
    { "ScrollIndicator",
      "Flickable { width: 100; height: 50; contentHeight: 200; ScrollIndicator.vertical: ScrollIndicator {} }" },
    { "ScrollView", "ScrollView { width: 100; height: 50; Label { text: \"scrolled\" } }" },
    { "SearchField", "SearchField {}" },
    { "SelectionRectangle", "Item { " QUILT_REAL_USE_TABLE " SelectionRectangle { target: table } } }" },
    { "Slider", "Slider { value: 0.5 }" },
    { "SpinBox", "SpinBox { value: 3 }" },
    { "SplitView", "SplitView { width: 120; height: 40; Item { implicitWidth: 50 } Item {} }" },
    { "StackView", "StackView { width: 100; height: 50; initialItem: Label { text: \"page\" } }" },
    { "SwipeDelegate",
      "ListView { width: 100; height: 60; model: 2; delegate: SwipeDelegate { required property int index; text: index "
      "} }" },
    { "SwipeView", "SwipeView { width: 100; height: 50; Label { text: \"one\" } Label { text: \"two\" } }" },
    { "Switch", "Switch { text: \"Switch\" }" },
    { "SwitchDelegate",
      "ListView { width: 100; height: 60; model: 2; delegate: SwitchDelegate { required property int index; text: "
      "index } }" },
    { "TabBar", "TabBar { TabButton { text: \"One\" } TabButton { text: \"Two\" } }" },
    { "TabButton", "TabBar { TabButton { text: \"Tab\" } }" },
    { "TableViewDelegate", "Item { " QUILT_REAL_USE_TABLE " } }" },
    { "TreeViewDelegate",
      "TreeView { width: 200; height: 80; delegate: TreeViewDelegate {}\n"
      "  model: TreeModel { TableModelColumn { display: \"name\" } TableModelColumn { display: \"size\" }\n"
      "    rows: [{ name: \"root\", size: 1, rows: [{ name: \"child\", size: 2 }] }] }\n"
      "  Component.onCompleted: expandRecursively() }" },
    { "TextArea", "TextArea { text: \"Text\" }" },
    { "TextField", "TextField { text: \"Text\" }" },
    { "ToolBar", "ToolBar { ToolButton { text: \"Tool\" } }" },
    { "ToolButton", "ToolButton { text: \"Tool\" }" },
    { "ToolSeparator", "Row { ToolButton { text: \"a\" } ToolSeparator {} ToolButton { text: \"b\" } }" },
    { "ToolTip", "ToolTip { text: \"Tip\"; visible: true }" },
    { "Tumbler", "Tumbler { model: 5 }" },
    { "VerticalHeaderView", "Row { VerticalHeaderView { syncView: table } " QUILT_REAL_USE_TABLE "} }" },
    { "WeekNumberColumn", "WeekNumberColumn { month: 11; year: 2026 }" },
    { "VerticalHeaderViewDelegate",
      "Row { VerticalHeaderView { syncView: table; delegate: VerticalHeaderViewDelegate {} } " QUILT_REAL_USE_TABLE
      "} }" },
    { "DefaultContentItem", "Button { text: \"Icon\"; icon.name: \"document-open\" }" },
    { "TextFieldContextMenu", "TextField { text: \"context\" }" },
    { "DisplayAttribute", "Button { text: \"Display\"; display: AbstractButton.TextBesideIcon }" },
};

#undef QUILT_REAL_USE_TABLE

inline QByteArray document(const Use& use)
{
    return QByteArrayLiteral("import QtQuick\nimport QtQuick.Controls\nimport Qt.labs.qmlmodels\n"
                             "Item {\n    width: 400\n    height: 300\n    property bool mirrored: false\n"
                             "    LayoutMirroring.enabled: mirrored\n    LayoutMirroring.childrenInherit: true\n    ")
        + use.body + QByteArrayLiteral("\n}\n");
}
} // namespace QuiltRealUse
