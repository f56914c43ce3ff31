#include "conversions.h"

#include "alignmentpropertygroup.h"
#include "elementnames.h"
#include "layoutpropertygroup.h"
#include "sizepropertygroup.h"
#include "stylepropertygroup.h"
#include "textpropertygroup.h"
#include "widgetfacts.h"

#include <QStyleOption>
#include <QVariant>

using namespace Quilt::Properties;

int textFlags(const StylePropertyGroup* properties)
{
    Alignment horizontal = Alignment::Start;
    Alignment vertical = Alignment::Center;
    const LayoutPropertyGroup* layout = properties ? properties->layout() : nullptr;
    if (const AlignmentPropertyGroup* alignment = layout ? layout->alignment() : nullptr) {
        horizontal = alignment->horizontal().value_or(horizontal);
        vertical = alignment->vertical().value_or(vertical);
    }

    int flags = 0;
    switch (horizontal) {
    case Alignment::Unspecified:
    case Alignment::Start:
        flags |= Qt::AlignLeft;
        break;
    case Alignment::Center:
        flags |= Qt::AlignHCenter;
        break;
    case Alignment::End:
        flags |= Qt::AlignRight;
        break;
    case Alignment::Fill:
    case Alignment::StackCenter:
    case Alignment::StackFill:
        flags |= Qt::AlignJustify;
        break;
    default:
        flags |= Qt::AlignHCenter;
        break;
    }

    switch (vertical) {
    case Alignment::Start:
        flags |= Qt::AlignTop;
        break;
    case Alignment::End:
        flags |= Qt::AlignBottom;
        break;
    default:
        flags |= Qt::AlignVCenter;
        break;
    }

    const TextPropertyGroup* text = properties ? properties->text() : nullptr;
    if (const auto wrapMode = text ? text->wrapMode() : std::nullopt) {
        switch (*wrapMode) {
        case TextWrapMode::WordWrap:
        case TextWrapMode::WrapAtWordBoundaryOrAnywhere:
            flags |= Qt::TextWordWrap;
            break;
        case TextWrapMode::WrapAnywhere:
            flags |= Qt::TextWrapAnywhere;
            break;
        default:
            break;
        }
    }

    // Qt's text layout then centres vertically whatever the alignment said.
    return flags | Qt::AlignVCenter;
}

Qt::TextElideMode elideMode(TextElide elide)
{
    switch (elide) {
    case TextElide::Left:
        return Qt::ElideLeft;
    case TextElide::Middle:
        return Qt::ElideMiddle;
    case TextElide::Right:
        return Qt::ElideRight;
    default:
        return Qt::ElideNone;
    }
}

QString defaultElementType(const QStyleOption* option)
{
    if (!option) {
        return ElementNames::Widget;
    }
    switch (option->type) {
    case QStyleOption::SO_FocusRect:
        return ElementNames::FocusFrame;
    case QStyleOption::SO_Button:
        return ElementNames::Button;
    case QStyleOption::SO_Tab:
        return ElementNames::TabButton;
    case QStyleOption::SO_MenuItem:
        return ElementNames::MenuItem;
    case QStyleOption::SO_Frame:
    case QStyleOption::SO_TabWidgetFrame:
        return ElementNames::Frame;
    case QStyleOption::SO_ProgressBar:
        return ElementNames::ProgressBar;
    case QStyleOption::SO_ToolBox:
        return ElementNames::ToolBox;
    case QStyleOption::SO_Header:
        return ElementNames::HeaderViewDelegate;
    case QStyleOption::SO_DockWidget:
        return ElementNames::DockWidget;
    case QStyleOption::SO_ViewItem:
        return ElementNames::ItemViewItem;
    case QStyleOption::SO_TabBarBase:
        return ElementNames::TabBar;
    case QStyleOption::SO_RubberBand:
        return ElementNames::RubberBand;
    case QStyleOption::SO_ToolBar:
        return ElementNames::ToolBar;
    case QStyleOption::SO_GraphicsItem:
        return ElementNames::GraphicsItem;
    case QStyleOption::SO_Slider:
        return ElementNames::Slider;
    case QStyleOption::SO_SpinBox:
        return ElementNames::SpinBox;
    case QStyleOption::SO_ToolButton:
        return ElementNames::ToolButton;
    case QStyleOption::SO_ComboBox:
        return ElementNames::ComboBox;
    case QStyleOption::SO_TitleBar:
        return ElementNames::TitleBar;
    case QStyleOption::SO_GroupBox:
        return ElementNames::GroupBox;
    case QStyleOption::SO_SizeGrip:
        return ElementNames::SizeGrip;
    default:
        return ElementNames::Widget;
    }
}

