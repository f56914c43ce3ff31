#include "buttonelement.h"

#include "conversions.h"
#include "elementnames.h"
#include "quiltstyle.h"
#include "widgetslogging.h"

#include "alignmentpropertygroup.h"
#include "iconpropertygroup.h"
#include "stylepropertygroup.h"
#include "textpropertygroup.h"

#include <QFontMetrics>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

ButtonElement::ButtonElement(const QStyleOptionButton* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_buttonOption(option)
{
    setFlag(Mnemonic, true);
    update();
}

QString ButtonElement::elementType(const QStyleOption*) const
{
    return ElementNames::Button;
}

QStringList ButtonElement::hints() const
{
    QStringList result;
    if (!m_buttonOption) {
        return result;
    }
    const auto features = m_buttonOption->features;
    if (features & QStyleOptionButton::Flat) {
        result.append(QStringLiteral("flat"));
    }
    if (features & QStyleOptionButton::HasMenu) {
        result.append(QStringLiteral("with-menu"));
    }
    if (features & QStyleOptionButton::CommandLinkButton) {
        result.append(QStringLiteral("command-link-button"));
    }
    return result;
}

Quilt::Element::States ButtonElement::states() const
{
    Quilt::Element::States result = AbstractElement::states();
    // Qt makes every button of a dialog an automatic default: only the
    // button that Return presses now is marked.
    if (m_buttonOption && (m_buttonOption->features & QStyleOptionButton::DefaultButton)) {
        result |= Quilt::Element::State::Highlighted;
    }
    return result;
}

void ButtonElement::updateSubElementNames()
{
    m_subElementNames.clear();
    if (!m_buttonOption) {
        return;
    }
    if (m_buttonOption->features & QStyleOptionButton::HasMenu) {
        m_subElementNames.append(ElementNames::Indicator);
    }
    if (!m_buttonOption->icon.isNull()) {
        m_subElementNames.append(ElementNames::Icon);
    }
    if (!m_buttonOption->text.isEmpty()) {
        m_subElementNames.append(ElementNames::Text);
    }
}

void ButtonElement::update()
{
    m_indicatorIcon = QIcon();
    m_indicatorSymbol = QStyle::PE_CustomBase;
    if (m_buttonOption) {
        if (m_buttonOption->features & QStyleOptionButton::HasMenu) {
            m_indicatorSymbol = QStyle::PE_IndicatorArrowDown;
            m_secondaryElements = elementList(m_option, m_widget, { ElementNames::Indicator });
            if (!m_secondaryElements.isEmpty()) {
                m_secondaryProperties = queryAndKeep(m_secondaryElements, m_secondaryPropertiesHold);
                m_indicatorIcon = m_style->resolveIcon(m_secondaryProperties, QStringLiteral("arrow-down-symbolic"));
            }
        }
        m_icon = m_buttonOption->icon;
        m_text = m_buttonOption->text;
    }
    updateSubElementNames();
    query();
    placeLabel();
}

void ButtonElement::placeLabel()
{
    if (!m_valid || !m_option) {
        return;
    }
    const auto text = m_layout.find(ElementNames::Text);
    if (text == m_layout.end()) {
        return;
    }
    // The label's room: inside the padding, short of the menu arrow.
    QRectF room = contentRect(m_option, m_properties).marginsRemoved(padding());
    const double s = spacing();
    if (const auto indicator = m_layout.constFind(ElementNames::Indicator);
        indicator != m_layout.constEnd() && !indicator->rect.isEmpty()) {
        room.setRight(std::min(room.right(), indicator->rect.left() - s));
    }
    if (room.width() <= 0) {
        return;
    }
    const auto icon = m_layout.find(ElementNames::Icon);
    const auto* iconGroup = m_properties ? m_properties->icon() : nullptr;
    const bool iconPlaced = iconGroup && iconGroup->alignment() && iconGroup->alignment()->horizontal();
    if (icon == m_layout.end() || icon->rect.isEmpty() || iconPlaced) {
        // A label wider than its room keeps to it, where it is elided.
        text->rect = text->rect.intersected(QRectF(room.x(), text->rect.y(), room.width(), text->rect.height()));
        return;
    }
    // Icon and text stay together as one label, placed as the text alone
    // would be: a centred title stands beside its icon, not across the
    // button from it.
    const double iconWidth = icon->rect.width();
    const double textWidth = std::clamp(text->rect.width(), 0.0, std::max(0.0, room.width() - iconWidth - s));
    const double whole = iconWidth + s + textWidth;
    const auto* textGroup = m_properties ? m_properties->text() : nullptr;
    const auto* alignment = textGroup ? textGroup->alignment() : nullptr;
    const auto horizontal = alignment ? alignment->horizontal() : std::nullopt;
    double x = room.x();
    if (horizontal == Quilt::Properties::Alignment::Center) {
        x = room.x() + std::max(0.0, (room.width() - whole) / 2);
    } else if (horizontal == Quilt::Properties::Alignment::End) {
        x = room.right() - whole;
    }
    x = std::round(x);
    icon->rect.moveLeft(x);
    text->rect = QRectF(x + iconWidth + s, text->rect.y(), textWidth, text->rect.height());
}

void ButtonElement::drawText(QPainter* painter)
{
    if (m_text.isEmpty() || !m_valid || !m_option) {
        return;
    }
    const QRectF place = m_layout.value(ElementNames::Text).rect;
    const auto* textGroup = m_properties ? m_properties->text() : nullptr;
    if (textGroup && textGroup->elide()) {
        AbstractElement::drawText(painter);
        return;
    }
    // A title that does not fit loses its end to an ellipsis, never a
    // clipped letter, unless the style says otherwise.
    const std::optional<QFont> font = textGroup ? textGroup->font() : std::nullopt;
    // Measured in the font the label was laid out in.
    const QFontMetrics metrics = font ? QFontMetrics(*font) : m_option->fontMetrics;
    const QString shown = metrics.elidedText(m_text, Qt::ElideRight, int(place.width()), Qt::TextShowMnemonic);
    AbstractElement::drawText(painter, shown, place, m_properties);
}

void ButtonElement::draw(QPainter* painter, int control, int, int primitive)
{
    if (!m_valid) {
        return;
    }
    switch (control) {
    case QStyle::CE_PushButton:
        drawBackgroundAndBorder(painter);
        mirrorPlaces();
        drawIcon(painter);
        drawText(painter);
        drawIndicator(painter);
        mirrorPlaces();
        return;
    case QStyle::CE_PushButtonBevel:
        drawBackgroundAndBorder(painter);
        return;
    case QStyle::CE_PushButtonLabel:
        mirrorPlaces();
        drawIcon(painter);
        drawText(painter);
        mirrorPlaces();
        return;
    default:
        break;
    }
    switch (primitive) {
    case QStyle::PE_PanelButtonCommand:
    case QStyle::PE_PanelButtonBevel:
        drawBackgroundAndBorder(painter);
        return;
    case QStyle::PE_FrameDefaultButton:
    case QStyle::PE_FrameButtonBevel:
        drawBorder(painter);
        return;
    default:
        break;
    }
}

QSizeF ButtonElement::sizeFromContents(const QSizeF& contents)
{
    QSizeF size = AbstractElement::sizeFromContents(contents, m_properties);
    if (hasIndicatorIcon()) {
        size.rwidth() += spacing() + m_layout.value(ElementNames::Indicator).rect.width();
    }
    return size;
}

QRectF ButtonElement::subElementRect(QStyle::SubElement element)
{
    if (!m_valid) {
        qCWarning(lcQtWidgets) << "Subelementrect for " << element << "is not valid";
        return QRectF(0, 0, 0, 0);
    }
    switch (element) {
    case QStyle::SE_PushButtonFocusRect:
    case QStyle::SE_PushButtonBevel:
        return contentRect(m_buttonOption, m_properties);
    default:
        return QRectF(m_style->QCommonStyle::subElementRect(element, m_option, m_widget));
    }
}

double ButtonElement::pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_ButtonMargin:
        return averagePadding();
    case QStyle::PM_ButtonDefaultIndicator:
        return averageBorderSize();
    case QStyle::PM_ButtonIconSize:
        return iconSize().width();
    default:
        return 0;
    }
}

bool ButtonElement::retarget(const QStyleOption* option, const QWidget* widget)
{
    m_buttonOption = static_cast<const QStyleOptionButton*>(option);
    setTarget(option, widget);
    return true;
}

bool ButtonElement::ownInputs(InputValues& values) const
{
    if (m_buttonOption) {
        values << int(m_buttonOption->features) << m_buttonOption->icon.cacheKey();
    }
    return true;
}
