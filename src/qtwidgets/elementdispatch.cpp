#include "elementdispatch.h"

#include "abstractelement.h"
#include "buttonelement.h"
#include "checkboxelement.h"
#include "comboboxelement.h"
#include "dialelement.h"
#include "elementcache.h"
#include "fixedanswers.h"
#include "focuselement.h"
#include "frameelement.h"
#include "headerelement.h"
#include "indicatorelement.h"
#include "itemviewelement.h"
#include "lineeditelement.h"
#include "menubarelement.h"
#include "menuelement.h"
#include "menuitemelement.h"
#include "paintcounters.h"
#include "progressbarelement.h"
#include "quiltstyle.h"
#include "radiobuttonelement.h"
#include "scrollbarelement.h"
#include "sliderelement.h"
#include "spinboxelement.h"
#include "toolbarelement.h"
#include "toolbuttonelement.h"
#include "treeviewelement.h"
#include "widgetelement.h"
#include "widgetfacts.h"
// Tabs, group boxes, tool boxes, status bars, title bars, dock widgets and the
// small elements.
#include "dockwidgetelement.h"
#include "groupboxelement.h"
#include "rubberbandelement.h"
#include "scrollareacornerelement.h"
#include "sizegripelement.h"
#include "splitterelement.h"
#include "statusbarelement.h"
#include "tabbarelement.h"
#include "tabclosebuttonelement.h"
#include "tabelement.h"
#include "tabwidgetelement.h"
#include "titlebarelement.h"
#include "toolboxtabelement.h"
#include "tooltipelement.h"

#include <QHash>
#include <QHashSeed>
#include <QIcon>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QStyleOption>

#include <array>
#include <cmath>
#include <limits>
#include <optional>
#include <type_traits>
#include <vector>

