#include "toolbuttonelement.h"

#include "elementnames.h"
#include "quiltstyle.h"
#include "styledrectpainter.h"
#include "widgetslogging.h"

#include "stylepropertygroup.h"

#include <QStyleOption>

#include <cmath>

using Quilt::Properties::Alignment;

ToolButtonElement::ToolButtonElement(const QStyleOptionToolButton* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_toolButtonOption(option)
{
    setFlag(Mnemonic, true);
    update();
}

QString ToolButtonElement::elementType(const QStyleOption*) const
{
    return ElementNames::ToolButton;
}

bool ToolButtonElement::iconOnlyLook() const
{
    const QStyleOptionToolButton& o = *m_toolButtonOption;
    return o.toolButtonStyle == Qt::ToolButtonIconOnly
        || (o.text.isEmpty() && (!o.icon.isNull() || (o.features & QStyleOptionToolButton::Arrow)));
}

bool ToolButtonElement::menuButtonMode() const
{
    return m_hasMenu && (m_toolButtonOption->features & QStyleOptionToolButton::MenuButtonPopup);
}

bool ToolButtonElement::inlineArrowMode() const
{
    const auto features = m_toolButtonOption->features;
    return m_hasMenu && !(features & QStyleOptionToolButton::MenuButtonPopup)
        && (features & QStyleOptionToolButton::PopupDelay);
}

bool ToolButtonElement::besideMode() const
{
    const auto features = m_toolButtonOption->features;
    return m_hasMenu && !(features & QStyleOptionToolButton::MenuButtonPopup)
        && !(features & QStyleOptionToolButton::PopupDelay) && !iconOnlyLook();
}

QVariantMap ToolButtonElement::attributes() const
{
    if (!m_toolButtonOption) {
        return {};
    }
    QString display;
    switch (m_toolButtonOption->toolButtonStyle) {
    case Qt::ToolButtonIconOnly:
        display = QStringLiteral("icon-only");
        break;
    case Qt::ToolButtonTextOnly:
        display = QStringLiteral("text-only");
        break;
    case Qt::ToolButtonTextBesideIcon:
        display = QStringLiteral("text-beside-icon");
        break;
    case Qt::ToolButtonTextUnderIcon:
        display = QStringLiteral("text-under-icon");
        break;
    default:
        return {};
    }
    return QVariantMap { { QStringLiteral("display"), display } };
}

QStringList ToolButtonElement::hints() const
{
    QStringList result;
    if (!m_toolButtonOption || m_toolButtonOption->features == QStyleOptionToolButton::None) {
        return result;
    }
    if (menuButtonMode()) {
        result.append(QStringLiteral("with-menu-button"));
    } else if (inlineArrowMode()) {
        result.append(QStringLiteral("with-inline-arrow"));
    } else if (besideMode()) {
        result.append(QStringLiteral("with-menu"));
    }
    const QStyle::State state = m_toolButtonOption->state;
    if (!(state & QStyle::State_AutoRaise)) {
        result.append(QStringLiteral("raised"));
    }
    if ((state & QStyle::State_Raised) && (state & QStyle::State_Sunken)) {
        result.append(QStringLiteral("menu-open"));
    }
    return result;
}

void ToolButtonElement::updateSubElementNames()
{
    m_subElementNames.clear();
    if (m_showsIcon || m_showsArrow) {
        m_subElementNames.append(ElementNames::Icon);
    }
    if (m_showsText) {
        m_subElementNames.append(ElementNames::Text);
    }
}

void ToolButtonElement::update()
{
    if (!m_toolButtonOption) {
        return;
    }
    const QStyleOptionToolButton& o = *m_toolButtonOption;
    m_hasMenu = o.features & (QStyleOptionToolButton::HasMenu | QStyleOptionToolButton::MenuButtonPopup);
    m_showsArrow = (o.features & QStyleOptionToolButton::Arrow) && o.toolButtonStyle != Qt::ToolButtonTextOnly;
    m_showsIcon = !o.icon.isNull() && o.toolButtonStyle != Qt::ToolButtonTextOnly;
    m_showsText = !o.text.isEmpty() && o.toolButtonStyle != Qt::ToolButtonIconOnly;
    m_icon = o.icon;
    m_text = o.text;
    updateSubElementNames();
    query();
}

void ToolButtonElement::query()
{
    static const QStringList indicatorNames { ElementNames::Indicator };

    m_secondaryElements = elementList(m_option, m_widget, indicatorNames);
    m_indicatorIcon = QIcon();
    if (!m_secondaryElements.isEmpty()) {
        m_secondaryProperties = queryAndKeep(m_secondaryElements, m_secondaryPropertiesHold);
        m_indicatorIcon = m_style->resolveIcon(m_secondaryProperties, QStringLiteral("arrow-down-symbolic"));
    }

    m_elements = elementList(m_option, m_widget, {});
    if (m_elements.isEmpty()) {
        m_valid = false;
        qCWarning(lcQtWidgets) << "Could not find elementlist for ToolButtonElement!";
        return;
    }
    m_properties = queryAndKeep(m_elements, m_propertiesHold);
    m_indicatorLayout = layout(m_elements, m_option, indicatorNames);
    placeIndicator();

    QStyleOptionToolButton content = *m_toolButtonOption;
    content.rect = m_buttonRect.toRect();
    m_layout = layout(m_elements, &content, m_subElementNames);
    m_valid = true;
}

void ToolButtonElement::placeIndicator()
{
    QRectF c(m_toolButtonOption->rect);
    QRectF i(0, 0, 0, 0);
    m_buttonRect = c;
    m_indicatorRect = i;
    if (!m_hasMenu) {
        return;
    }
    i = m_indicatorLayout.value(ElementNames::Indicator).rect;
    m_indicatorRect = i;
    if (!m_secondaryProperties) {
        return;
    }

    const auto* layout = m_secondaryProperties->layout();
    const QMarginsF p = layout && layout->padding() ? layout->padding()->toMargins() : QMarginsF();
    const QMarginsF own = padding();
    const auto* alignment = layout ? layout->alignment() : nullptr;
    const Alignment horizontal
        = alignment ? alignment->horizontal().value_or(Alignment::Unspecified) : Alignment::Unspecified;
    const Alignment vertical
        = alignment ? alignment->vertical().value_or(Alignment::Unspecified) : Alignment::Unspecified;
    const bool beside = besideMode();
    const bool overlay = inlineArrowMode();

    i.setRect(i.x() - p.left(), i.y() - p.top(), i.width() + p.left() + p.right(), i.height() + p.top() + p.bottom());

    switch (horizontal) {
    case Alignment::Start:
        if (beside) {
            i.setWidth(i.width() - (p.right() + own.left()));
            i.moveLeft(c.x() + own.left());
        } else {
            i.moveLeft(c.x());
        }
        if (!overlay) {
            const double d = i.x() + i.width() - c.x();
            c.setRect(c.x() + d, c.y(), c.width() - d, c.height());
        }
        break;
    case Alignment::Center:
        i.moveLeft(std::trunc(c.x() + c.width() / 2) - i.width() / 2);
        i.moveTop(std::trunc(i.y() + i.height() / 2) - i.height() / 2);
        break;
    case Alignment::Fill:
    case Alignment::StackFill:
        i.setRect(c.x(), i.y(), c.width(), i.height());
        break;
    default: // Unspecified, End, StackCenter
        if (beside) {
            i.setWidth(i.width() - (p.left() + own.right()));
            i.moveLeft(c.x() + c.width() - own.right() - i.width());
        } else {
            i.moveLeft(c.x() + c.width() - i.width());
        }
        if (!overlay) {
            c.setWidth(i.x() - c.x());
        }
        break;
    }

    switch (vertical) {
    case Alignment::Start:
        i.moveTop(c.y());
        if (!overlay) {
            c.setRect(c.x(), c.y() + i.height(), c.width(), c.height() - i.height());
        }
        break;
    case Alignment::End:
        i.moveTop(c.y() + c.height() - i.height());
        if (!overlay) {
            c.setHeight(i.y() - c.y());
        }
        break;
    case Alignment::Fill:
    case Alignment::StackFill:
        i.setRect(i.x(), c.y(), i.width(), c.height());
        break;
    default: // Unspecified, Center, StackCenter
        i.moveLeft(std::trunc(i.x() + i.width() / 2) - i.width() / 2);
        i.moveTop(std::trunc(c.y() + c.height() / 2) - i.height() / 2);
        break;
    }

    m_buttonRect = c;
    m_indicatorRect = i;
}

void ToolButtonElement::draw(QPainter* painter, int control, int complex, int primitive)
{
    if (!m_valid) {
        return;
    }
    if (complex == QStyle::CC_ToolButton) {
        drawBackgroundAndBorder(painter);
        drawIcon(painter);
        drawText(painter);
        drawIndicator(painter);
    } else if (control == QStyle::CE_ToolButtonLabel) {
        drawText(painter);
    } else if (primitive == QStyle::PE_PanelButtonTool) {
        drawBackgroundAndBorder(painter);
    } else if (primitive == QStyle::PE_FrameButtonTool) {
        drawBorder(painter);
    }
}

void ToolButtonElement::drawIcon(QPainter* painter)
{
    if (!m_toolButtonOption || m_toolButtonOption->toolButtonStyle == Qt::ToolButtonTextOnly) {
        return;
    }
    const QRectF r = m_layout.value(ElementNames::Icon).rect;
    if (m_toolButtonOption->features & QStyleOptionToolButton::Arrow) {
        QStyle::PrimitiveElement arrow;
        switch (m_toolButtonOption->arrowType) {
        case Qt::UpArrow:
            arrow = QStyle::PE_IndicatorArrowUp;
            break;
        case Qt::DownArrow:
            arrow = QStyle::PE_IndicatorArrowDown;
            break;
        case Qt::LeftArrow:
            arrow = QStyle::PE_IndicatorArrowLeft;
            break;
        case Qt::RightArrow:
            arrow = QStyle::PE_IndicatorArrowRight;
            break;
        default:
            return;
        }
        QStyleOptionToolButton copy = *m_toolButtonOption;
        copy.rect = r.toRect();
        m_style->drawPrimitive(arrow, &copy, painter, nullptr);
        return;
    }
    if (hasIcon()) {
        AbstractElement::drawIcon(painter, m_icon, m_properties, r);
    }
}

void ToolButtonElement::drawIndicator(QPainter* painter)
{
    if (!m_hasMenu) {
        return;
    }
    const QRectF r = subControlRect(QStyle::SC_ToolButtonMenu);
    paintStyledRect(painter, r, m_secondaryProperties, StyledRectMode::BackgroundAndBorder, QColor());
    QSizeF size = m_indicatorLayout.value(ElementNames::Indicator).rect.size();
    if (size.isEmpty()) {
        size = r.size();
    }
    const QRectF place(r.x() + (r.width() - size.width()) / 2, r.y() + (r.height() - size.height()) / 2, size.width(),
                       size.height());
    if (hasIndicatorIcon()) {
        AbstractElement::drawIcon(painter, m_indicatorIcon, m_secondaryProperties, place);
    } else {
        drawFallbackSymbol(painter, m_secondaryProperties, place, QStyle::PE_IndicatorArrowDown);
    }
}

QRectF ToolButtonElement::subControlRect(QStyle::SubControl control)
{
    if (!m_valid) {
        qCWarning(lcQtWidgets) << "subControlRect for " << control << "is not valid";
        return QRectF(0, 0, 0, 0);
    }
    switch (control) {
    case QStyle::SC_ToolButton:
        return m_buttonRect;
    case QStyle::SC_ToolButtonMenu:
        return m_indicatorRect;
    default:
        return QRectF(0, 0, 0, 0);
    }
}

QSizeF ToolButtonElement::sizeFromContents(const QSizeF& contents)
{
    QSizeF size = AbstractElement::sizeFromContents(contents, m_properties);
    if (hasIndicatorIcon() && m_toolButtonOption && besideMode()) {
        const QRectF both = m_buttonRect.united(m_indicatorRect);
        size += both.size() - m_buttonRect.size();
    }
    return size;
}
