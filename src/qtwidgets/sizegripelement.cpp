#include "sizegripelement.h"

#include "elementnames.h"

#include <QStyleOption>

SizeGripElement::SizeGripElement(const QStyleOptionSizeGrip* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_ownOption(option)
{
    update();
}

QString SizeGripElement::elementType(const QStyleOption*) const
{
    return ElementNames::SizeGrip;
}

void SizeGripElement::update()
{
    query();
}

void SizeGripElement::query()
{
    m_elements = elementList(m_option, m_widget, { ElementNames::SizeGrip });
    m_properties = queryAndKeep(m_elements, m_propertiesHold);
    // Valid without a matching rule too: the painter then paints nothing.
    m_valid = true;
}

void SizeGripElement::draw(QPainter* painter, int control, int, int)
{
    if (control == QStyle::CE_SizeGrip && m_valid) {
        drawBackgroundAndBorder(painter);
    }
}

double SizeGripElement::pixelMetric(QStyle::PixelMetric metric)
{
    return metric == QStyle::PM_SizeGripSize ? width() : 0;
}
