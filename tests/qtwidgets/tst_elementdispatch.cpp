#include <QCommonStyle>
#include <QPainter>
#include <QPushButton>
#include <QSlider>
#include <QStyleOption>
#include <QTest>

#include "abstractelement.h"
#include "elementcache.h"
#include "elementdispatch.h"
#include "quiltstyle.h"
#include "widgettest.h"

#include <cstring>
#include <new>

using namespace ElementDispatch;

namespace
{
enum class OptionKind
{
    Button,
    Plain,
    Null,
    // Typed options of the form and data-view elements.
    Frame,
    FocusRect,
    ComboBox,
    SpinBox,
    ViewItem,
    Header,
    // Scroll bars, sliders, progress bars, menus, tool bars, tool buttons.
    Slider,
    ProgressBar,
    MenuItem,
    ToolBar,
    ToolButton,
};

// The typed options of the form and data-view elements, one of each.
struct TypedOptions
{
    QStyleOptionFrame frame;
    QStyleOptionFocusRect focusRect;
    QStyleOptionComboBox comboBox;
    QStyleOptionSpinBox spinBox;
    QStyleOptionViewItem viewItem;
    QStyleOptionHeader header;

    // The option of the kind, null for the button, plain and null kinds.
    QStyleOption* of(OptionKind kind)
    {
        QStyleOption* option = nullptr;
        switch (kind) {
        case OptionKind::Frame:
            option = &frame;
            break;
        case OptionKind::FocusRect:
            option = &focusRect;
            break;
        case OptionKind::ComboBox:
            option = &comboBox;
            break;
        case OptionKind::SpinBox:
            option = &spinBox;
            break;
        case OptionKind::ViewItem:
            option = &viewItem;
            break;
        case OptionKind::Header:
            option = &header;
            break;
        default:
            return nullptr;
        }
        option->rect = QRect(0, 0, 40, 20);
        return option;
    }
};

QuiltStyle* quiltStyle()
{
    return qobject_cast<QuiltStyle*>(QApplication::style());
}

const QSize Contents(10, 10);

RequestSite siteOf(int kind, int enumerator, const QStyleOption* option, const QWidget* widget = nullptr)
{
    return RequestSite { kind, enumerator, option, widget, kind == SizeFromContents ? Contents : QSize() };
}

// Sends one request of the given kind to `style`; its answer as a variant,
// empty for drawing requests.
QVariant request(const QStyle* style, int kind, int enumerator, const QStyleOption* option,
                 const QWidget* widget = nullptr)
{
    QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
    image.fill(Qt::transparent);
    QPainter painter(&image);
    switch (kind) {
    case DrawControl:
        style->drawControl(QStyle::ControlElement(enumerator), option, &painter, widget);
        return {};
    case DrawPrimitive:
        style->drawPrimitive(QStyle::PrimitiveElement(enumerator), option, &painter, widget);
        return {};
    case DrawComplexControl:
        // Complex controls are drawn and measured through one element.
        style->drawComplexControl(QStyle::ComplexControl(enumerator),
                                  qstyleoption_cast<const QStyleOptionComplex*>(option), &painter, widget);
        return {};
    case SizeFromContents:
        return style->sizeFromContents(QStyle::ContentsType(enumerator), option, Contents, widget);
    case SubElementRect:
        return style->subElementRect(QStyle::SubElement(enumerator), option, widget);
    case PixelMetric:
        return style->pixelMetric(QStyle::PixelMetric(enumerator), option, widget);
    case StyleHint:
        return style->styleHint(QStyle::StyleHint(enumerator), option, widget);
    }
    return {};
}

// What the common style answers on `style`'s behalf; the requests it makes
// on the way go to `style`.
QVariant commonAnswer(const QuiltStyle* style, int kind, int enumerator, const QStyleOption* option)
{
    switch (kind) {
    case SizeFromContents:
        return style->QCommonStyle::sizeFromContents(QStyle::ContentsType(enumerator), option, Contents, nullptr);
    case SubElementRect:
        return style->QCommonStyle::subElementRect(QStyle::SubElement(enumerator), option, nullptr);
    case PixelMetric:
        return style->QCommonStyle::pixelMetric(QStyle::PixelMetric(enumerator), option, nullptr);
    case StyleHint:
        return style->QCommonStyle::styleHint(QStyle::StyleHint(enumerator), option, nullptr);
    }
    return {};
}

QString classOf(const std::shared_ptr<AbstractElement>& element)
{
    return element ? QString::fromLatin1(element->metaObject()->className()) : QString();
}
} // namespace

// Which request reaches which element class, and how the element cache keeps,
// checks and drops elements.
class tst_ElementDispatch : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void init();

    void dispatchTable_data();
    void dispatchTable();
    void paintsReuseOneElement();
    void keysOfSharedElements();
    void sizesShareOneElement();
    void eviction();
    void conversions_data();
    void conversions();
    void destructorEmptiesCache();
    void optionTypesAtOneAddress();
    void collisionMakesItsOwnElement();
    void widgetAtADestroyedWidgetsAddress();
    // Tabs, group boxes, tool boxes, status bars, title bars, dock widgets and
    // the small elements.
    void dispatchTableTabsAndPanels_data();
    void dispatchTableTabsAndPanels();
};

void tst_ElementDispatch::init()
{
    elementCache().clear();
}

