#include "scrollareacornerelement.h"

#include "elementnames.h"

#include <QStyleOption>

ScrollAreaCornerElement::ScrollAreaCornerElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_ownOption(option)
{
    update();
}

QString ScrollAreaCornerElement::elementType(const QStyleOption*) const
{
    return ElementNames::ScrollAreaCorner;
}

void ScrollAreaCornerElement::update()
{
    query();
}

void ScrollAreaCornerElement::query()
{
    m_elements = elementList(m_option, m_widget, { ElementNames::ScrollAreaCorner });
    m_properties = queryAndKeep(m_elements, m_propertiesHold);
    // Valid without a matching rule too: the painter then paints nothing.
    m_valid = true;
}

void ScrollAreaCornerElement::draw(QPainter* painter, int, int, int primitive)
{
    if (primitive == QStyle::PE_PanelScrollAreaCorner && m_valid) {
        drawBackgroundAndBorder(painter);
    }
}