namespace ElementDispatch
{
namespace
{
using Element = std::shared_ptr<AbstractElement>;

bool entryMatches(const ElementCacheEntry& entry, const RequestSite& site)
{
    const int optionType = site.option ? site.option->type : -1;
    const int optionVersion = site.option ? site.option->version : -1;
    return entry.kind == site.kind && (site.kind == StandardIcon || entry.enumerator == site.enumerator)
        && entry.option == site.option && entry.widget == site.widget && entry.optionType == optionType
        && entry.optionVersion == optionVersion && (site.kind != SizeFromContents || entry.contents == site.contents)
        && entry.place == site.place && (!site.widget || entry.widgetGuard == site.widget);
}

int s_nextClassTag = 0;

template<typename E, typename O> int classTag()
{
    static const int tag = ++s_nextClassTag;
    return tag;
}

// The shared elements that answered the last metric, the last size and the
// last rectangle request, for cachedElement(): a size may ask for a metric
// on its way.
struct LastShared
{
    RequestSite site;
    std::weak_ptr<AbstractElement> element;
};
LastShared s_lastShared[3];

LastShared& lastShared(int kind)
{
    switch (kind) {
    case SizeFromContents:
        return s_lastShared[1];
    case SubElementRect:
        return s_lastShared[2];
    default:
        return s_lastShared[0];
    }
}

bool sameSite(const RequestSite& a, const RequestSite& b)
{
    return a.kind == b.kind && a.enumerator == b.enumerator && a.option == b.option && a.widget == b.widget
        && a.contents == b.contents;
}

// Metrics and sizes are asked for every widget, most of them once or twice:
// an element per request site would be made, described and queried per
// widget only to answer them. One element per class and request kind serves
// every site instead, retargeted to each request; it updates only when what
// it read changed, which widgets of one kind in one place mostly share. Null
// while that element is busy answering (a request made from within its own
// answer): the caller then makes one for the site.
template<typename E, typename O>
Element sharedElement(const RequestSite& site, const O* option, const QuiltStyle* style)
{
    const RequestSite shared { SharedAnswers + site.kind, classTag<E, O>(), nullptr, nullptr, {} };
    ElementCache& cache = elementCache();
    Element element;
    if (auto entry = cache.get(shared.key()); entry && entryMatches(*entry, shared)) {
        element = entry->element;
    }
    if (element) {
        if (element->isAnswering()) {
            return {};
        }
        ++paintCounters().elementCacheHits;
        const AbstractElement::Answering answering(*element);
        element->retarget(option, site.widget);
        element->refresh();
        lastShared(site.kind) = { site, element };
        return element;
    }
    ++paintCounters().elementCacheMisses;
    element = std::make_shared<E>(option, const_cast<QuiltStyle*>(style), site.widget);
    element->rememberInputs();
    ElementCacheEntry entry;
    entry.element = element;
    entry.kind = shared.kind;
    entry.enumerator = shared.enumerator;
    cache.put(shared.key(), std::move(entry));
    lastShared(site.kind) = { site, element };
    return element;
}

// The factory of one enumerator: the cached element of the site, else a new
// element of class E when the option is an O (any option, null too, for
// QStyleOption).
template<typename E, typename O> Element makeElement(const RequestSite& requested, const QuiltStyle* style)
{
    RequestSite site = requested;
    if constexpr (E::keptPerPlace) {
        if (site.option && site.kind != PixelMetric && site.kind != SizeFromContents) {
            site.place = site.option->rect;
        }
    }
    const std::size_t key = site.key();
    ElementCache& cache = elementCache();
    if (auto entry = cache.get(key); entry && entryMatches(*entry, site)) {
        ++paintCounters().elementCacheHits;
        return entry->element;
    }

    const O* option = nullptr;
    if constexpr (std::is_same_v<O, QStyleOption>) {
        option = site.option;
    } else {
        if (!site.option || site.option->version < 1 || site.option->type != O::Type) {
            return {};
        }
        option = static_cast<const O*>(site.option);
    }

    if constexpr (E::sharesAnswers) {
        if (site.kind == PixelMetric || site.kind == SizeFromContents
            || (E::sharesRectAnswers && site.kind == SubElementRect)) {
            if (Element shared = sharedElement<E>(site, option, style)) {
                return shared;
            }
        }
    }

    ++paintCounters().elementCacheMisses;
    Element element = std::make_shared<E>(option, const_cast<QuiltStyle*>(style), site.widget);
    element->rememberInputs();
    ElementCacheEntry entry;
    entry.element = element;
    entry.kind = site.kind;
    entry.enumerator = site.enumerator;
    entry.optionType = site.option ? site.option->type : -1;
    entry.optionVersion = site.option ? site.option->version : -1;
    entry.option = site.option;
    entry.widget = site.widget;
    entry.widgetGuard = site.widget;
    entry.contents = site.contents;
    entry.place = site.place;
    cache.put(key, std::move(entry));
    return element;
}

// The switches below list every enumerator that has an element class, each
// group under its class and the option type its factory requires. Those whose
// classes do not exist yet answer null, so the common style serves them.

Element controlElement(QStyle::ControlElement control, const RequestSite& site, const QuiltStyle* style)
{
    switch (control) {
    // Tabs, dock widgets, tool boxes and the small elements.
    // TabElement, QStyleOptionTab
    case QStyle::CE_TabBarTab:
    case QStyle::CE_TabBarTabShape:
    case QStyle::CE_TabBarTabLabel:
        return makeElement<TabElement, QStyleOptionTab>(site, style);
    // DockWidgetElement, QStyleOptionDockWidget
    case QStyle::CE_DockWidgetTitle:
        return makeElement<DockWidgetElement, QStyleOptionDockWidget>(site, style);
    // ToolBoxTabElement, QStyleOptionToolBox
    case QStyle::CE_ToolBoxTab:
    case QStyle::CE_ToolBoxTabShape:
    case QStyle::CE_ToolBoxTabLabel:
        return makeElement<ToolBoxTabElement, QStyleOptionToolBox>(site, style);
    // RubberBandElement, QStyleOptionRubberBand
    case QStyle::CE_RubberBand:
        return makeElement<RubberBandElement, QStyleOptionRubberBand>(site, style);
    // SizeGripElement, QStyleOptionSizeGrip
    case QStyle::CE_SizeGrip:
        return makeElement<SizeGripElement, QStyleOptionSizeGrip>(site, style);
    // SplitterElement, any option
    case QStyle::CE_Splitter:
        return makeElement<SplitterElement, QStyleOption>(site, style);
    case QStyle::CE_PushButton:
    case QStyle::CE_PushButtonBevel:
    case QStyle::CE_PushButtonLabel:
        return makeElement<ButtonElement, QStyleOptionButton>(site, style);
    // CheckBoxElement, QStyleOptionButton
    case QStyle::CE_CheckBox:
    case QStyle::CE_CheckBoxLabel:
        return makeElement<CheckBoxElement, QStyleOptionButton>(site, style);
    // ComboBoxElement, QStyleOptionComboBox
    case QStyle::CE_ComboBoxLabel:
        return makeElement<ComboBoxElement, QStyleOptionComboBox>(site, style);
    // FrameElement, QStyleOptionFrame
    case QStyle::CE_FocusFrame:
    case QStyle::CE_ShapedFrame:
        return makeElement<FrameElement, QStyleOptionFrame>(site, style);
    // HeaderElement, QStyleOptionHeader
    case QStyle::CE_Header:
    case QStyle::CE_HeaderSection:
    case QStyle::CE_HeaderLabel:
        return makeElement<HeaderElement, QStyleOptionHeader>(site, style);
    // HeaderElement, any option
    case QStyle::CE_HeaderEmptyArea:
        return makeElement<HeaderElement, QStyleOption>(site, style);
    // ItemViewElement, QStyleOptionViewItem
    case QStyle::CE_ItemViewItem:
        return makeElement<ItemViewElement, QStyleOptionViewItem>(site, style);
    // MenuBarElement, any option
    case QStyle::CE_MenuBarEmptyArea:
        return makeElement<MenuBarElement, QStyleOption>(site, style);
    // MenuBarItemElement, QStyleOptionMenuItem
    case QStyle::CE_MenuBarItem:
        return makeElement<MenuBarItemElement, QStyleOptionMenuItem>(site, style);
    // MenuItemElement, QStyleOptionMenuItem
    case QStyle::CE_MenuItem:
        return makeElement<MenuItemElement, QStyleOptionMenuItem>(site, style);
    // ProgressBarElement, QStyleOptionProgressBar
    case QStyle::CE_ProgressBar:
    case QStyle::CE_ProgressBarGroove:
    case QStyle::CE_ProgressBarContents:
    case QStyle::CE_ProgressBarLabel:
        return makeElement<ProgressBarElement, QStyleOptionProgressBar>(site, style);
    // RadioButtonElement, QStyleOptionButton
    case QStyle::CE_RadioButton:
    case QStyle::CE_RadioButtonLabel:
        return makeElement<RadioButtonElement, QStyleOptionButton>(site, style);
    // ScrollBarElement, QStyleOptionSlider
    case QStyle::CE_ScrollBarAddLine:
    case QStyle::CE_ScrollBarSubLine:
    case QStyle::CE_ScrollBarAddPage:
    case QStyle::CE_ScrollBarSubPage:
    case QStyle::CE_ScrollBarSlider:
    case QStyle::CE_ScrollBarFirst:
    case QStyle::CE_ScrollBarLast:
        return makeElement<ScrollBarElement, QStyleOptionSlider>(site, style);
    // ToolBarElement, QStyleOptionToolBar
    case QStyle::CE_ToolBar:
        return makeElement<ToolBarElement, QStyleOptionToolBar>(site, style);
    // ToolButtonElement, QStyleOptionToolButton
    case QStyle::CE_ToolButtonLabel:
        return makeElement<ToolButtonElement, QStyleOptionToolButton>(site, style);
    default:
        return {};
    }
}

Element complexElement(QStyle::ComplexControl control, const RequestSite& site, const QuiltStyle* style)
{
    switch (control) {
    // Title bars and group boxes.
    // TitleBarElement, QStyleOptionTitleBar
    case QStyle::CC_TitleBar:
        return makeElement<TitleBarElement, QStyleOptionTitleBar>(site, style);
    // GroupBoxElement, QStyleOptionGroupBox
    case QStyle::CC_GroupBox:
        return makeElement<GroupBoxElement, QStyleOptionGroupBox>(site, style);
    // SpinBoxElement, QStyleOptionSpinBox
    case QStyle::CC_SpinBox:
        return makeElement<SpinBoxElement, QStyleOptionSpinBox>(site, style);
    // ComboBoxElement, QStyleOptionComboBox
    case QStyle::CC_ComboBox:
        return makeElement<ComboBoxElement, QStyleOptionComboBox>(site, style);
    // ScrollBarElement, QStyleOptionSlider
    case QStyle::CC_ScrollBar:
        return makeElement<ScrollBarElement, QStyleOptionSlider>(site, style);
    // SliderElement, QStyleOptionSlider
    case QStyle::CC_Slider:
        return makeElement<SliderElement, QStyleOptionSlider>(site, style);
    // DialElement, QStyleOptionSlider
    case QStyle::CC_Dial:
        return makeElement<DialElement, QStyleOptionSlider>(site, style);
    // ToolButtonElement, QStyleOptionToolButton
    case QStyle::CC_ToolButton:
        return makeElement<ToolButtonElement, QStyleOptionToolButton>(site, style);
        return {};
    default:
        return {};
    }
}

Element primitiveElement(QStyle::PrimitiveElement primitive, const RequestSite& site, const QuiltStyle* style)
{
    switch (primitive) {
    // Tab bars, tab widgets, close buttons, group boxes, status bars and the
    // small elements.
    // TabBarElement, QStyleOptionTabBarBase
    case QStyle::PE_FrameTabBarBase:
        return makeElement<TabBarElement, QStyleOptionTabBarBase>(site, style);
    // TabWidgetElement, QStyleOptionTabWidgetFrame
    case QStyle::PE_FrameTabWidget:
        return makeElement<TabWidgetElement, QStyleOptionTabWidgetFrame>(site, style);
    // TabCloseButtonElement, any option
    case QStyle::PE_IndicatorTabClose:
        return makeElement<TabCloseButtonElement, QStyleOption>(site, style);
    // GroupBoxElement, QStyleOptionGroupBox
    case QStyle::PE_FrameGroupBox:
        return makeElement<GroupBoxElement, QStyleOptionGroupBox>(site, style);
    // StatusBarElement, any option
    case QStyle::PE_FrameStatusBarItem:
    case QStyle::PE_PanelStatusBar:
        return makeElement<StatusBarElement, QStyleOption>(site, style);
    // ScrollAreaCornerElement, any option
    case QStyle::PE_PanelScrollAreaCorner:
        return makeElement<ScrollAreaCornerElement, QStyleOption>(site, style);
    // SplitterElement, any option
    case QStyle::PE_IndicatorDockWidgetResizeHandle:
        return makeElement<SplitterElement, QStyleOption>(site, style);
    // ToolTipElement, QStyleOptionFrame
    case QStyle::PE_PanelTipLabel:
        return makeElement<ToolTipElement, QStyleOptionFrame>(site, style);
    case QStyle::PE_FrameDefaultButton:
    case QStyle::PE_FrameButtonBevel:
    case QStyle::PE_PanelButtonCommand:
    case QStyle::PE_PanelButtonBevel:
        return makeElement<ButtonElement, QStyleOptionButton>(site, style);
    case QStyle::PE_IndicatorArrowDown:
    case QStyle::PE_IndicatorArrowLeft:
    case QStyle::PE_IndicatorArrowRight:
    case QStyle::PE_IndicatorArrowUp:
    case QStyle::PE_IndicatorButtonDropDown:
        return makeElement<IndicatorElement, QStyleOption>(site, style);
    case QStyle::PE_Widget:
        return makeElement<WidgetElement, QStyleOption>(site, style);
    // CheckBoxElement, QStyleOptionButton
    case QStyle::PE_IndicatorCheckBox:
        return makeElement<CheckBoxElement, QStyleOptionButton>(site, style);
    // FocusElement, QStyleOptionFocusRect
    case QStyle::PE_FrameFocusRect:
        return makeElement<FocusElement, QStyleOptionFocusRect>(site, style);
    // FrameElement, QStyleOptionFrame
    case QStyle::PE_Frame:
    case QStyle::PE_FrameDockWidget:
    case QStyle::PE_FrameWindow:
        return makeElement<FrameElement, QStyleOptionFrame>(site, style);
    // HeaderElement, QStyleOptionHeader
    case QStyle::PE_IndicatorHeaderArrow:
        return makeElement<HeaderElement, QStyleOptionHeader>(site, style);
    // ItemViewElement, QStyleOptionViewItem
    case QStyle::PE_PanelItemViewItem:
        return makeElement<ItemViewElement, QStyleOptionViewItem>(site, style);
    // LineEditElement, QStyleOptionFrame
    case QStyle::PE_FrameLineEdit:
    case QStyle::PE_PanelLineEdit:
        return makeElement<LineEditElement, QStyleOptionFrame>(site, style);
    // MenuBarElement, any option
    case QStyle::PE_PanelMenuBar:
        return makeElement<MenuBarElement, QStyleOption>(site, style);
    // MenuElement, any option
    case QStyle::PE_FrameMenu:
    case QStyle::PE_PanelMenu:
        return makeElement<MenuElement, QStyleOption>(site, style);
    // ProgressBarElement, QStyleOptionProgressBar
    case QStyle::PE_IndicatorProgressChunk:
        return makeElement<ProgressBarElement, QStyleOptionProgressBar>(site, style);
    // RadioButtonElement, QStyleOptionButton
    case QStyle::PE_IndicatorRadioButton:
        return makeElement<RadioButtonElement, QStyleOptionButton>(site, style);
    // SpinBoxElement, QStyleOptionSpinBox
    case QStyle::PE_IndicatorSpinDown:
    case QStyle::PE_IndicatorSpinMinus:
    case QStyle::PE_IndicatorSpinPlus:
    case QStyle::PE_IndicatorSpinUp:
        return makeElement<SpinBoxElement, QStyleOptionSpinBox>(site, style);
    // ToolBarElement, QStyleOptionToolBar
    case QStyle::PE_PanelToolBar:
        return makeElement<ToolBarElement, QStyleOptionToolBar>(site, style);
    // ToolBarElement, any option
    case QStyle::PE_IndicatorToolBarHandle:
    case QStyle::PE_IndicatorToolBarSeparator:
        return makeElement<ToolBarElement, QStyleOption>(site, style);
    // ToolButtonElement, QStyleOptionToolButton
    case QStyle::PE_FrameButtonTool:
    case QStyle::PE_PanelButtonTool:
        return makeElement<ToolButtonElement, QStyleOptionToolButton>(site, style);
    // TreeViewElement, any option
    case QStyle::PE_IndicatorBranch:
        return makeElement<TreeViewElement, QStyleOption>(site, style);
        return {};
    default:
        return {};
    }
}

Element sizeElement(QStyle::ContentsType type, const RequestSite& site, const QuiltStyle* style)
{
    switch (type) {
    // Tabs, tab widgets, group boxes, size grips and splitters.
    // TabElement, QStyleOptionTab
    case QStyle::CT_TabBarTab:
        return makeElement<TabElement, QStyleOptionTab>(site, style);
    // TabWidgetElement, QStyleOptionTabWidgetFrame
    case QStyle::CT_TabWidget:
        return makeElement<TabWidgetElement, QStyleOptionTabWidgetFrame>(site, style);
    // GroupBoxElement, QStyleOptionGroupBox
    case QStyle::CT_GroupBox:
        return makeElement<GroupBoxElement, QStyleOptionGroupBox>(site, style);
    // SizeGripElement, QStyleOptionSizeGrip
    case QStyle::CT_SizeGrip:
        return makeElement<SizeGripElement, QStyleOptionSizeGrip>(site, style);
    // SplitterElement, any option
    case QStyle::CT_Splitter:
        return makeElement<SplitterElement, QStyleOption>(site, style);
    case QStyle::CT_PushButton:
        return makeElement<ButtonElement, QStyleOptionButton>(site, style);
    // CheckBoxElement, QStyleOptionButton
    case QStyle::CT_CheckBox:
        return makeElement<CheckBoxElement, QStyleOptionButton>(site, style);
    // ComboBoxElement, QStyleOptionComboBox
    case QStyle::CT_ComboBox:
        return makeElement<ComboBoxElement, QStyleOptionComboBox>(site, style);
    // HeaderElement, QStyleOptionHeader
    case QStyle::CT_HeaderSection:
        return makeElement<HeaderElement, QStyleOptionHeader>(site, style);
    // ItemViewElement, QStyleOptionViewItem
    case QStyle::CT_ItemViewItem:
        return makeElement<ItemViewElement, QStyleOptionViewItem>(site, style);
    // LineEditElement, QStyleOptionFrame
    case QStyle::CT_LineEdit:
        return makeElement<LineEditElement, QStyleOptionFrame>(site, style);
    // MenuBarElement, any option
    case QStyle::CT_MenuBar:
        return makeElement<MenuBarElement, QStyleOption>(site, style);
    // MenuBarItemElement, QStyleOptionMenuItem
    case QStyle::CT_MenuBarItem:
        return makeElement<MenuBarItemElement, QStyleOptionMenuItem>(site, style);
    // MenuElement, any option
    case QStyle::CT_Menu:
        return makeElement<MenuElement, QStyleOption>(site, style);
    // MenuItemElement, QStyleOptionMenuItem
    case QStyle::CT_MenuItem:
        return makeElement<MenuItemElement, QStyleOptionMenuItem>(site, style);
    // ProgressBarElement, QStyleOptionProgressBar
    case QStyle::CT_ProgressBar:
        return makeElement<ProgressBarElement, QStyleOptionProgressBar>(site, style);
    // RadioButtonElement, QStyleOptionButton
    case QStyle::CT_RadioButton:
        return makeElement<RadioButtonElement, QStyleOptionButton>(site, style);
    // ScrollBarElement, QStyleOptionSlider
    case QStyle::CT_ScrollBar:
        return makeElement<ScrollBarElement, QStyleOptionSlider>(site, style);
    // SliderElement, QStyleOptionSlider
    case QStyle::CT_Slider:
        return makeElement<SliderElement, QStyleOptionSlider>(site, style);
    // SpinBoxElement, QStyleOptionSpinBox
    case QStyle::CT_SpinBox:
        return makeElement<SpinBoxElement, QStyleOptionSpinBox>(site, style);
    // ToolButtonElement, QStyleOptionToolButton
    case QStyle::CT_ToolButton:
        return makeElement<ToolButtonElement, QStyleOptionToolButton>(site, style);
    default:
        return {};
    }
}

Element subElementElement(QStyle::SubElement element, const RequestSite& site, const QuiltStyle* style)
{
    switch (element) {
    // Dock widgets and tool box tabs.
    // DockWidgetElement, QStyleOptionDockWidget
    case QStyle::SE_DockWidgetCloseButton:
    case QStyle::SE_DockWidgetFloatButton:
    case QStyle::SE_DockWidgetTitleBarText:
    case QStyle::SE_DockWidgetIcon:
        return makeElement<DockWidgetElement, QStyleOptionDockWidget>(site, style);
    // ToolBoxTabElement, QStyleOptionToolBox
    case QStyle::SE_ToolBoxTabContents:
        return makeElement<ToolBoxTabElement, QStyleOptionToolBox>(site, style);
    case QStyle::SE_PushButtonContents:
    case QStyle::SE_PushButtonFocusRect:
    case QStyle::SE_PushButtonBevel:
        return makeElement<ButtonElement, QStyleOptionButton>(site, style);
    // CheckBoxElement, QStyleOptionButton
    case QStyle::SE_CheckBoxIndicator:
    case QStyle::SE_CheckBoxContents:
        return makeElement<CheckBoxElement, QStyleOptionButton>(site, style);
    // FrameElement, QStyleOptionFrame
    case QStyle::SE_FrameContents:
        return makeElement<FrameElement, QStyleOptionFrame>(site, style);
    // HeaderElement, QStyleOptionHeader
    case QStyle::SE_HeaderLabel:
    case QStyle::SE_HeaderArrow:
        return makeElement<HeaderElement, QStyleOptionHeader>(site, style);
    // ItemViewElement, QStyleOptionViewItem
    case QStyle::SE_ItemViewItemCheckIndicator:
    case QStyle::SE_ItemViewItemDecoration:
    case QStyle::SE_ItemViewItemText:
        return makeElement<ItemViewElement, QStyleOptionViewItem>(site, style);
    // LineEditElement, QStyleOptionFrame
    case QStyle::SE_LineEditContents:
        return makeElement<LineEditElement, QStyleOptionFrame>(site, style);
    // ProgressBarElement, QStyleOptionProgressBar
    case QStyle::SE_ProgressBarGroove:
    case QStyle::SE_ProgressBarContents:
    case QStyle::SE_ProgressBarLabel:
        return makeElement<ProgressBarElement, QStyleOptionProgressBar>(site, style);
    // RadioButtonElement, QStyleOptionButton
    case QStyle::SE_RadioButtonIndicator:
    case QStyle::SE_RadioButtonContents:
        return makeElement<RadioButtonElement, QStyleOptionButton>(site, style);
        return {};
    default:
        return {};
    }
}

Element metricElement(QStyle::PixelMetric metric, const RequestSite& site, const QuiltStyle* style)
{
    switch (metric) {
    // Tabs, tab bars, close buttons, title bars, dock widgets and the small
    // elements.
    // TabElement, QStyleOptionTab
    case QStyle::PM_TabBarTabHSpace:
    case QStyle::PM_TabBarTabVSpace:
        return makeElement<TabElement, QStyleOptionTab>(site, style);
    // TabBarElement, QStyleOptionTabBarBase
    case QStyle::PM_TabBarBaseHeight:
    case QStyle::PM_TabBarScrollButtonWidth:
    case QStyle::PM_TabBarIconSize:
        return makeElement<TabBarElement, QStyleOptionTabBarBase>(site, style);
    // TabCloseButtonElement, any option
    case QStyle::PM_TabCloseIndicatorWidth:
    case QStyle::PM_TabCloseIndicatorHeight:
        return makeElement<TabCloseButtonElement, QStyleOption>(site, style);
    // TitleBarElement, QStyleOptionTitleBar
    case QStyle::PM_TitleBarHeight:
    case QStyle::PM_TitleBarButtonIconSize:
    case QStyle::PM_TitleBarButtonSize:
        return makeElement<TitleBarElement, QStyleOptionTitleBar>(site, style);
    // DockWidgetElement, QStyleOptionDockWidget
    case QStyle::PM_DockWidgetFrameWidth:
        return makeElement<DockWidgetElement, QStyleOptionDockWidget>(site, style);
    // SizeGripElement, QStyleOptionSizeGrip
    case QStyle::PM_SizeGripSize:
        return makeElement<SizeGripElement, QStyleOptionSizeGrip>(site, style);
    // SplitterElement, any option
    case QStyle::PM_DockWidgetSeparatorExtent:
    case QStyle::PM_SplitterWidth:
        return makeElement<SplitterElement, QStyleOption>(site, style);
    // ToolTipElement, QStyleOptionFrame
    case QStyle::PM_ToolTipLabelFrameWidth:
        return makeElement<ToolTipElement, QStyleOptionFrame>(site, style);
    case QStyle::PM_ButtonMargin:
    case QStyle::PM_ButtonDefaultIndicator:
    case QStyle::PM_ButtonIconSize:
        return makeElement<ButtonElement, QStyleOptionButton>(site, style);
    case QStyle::PM_ListViewIconSize:
    case QStyle::PM_IconViewIconSize:
    case QStyle::PM_SmallIconSize:
    case QStyle::PM_LargeIconSize:
    case QStyle::PM_MessageBoxIconSize:
    case QStyle::PM_TextCursorWidth:
        return makeElement<IndicatorElement, QStyleOption>(site, style);
    // CheckBoxElement, QStyleOptionButton
    case QStyle::PM_IndicatorWidth:
    case QStyle::PM_IndicatorHeight:
    case QStyle::PM_CheckBoxLabelSpacing:
        return makeElement<CheckBoxElement, QStyleOptionButton>(site, style);
    // ComboBoxElement, QStyleOptionComboBox
    case QStyle::PM_ComboBoxFrameWidth:
        return makeElement<ComboBoxElement, QStyleOptionComboBox>(site, style);
    // FocusElement, QStyleOptionFocusRect
    case QStyle::PM_FocusFrameVMargin:
    case QStyle::PM_FocusFrameHMargin:
        return makeElement<FocusElement, QStyleOptionFocusRect>(site, style);
    // FrameElement, QStyleOptionFrame
    case QStyle::PM_DefaultFrameWidth:
        return makeElement<FrameElement, QStyleOptionFrame>(site, style);
    // HeaderElement, QStyleOptionHeader
    case QStyle::PM_HeaderMargin:
    case QStyle::PM_HeaderMarkSize:
    case QStyle::PM_HeaderGripMargin:
    case QStyle::PM_HeaderDefaultSectionSizeHorizontal:
    case QStyle::PM_HeaderDefaultSectionSizeVertical:
        return makeElement<HeaderElement, QStyleOptionHeader>(site, style);
    // LineEditElement, QStyleOptionFrame
    case QStyle::PM_LineEditIconSize:
    case QStyle::PM_LineEditIconMargin:
        return makeElement<LineEditElement, QStyleOptionFrame>(site, style);
    // MenuBarElement, any option
    case QStyle::PM_MenuBarItemSpacing:
    case QStyle::PM_MenuBarVMargin:
    case QStyle::PM_MenuBarHMargin:
        return makeElement<MenuBarElement, QStyleOption>(site, style);
    // MenuElement, any option
    case QStyle::PM_MenuHMargin:
    case QStyle::PM_MenuVMargin:
    case QStyle::PM_MenuPanelWidth:
    case QStyle::PM_MenuDesktopFrameWidth:
        return makeElement<MenuElement, QStyleOption>(site, style);
    // MenuItemElement, QStyleOptionMenuItem
    case QStyle::PM_MenuButtonIndicator:
        return makeElement<MenuItemElement, QStyleOptionMenuItem>(site, style);
    // ProgressBarElement, QStyleOptionProgressBar
    case QStyle::PM_ProgressBarChunkWidth:
        return makeElement<ProgressBarElement, QStyleOptionProgressBar>(site, style);
    // RadioButtonElement, QStyleOptionButton
    case QStyle::PM_ExclusiveIndicatorWidth:
    case QStyle::PM_ExclusiveIndicatorHeight:
    case QStyle::PM_RadioButtonLabelSpacing:
        return makeElement<RadioButtonElement, QStyleOptionButton>(site, style);
    // ScrollBarElement, QStyleOptionSlider
    case QStyle::PM_ScrollBarExtent:
    case QStyle::PM_ScrollBarSliderMin:
        return makeElement<ScrollBarElement, QStyleOptionSlider>(site, style);
    // SliderElement, QStyleOptionSlider
    case QStyle::PM_SliderThickness:
    case QStyle::PM_SliderControlThickness:
    case QStyle::PM_SliderLength:
        return makeElement<SliderElement, QStyleOptionSlider>(site, style);
    // SpinBoxElement, QStyleOptionSpinBox
    case QStyle::PM_SpinBoxFrameWidth:
        return makeElement<SpinBoxElement, QStyleOptionSpinBox>(site, style);
    // ToolBarElement, QStyleOptionToolBar
    case QStyle::PM_ToolBarFrameWidth:
    case QStyle::PM_ToolBarHandleExtent:
    case QStyle::PM_ToolBarItemSpacing:
    case QStyle::PM_ToolBarItemMargin:
    case QStyle::PM_ToolBarSeparatorExtent:
    case QStyle::PM_ToolBarExtensionExtent:
    case QStyle::PM_ToolBarIconSize:
        return makeElement<ToolBarElement, QStyleOptionToolBar>(site, style);
    // TreeViewElement, any option
    case QStyle::PM_TreeViewIndentation:
        return makeElement<TreeViewElement, QStyleOption>(site, style);
        return {};
    default:
        return {};
    }
}

Element hintElement(QStyle::StyleHint hint, const RequestSite& site, const QuiltStyle* style)
{
    switch (hint) {
    // Tab bars.
    // TabBarElement, QStyleOptionTabBarBase
    case QStyle::SH_TabBar_Alignment:
    case QStyle::SH_TabBar_ElideMode:
        return makeElement<TabBarElement, QStyleOptionTabBarBase>(site, style);
    case QStyle::SH_FormLayoutWrapPolicy:
    case QStyle::SH_FormLayoutFieldGrowthPolicy:
    case QStyle::SH_FormLayoutFormAlignment:
    case QStyle::SH_FormLayoutLabelAlignment:
        return makeElement<WidgetElement, QStyleOption>(site, style);
    default:
        return {};
    }
}

Element iconElement(QStyle::StandardPixmap pixmap, const RequestSite& site, const QuiltStyle* style)
{
    switch (pixmap) {
    // Dock widgets.
    // DockWidgetElement, QStyleOptionDockWidget
    case QStyle::SP_TitleBarCloseButton:
    case QStyle::SP_TitleBarNormalButton:
    case QStyle::SP_DockWidgetCloseButton:
        return makeElement<DockWidgetElement, QStyleOptionDockWidget>(site, style);
    default:
        return {};
    }
}

// The plain arrows, as a calendar's month buttons show them, and a dialog's
// close button: the style's arrow indicators and close mark, tinted as every
// symbol it draws, where the common style's are black and vanish on a dark
// surface.
std::optional<QStyle::PrimitiveElement> symbolPrimitive(QStyle::StandardPixmap pixmap)
{
    switch (pixmap) {
    case QStyle::SP_DialogCloseButton:
        return QStyle::PE_IndicatorTabClose;
    case QStyle::SP_ArrowUp:
        return QStyle::PE_IndicatorArrowUp;
    case QStyle::SP_ArrowDown:
        return QStyle::PE_IndicatorArrowDown;
    case QStyle::SP_ArrowLeft:
        return QStyle::PE_IndicatorArrowLeft;
    case QStyle::SP_ArrowRight:
        return QStyle::PE_IndicatorArrowRight;
    default:
        return std::nullopt;
    }
}

// What one symbol icon was drawn for. The icon is four drawings of the
// style's symbol; a dialog or a calendar asks again on every change of its
// state, and gets the icon it had while nothing the drawing reads changed.
struct SymbolRequest
{
    QStyle::PrimitiveElement primitive = QStyle::PE_CustomBase;
    const QWidget* widget = nullptr;
    QPointer<const QWidget> widgetGuard;
    int state = 0;
    bool enabled = true;
    Qt::LayoutDirection direction = Qt::LeftToRight;
    qint64 palette = 0;
    QStringList memberNames;
    quint64 epoch = 0;