void tst_ElementDispatch::dispatchTable_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("enumerator");
    QTest::addColumn<OptionKind>("optionKind");
    QTest::addColumn<QString>("className");

    auto row = [](const char* name, int kind, int enumerator, OptionKind option, const char* className) {
        QTest::newRow(name) << kind << enumerator << option << QString::fromLatin1(className);
    };
    const auto B = OptionKind::Button;
    const auto P = OptionKind::Plain;

    row("CE_PushButton", DrawControl, QStyle::CE_PushButton, B, "ButtonElement");
    row("CE_PushButtonBevel", DrawControl, QStyle::CE_PushButtonBevel, B, "ButtonElement");
    row("CE_PushButtonLabel", DrawControl, QStyle::CE_PushButtonLabel, B, "ButtonElement");
    row("PE_FrameDefaultButton", DrawPrimitive, QStyle::PE_FrameDefaultButton, B, "ButtonElement");
    row("PE_FrameButtonBevel", DrawPrimitive, QStyle::PE_FrameButtonBevel, B, "ButtonElement");
    row("PE_PanelButtonCommand", DrawPrimitive, QStyle::PE_PanelButtonCommand, B, "ButtonElement");
    row("PE_PanelButtonBevel", DrawPrimitive, QStyle::PE_PanelButtonBevel, B, "ButtonElement");
    row("CT_PushButton", SizeFromContents, QStyle::CT_PushButton, B, "ButtonElement");
    row("SE_PushButtonContents", SubElementRect, QStyle::SE_PushButtonContents, B, "ButtonElement");
    row("SE_PushButtonFocusRect", SubElementRect, QStyle::SE_PushButtonFocusRect, B, "ButtonElement");
    row("SE_PushButtonBevel", SubElementRect, QStyle::SE_PushButtonBevel, B, "ButtonElement");
    row("PM_ButtonMargin", PixelMetric, QStyle::PM_ButtonMargin, B, "ButtonElement");
    row("PM_ButtonDefaultIndicator", PixelMetric, QStyle::PM_ButtonDefaultIndicator, B, "ButtonElement");
    row("PM_ButtonIconSize", PixelMetric, QStyle::PM_ButtonIconSize, B, "ButtonElement");

    row("PE_IndicatorArrowDown", DrawPrimitive, QStyle::PE_IndicatorArrowDown, P, "IndicatorElement");
    row("PE_IndicatorArrowLeft", DrawPrimitive, QStyle::PE_IndicatorArrowLeft, P, "IndicatorElement");
    row("PE_IndicatorArrowRight", DrawPrimitive, QStyle::PE_IndicatorArrowRight, P, "IndicatorElement");
    row("PE_IndicatorArrowUp", DrawPrimitive, QStyle::PE_IndicatorArrowUp, P, "IndicatorElement");
    row("PE_IndicatorButtonDropDown", DrawPrimitive, QStyle::PE_IndicatorButtonDropDown, P, "IndicatorElement");
    row("PM_ListViewIconSize", PixelMetric, QStyle::PM_ListViewIconSize, P, "IndicatorElement");
    row("PM_IconViewIconSize", PixelMetric, QStyle::PM_IconViewIconSize, P, "IndicatorElement");
    row("PM_SmallIconSize", PixelMetric, QStyle::PM_SmallIconSize, P, "IndicatorElement");
    row("PM_LargeIconSize", PixelMetric, QStyle::PM_LargeIconSize, P, "IndicatorElement");
    row("PM_MessageBoxIconSize", PixelMetric, QStyle::PM_MessageBoxIconSize, P, "IndicatorElement");
    row("PM_TextCursorWidth", PixelMetric, QStyle::PM_TextCursorWidth, P, "IndicatorElement");

    row("PE_Widget", DrawPrimitive, QStyle::PE_Widget, P, "WidgetElement");
    row("SH_FormLayoutWrapPolicy", StyleHint, QStyle::SH_FormLayoutWrapPolicy, P, "WidgetElement");
    row("SH_FormLayoutFieldGrowthPolicy", StyleHint, QStyle::SH_FormLayoutFieldGrowthPolicy, P, "WidgetElement");
    row("SH_FormLayoutFormAlignment", StyleHint, QStyle::SH_FormLayoutFormAlignment, P, "WidgetElement");
    row("SH_FormLayoutLabelAlignment", StyleHint, QStyle::SH_FormLayoutLabelAlignment, P, "WidgetElement");

    // Frames, check boxes and radio buttons, line edits, spin boxes, combo
    // boxes, item views and headers.
    const auto F = OptionKind::Frame;
    const auto R = OptionKind::FocusRect;
    const auto C = OptionKind::ComboBox;
    const auto S = OptionKind::SpinBox;
    const auto V = OptionKind::ViewItem;
    const auto H = OptionKind::Header;
    row("CE_CheckBox", DrawControl, QStyle::CE_CheckBox, B, "CheckBoxElement");
    row("CE_CheckBoxLabel", DrawControl, QStyle::CE_CheckBoxLabel, B, "CheckBoxElement");
    row("PE_IndicatorCheckBox", DrawPrimitive, QStyle::PE_IndicatorCheckBox, B, "CheckBoxElement");
    row("CT_CheckBox", SizeFromContents, QStyle::CT_CheckBox, B, "CheckBoxElement");
    row("SE_CheckBoxIndicator", SubElementRect, QStyle::SE_CheckBoxIndicator, B, "CheckBoxElement");
    row("SE_CheckBoxContents", SubElementRect, QStyle::SE_CheckBoxContents, B, "CheckBoxElement");
    row("PM_IndicatorWidth", PixelMetric, QStyle::PM_IndicatorWidth, B, "CheckBoxElement");
    row("PM_IndicatorHeight", PixelMetric, QStyle::PM_IndicatorHeight, B, "CheckBoxElement");
    row("PM_CheckBoxLabelSpacing", PixelMetric, QStyle::PM_CheckBoxLabelSpacing, B, "CheckBoxElement");

    row("CE_RadioButton", DrawControl, QStyle::CE_RadioButton, B, "RadioButtonElement");
    row("CE_RadioButtonLabel", DrawControl, QStyle::CE_RadioButtonLabel, B, "RadioButtonElement");
    row("PE_IndicatorRadioButton", DrawPrimitive, QStyle::PE_IndicatorRadioButton, B, "RadioButtonElement");
    row("CT_RadioButton", SizeFromContents, QStyle::CT_RadioButton, B, "RadioButtonElement");
    row("SE_RadioButtonIndicator", SubElementRect, QStyle::SE_RadioButtonIndicator, B, "RadioButtonElement");
    row("SE_RadioButtonContents", SubElementRect, QStyle::SE_RadioButtonContents, B, "RadioButtonElement");
    row("PM_ExclusiveIndicatorWidth", PixelMetric, QStyle::PM_ExclusiveIndicatorWidth, B, "RadioButtonElement");
    row("PM_ExclusiveIndicatorHeight", PixelMetric, QStyle::PM_ExclusiveIndicatorHeight, B, "RadioButtonElement");
    row("PM_RadioButtonLabelSpacing", PixelMetric, QStyle::PM_RadioButtonLabelSpacing, B, "RadioButtonElement");

    row("CE_ComboBoxLabel", DrawControl, QStyle::CE_ComboBoxLabel, C, "ComboBoxElement");
    row("CC_ComboBox", DrawComplexControl, QStyle::CC_ComboBox, C, "ComboBoxElement");
    row("CT_ComboBox", SizeFromContents, QStyle::CT_ComboBox, C, "ComboBoxElement");
    row("PM_ComboBoxFrameWidth", PixelMetric, QStyle::PM_ComboBoxFrameWidth, C, "ComboBoxElement");

    row("PE_FrameFocusRect", DrawPrimitive, QStyle::PE_FrameFocusRect, R, "FocusElement");
    row("PM_FocusFrameVMargin", PixelMetric, QStyle::PM_FocusFrameVMargin, R, "FocusElement");
    row("PM_FocusFrameHMargin", PixelMetric, QStyle::PM_FocusFrameHMargin, R, "FocusElement");

    row("CE_FocusFrame", DrawControl, QStyle::CE_FocusFrame, F, "FrameElement");
    row("CE_ShapedFrame", DrawControl, QStyle::CE_ShapedFrame, F, "FrameElement");
    row("PE_Frame", DrawPrimitive, QStyle::PE_Frame, F, "FrameElement");
    row("PE_FrameDockWidget", DrawPrimitive, QStyle::PE_FrameDockWidget, F, "FrameElement");
    row("PE_FrameWindow", DrawPrimitive, QStyle::PE_FrameWindow, F, "FrameElement");
    row("SE_FrameContents", SubElementRect, QStyle::SE_FrameContents, F, "FrameElement");
    row("PM_DefaultFrameWidth", PixelMetric, QStyle::PM_DefaultFrameWidth, F, "FrameElement");

    row("CE_Header", DrawControl, QStyle::CE_Header, H, "HeaderElement");
    row("CE_HeaderSection", DrawControl, QStyle::CE_HeaderSection, H, "HeaderElement");
    row("CE_HeaderLabel", DrawControl, QStyle::CE_HeaderLabel, H, "HeaderElement");
    row("PE_IndicatorHeaderArrow", DrawPrimitive, QStyle::PE_IndicatorHeaderArrow, H, "HeaderElement");
    row("CT_HeaderSection", SizeFromContents, QStyle::CT_HeaderSection, H, "HeaderElement");
    row("SE_HeaderLabel", SubElementRect, QStyle::SE_HeaderLabel, H, "HeaderElement");
    row("SE_HeaderArrow", SubElementRect, QStyle::SE_HeaderArrow, H, "HeaderElement");
    row("PM_HeaderMargin", PixelMetric, QStyle::PM_HeaderMargin, H, "HeaderElement");
    row("PM_HeaderMarkSize", PixelMetric, QStyle::PM_HeaderMarkSize, H, "HeaderElement");
    row("PM_HeaderGripMargin", PixelMetric, QStyle::PM_HeaderGripMargin, H, "HeaderElement");
    row("PM_HeaderDefaultSectionSizeHorizontal", PixelMetric, QStyle::PM_HeaderDefaultSectionSizeHorizontal, H,
        "HeaderElement");
    row("PM_HeaderDefaultSectionSizeVertical", PixelMetric, QStyle::PM_HeaderDefaultSectionSizeVertical, H,
        "HeaderElement");
    row("CE_HeaderEmptyArea", DrawControl, QStyle::CE_HeaderEmptyArea, P, "HeaderElement");

    row("CE_ItemViewItem", DrawControl, QStyle::CE_ItemViewItem, V, "ItemViewElement");
    row("PE_PanelItemViewItem", DrawPrimitive, QStyle::PE_PanelItemViewItem, V, "ItemViewElement");
    row("CT_ItemViewItem", SizeFromContents, QStyle::CT_ItemViewItem, V, "ItemViewElement");
    row("SE_ItemViewItemCheckIndicator", SubElementRect, QStyle::SE_ItemViewItemCheckIndicator, V, "ItemViewElement");
    row("SE_ItemViewItemDecoration", SubElementRect, QStyle::SE_ItemViewItemDecoration, V, "ItemViewElement");
    row("SE_ItemViewItemText", SubElementRect, QStyle::SE_ItemViewItemText, V, "ItemViewElement");

    row("PE_FrameLineEdit", DrawPrimitive, QStyle::PE_FrameLineEdit, F, "LineEditElement");
    row("PE_PanelLineEdit", DrawPrimitive, QStyle::PE_PanelLineEdit, F, "LineEditElement");
    row("CT_LineEdit", SizeFromContents, QStyle::CT_LineEdit, F, "LineEditElement");
    row("SE_LineEditContents", SubElementRect, QStyle::SE_LineEditContents, F, "LineEditElement");
    row("PM_LineEditIconSize", PixelMetric, QStyle::PM_LineEditIconSize, F, "LineEditElement");
    row("PM_LineEditIconMargin", PixelMetric, QStyle::PM_LineEditIconMargin, F, "LineEditElement");

    row("CC_SpinBox", DrawComplexControl, QStyle::CC_SpinBox, S, "SpinBoxElement");
    row("PE_IndicatorSpinDown", DrawPrimitive, QStyle::PE_IndicatorSpinDown, S, "SpinBoxElement");
    row("PE_IndicatorSpinMinus", DrawPrimitive, QStyle::PE_IndicatorSpinMinus, S, "SpinBoxElement");
    row("PE_IndicatorSpinPlus", DrawPrimitive, QStyle::PE_IndicatorSpinPlus, S, "SpinBoxElement");
    row("PE_IndicatorSpinUp", DrawPrimitive, QStyle::PE_IndicatorSpinUp, S, "SpinBoxElement");
    row("CT_SpinBox", SizeFromContents, QStyle::CT_SpinBox, S, "SpinBoxElement");
    row("PM_SpinBoxFrameWidth", PixelMetric, QStyle::PM_SpinBoxFrameWidth, S, "SpinBoxElement");

    row("PE_IndicatorBranch", DrawPrimitive, QStyle::PE_IndicatorBranch, P, "TreeViewElement");
    row("PM_TreeViewIndentation", PixelMetric, QStyle::PM_TreeViewIndentation, P, "TreeViewElement");

    // Scroll bars, sliders, progress bars, menus, menu bars, tool bars and tool
    // buttons.
    const auto Sl = OptionKind::Slider;
    const auto Pb = OptionKind::ProgressBar;
    const auto Mi = OptionKind::MenuItem;
    const auto Tb = OptionKind::ToolBar;
    const auto Tbu = OptionKind::ToolButton;
    row("CE_ScrollBarAddLine", DrawControl, QStyle::CE_ScrollBarAddLine, Sl, "ScrollBarElement");
    row("CE_ScrollBarSubLine", DrawControl, QStyle::CE_ScrollBarSubLine, Sl, "ScrollBarElement");
    row("CE_ScrollBarAddPage", DrawControl, QStyle::CE_ScrollBarAddPage, Sl, "ScrollBarElement");
    row("CE_ScrollBarSubPage", DrawControl, QStyle::CE_ScrollBarSubPage, Sl, "ScrollBarElement");
    row("CE_ScrollBarSlider", DrawControl, QStyle::CE_ScrollBarSlider, Sl, "ScrollBarElement");
    row("CE_ScrollBarFirst", DrawControl, QStyle::CE_ScrollBarFirst, Sl, "ScrollBarElement");
    row("CE_ScrollBarLast", DrawControl, QStyle::CE_ScrollBarLast, Sl, "ScrollBarElement");
    row("CC_ScrollBar", DrawComplexControl, QStyle::CC_ScrollBar, Sl, "ScrollBarElement");
    row("CT_ScrollBar", SizeFromContents, QStyle::CT_ScrollBar, Sl, "ScrollBarElement");
    row("PM_ScrollBarExtent", PixelMetric, QStyle::PM_ScrollBarExtent, Sl, "ScrollBarElement");
    row("PM_ScrollBarSliderMin", PixelMetric, QStyle::PM_ScrollBarSliderMin, Sl, "ScrollBarElement");

    row("CC_Slider", DrawComplexControl, QStyle::CC_Slider, Sl, "SliderElement");
    row("CT_Slider", SizeFromContents, QStyle::CT_Slider, Sl, "SliderElement");
    row("PM_SliderThickness", PixelMetric, QStyle::PM_SliderThickness, Sl, "SliderElement");
    row("PM_SliderControlThickness", PixelMetric, QStyle::PM_SliderControlThickness, Sl, "SliderElement");
    row("PM_SliderLength", PixelMetric, QStyle::PM_SliderLength, Sl, "SliderElement");

    row("CE_ProgressBar", DrawControl, QStyle::CE_ProgressBar, Pb, "ProgressBarElement");
    row("CE_ProgressBarGroove", DrawControl, QStyle::CE_ProgressBarGroove, Pb, "ProgressBarElement");
    row("CE_ProgressBarContents", DrawControl, QStyle::CE_ProgressBarContents, Pb, "ProgressBarElement");
    row("CE_ProgressBarLabel", DrawControl, QStyle::CE_ProgressBarLabel, Pb, "ProgressBarElement");
    row("PE_IndicatorProgressChunk", DrawPrimitive, QStyle::PE_IndicatorProgressChunk, Pb, "ProgressBarElement");
    row("CT_ProgressBar", SizeFromContents, QStyle::CT_ProgressBar, Pb, "ProgressBarElement");
    row("SE_ProgressBarGroove", SubElementRect, QStyle::SE_ProgressBarGroove, Pb, "ProgressBarElement");
    row("SE_ProgressBarContents", SubElementRect, QStyle::SE_ProgressBarContents, Pb, "ProgressBarElement");
    row("SE_ProgressBarLabel", SubElementRect, QStyle::SE_ProgressBarLabel, Pb, "ProgressBarElement");
    row("PM_ProgressBarChunkWidth", PixelMetric, QStyle::PM_ProgressBarChunkWidth, Pb, "ProgressBarElement");

    row("PE_FrameMenu", DrawPrimitive, QStyle::PE_FrameMenu, P, "MenuElement");
    row("PE_PanelMenu", DrawPrimitive, QStyle::PE_PanelMenu, P, "MenuElement");
    row("CT_Menu", SizeFromContents, QStyle::CT_Menu, P, "MenuElement");
    row("PM_MenuHMargin", PixelMetric, QStyle::PM_MenuHMargin, P, "MenuElement");
    row("PM_MenuVMargin", PixelMetric, QStyle::PM_MenuVMargin, P, "MenuElement");
    row("PM_MenuPanelWidth", PixelMetric, QStyle::PM_MenuPanelWidth, P, "MenuElement");
    row("PM_MenuDesktopFrameWidth", PixelMetric, QStyle::PM_MenuDesktopFrameWidth, P, "MenuElement");
    row("CE_MenuItem", DrawControl, QStyle::CE_MenuItem, Mi, "MenuItemElement");
    row("CT_MenuItem", SizeFromContents, QStyle::CT_MenuItem, Mi, "MenuItemElement");
    row("PM_MenuButtonIndicator", PixelMetric, QStyle::PM_MenuButtonIndicator, Mi, "MenuItemElement");

    row("CE_MenuBarEmptyArea", DrawControl, QStyle::CE_MenuBarEmptyArea, P, "MenuBarElement");
    row("PE_PanelMenuBar", DrawPrimitive, QStyle::PE_PanelMenuBar, P, "MenuBarElement");
    row("CT_MenuBar", SizeFromContents, QStyle::CT_MenuBar, P, "MenuBarElement");
    row("PM_MenuBarItemSpacing", PixelMetric, QStyle::PM_MenuBarItemSpacing, P, "MenuBarElement");
    row("PM_MenuBarVMargin", PixelMetric, QStyle::PM_MenuBarVMargin, P, "MenuBarElement");
    row("PM_MenuBarHMargin", PixelMetric, QStyle::PM_MenuBarHMargin, P, "MenuBarElement");
    row("CE_MenuBarItem", DrawControl, QStyle::CE_MenuBarItem, Mi, "MenuBarItemElement");
    row("CT_MenuBarItem", SizeFromContents, QStyle::CT_MenuBarItem, Mi, "MenuBarItemElement");

    row("CE_ToolBar", DrawControl, QStyle::CE_ToolBar, Tb, "ToolBarElement");
    row("PE_PanelToolBar", DrawPrimitive, QStyle::PE_PanelToolBar, Tb, "ToolBarElement");
    row("PM_ToolBarFrameWidth", PixelMetric, QStyle::PM_ToolBarFrameWidth, Tb, "ToolBarElement");
    row("PM_ToolBarHandleExtent", PixelMetric, QStyle::PM_ToolBarHandleExtent, Tb, "ToolBarElement");
    row("PM_ToolBarItemSpacing", PixelMetric, QStyle::PM_ToolBarItemSpacing, Tb, "ToolBarElement");
    row("PM_ToolBarItemMargin", PixelMetric, QStyle::PM_ToolBarItemMargin, Tb, "ToolBarElement");
    row("PM_ToolBarSeparatorExtent", PixelMetric, QStyle::PM_ToolBarSeparatorExtent, Tb, "ToolBarElement");
    row("PM_ToolBarExtensionExtent", PixelMetric, QStyle::PM_ToolBarExtensionExtent, Tb, "ToolBarElement");
    row("PM_ToolBarIconSize", PixelMetric, QStyle::PM_ToolBarIconSize, Tb, "ToolBarElement");
    row("PE_IndicatorToolBarHandle", DrawPrimitive, QStyle::PE_IndicatorToolBarHandle, P, "ToolBarElement");
    row("PE_IndicatorToolBarSeparator", DrawPrimitive, QStyle::PE_IndicatorToolBarSeparator, P, "ToolBarElement");

    row("CE_ToolButtonLabel", DrawControl, QStyle::CE_ToolButtonLabel, Tbu, "ToolButtonElement");
    row("CC_ToolButton", DrawComplexControl, QStyle::CC_ToolButton, Tbu, "ToolButtonElement");
    row("PE_FrameButtonTool", DrawPrimitive, QStyle::PE_FrameButtonTool, Tbu, "ToolButtonElement");
    row("PE_PanelButtonTool", DrawPrimitive, QStyle::PE_PanelButtonTool, Tbu, "ToolButtonElement");
    row("CT_ToolButton", SizeFromContents, QStyle::CT_ToolButton, Tbu, "ToolButtonElement");
}

