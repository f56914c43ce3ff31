#include "elementdispatch.h"

#include "abstractelement.h"
#include "buttonelement.h"
#include "elementcache.h"
#include "fixedanswers.h"
#include "indicatorelement.h"
#include "menubarelement.h"
#include "menuelement.h"
#include "menuitemelement.h"
#include "progressbarelement.h"
#include "scrollbarelement.h"
#include "sliderelement.h"
#include "toolbarelement.h"
#include "toolbuttonelement.h"
#include "quiltstyle.h"
#include "widgetelement.h"

#include <QHash>
#include <QHashSeed>
#include <QPainter>
#include <QStyleOption>

#include <cmath>
#include <limits>
#include <type_traits>

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
        && entry.optionVersion == optionVersion && (site.kind != SizeFromContents || entry.contents == site.contents);
}

// The factory of one enumerator: the cached element of the site, else a new
// element of class E when the option is an O (any option, null too, for
// QStyleOption).
template<typename E, typename O> Element makeElement(const RequestSite& site, const QuiltStyle* style)
{
    const std::size_t key = site.key();
    ElementCache& cache = elementCache();
    if (auto entry = cache.get(key); entry && entryMatches(*entry, site)) {
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

    Element element = std::make_shared<E>(option, const_cast<QuiltStyle*>(style), site.widget);
    ElementCacheEntry entry;
    entry.element = element;
    entry.kind = site.kind;
    entry.enumerator = site.enumerator;
    entry.optionType = site.option ? site.option->type : -1;
    entry.optionVersion = site.option ? site.option->version : -1;
    entry.option = site.option;
    entry.widget = site.widget;
    entry.contents = site.contents;
    cache.put(key, std::move(entry));
    return element;
}

// The switches below list every enumerator that has an element class. Those
// whose classes do not exist yet answer null, so the common style serves them.

Element controlElement(QStyle::ControlElement control, const RequestSite& site, const QuiltStyle* style)
{
    switch (control) {
    case QStyle::CE_PushButton:
    case QStyle::CE_PushButtonBevel:
    case QStyle::CE_PushButtonLabel:
        return makeElement<ButtonElement, QStyleOptionButton>(site, style);
    // Scroll bars, sliders, progress bars, menus, menu bars, tool bars and
    // tool buttons.
    case QStyle::CE_MenuBarEmptyArea:
        return makeElement<MenuBarElement, QStyleOption>(site, style);
    case QStyle::CE_MenuBarItem:
        return makeElement<MenuBarItemElement, QStyleOptionMenuItem>(site, style);
    case QStyle::CE_MenuItem:
        return makeElement<MenuItemElement, QStyleOptionMenuItem>(site, style);
    case QStyle::CE_ProgressBar:
    case QStyle::CE_ProgressBarGroove:
    case QStyle::CE_ProgressBarContents:
    case QStyle::CE_ProgressBarLabel:
        return makeElement<ProgressBarElement, QStyleOptionProgressBar>(site, style);
    case QStyle::CE_ScrollBarAddLine:
    case QStyle::CE_ScrollBarSubLine:
    case QStyle::CE_ScrollBarAddPage:
    case QStyle::CE_ScrollBarSubPage:
    case QStyle::CE_ScrollBarSlider:
    case QStyle::CE_ScrollBarFirst:
    case QStyle::CE_ScrollBarLast:
        return makeElement<ScrollBarElement, QStyleOptionSlider>(site, style);
    case QStyle::CE_ToolBar:
        return makeElement<ToolBarElement, QStyleOptionToolBar>(site, style);
    case QStyle::CE_ToolButtonLabel:
        return makeElement<ToolButtonElement, QStyleOptionToolButton>(site, style);
    case QStyle::CE_CheckBox:
    case QStyle::CE_CheckBoxLabel: // check box
    case QStyle::CE_ComboBoxLabel: // combo box
    case QStyle::CE_DockWidgetTitle: // dock widget
    case QStyle::CE_FocusFrame:
    case QStyle::CE_ShapedFrame: // frame
    case QStyle::CE_Header:
    case QStyle::CE_HeaderSection:
    case QStyle::CE_HeaderLabel:
    case QStyle::CE_HeaderEmptyArea: // header
    case QStyle::CE_ItemViewItem: // item view
    case QStyle::CE_RadioButton:
    case QStyle::CE_RadioButtonLabel: // radio button
    case QStyle::CE_RubberBand: // rubber band
    case QStyle::CE_SizeGrip: // size grip
    case QStyle::CE_Splitter: // splitter
    case QStyle::CE_TabBarTab:
    case QStyle::CE_TabBarTabShape:
    case QStyle::CE_TabBarTabLabel: // tab
    case QStyle::CE_ToolBoxTab:
    case QStyle::CE_ToolBoxTabShape:
    case QStyle::CE_ToolBoxTabLabel: // tool box tab
        return {};
    default:
        return {};
    }
}

Element complexElement(QStyle::ComplexControl control, const RequestSite& site, const QuiltStyle* style)
{
    switch (control) {
    // Scroll bars, sliders, progress bars, menus, menu bars, tool bars and
    // tool buttons.
    case QStyle::CC_ScrollBar:
        return makeElement<ScrollBarElement, QStyleOptionSlider>(site, style);
    case QStyle::CC_Slider:
        return makeElement<SliderElement, QStyleOptionSlider>(site, style);
    case QStyle::CC_ToolButton:
        return makeElement<ToolButtonElement, QStyleOptionToolButton>(site, style);
    case QStyle::CC_SpinBox: // spin box
    case QStyle::CC_ComboBox: // combo box
    case QStyle::CC_TitleBar: // title bar
    case QStyle::CC_GroupBox: // group box
        return {};
    default:
        return {};
    }
}

Element primitiveElement(QStyle::PrimitiveElement primitive, const RequestSite& site, const QuiltStyle* style)
{
    switch (primitive) {
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
    // Scroll bars, sliders, progress bars, menus, menu bars, tool bars and
    // tool buttons.
    case QStyle::PE_PanelMenuBar:
        return makeElement<MenuBarElement, QStyleOption>(site, style);
    case QStyle::PE_FrameMenu:
    case QStyle::PE_PanelMenu:
        return makeElement<MenuElement, QStyleOption>(site, style);
    case QStyle::PE_IndicatorProgressChunk:
        return makeElement<ProgressBarElement, QStyleOptionProgressBar>(site, style);
    case QStyle::PE_PanelToolBar:
        return makeElement<ToolBarElement, QStyleOptionToolBar>(site, style);
    case QStyle::PE_IndicatorToolBarHandle:
    case QStyle::PE_IndicatorToolBarSeparator:
        return makeElement<ToolBarElement, QStyleOption>(site, style);
    case QStyle::PE_FrameButtonTool:
    case QStyle::PE_PanelButtonTool:
        return makeElement<ToolButtonElement, QStyleOptionToolButton>(site, style);
    case QStyle::PE_IndicatorCheckBox: // check box
    case QStyle::PE_FrameFocusRect: // focus
    case QStyle::PE_Frame:
    case QStyle::PE_FrameDockWidget:
    case QStyle::PE_FrameWindow: // frame
    case QStyle::PE_FrameGroupBox: // group box
    case QStyle::PE_IndicatorHeaderArrow: // header
    case QStyle::PE_PanelItemViewItem: // item view
    case QStyle::PE_FrameLineEdit:
    case QStyle::PE_PanelLineEdit: // line edit
    case QStyle::PE_IndicatorRadioButton: // radio button
    case QStyle::PE_PanelScrollAreaCorner: // scroll-area corner
    case QStyle::PE_IndicatorSpinDown:
    case QStyle::PE_IndicatorSpinMinus:
    case QStyle::PE_IndicatorSpinPlus:
    case QStyle::PE_IndicatorSpinUp: // spin box
    case QStyle::PE_IndicatorDockWidgetResizeHandle: // splitter
    case QStyle::PE_FrameStatusBarItem:
    case QStyle::PE_PanelStatusBar: // status bar
    case QStyle::PE_FrameTabBarBase: // tab bar
    case QStyle::PE_IndicatorTabClose: // tab close button
    case QStyle::PE_FrameTabWidget: // tab widget
    case QStyle::PE_PanelTipLabel: // tool tip
    case QStyle::PE_IndicatorBranch: // tree view
        return {};
    default:
        return {};
    }
}

Element sizeElement(QStyle::ContentsType type, const RequestSite& site, const QuiltStyle* style)
{
    switch (type) {
    case QStyle::CT_PushButton:
        return makeElement<ButtonElement, QStyleOptionButton>(site, style);
    // Scroll bars, sliders, progress bars, menus, menu bars, tool bars and
    // tool buttons.
    case QStyle::CT_MenuBar:
        return makeElement<MenuBarElement, QStyleOption>(site, style);
    case QStyle::CT_MenuBarItem:
        return makeElement<MenuBarItemElement, QStyleOptionMenuItem>(site, style);
    case QStyle::CT_Menu:
        return makeElement<MenuElement, QStyleOption>(site, style);
    case QStyle::CT_MenuItem:
        return makeElement<MenuItemElement, QStyleOptionMenuItem>(site, style);
    case QStyle::CT_ProgressBar:
        return makeElement<ProgressBarElement, QStyleOptionProgressBar>(site, style);
    case QStyle::CT_ScrollBar:
        return makeElement<ScrollBarElement, QStyleOptionSlider>(site, style);
    case QStyle::CT_Slider:
        return makeElement<SliderElement, QStyleOptionSlider>(site, style);
    case QStyle::CT_ToolButton:
        return makeElement<ToolButtonElement, QStyleOptionToolButton>(site, style);
    case QStyle::CT_CheckBox: // check box
    case QStyle::CT_ComboBox: // combo box
    case QStyle::CT_GroupBox: // group box
    case QStyle::CT_HeaderSection: // header
    case QStyle::CT_ItemViewItem: // item view
    case QStyle::CT_LineEdit: // line edit
    case QStyle::CT_RadioButton: // radio button
    case QStyle::CT_SizeGrip: // size grip
    case QStyle::CT_SpinBox: // spin box
    case QStyle::CT_Splitter: // splitter
    case QStyle::CT_TabBarTab: // tab
    case QStyle::CT_TabWidget: // tab widget
        return {};
    default:
        return {};
    }
}

Element subElementElement(QStyle::SubElement element, const RequestSite& site, const QuiltStyle* style)
{
    switch (element) {
    case QStyle::SE_PushButtonContents:
    case QStyle::SE_PushButtonFocusRect:
    case QStyle::SE_PushButtonBevel:
        return makeElement<ButtonElement, QStyleOptionButton>(site, style);
    // Scroll bars, sliders, progress bars, menus, menu bars, tool bars and
    // tool buttons.
    case QStyle::SE_ProgressBarGroove:
    case QStyle::SE_ProgressBarContents:
    case QStyle::SE_ProgressBarLabel:
        return makeElement<ProgressBarElement, QStyleOptionProgressBar>(site, style);
    case QStyle::SE_CheckBoxIndicator:
    case QStyle::SE_CheckBoxContents: // check box
    case QStyle::SE_DockWidgetCloseButton:
    case QStyle::SE_DockWidgetFloatButton:
    case QStyle::SE_DockWidgetTitleBarText:
    case QStyle::SE_DockWidgetIcon: // dock widget
    case QStyle::SE_FrameContents: // frame
    case QStyle::SE_HeaderLabel:
    case QStyle::SE_HeaderArrow: // header
    case QStyle::SE_ItemViewItemCheckIndicator:
    case QStyle::SE_ItemViewItemDecoration:
    case QStyle::SE_ItemViewItemText: // item view
    case QStyle::SE_LineEditContents: // line edit
    case QStyle::SE_RadioButtonIndicator:
    case QStyle::SE_RadioButtonContents: // radio button
    case QStyle::SE_ToolBoxTabContents: // tool box tab
        return {};
    default:
        return {};
    }
}

Element metricElement(QStyle::PixelMetric metric, const RequestSite& site, const QuiltStyle* style)
{
    switch (metric) {
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
    // Scroll bars, sliders, progress bars, menus, menu bars, tool bars and
    // tool buttons.
    case QStyle::PM_MenuBarItemSpacing:
    case QStyle::PM_MenuBarVMargin:
    case QStyle::PM_MenuBarHMargin:
        return makeElement<MenuBarElement, QStyleOption>(site, style);
    case QStyle::PM_MenuHMargin:
    case QStyle::PM_MenuVMargin:
    case QStyle::PM_MenuPanelWidth:
    case QStyle::PM_MenuDesktopFrameWidth:
        return makeElement<MenuElement, QStyleOption>(site, style);
    case QStyle::PM_MenuButtonIndicator:
        return makeElement<MenuItemElement, QStyleOptionMenuItem>(site, style);
    case QStyle::PM_ProgressBarChunkWidth:
        return makeElement<ProgressBarElement, QStyleOptionProgressBar>(site, style);
    case QStyle::PM_ScrollBarExtent:
    case QStyle::PM_ScrollBarSliderMin:
        return makeElement<ScrollBarElement, QStyleOptionSlider>(site, style);
    case QStyle::PM_SliderThickness:
    case QStyle::PM_SliderControlThickness:
    case QStyle::PM_SliderLength:
        return makeElement<SliderElement, QStyleOptionSlider>(site, style);
    case QStyle::PM_ToolBarFrameWidth:
    case QStyle::PM_ToolBarHandleExtent:
    case QStyle::PM_ToolBarItemSpacing:
    case QStyle::PM_ToolBarItemMargin:
    case QStyle::PM_ToolBarSeparatorExtent:
    case QStyle::PM_ToolBarExtensionExtent:
    case QStyle::PM_ToolBarIconSize:
        return makeElement<ToolBarElement, QStyleOptionToolBar>(site, style);
    case QStyle::PM_IndicatorWidth:
    case QStyle::PM_IndicatorHeight:
    case QStyle::PM_CheckBoxLabelSpacing: // check box
    case QStyle::PM_ComboBoxFrameWidth: // combo box
    case QStyle::PM_DockWidgetFrameWidth: // dock widget
    case QStyle::PM_FocusFrameVMargin:
    case QStyle::PM_FocusFrameHMargin: // focus
    case QStyle::PM_DefaultFrameWidth: // frame
    case QStyle::PM_HeaderMargin:
    case QStyle::PM_HeaderMarkSize:
    case QStyle::PM_HeaderGripMargin:
    case QStyle::PM_HeaderDefaultSectionSizeHorizontal:
    case QStyle::PM_HeaderDefaultSectionSizeVertical: // header
    case QStyle::PM_LineEditIconSize:
    case QStyle::PM_LineEditIconMargin: // line edit
    case QStyle::PM_ExclusiveIndicatorWidth:
    case QStyle::PM_ExclusiveIndicatorHeight:
    case QStyle::PM_RadioButtonLabelSpacing: // radio button
    case QStyle::PM_SizeGripSize: // size grip
    case QStyle::PM_SpinBoxFrameWidth: // spin box
    case QStyle::PM_DockWidgetSeparatorExtent:
    case QStyle::PM_SplitterWidth: // splitter
    case QStyle::PM_TabBarBaseHeight:
    case QStyle::PM_TabBarScrollButtonWidth:
    case QStyle::PM_TabBarIconSize: // tab bar
    case QStyle::PM_TabCloseIndicatorWidth:
    case QStyle::PM_TabCloseIndicatorHeight: // tab close button
    case QStyle::PM_TabBarTabHSpace:
    case QStyle::PM_TabBarTabVSpace: // tab
    case QStyle::PM_TitleBarHeight:
    case QStyle::PM_TitleBarButtonIconSize:
    case QStyle::PM_TitleBarButtonSize: // title bar
    case QStyle::PM_ToolTipLabelFrameWidth: // tool tip
    case QStyle::PM_TreeViewIndentation: // tree view
        return {};
    default:
        return {};
    }
}

Element hintElement(QStyle::StyleHint hint, const RequestSite& site, const QuiltStyle* style)
{
    switch (hint) {
    case QStyle::SH_FormLayoutWrapPolicy:
    case QStyle::SH_FormLayoutFieldGrowthPolicy:
    case QStyle::SH_FormLayoutFormAlignment:
    case QStyle::SH_FormLayoutLabelAlignment:
        return makeElement<WidgetElement, QStyleOption>(site, style);
    case QStyle::SH_TabBar_Alignment:
    case QStyle::SH_TabBar_ElideMode: // tab bar
        return {};
    default:
        return {};
    }
}

Element iconElement(QStyle::StandardPixmap pixmap, const RequestSite&, const QuiltStyle*)
{
    switch (pixmap) {
    case QStyle::SP_TitleBarCloseButton:
    case QStyle::SP_TitleBarNormalButton:
    case QStyle::SP_DockWidgetCloseButton: // dock widget
        return {};
    default:
        return {};
    }
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
    if (!entry || !entryMatches(*entry, site)) {
        return {};
    }
    return entry->element;
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
    if (Element element = controlElement(control, { DrawControl, control, option, widget, {} }, style)) {
        element->refresh();
        element->draw(painter, control, -1, -1);
        return;
    }
    style->QCommonStyle::drawControl(control, option, painter, widget);
}

void drawComplexControl(const QuiltStyle* style, QStyle::ComplexControl control, const QStyleOptionComplex* option,
                        QPainter* painter, const QWidget* widget)
{
    antialias(painter);
    if (Element element = complexElement(control, { DrawComplexControl, control, option, widget, {} }, style)) {
        element->refresh();
        element->draw(painter, -1, control, -1);
        return;
    }
    style->QCommonStyle::drawComplexControl(control, option, painter, widget);
}

QRect subControlRect(const QuiltStyle* style, QStyle::ComplexControl control, const QStyleOptionComplex* option,
                     QStyle::SubControl subControl, const QWidget* widget)
{
    if (Element element = complexElement(control, { SubControlRect, control, option, widget, {} }, style)) {
        element->refresh();
        return element->subControlRect(subControl).toRect();
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
    // A header option is the header element's to draw; until it exists, the
    // common style draws its sort arrow.
    if (primitive == QStyle::PE_IndicatorHeaderArrow && !qstyleoption_cast<const QStyleOptionHeader*>(option)) {
        FixedAnswers::drawHeaderArrow(style, option, painter, widget);
        return;
    }
    style->QCommonStyle::drawPrimitive(primitive, option, painter, widget);
}

QSize sizeFromContents(const QuiltStyle* style, QStyle::ContentsType type, const QStyleOption* option,
                       const QSize& contents, const QWidget* widget)
{
    if (Element element = sizeElement(type, { SizeFromContents, type, option, widget, contents }, style)) {
        return toSize(element->sizeFromContents(QSizeF(contents)));
    }
    return style->QCommonStyle::sizeFromContents(type, option, contents, widget);
}

QRect subElementRect(const QuiltStyle* style, QStyle::SubElement subElement, const QStyleOption* option,
                     const QWidget* widget)
{
    if (Element element = subElementElement(subElement, { SubElementRect, subElement, option, widget, {} }, style)) {
        element->refresh();
        return element->subElementRect(subElement).toRect();
    }
    return style->QCommonStyle::subElementRect(subElement, option, widget);
}

int pixelMetric(const QuiltStyle* style, QStyle::PixelMetric metric, const QStyleOption* option, const QWidget* widget)
{
    if (const auto fixed = FixedAnswers::pixelMetric(metric)) {
        return *fixed;
    }
    if (Element element = metricElement(metric, { PixelMetric, metric, option, widget, {} }, style)) {
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
    if (Element element = hintElement(hint, { StyleHint, hint, option, widget, {} }, style)) {
        return element->styleHint(hint);
    }
    return style->QCommonStyle::styleHint(hint, option, widget, returnData);
}

QIcon standardIcon(const QuiltStyle* style, QStyle::StandardPixmap pixmap, const QStyleOption* option,
                   const QWidget* widget)
{
    if (Element element = iconElement(pixmap, { StandardIcon, pixmap, option, widget, {} }, style)) {
        return element->standardIcon(pixmap);
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
    return style->QCommonStyle::hitTestComplexControl(control, option, position, widget);
}
} // namespace ElementDispatch