namespace
{
// The option as the class its type names; callers have checked the type.
template<typename T> const T* as(const QStyleOption* option)
{
    return static_cast<const T*>(option);
}
} // namespace

QString optionText(const QStyleOption* option)
{
    if (!option || option->version <= 0) {
        return QString();
    }
    switch (option->type) {
    case QStyleOption::SO_Button:
        return as<QStyleOptionButton>(option)->text;
    case QStyleOption::SO_Tab:
        return as<QStyleOptionTab>(option)->text;
    case QStyleOption::SO_MenuItem:
        return as<QStyleOptionMenuItem>(option)->text;
    case QStyleOption::SO_ProgressBar:
        return as<QStyleOptionProgressBar>(option)->text;
    case QStyleOption::SO_ToolBox:
        return as<QStyleOptionToolBox>(option)->text;
    case QStyleOption::SO_Header:
        return as<QStyleOptionHeader>(option)->text;
    case QStyleOption::SO_DockWidget:
        return as<QStyleOptionDockWidget>(option)->title;
    case QStyleOption::SO_ViewItem:
        return as<QStyleOptionViewItem>(option)->text;
    case QStyleOption::SO_ToolButton:
        return as<QStyleOptionToolButton>(option)->text;
    case QStyleOption::SO_ComboBox:
        return as<QStyleOptionComboBox>(option)->currentText;
    case QStyleOption::SO_GroupBox:
        return as<QStyleOptionGroupBox>(option)->text;
    default:
        return QString();
    }
}

QSizeF optionIconSize(const QStyleOption* option)
{
    const QSizeF none(-1, -1);
    if (option->version <= 0) {
        return none;
    }
    switch (option->type) {
    case QStyleOption::SO_Button:
        return as<QStyleOptionButton>(option)->iconSize;
    case QStyleOption::SO_Tab:
        return as<QStyleOptionTab>(option)->iconSize;
    case QStyleOption::SO_ToolButton:
        return as<QStyleOptionToolButton>(option)->iconSize;
    case QStyleOption::SO_ComboBox:
        return as<QStyleOptionComboBox>(option)->iconSize;
    case QStyleOption::SO_MenuItem: {
        const int width = as<QStyleOptionMenuItem>(option)->maxIconWidth;
        return QSizeF(width, width);
    }
    case QStyleOption::SO_ViewItem: {
        const auto* item = as<QStyleOptionViewItem>(option);
        return item->icon.isNull() ? none : QSizeF(item->decorationSize);
    }
    default:
        return none;
    }
}

QRectF contentRect(const QStyleOption* option, const StylePropertyGroup* properties)
{
    if (!option) {
        return QRectF(0, 0, 0, 0);
    }
    QRectF rect(option->rect);
    const LayoutPropertyGroup* layout = properties ? properties->layout() : nullptr;
    if (const SizePropertyGroup* inset = layout ? layout->inset() : nullptr) {
        rect = rect.marginsRemoved(inset->toMargins());
    }
    return rect;
}

QRectF centeredRect(const QRectF& container, double width, double height)
{
    return QRectF(container.x() + (container.width() - width) / 2, container.y() + (container.height() - height) / 2,
                  width, height);
}

const QStringList& orientationHints(bool horizontal)
{
    static const QStringList horizontalHints { QStringLiteral("horizontal") };
    static const QStringList verticalHints { QStringLiteral("vertical") };
    return horizontal ? horizontalHints : verticalHints;
}

QStringList frameHints(const QStyleOptionFrame* option)
{
    QStringList hints;
    if (!option) {
        return hints;
    }
    if (option->features & QStyleOptionFrame::Flat) {
        hints.append(QStringLiteral("flat"));
    }
    if (option->features & QStyleOptionFrame::Rounded) {
        hints.append(QStringLiteral("rounded"));
    }
    if (const WidgetFacts* facts = widgetFacts(option->styleObject)) {
        const QVariant& sides = facts->bordersSides;
        if (sides.isValid()) {
            const Qt::Edges edges = sides.metaType() == QMetaType::fromType<Qt::Edges>() ? sides.value<Qt::Edges>()
                                                                                         : Qt::Edges(sides.toInt());
            if (edges & Qt::LeftEdge) {
                hints.append(QStringLiteral("left-edge"));
            }
            if (edges & Qt::RightEdge) {
                hints.append(QStringLiteral("right-edge"));
            }
            if (edges & Qt::TopEdge) {
                hints.append(QStringLiteral("top-edge"));
            }
            if (edges & Qt::BottomEdge) {
                hints.append(QStringLiteral("bottom-edge"));
            }
        }
    }
    return hints;
}