    bool operator==(const SymbolRequest& other) const
    {
        return primitive == other.primitive && widget == other.widget && state == other.state
            && enabled == other.enabled && direction == other.direction && palette == other.palette
            && epoch == other.epoch && memberNames == other.memberNames;
    }
};

struct SymbolIcon
{
    SymbolRequest request;
    QIcon icon;
};

QIcon symbolIcon(const QuiltStyle* style, QStyle::PrimitiveElement primitive, const QStyleOption* option,
                 const QWidget* widget)
{
    QStyleOption arrow;
    if (widget) {
        arrow.initFrom(widget);
    } else if (option) {
        arrow.state = option->state;
        arrow.direction = option->direction;
        arrow.palette = option->palette;
    }
    arrow.state |= QStyle::State_Enabled;

    SymbolRequest request;
    request.primitive = primitive;
    request.widget = widget;
    request.widgetGuard = widget;
    request.state = int(arrow.state);
    request.direction = arrow.direction;
    request.palette = arrow.palette.cacheKey();
    if (widget) {
        request.memberNames = widgetFacts(widget)->memberNames;
        request.enabled = widget->isEnabled();
    }
    request.epoch = style->iconEpoch();

    static std::vector<SymbolIcon> icons;
    // A widget gone may leave its address to a new one.
    std::erase_if(icons, [](const SymbolIcon& known) { return known.request.widget && !known.request.widgetGuard; });
    for (const SymbolIcon& known : icons) {
        if (known.request == request) {
            return known.icon;
        }
    }

    QIcon icon;
    for (const int size : { 16, 22, 32, 48 }) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        arrow.rect = QRect(0, 0, size, size);
        style->drawPrimitive(primitive, &arrow, &painter, widget);
        painter.end();
        icon.addPixmap(pixmap);
    }
    if (icons.size() >= 32) {
        icons.erase(icons.begin());
    }
    icons.push_back({ std::move(request), icon });
    return icon;
}

// A text field asks for its side widgets' icon size and margin on every
// paint, without an option: no element answers those, and the common style
// derives them from the small icon size, two and three requests deep. What
// it answered is kept per widget while nothing the small icon size is worked
// out from (without an option: the widget's facts and window, the style
// generation) has changed.
struct KeptFieldMetric
{
    const QuiltStyle* style = nullptr;
    QStyle::PixelMetric metric = QStyle::PM_CustomBase;
    const QWidget* widget = nullptr;
    QPointer<const QWidget> guard;
    const QWidget* window = nullptr;
    bool enabled = true;
    quint64 generation = 0;
    quint64 facts = 0;
    int value = 0;
};

int fieldMetric(const QuiltStyle* style, QStyle::PixelMetric metric, const QWidget* widget)
{
    // A paint asks for each metric twice; a few widgets may take turns.
    static std::array<KeptFieldMetric, 8> kept;
    static std::size_t next = 0;
    const QWidget* window = widget->window();
    const bool enabled = widget->isEnabled();
    const quint64 generation = styleGeneration();
    const quint64 facts = widgetFactsStamp();
    for (const KeptFieldMetric& known : kept) {
        if (known.widget == widget && known.metric == metric && known.style == style && known.guard == widget
            && known.window == window && known.enabled == enabled && known.generation == generation
            && known.facts == facts) {
            return known.value;
        }
    }
    const int value = style->QCommonStyle::pixelMetric(metric, nullptr, widget);
    kept[next] = { style, metric, widget, widget, window, enabled, generation, facts, value };
    next = (next + 1) % kept.size();
    return value;
}

void antialias(QPainter* painter)
{
    if (painter) {
        painter->setRenderHint(QPainter::Antialiasing, true);
    }
}
} // namespace