void tst_ElementDispatch::dispatchTable()
{
    QFETCH(int, kind);
    QFETCH(int, enumerator);
    QFETCH(OptionKind, optionKind);
    QFETCH(QString, className);

    QStyleOptionButton button;
    button.rect = QRect(0, 0, 40, 20);
    button.text = QStringLiteral("OK");
    QStyleOption plain;
    plain.rect = QRect(0, 0, 16, 16);
    TypedOptions typedOptions;
    const QStyleOption* typed = typedOptions.of(optionKind);
    const QStyleOption* option = typed ? typed : optionKind == OptionKind::Button ? &button : &plain;

    // Scroll bars, sliders, progress bars, menus, tool bars, tool buttons.
    QStyleOptionSlider slider;
    slider.rect = QRect(0, 0, 100, 10);
    slider.maximum = 100;
    QStyleOptionProgressBar progressBar;
    progressBar.rect = QRect(0, 0, 100, 10);
    QStyleOptionMenuItem menuItem;
    menuItem.rect = QRect(0, 0, 100, 20);
    menuItem.text = QStringLiteral("Item");
    QStyleOptionToolBar toolBar;
    toolBar.rect = QRect(0, 0, 100, 30);
    QStyleOptionToolButton toolButton;
    toolButton.rect = QRect(0, 0, 30, 30);
    switch (optionKind) {
    case OptionKind::Slider:
        option = &slider;
        break;
    case OptionKind::ProgressBar:
        option = &progressBar;
        break;
    case OptionKind::MenuItem:
        option = &menuItem;
        break;
    case OptionKind::ToolBar:
        option = &toolBar;
        break;
    case OptionKind::ToolButton:
        option = &toolButton;
        break;
    default:
        break;
    }

    request(quiltStyle(), kind, enumerator, option);
    QCOMPARE(classOf(cachedElement(siteOf(kind, enumerator, option))), className);

    if (optionKind == OptionKind::Plain) {
        // No test of the option: a null option gets an element too.
        request(quiltStyle(), kind, enumerator, nullptr);
        QCOMPARE(classOf(cachedElement(siteOf(kind, enumerator, nullptr))), className);
        return;
    }

    // An option of another type gets no element, and the common style answers.
    elementCache().clear();
    QStyleOptionFrame frame;
    frame.rect = QRect(0, 0, 40, 20);
    // Frame elements are checked with a button option instead.
    const QStyleOption* other = optionKind == OptionKind::Frame ? static_cast<const QStyleOption*>(&button) : &frame;
    const QVariant answer = request(quiltStyle(), kind, enumerator, other);
    // The common style may ask for other enumerators on the way; this site
    // gets nothing.
    QVERIFY(!cachedElement(siteOf(kind, enumerator, other)));
    QCOMPARE(answer, commonAnswer(quiltStyle(), kind, enumerator, other));
}

