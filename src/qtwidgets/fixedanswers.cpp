#include "fixedanswers.h"

#include "quiltstyle.h"

#include "platformplugin.h"
#include "styleregistry.h"

#include <QAbstractItemView>
#include <QGraphicsView>
#include <QMainWindow>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace FixedAnswers
{
std::optional<int> pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_ButtonShiftHorizontal:
    case QStyle::PM_ButtonShiftVertical:
    case QStyle::PM_MenuBarPanelWidth:
    case QStyle::PM_TabBarTabShiftHorizontal:
    case QStyle::PM_TabBarTabShiftVertical:
    case QStyle::PM_TabBar_ScrollButtonOverlap:
    case QStyle::PM_ScrollView_ScrollBarOverlap:
        return 0;
    default:
        return std::nullopt;
    }
}

std::optional<int> styleHint(const QuiltStyle* style, QStyle::StyleHint hint, const QStyleOption* option,
                             const QWidget* widget, QStyleHintReturn* returnData)
{
    switch (hint) {
    case QStyle::SH_ScrollBar_MiddleClickAbsolutePosition:
    case QStyle::SH_ComboBox_ListMouseTracking:
    case QStyle::SH_Menu_MouseTracking:
    case QStyle::SH_MenuBar_MouseTracking:
    case QStyle::SH_TitleBar_NoBorder:
    case QStyle::SH_Menu_Scrollable:
    case QStyle::SH_Menu_SloppySubMenus:
    case QStyle::SH_ScrollBar_LeftClickAbsolutePosition:
    case QStyle::SH_DialogButtonBox_ButtonsHaveIcons:
    case QStyle::SH_FocusFrame_AboveWidget:
    case QStyle::SH_Menu_SupportsSections:
        return 1;
    case QStyle::SH_ProgressDialog_CenterCancelButton:
    case QStyle::SH_ScrollView_FrameOnlyAroundContents:
    case QStyle::SH_ToolBox_SelectedPageTitleBold:
    case QStyle::SH_FocusFrame_Mask:
    case QStyle::SH_MessageBox_CenterButtons:
    case QStyle::SH_DockWidget_ButtonsHaveFrame:
        return 0;
    case QStyle::SH_Menu_SubMenuPopupDelay:
        return 150;
    case QStyle::SH_GroupBox_TextLabelVerticalAlignment:
        return Qt::AlignVCenter;
    case QStyle::SH_MessageBox_TextInteractionFlags:
        return Qt::TextSelectableByMouse | Qt::LinksAccessibleByMouse;
    case QStyle::SH_RequestSoftwareInputPanel:
        return QStyle::RSIP_OnMouseClick;
    case QStyle::SH_UnderlineShortcut:
        return style->mnemonicsVisible() ? 1 : 0;
    case QStyle::SH_RubberBand_Mask:
        return rubberBandMask(option, widget, returnData);
    case QStyle::SH_Widget_Animation_Duration:
        return animationDuration(Quilt::StyleRegistry::instance()->platform()->animationSpeedMultiplier());
    default:
        return std::nullopt;
    }
}

bool drawsNothing(QStyle::ControlElement control)
{
    return control == QStyle::CE_MenuVMargin || control == QStyle::CE_MenuHMargin
        || control == QStyle::CE_MenuEmptyArea;
}

int animationDuration(double multiplier)
{
    // Desktop settings may say anything: a value that is no number counts as
    // the normal speed, and the range keeps the product an int of sense.
    if (!std::isfinite(multiplier)) {
        multiplier = 1.0;
    }
    return qRound(150.0 * std::clamp(multiplier, 0.0, 100.0));
}

int rubberBandMask(const QStyleOption* option, const QWidget* widget, QStyleHintReturn* returnData)
{
    auto* mask = qstyleoption_cast<QStyleHintReturnMask*>(returnData);
    if (!mask || !option) {
        return 0;
    }

    mask->region = option->rect;

    const QObject* parent = widget ? widget->parent() : nullptr;
    bool full = false;
    if (parent) {
        full = qobject_cast<const QAbstractItemView*>(parent) || qobject_cast<const QGraphicsView*>(parent)
            || qobject_cast<const QMainWindow*>(parent);
        if (!full) {
            const auto* view = qobject_cast<const QAbstractItemView*>(parent->parent());
            full = view && view->viewport() == parent;
        }
    }
    if (!full) {
        mask->region -= option->rect.adjusted(1, 1, -1, -1);
    }
    return 1;
}

void drawHeaderArrow(const QuiltStyle* style, const QStyleOption* option, QPainter* painter, const QWidget* widget)
{
    if (!option) {
        return;
    }
    if (option->state & QStyle::State_UpArrow) {
        style->drawPrimitive(QStyle::PE_IndicatorArrowUp, option, painter, widget);
    } else if (option->state & QStyle::State_DownArrow) {
        style->drawPrimitive(QStyle::PE_IndicatorArrowDown, option, painter, widget);
    }
}

QStyle::SubControl hitTestScrollBar(const QuiltStyle* style, const QStyleOptionComplex* option, const QPoint& position,
                                    const QWidget* widget)
{
    const QRect groove = style->subControlRect(QStyle::CC_ScrollBar, option, QStyle::SC_ScrollBarGroove, widget);
    if (!option || !groove.contains(position)) {
        return style->QCommonStyle::hitTestComplexControl(QStyle::CC_ScrollBar, option, position, widget);
    }

    const QRect slider = style->subControlRect(QStyle::CC_ScrollBar, option, QStyle::SC_ScrollBarSlider, widget);
    if (slider.contains(position)) {
        return QStyle::SC_ScrollBarSlider;
    }

    bool subPage = false;
    if (!(option->state & QStyle::State_Horizontal)) {
        subPage = position.y() < slider.top();
    } else if (option->direction != Qt::LeftToRight) {
        subPage = position.x() > slider.left();
    } else {
        subPage = position.x() < slider.left() + slider.width();
    }
    return subPage ? QStyle::SC_ScrollBarSubPage : QStyle::SC_ScrollBarAddPage;
}
} // namespace FixedAnswers
