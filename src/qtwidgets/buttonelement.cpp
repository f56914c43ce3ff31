#include "buttonelement.h"

#include "conversions.h"
#include "elementnames.h"
#include "quiltstyle.h"
#include "widgetslogging.h"

#include "stylepropertygroup.h"

#include <QStyleOption>

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
                m_indicatorIcon = m_style->resolveIcon(m_secondaryProperties, QStringLiteral("pan-down-symbolic"));
            }
        }
        m_icon = m_buttonOption->icon;
        m_text = m_buttonOption->text;
    }
    updateSubElementNames();
    query();
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