void tst_ElementDispatch::paintsReuseOneElement()
{
    QStyleOptionButton option;
    option.rect = QRect(0, 0, 60, 24);
    option.state = QStyle::State_Enabled;
    option.text = QStringLiteral("Again");

    request(quiltStyle(), DrawControl, QStyle::CE_PushButton, &option);
    const auto first = cachedElement(siteOf(DrawControl, QStyle::CE_PushButton, &option));
    QVERIFY(first);
    QVERIFY(!(first->elementChain().last()->states() & Quilt::Element::State::Hovered));

    // The second paint finds the same element and updates it from the option.
    option.state |= QStyle::State_MouseOver;
    request(quiltStyle(), DrawControl, QStyle::CE_PushButton, &option);
    QCOMPARE(cachedElement(siteOf(DrawControl, QStyle::CE_PushButton, &option)), first);
    QVERIFY(first->elementChain().last()->states() & Quilt::Element::State::Hovered);
    QCOMPARE(elementCache().size(), 1u);
}

void tst_ElementDispatch::keysOfSharedElements()
{
    QStyleOptionSlider option;
    QPushButton widget;

    // A complex control's drawing and its sub-control geometry share a key.
    QCOMPARE(siteOf(DrawComplexControl, QStyle::CC_ScrollBar, &option, &widget).key(),
             siteOf(SubControlRect, QStyle::CC_ScrollBar, &option, &widget).key());
    // The standard pixmaps of one site share a key.
    QCOMPARE(siteOf(StandardIcon, QStyle::SP_TitleBarCloseButton, &option, &widget).key(),
             siteOf(StandardIcon, QStyle::SP_DockWidgetCloseButton, &option, &widget).key());
    // Other kinds, enumerators, options or widgets do not.
    const size_t key = siteOf(PixelMetric, QStyle::PM_ButtonMargin, &option, &widget).key();
    QVERIFY(key != siteOf(StyleHint, QStyle::PM_ButtonMargin, &option, &widget).key());
    QVERIFY(key != siteOf(PixelMetric, QStyle::PM_ButtonIconSize, &option, &widget).key());
    QVERIFY(key != siteOf(PixelMetric, QStyle::PM_ButtonMargin, nullptr, &widget).key());
    QVERIFY(key != siteOf(PixelMetric, QStyle::PM_ButtonMargin, &option, nullptr).key());
}

