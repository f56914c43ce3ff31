#pragma once

#include <QString>

// The names the widget style gives its elements. Style sheets select on them,
// so every element type, part and metric name is spelled here and nowhere
// else; each constant holds exactly its own name.
namespace ElementNames
{
// Element types: ancestors, the elements' own types and their parts.
inline const QString ApplicationWindow = QStringLiteral("ApplicationWindow");
inline const QString Arrow = QStringLiteral("Arrow");
inline const QString Button = QStringLiteral("Button");
inline const QString CheckBox = QStringLiteral("CheckBox");
inline const QString CloseButton = QStringLiteral("CloseButton");
inline const QString ComboBox = QStringLiteral("ComboBox");
inline const QString Dial = QStringLiteral("Dial");
inline const QString Dialog = QStringLiteral("Dialog");
inline const QString DialogButtonBox = QStringLiteral("DialogButtonBox");
inline const QString Dock = QStringLiteral("Dock");
inline const QString DockWidget = QStringLiteral("DockWidget");
inline const QString Extension = QStringLiteral("Extension");
inline const QString FloatButton = QStringLiteral("FloatButton");
inline const QString FocusFrame = QStringLiteral("FocusFrame");
inline const QString Frame = QStringLiteral("Frame");
inline const QString GraphicsItem = QStringLiteral("GraphicsItem");
inline const QString GraphicsView = QStringLiteral("GraphicsView");
inline const QString GroupBox = QStringLiteral("GroupBox");
inline const QString Handle = QStringLiteral("Handle");
inline const QString HeaderView = QStringLiteral("HeaderView");
inline const QString HeaderViewDelegate = QStringLiteral("HeaderViewDelegate");
inline const QString HelpButton = QStringLiteral("HelpButton");
inline const QString Icon = QStringLiteral("Icon");
inline const QString Indicator = QStringLiteral("Indicator");
inline const QString Item = QStringLiteral("Item");
inline const QString ItemViewItem = QStringLiteral("ItemViewItem");
inline const QString ItemViewRow = QStringLiteral("ItemViewRow");
inline const QString KeySequenceEdit = QStringLiteral("KeySequenceEdit");
inline const QString Column = QStringLiteral("Column");
inline const QString ListView = QStringLiteral("ListView");
inline const QString MaximizeButton = QStringLiteral("MaximizeButton");
inline const QString MdiSubWindow = QStringLiteral("MdiSubWindow");
inline const QString Menu = QStringLiteral("Menu");
inline const QString MenuBar = QStringLiteral("MenuBar");
inline const QString MenuItem = QStringLiteral("MenuItem");
inline const QString Popup = QStringLiteral("Popup");
inline const QString MenuBarItem = QStringLiteral("MenuBarItem");
inline const QString MenuSeparator = QStringLiteral("MenuSeparator");
inline const QString MinimizeButton = QStringLiteral("MinimizeButton");
inline const QString NormalButton = QStringLiteral("NormalButton");
inline const QString Panel = QStringLiteral("Panel");
inline const QString ProgressBar = QStringLiteral("ProgressBar");
inline const QString RadioButton = QStringLiteral("RadioButton");
inline const QString RubberBand = QStringLiteral("RubberBand");
inline const QString ScrollArea = QStringLiteral("ScrollArea");
inline const QString ScrollAreaCorner = QStringLiteral("ScrollAreaCorner");
inline const QString ScrollBar = QStringLiteral("ScrollBar");
inline const QString Separator = QStringLiteral("Separator");
inline const QString TableView = QStringLiteral("TableView");
inline const QString TitledSeparator = QStringLiteral("TitledSeparator");
inline const QString ShadeButton = QStringLiteral("ShadeButton");
inline const QString ShortcutText = QStringLiteral("ShortcutText");
inline const QString SizeGrip = QStringLiteral("SizeGrip");
inline const QString Slider = QStringLiteral("Slider");
inline const QString SpinBox = QStringLiteral("SpinBox");
inline const QString Splitter = QStringLiteral("Splitter");
inline const QString SplitterHandle = QStringLiteral("SplitterHandle");
inline const QString StatusBar = QStringLiteral("StatusBar");
inline const QString SystemMenu = QStringLiteral("SystemMenu");
inline const QString TabButton = QStringLiteral("TabButton");
inline const QString TabBar = QStringLiteral("TabBar");
inline const QString TabScrollButton = QStringLiteral("TabScrollButton");
inline const QString TabWidget = QStringLiteral("TabWidget");
inline const QString Text = QStringLiteral("Text");
inline const QString TextField = QStringLiteral("TextField");
inline const QString TextArea = QStringLiteral("TextArea");
inline const QString TickMark = QStringLiteral("TickMark");
inline const QString TitleBar = QStringLiteral("TitleBar");
inline const QString ToolBar = QStringLiteral("ToolBar");
inline const QString ToolBox = QStringLiteral("ToolBox");
inline const QString ToolButton = QStringLiteral("ToolButton");
inline const QString ToolTip = QStringLiteral("ToolTip");
inline const QString Track = QStringLiteral("Track");
inline const QString Chunk = QStringLiteral("Chunk");
inline const QString TreeView = QStringLiteral("TreeView");
inline const QString TreeViewDelegate = QStringLiteral("TreeViewDelegate");
inline const QString Widget = QStringLiteral("Widget");
inline const QString Label = QStringLiteral("Label");
inline const QString Fill = QStringLiteral("Fill");

// The types under which the indicator primitives are drawn.
inline const QString IndicatorArrowDown = QStringLiteral("IndicatorArrowDown");
inline const QString IndicatorArrowLeft = QStringLiteral("IndicatorArrowLeft");
inline const QString IndicatorArrowRight = QStringLiteral("IndicatorArrowRight");
inline const QString IndicatorArrowUp = QStringLiteral("IndicatorArrowUp");
inline const QString IndicatorBranch = QStringLiteral("IndicatorBranch");
inline const QString IndicatorButtonDropDown = QStringLiteral("IndicatorButtonDropDown");
inline const QString IndicatorProgressChunk = QStringLiteral("IndicatorProgressChunk");
inline const QString IndicatorTabClose = QStringLiteral("IndicatorTabClose");
inline const QString IndicatorToolBarHandle = QStringLiteral("IndicatorToolBarHandle");
inline const QString IndicatorToolBarSeparator = QStringLiteral("IndicatorToolBarSeparator");

// Parts whose laid-out size gives a pixel metric.
inline const QString ButtonIconSize = QStringLiteral("ButtonIconSize");
inline const QString HeaderDefaultSectionSize = QStringLiteral("HeaderDefaultSectionSize");
inline const QString HeaderMarkSize = QStringLiteral("HeaderMarkSize");
inline const QString IconViewIconSize = QStringLiteral("IconViewIconSize");
inline const QString Indentation = QStringLiteral("Indentation");
inline const QString LargeIconSize = QStringLiteral("LargeIconSize");
inline const QString LineEditIconSize = QStringLiteral("LineEditIconSize");
inline const QString ListViewIconSize = QStringLiteral("ListViewIconSize");
inline const QString MessageBoxIconSize = QStringLiteral("MessageBoxIconSize");
inline const QString ProgressBarChunkWidth = QStringLiteral("ProgressBarChunkWidth");
inline const QString SizeGripSize = QStringLiteral("SizeGripSize");
inline const QString SmallIconSize = QStringLiteral("SmallIconSize");
inline const QString TabBarIconSize = QStringLiteral("TabBarIconSize");
inline const QString TextCursorWidth = QStringLiteral("TextCursorWidth");
inline const QString ToolBarIconSize = QStringLiteral("ToolBarIconSize");
} // namespace ElementNames