std::size_t RequestSite::key() const
{
    const size_t seed = QHashSeed::globalSeed();
    if (!place.isNull()) {
        return qHashMulti(seed, kind, enumerator, option, widget, place.x(), place.y(), place.width(), place.height());
    }
    switch (kind) {
    case SizeFromContents:
        return qHashMulti(seed, kind, enumerator, contents, option, widget);
    case StandardIcon:
        return qHashMulti(seed, kind, option, widget);
    default:
        return qHashMulti(seed, kind, enumerator, option, widget);
    }
}

std::shared_ptr<AbstractElement> cachedElement(const RequestSite& site)
{
    auto entry = elementCache().get(site.key());
    if (entry && entryMatches(*entry, site)) {
        return entry->element;
    }
    if (site.option && site.place.isNull()) {
        RequestSite placed = site;
        placed.place = site.option->rect;
        entry = elementCache().get(placed.key());
        if (entry && entryMatches(*entry, placed)) {
            return entry->element;
        }
    }
    if (const LastShared& last = lastShared(site.kind); sameSite(last.site, site)) {
        return last.element.lock();
    }
    return {};
}

int toMetric(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    return int(std::trunc(
        std::clamp(value, double(std::numeric_limits<int>::min()), double(std::numeric_limits<int>::max()))));
}