void tst_ElementDispatch::sizesShareOneElement()
{
    QStyleOptionButton option;
    option.rect = QRect(0, 0, 60, 24);
    QStyle* style = quiltStyle();

    // Sizes and metrics of one class share one element, whatever the
    // contents and the option; each answer is still its request's own.
    const QSize small = style->sizeFromContents(QStyle::CT_PushButton, &option, QSize(10, 10));
    QCOMPARE(style->sizeFromContents(QStyle::CT_PushButton, &option, QSize(10, 10)), small);
    QCOMPARE(elementCache().size(), 1u);
    const QSize large = style->sizeFromContents(QStyle::CT_PushButton, &option, QSize(20, 10));
    QCOMPARE(large, small + QSize(10, 0));
    QStyleOptionButton other = option;
    style->sizeFromContents(QStyle::CT_PushButton, &other, QSize(20, 10));
    QCOMPARE(elementCache().size(), 1u);

    const auto first = cachedElement({ SizeFromContents, QStyle::CT_PushButton, &option, nullptr, QSize(20, 10) });
    const auto second = cachedElement({ SizeFromContents, QStyle::CT_PushButton, &other, nullptr, QSize(20, 10) });
    QVERIFY(!first);
    QVERIFY(second);
    style->pixelMetric(QStyle::PM_ButtonMargin, &option);
    QCOMPARE(elementCache().size(), 2u);
}

