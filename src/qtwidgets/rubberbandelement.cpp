#include "rubberbandelement.h"

#include "elementnames.h"

#include <QStyleOption>

RubberBandElement::RubberBandElement(const QStyleOptionRubberBand* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_ownOption(option)
{
    update();
}

QString RubberBandElement::elementType(const QStyleOption*) const
{
    return ElementNames::RubberBand;
}

void RubberBandElement::update()
{
    query();
}

void RubberBandElement::query()
{
    m_elements = elementList(m_option, m_widget, { ElementNames::RubberBand });
    m_properties = queryAndKeep(m_elements, m_propertiesHold);
    // Valid without a matching rule too: the painter then paints nothing.
    m_valid = true;
}

void RubberBandElement::draw(QPainter* painter, int control, int, int)
{
    if (control == QStyle::CE_RubberBand && m_valid) {
        drawBackgroundAndBorder(painter);
    }
}