QSize toSize(const QSizeF& size)
{
    return size.toSize();
}

void drawControl(const QuiltStyle* style, QStyle::ControlElement control, const QStyleOption* option, QPainter* painter,
                 const QWidget* widget)
{
    antialias(painter);
    if (FixedAnswers::drawsNothing(control)) {
        return;
    }
    if (Element element = controlElement(control, { DrawControl, int(control), option, widget, {} }, style)) {
        element->refresh();
        element->draw(painter, control, -1, -1);
        return;
    }
    // The common style reads the option of every drawing request without a
    // test; a caller that passes none gets nothing drawn rather than a crash.
    if (option) {
        style->QCommonStyle::drawControl(control, option, painter, widget);
    }
}

void drawComplexControl(const QuiltStyle* style, QStyle::ComplexControl control, const QStyleOptionComplex* option,
                        QPainter* painter, const QWidget* widget)
{
    antialias(painter);
    if (Element element = complexElement(control, { DrawComplexControl, int(control), option, widget, {} }, style)) {
        element->refresh();
        element->draw(painter, -1, control, -1);
        return;
    }
    if (option) {
        style->QCommonStyle::drawComplexControl(control, option, painter, widget);
    }
}

QRect subControlRect(const QuiltStyle* style, QStyle::ComplexControl control, const QStyleOptionComplex* option,
                     QStyle::SubControl subControl, const QWidget* widget)
{
    if (Element element = complexElement(control, { SubControlRect, int(control), option, widget, {} }, style)) {
        element->refresh();
        return element->subControlRect(subControl).toRect();
    }
    if (!option) {
        return {};
    }
    return style->QCommonStyle::subControlRect(control, option, subControl, widget);
}