void tst_ElementDispatch::eviction()
{
    // 501 options at distinct addresses: one element each.
    std::vector<QStyleOptionButton> options(501);
    QStyle* style = quiltStyle();
    for (int i = 0; i < 500; ++i) {
        style->subElementRect(QStyle::SE_PushButtonFocusRect, &options[i]);
    }
    QCOMPARE(elementCache().size(), 500u);

    auto keyOf = [&](int i) {
        return siteOf(SubElementRect, QStyle::SE_PushButtonFocusRect, &options[i]).key();
    };
    // A request for the oldest makes it the newest; the next oldest goes.
    style->subElementRect(QStyle::SE_PushButtonFocusRect, &options[0]);
    style->subElementRect(QStyle::SE_PushButtonFocusRect, &options[500]);
    QCOMPARE(elementCache().size(), 500u);
    QVERIFY(elementCache().contains(keyOf(0)));
    QVERIFY(!elementCache().contains(keyOf(1)));
    QVERIFY(elementCache().contains(keyOf(2)));
    QVERIFY(elementCache().contains(keyOf(500)));
}

void tst_ElementDispatch::conversions_data()
{
    QTest::addColumn<double>("metric");
    QTest::addColumn<int>("expected");

    QTest::newRow("7.99") << 7.99 << 7;
    QTest::newRow("4.9") << 4.9 << 4;
    QTest::newRow("-0.5") << -0.5 << 0;
    QTest::newRow("-1.7") << -1.7 << -1;
    QTest::newRow("huge") << 1e300 << std::numeric_limits<int>::max();
    QTest::newRow("nan") << std::nan("") << 0;
}

void tst_ElementDispatch::conversions()
{
    QFETCH(double, metric);
    QFETCH(int, expected);
    QCOMPARE(toMetric(metric), expected);
    QCOMPARE(toSize(QSizeF(10.5, 3.49)), QSize(11, 3));
}

void tst_ElementDispatch::destructorEmptiesCache()
{
    QStyleOptionButton option;
    {
        QuiltStyle other;
        other.subElementRect(QStyle::SE_PushButtonFocusRect, &option);
        quiltStyle()->subElementRect(QStyle::SE_PushButtonBevel, &option);
        QCOMPARE(elementCache().size(), 2u);
    }
    QCOMPARE(elementCache().size(), 0u);
}

void tst_ElementDispatch::optionTypesAtOneAddress()
{
    // Options of two types placed in turn at one address, as on a reused
    // stack: the element made for the first must not serve the second, whose
    // memory holds no button's text and icon.
    alignas(QStyleOptionFrame) alignas(
        QStyleOptionButton) unsigned char storage[std::max(sizeof(QStyleOptionFrame), sizeof(QStyleOptionButton))];
    QStyle* style = quiltStyle();
    QCommonStyle common;

    auto* button = new (storage) QStyleOptionButton;
    button->rect = QRect(0, 0, 60, 24);
    button->text = QStringLiteral("Button");
    request(style, DrawControl, QStyle::CE_PushButton, button);
    request(style, SubElementRect, QStyle::SE_PushButtonFocusRect, button);
    QCOMPARE(classOf(cachedElement(siteOf(DrawControl, QStyle::CE_PushButton, button))),
             QStringLiteral("ButtonElement"));
    button->~QStyleOptionButton();

    std::memset(storage, 0xab, sizeof(storage));
    auto* frame = new (storage) QStyleOptionFrame;
    frame->rect = QRect(0, 0, 60, 24);
    request(style, DrawControl, QStyle::CE_PushButton, frame);
    QCOMPARE(style->subElementRect(QStyle::SE_PushButtonFocusRect, frame),
             common.subElementRect(QStyle::SE_PushButtonFocusRect, frame));
    QVERIFY(!cachedElement(siteOf(DrawControl, QStyle::CE_PushButton, frame)));
    frame->~QStyleOptionFrame();

    // A button at that address again finds its element.
    button = new (storage) QStyleOptionButton;
    button->rect = QRect(0, 0, 60, 24);
    request(style, DrawControl, QStyle::CE_PushButton, button);
    QCOMPARE(classOf(cachedElement(siteOf(DrawControl, QStyle::CE_PushButton, button))),
             QStringLiteral("ButtonElement"));
    QCOMPARE(elementCache().size(), 2u);
    button->~QStyleOptionButton();
}

void tst_ElementDispatch::collisionMakesItsOwnElement()
{
    QStyleOptionButton first;
    QStyleOptionButton second;
    QStyle* style = quiltStyle();

    // Store the first site's element under the second site's key, as a hash
    // collision would.
    style->subElementRect(QStyle::SE_PushButtonFocusRect, &first);
    auto entry = elementCache().get(siteOf(SubElementRect, QStyle::SE_PushButtonFocusRect, &first).key());
    QVERIFY(entry);
    const size_t secondKey = siteOf(SubElementRect, QStyle::SE_PushButtonBevel, &second).key();
    elementCache().put(secondKey, *entry);

    style->subElementRect(QStyle::SE_PushButtonBevel, &second);
    const auto element = cachedElement(siteOf(SubElementRect, QStyle::SE_PushButtonBevel, &second));
    QVERIFY(element);
    QVERIFY(element != entry->element);
}

void tst_ElementDispatch::widgetAtADestroyedWidgetsAddress()
{
    // A widget made where a destroyed one lived, asked with an option at the
    // same (stack) address: the element made for the first widget, which
    // described the first widget, must not answer for the second. (Sliders
    // keep an element per site for their metrics; scroll bars share one.)
    alignas(QSlider) unsigned char storage[sizeof(QSlider)];
    QStyle* style = quiltStyle();
    QStyleOptionSlider option;

    auto* horizontal = new (storage) QSlider(Qt::Horizontal);
    option.initFrom(horizontal);
    option.orientation = Qt::Horizontal;
    style->pixelMetric(QStyle::PM_SliderThickness, &option, horizontal);
    const auto first = cachedElement(siteOf(PixelMetric, QStyle::PM_SliderThickness, &option, horizontal));
    QVERIFY(first);
    horizontal->~QSlider();

    auto* vertical = new (storage) QSlider(Qt::Vertical);
    QCOMPARE(static_cast<void*>(vertical), static_cast<void*>(horizontal));
    option.initFrom(vertical);
    option.orientation = Qt::Vertical;
    QVERIFY(!cachedElement(siteOf(PixelMetric, QStyle::PM_SliderThickness, &option, vertical)));
    style->pixelMetric(QStyle::PM_SliderThickness, &option, vertical);
    const auto second = cachedElement(siteOf(PixelMetric, QStyle::PM_SliderThickness, &option, vertical));
    QVERIFY(second);
    QVERIFY(second != first);
    // The live widget keeps its element.
    style->pixelMetric(QStyle::PM_SliderThickness, &option, vertical);
    QCOMPARE(cachedElement(siteOf(PixelMetric, QStyle::PM_SliderThickness, &option, vertical)), second);
    vertical->~QSlider();
}

