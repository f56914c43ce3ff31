#include "checkboxelement.h"

#include "elementnames.h"
#include "quiltstyle.h"
#include "styledrectpainter.h"
#include "subelementlayout.h"
#include "widgetslogging.h"

#include <QStyleOption>

#include <algorithm>

CheckBoxElement::CheckBoxElement(const QStyleOptionButton* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_buttonOption(option)
{
    setFlag(Mnemonic, true);
    update();
}

QString CheckBoxElement::elementType(const QStyleOption*) const
{
    return ElementNames::CheckBox;
}

QStringList CheckBoxElement::hints() const
{
    QStringList result;
    if (!m_buttonOption) {
        return result;
    }
    if (!m_buttonOption->icon.isNull()) {
        result.append(QStringLiteral("with-icon"));
    }
    // Partially checked is a hint, not the Checked state.
    if (m_buttonOption->state & QStyle::State_NoChange) {
        result.append(QStringLiteral("indeterminate"));
    }
    return result;
}

void CheckBoxElement::updateSubElementNames()
{
    m_subElementNames.clear();
    m_subElementNames.append(ElementNames::Indicator);
    if (!m_buttonOption) {
        return;
    }
    if (!m_buttonOption->icon.isNull()) {
        m_subElementNames.append(ElementNames::Icon);
    }
    if (!m_buttonOption->text.isEmpty()) {
        m_subElementNames.append(ElementNames::Text);
    }
}

void CheckBoxElement::update()
{
    m_secondaryElements = elementList(m_option, m_widget, { ElementNames::CheckBox, ElementNames::Indicator });
    if (!m_secondaryElements.isEmpty()) {
        m_secondaryProperties = queryAndKeep(m_secondaryElements, m_secondaryPropertiesHold);
    }
    if (m_buttonOption) {
        m_icon = m_buttonOption->icon;
        m_text = m_buttonOption->text;
    }
    updateSubElementNames();
    query();
    // The layout runs left to right; a right-to-left button puts its
    // indicator on the right.
    if (m_option) {
        mirrorSubElements(m_layout, m_option->direction, QRectF(m_option->rect));
    }
}

void CheckBoxElement::draw(QPainter* painter, int control, int, int primitive)
{
    if (!m_valid) {
        return;
    }
    switch (control) {
    case QStyle::CE_CheckBox:
        drawBackgroundAndBorder(painter);
        drawIcon(painter);
        drawText(painter);
        drawLabelFocus(painter);
        drawIndicator(painter);
        return;
    case QStyle::CE_CheckBoxLabel:
        drawIcon(painter);
        drawText(painter);
        drawLabelFocus(painter);
        return;
    default:
        break;
    }
    if (primitive == QStyle::PE_IndicatorCheckBox) {
        drawIndicator(painter);
    }
}

void CheckBoxElement::drawIndicator(QPainter* painter)
{
    // The check mark is the style's: the background and border of the
    // indicator for the current states and hints.
    paintStyledRect(painter, subElementRect(QStyle::SE_CheckBoxIndicator), m_secondaryProperties,
                    StyledRectMode::BackgroundAndBorder, QColor());
}

QRectF CheckBoxElement::subElementRect(QStyle::SubElement element)
{
    if (!m_valid) {
        qCWarning(lcQtWidgets) << "Subelementrect for " << element << "is not valid";
        return QRectF(0, 0, 0, 0);
    }
    if (element == QStyle::SE_CheckBoxIndicator && m_option && (m_widget || m_option->styleObject)) {
        return m_layout.value(ElementNames::Indicator).rect;
    }
    return QRectF(m_style->QCommonStyle::subElementRect(element, m_option, m_widget));
}

double CheckBoxElement::pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_IndicatorWidth:
        return secondarySize().width();
    case QStyle::PM_IndicatorHeight:
        return secondarySize().height();
    case QStyle::PM_CheckBoxLabelSpacing:
        return spacing();
    default:
        return 0;
    }
}

QSizeF CheckBoxElement::sizeFromContents(const QSizeF& contents)
{
    const QSizeF size = AbstractElement::sizeFromContents(contents, m_properties);
    // Qt measures the label alone: the indicator must fit whole too, or its
    // top and bottom rows are cut off.
    const QSizeF indicator = secondarySize();
    return QSizeF(size.width() + spacing() + indicator.width(), std::max(size.height(), indicator.height()));
}

bool CheckBoxElement::retarget(const QStyleOption* option, const QWidget* widget)
{
    m_buttonOption = static_cast<const QStyleOptionButton*>(option);
    setTarget(option, widget);
    return true;
}

bool CheckBoxElement::ownInputs(InputValues& values) const
{
    if (m_buttonOption) {
        values << m_buttonOption->icon.cacheKey();
    }
    return true;
}