void drawPrimitive(const QuiltStyle* style, QStyle::PrimitiveElement primitive, const QStyleOption* option,
                   QPainter* painter, const QWidget* widget)
{
    antialias(painter);
    switch (primitive) {
    case QStyle::PE_IndicatorItemViewItemCheck:
    case QStyle::PE_IndicatorMenuCheckMark:
        style->drawPrimitive(QStyle::PE_IndicatorCheckBox, option, painter, widget);
        return;
    case QStyle::PE_IndicatorColumnViewArrow:
        style->drawPrimitive(QStyle::PE_IndicatorArrowRight, option, painter, widget);
        return;
    default:
        break;
    }

    if (Element element = primitiveElement(primitive, { DrawPrimitive, primitive, option, widget, {} }, style)) {
        element->refresh();
        element->draw(painter, -1, -1, primitive);
        return;
    }
    // Without a header option the header element declines; the arrow is
    // then drawn as a plain up or down arrow.
    if (primitive == QStyle::PE_IndicatorHeaderArrow && !qstyleoption_cast<const QStyleOptionHeader*>(option)) {
        FixedAnswers::drawHeaderArrow(style, option, painter, widget);
        return;
    }
    if (option) {
        style->QCommonStyle::drawPrimitive(primitive, option, painter, widget);
    }
}