namespace
{
// An option of the type, with what its element needs to be valid. (Shared:
// it deletes the option as the type it was made, which QStyleOption cannot.)
std::shared_ptr<QStyleOption> optionOfType(int type)
{
    std::shared_ptr<QStyleOption> option;
    switch (type) {
    case QStyleOption::SO_Tab: {
        auto tab = std::make_shared<QStyleOptionTab>();
        tab->text = QStringLiteral("Tab");
        option = std::move(tab);
        break;
    }
    case QStyleOption::SO_TabBarBase:
        option = std::make_shared<QStyleOptionTabBarBase>();
        break;
    case QStyleOption::SO_TabWidgetFrame:
        option = std::make_shared<QStyleOptionTabWidgetFrame>();
        break;
    case QStyleOption::SO_GroupBox: {
        auto groupBox = std::make_shared<QStyleOptionGroupBox>();
        groupBox->text = QStringLiteral("Group");
        option = std::move(groupBox);
        break;
    }
    case QStyleOption::SO_ToolBox: {
        auto toolBox = std::make_shared<QStyleOptionToolBox>();
        toolBox->text = QStringLiteral("Page");
        option = std::move(toolBox);
        break;
    }
    case QStyleOption::SO_TitleBar: {
        auto titleBar = std::make_shared<QStyleOptionTitleBar>();
        titleBar->text = QStringLiteral("Title");
        titleBar->titleBarFlags = Qt::WindowTitleHint | Qt::WindowCloseButtonHint;
        option = std::move(titleBar);
        break;
    }
    case QStyleOption::SO_DockWidget: {
        auto dock = std::make_shared<QStyleOptionDockWidget>();
        dock->title = QStringLiteral("Dock");
        option = std::move(dock);
        break;
    }
    case QStyleOption::SO_RubberBand:
        option = std::make_shared<QStyleOptionRubberBand>();
        break;
    case QStyleOption::SO_SizeGrip:
        option = std::make_shared<QStyleOptionSizeGrip>();
        break;
    case QStyleOption::SO_Frame:
        option = std::make_shared<QStyleOptionFrame>();
        break;
    default:
        option = std::make_shared<QStyleOption>();
        break;
    }
    option->rect = QRect(0, 0, 40, 20);
    option->state = QStyle::State_Enabled;
    return option;
}

// As request(), with the complex-control and standard-icon kinds too.
QVariant requestAny(const QStyle* style, int kind, int enumerator, const QStyleOption* option,
                    const QWidget* widget = nullptr)
{
    const auto* complex = static_cast<const QStyleOptionComplex*>(option);
    switch (kind) {
    case DrawComplexControl: {
        QImage image(40, 40, QImage::Format_ARGB32_Premultiplied);
        image.fill(Qt::transparent);
        QPainter painter(&image);
        style->drawComplexControl(QStyle::ComplexControl(enumerator), complex, &painter, widget);
        return {};
    }
    case StandardIcon:
        return style->standardIcon(QStyle::StandardPixmap(enumerator), option, widget).isNull();
    default:
        return request(style, kind, enumerator, option, widget);
    }
}
} // namespace

