#include "radiobuttonelement.h"

#include "elementnames.h"
#include "quiltstyle.h"
#include "styledrectpainter.h"
#include "subelementlayout.h"
#include "widgetslogging.h"

#include <QStyleOption>

#include <algorithm>

RadioButtonElement::RadioButtonElement(const QStyleOptionButton* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_buttonOption(option)
{
    setFlag(Mnemonic, true);
    update();
}

QString RadioButtonElement::elementType(const QStyleOption*) const
{
    return ElementNames::RadioButton;
}

QStringList RadioButtonElement::hints() const
{
    if (m_buttonOption && !m_buttonOption->icon.isNull()) {
        return { QStringLiteral("with-icon") };
    }
    return {};
}

void RadioButtonElement::updateSubElementNames()
{
    m_subElementNames.clear();
    if (!m_buttonOption) {
        return;
    }
    m_subElementNames.append(ElementNames::Indicator);
    if (!m_buttonOption->icon.isNull()) {
        m_subElementNames.append(ElementNames::Icon);
    }
    if (!m_buttonOption->text.isEmpty()) {
        m_subElementNames.append(ElementNames::Text);
    }
}

void RadioButtonElement::update()
{
    if (!m_buttonOption) {
        return;
    }
    m_secondaryElements = elementList(m_option, m_widget, { ElementNames::RadioButton, ElementNames::Indicator });
    if (!m_secondaryElements.isEmpty()) {
        m_secondaryProperties = queryAndKeep(m_secondaryElements, m_secondaryPropertiesHold);
    }
    m_icon = m_buttonOption->icon;
    m_text = m_buttonOption->text;
    updateSubElementNames();
    query();
    // The layout runs left to right; a right-to-left button puts its
    // indicator on the right.
    if (m_option) {
        mirrorSubElements(m_layout, m_option->direction, QRectF(m_option->rect));
    }
}

void RadioButtonElement::draw(QPainter* painter, int control, int, int primitive)
{
    if (!m_valid) {
        return;
    }
    switch (control) {
    case QStyle::CE_RadioButton:
        drawBackgroundAndBorder(painter);
        drawIcon(painter);
        drawText(painter);
        drawLabelFocus(painter);
        drawIndicator(painter);
        return;
    case QStyle::CE_RadioButtonLabel:
        drawIcon(painter);
        drawText(painter);
        drawLabelFocus(painter);
        return;
    default:
        break;
    }
    if (primitive == QStyle::PE_IndicatorRadioButton) {
        drawIndicator(painter);
    }
}

void RadioButtonElement::drawIndicator(QPainter* painter)
{
    paintStyledRect(painter, subElementRect(QStyle::SE_RadioButtonIndicator), m_secondaryProperties,
                    StyledRectMode::BackgroundAndBorder, QColor());
}

QRectF RadioButtonElement::subElementRect(QStyle::SubElement element)
{
    if (!m_valid || !m_option) {
        qCWarning(lcQtWidgets) << "Subelementrect for " << element << "is not valid";
        return QRectF(0, 0, 0, 0);
    }
    if (element == QStyle::SE_RadioButtonIndicator) {
        if (m_widget || m_option->styleObject) {
            return m_layout.value(ElementNames::Indicator).rect;
        }
        return QRectF(m_style->QCommonStyle::subElementRect(element, m_option, nullptr));
    }
    return layoutContentsRect(m_layout);
}

double RadioButtonElement::pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_ExclusiveIndicatorWidth:
        return secondarySize().width();
    case QStyle::PM_ExclusiveIndicatorHeight:
        return secondarySize().height();
    case QStyle::PM_RadioButtonLabelSpacing:
        return spacing();
    default:
        return 0;
    }
}

QSizeF RadioButtonElement::sizeFromContents(const QSizeF& contents)
{
    const QSizeF size = AbstractElement::sizeFromContents(contents, m_properties);
    // Qt measures the label alone: the indicator must fit whole too, or its
    // top and bottom rows are cut off.
    const QSizeF indicator = secondarySize();
    return QSizeF(size.width() + spacing() + indicator.width(), std::max(size.height(), indicator.height()));
}