QSize sizeFromContents(const QuiltStyle* style, QStyle::ContentsType type, const QStyleOption* option,
                       const QSize& contents, const QWidget* widget)
{
    if (Element element = sizeElement(type, { SizeFromContents, int(type), option, widget, contents }, style)) {
        const AbstractElement::Answering answering(*element);
        return toSize(element->sizeFromContents(QSizeF(contents)));
    }
    if (!option) {
        return contents;
    }
    return style->QCommonStyle::sizeFromContents(type, option, contents, widget);
}

QRect subElementRect(const QuiltStyle* style, QStyle::SubElement subElement, const QStyleOption* option,
                     const QWidget* widget)
{
    if (Element element
        = subElementElement(subElement, { SubElementRect, int(subElement), option, widget, {} }, style)) {
        element->refresh();
        return element->subElementRect(subElement).toRect();
    }
    if (!option) {
        return {};
    }
    // The common style measures the scroll buttons of a tab bar on the widget
    // itself, without testing that there is one.
    if (!widget
        && (subElement == QStyle::SE_TabBarScrollLeftButton || subElement == QStyle::SE_TabBarScrollRightButton)) {
        return {};
    }
    return style->QCommonStyle::subElementRect(subElement, option, widget);
}

int pixelMetric(const QuiltStyle* style, QStyle::PixelMetric metric, const QStyleOption* option, const QWidget* widget)
{
    if (const auto fixed = FixedAnswers::pixelMetric(metric)) {
        return *fixed;
    }
    // A tool tip's label asks for its frame without an option: it is a frame
    // all the same, and gets the tool tip's answer.
    if (!option && widget && metric == QStyle::PM_ToolTipLabelFrameWidth) {
        QStyleOptionFrame frame;
        frame.initFrom(widget);
        return pixelMetric(style, metric, &frame, widget);
    }
    if (!option && widget && (metric == QStyle::PM_LineEditIconSize || metric == QStyle::PM_LineEditIconMargin)) {
        return fieldMetric(style, metric, widget);
    }
    if (Element element = metricElement(metric, { PixelMetric, int(metric), option, widget, {} }, style)) {
        const AbstractElement::Answering answering(*element);
        return toMetric(element->pixelMetric(metric));
    }
    return style->QCommonStyle::pixelMetric(metric, option, widget);
}