void tst_ElementDispatch::dispatchTableTabsAndPanels_data()
{
    QTest::addColumn<int>("kind");
    QTest::addColumn<int>("enumerator");
    QTest::addColumn<int>("optionType");
    QTest::addColumn<QString>("className");

    auto row = [](const char* name, int kind, int enumerator, int optionType, const char* className) {
        QTest::newRow(name) << kind << enumerator << optionType << QString::fromLatin1(className);
    };
    const int P = QStyleOption::SO_Default;

    const int Tab = QStyleOption::SO_Tab;
    row("CE_TabBarTab", DrawControl, QStyle::CE_TabBarTab, Tab, "TabElement");
    row("CE_TabBarTabShape", DrawControl, QStyle::CE_TabBarTabShape, Tab, "TabElement");
    row("CE_TabBarTabLabel", DrawControl, QStyle::CE_TabBarTabLabel, Tab, "TabElement");
    row("CT_TabBarTab", SizeFromContents, QStyle::CT_TabBarTab, Tab, "TabElement");
    row("PM_TabBarTabHSpace", PixelMetric, QStyle::PM_TabBarTabHSpace, Tab, "TabElement");
    row("PM_TabBarTabVSpace", PixelMetric, QStyle::PM_TabBarTabVSpace, Tab, "TabElement");

    const int Base = QStyleOption::SO_TabBarBase;
    row("PE_FrameTabBarBase", DrawPrimitive, QStyle::PE_FrameTabBarBase, Base, "TabBarElement");
    row("PM_TabBarBaseHeight", PixelMetric, QStyle::PM_TabBarBaseHeight, Base, "TabBarElement");
    row("PM_TabBarScrollButtonWidth", PixelMetric, QStyle::PM_TabBarScrollButtonWidth, Base, "TabBarElement");
    row("PM_TabBarIconSize", PixelMetric, QStyle::PM_TabBarIconSize, Base, "TabBarElement");
    row("SH_TabBar_Alignment", StyleHint, QStyle::SH_TabBar_Alignment, Base, "TabBarElement");
    row("SH_TabBar_ElideMode", StyleHint, QStyle::SH_TabBar_ElideMode, Base, "TabBarElement");

    const int TabFrame = QStyleOption::SO_TabWidgetFrame;
    row("PE_FrameTabWidget", DrawPrimitive, QStyle::PE_FrameTabWidget, TabFrame, "TabWidgetElement");
    row("CT_TabWidget", SizeFromContents, QStyle::CT_TabWidget, TabFrame, "TabWidgetElement");

    row("PE_IndicatorTabClose", DrawPrimitive, QStyle::PE_IndicatorTabClose, P, "TabCloseButtonElement");
    row("PM_TabCloseIndicatorWidth", PixelMetric, QStyle::PM_TabCloseIndicatorWidth, P, "TabCloseButtonElement");
    row("PM_TabCloseIndicatorHeight", PixelMetric, QStyle::PM_TabCloseIndicatorHeight, P, "TabCloseButtonElement");

    const int Group = QStyleOption::SO_GroupBox;
    row("CC_GroupBox", DrawComplexControl, QStyle::CC_GroupBox, Group, "GroupBoxElement");
    row("PE_FrameGroupBox", DrawPrimitive, QStyle::PE_FrameGroupBox, Group, "GroupBoxElement");
    row("CT_GroupBox", SizeFromContents, QStyle::CT_GroupBox, Group, "GroupBoxElement");

    const int ToolBox = QStyleOption::SO_ToolBox;
    row("CE_ToolBoxTab", DrawControl, QStyle::CE_ToolBoxTab, ToolBox, "ToolBoxTabElement");
    row("CE_ToolBoxTabShape", DrawControl, QStyle::CE_ToolBoxTabShape, ToolBox, "ToolBoxTabElement");
    row("CE_ToolBoxTabLabel", DrawControl, QStyle::CE_ToolBoxTabLabel, ToolBox, "ToolBoxTabElement");
    row("SE_ToolBoxTabContents", SubElementRect, QStyle::SE_ToolBoxTabContents, ToolBox, "ToolBoxTabElement");

    row("PE_FrameStatusBarItem", DrawPrimitive, QStyle::PE_FrameStatusBarItem, P, "StatusBarElement");
    row("PE_PanelStatusBar", DrawPrimitive, QStyle::PE_PanelStatusBar, P, "StatusBarElement");

    const int Title = QStyleOption::SO_TitleBar;
    row("CC_TitleBar", DrawComplexControl, QStyle::CC_TitleBar, Title, "TitleBarElement");
    row("PM_TitleBarHeight", PixelMetric, QStyle::PM_TitleBarHeight, Title, "TitleBarElement");
    row("PM_TitleBarButtonIconSize", PixelMetric, QStyle::PM_TitleBarButtonIconSize, Title, "TitleBarElement");
    row("PM_TitleBarButtonSize", PixelMetric, QStyle::PM_TitleBarButtonSize, Title, "TitleBarElement");

    const int Dock = QStyleOption::SO_DockWidget;
    row("CE_DockWidgetTitle", DrawControl, QStyle::CE_DockWidgetTitle, Dock, "DockWidgetElement");
    row("SE_DockWidgetCloseButton", SubElementRect, QStyle::SE_DockWidgetCloseButton, Dock, "DockWidgetElement");
    row("SE_DockWidgetFloatButton", SubElementRect, QStyle::SE_DockWidgetFloatButton, Dock, "DockWidgetElement");
    row("SE_DockWidgetTitleBarText", SubElementRect, QStyle::SE_DockWidgetTitleBarText, Dock, "DockWidgetElement");
    row("SE_DockWidgetIcon", SubElementRect, QStyle::SE_DockWidgetIcon, Dock, "DockWidgetElement");
    row("PM_DockWidgetFrameWidth", PixelMetric, QStyle::PM_DockWidgetFrameWidth, Dock, "DockWidgetElement");
    row("SP_TitleBarCloseButton", StandardIcon, QStyle::SP_TitleBarCloseButton, Dock, "DockWidgetElement");
    row("SP_TitleBarNormalButton", StandardIcon, QStyle::SP_TitleBarNormalButton, Dock, "DockWidgetElement");
    row("SP_DockWidgetCloseButton", StandardIcon, QStyle::SP_DockWidgetCloseButton, Dock, "DockWidgetElement");

    row("CE_RubberBand", DrawControl, QStyle::CE_RubberBand, QStyleOption::SO_RubberBand, "RubberBandElement");
    row("PE_PanelScrollAreaCorner", DrawPrimitive, QStyle::PE_PanelScrollAreaCorner, P, "ScrollAreaCornerElement");
    const int Grip = QStyleOption::SO_SizeGrip;
    row("CE_SizeGrip", DrawControl, QStyle::CE_SizeGrip, Grip, "SizeGripElement");
    row("CT_SizeGrip", SizeFromContents, QStyle::CT_SizeGrip, Grip, "SizeGripElement");
    row("PM_SizeGripSize", PixelMetric, QStyle::PM_SizeGripSize, Grip, "SizeGripElement");
    row("CE_Splitter", DrawControl, QStyle::CE_Splitter, P, "SplitterElement");
    row("PE_IndicatorDockWidgetResizeHandle", DrawPrimitive, QStyle::PE_IndicatorDockWidgetResizeHandle, P,
        "SplitterElement");
    row("CT_Splitter", SizeFromContents, QStyle::CT_Splitter, P, "SplitterElement");
    row("PM_DockWidgetSeparatorExtent", PixelMetric, QStyle::PM_DockWidgetSeparatorExtent, P, "SplitterElement");
    row("PM_SplitterWidth", PixelMetric, QStyle::PM_SplitterWidth, P, "SplitterElement");
    row("PE_PanelTipLabel", DrawPrimitive, QStyle::PE_PanelTipLabel, QStyleOption::SO_Frame, "ToolTipElement");
    row("PM_ToolTipLabelFrameWidth", PixelMetric, QStyle::PM_ToolTipLabelFrameWidth, QStyleOption::SO_Frame,
        "ToolTipElement");
}

void tst_ElementDispatch::dispatchTableTabsAndPanels()
{
    QFETCH(int, kind);
    QFETCH(int, enumerator);
    QFETCH(int, optionType);
    QFETCH(QString, className);

    const auto option = optionOfType(optionType);
    requestAny(quiltStyle(), kind, enumerator, option.get());
    QCOMPARE(classOf(cachedElement(siteOf(kind, enumerator, option.get()))), className);

    if (optionType == QStyleOption::SO_Default) {
        // No test of the option: a null option gets an element too.
        requestAny(quiltStyle(), kind, enumerator, nullptr);
        QCOMPARE(classOf(cachedElement(siteOf(kind, enumerator, nullptr))), className);
        return;
    }

    // An option of another type gets no element: the common style answers
    // (and may ask the style for other things on the way).
    elementCache().clear();
    const auto other
        = optionOfType(optionType == QStyleOption::SO_Frame ? QStyleOption::SO_Default : QStyleOption::SO_Frame);
    requestAny(quiltStyle(), kind, enumerator, other.get());
    QVERIFY(!cachedElement(siteOf(kind, enumerator, other.get())));
}

QUILT_WIDGET_TEST_MAIN(tst_ElementDispatch, "")

#include "tst_elementdispatch.moc"