int styleHint(const QuiltStyle* style, QStyle::StyleHint hint, const QStyleOption* option, const QWidget* widget,
              QStyleHintReturn* returnData)
{
    if (const auto fixed = FixedAnswers::styleHint(style, hint, option, widget, returnData)) {
        return *fixed;
    }
    if (Element element = hintElement(hint, { StyleHint, int(hint), option, widget, {} }, style)) {
        return element->styleHint(hint);
    }
    // The common style fills the focus indicator's format from the option's
    // palette without testing that there is an option.
    if (!option && hint == QStyle::SH_TextControl_FocusIndicatorTextCharFormat) {
        return 1;
    }
    return style->QCommonStyle::styleHint(hint, option, widget, returnData);
}

QIcon standardIcon(const QuiltStyle* style, QStyle::StandardPixmap pixmap, const QStyleOption* option,
                   const QWidget* widget)
{
    if (Element element = iconElement(pixmap, { StandardIcon, int(pixmap), option, widget, {} }, style)) {
        return element->standardIcon(pixmap);
    }
    if (const auto primitive = symbolPrimitive(pixmap)) {
        return symbolIcon(style, *primitive, option, widget);
    }
    return style->QCommonStyle::standardIcon(pixmap, option, widget);
}

QStyle::SubControl hitTestComplexControl(const QuiltStyle* style, QStyle::ComplexControl control,
                                         const QStyleOptionComplex* option, const QPoint& position,
                                         const QWidget* widget)
{
    if (control == QStyle::CC_ScrollBar) {
        return FixedAnswers::hitTestScrollBar(style, option, position, widget);
    }
    if (!option) {
        return QStyle::SC_None;
    }
    return style->QCommonStyle::hitTestComplexControl(control, option, position, widget);
}
} // namespace ElementDispatch
