#include "splitterelement.h"

#include "elementnames.h"

#include <QStyleOption>

SplitterElement::SplitterElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_ownOption(option)
{
    update();
}

QString SplitterElement::elementType(const QStyleOption*) const
{
    return ElementNames::Splitter;
}

void SplitterElement::update()
{
    query();
}

void SplitterElement::query()
{
    m_elements = elementList(m_option, m_widget, { ElementNames::Splitter });
    m_properties = queryAndKeep(m_elements, m_propertiesHold);
    // Valid without a matching rule too: the painter then paints nothing.
    m_valid = true;
}

void SplitterElement::draw(QPainter* painter, int control, int, int primitive)
{
    if (!m_valid) {
        return;
    }
    if (control == QStyle::CE_Splitter || primitive == QStyle::PE_IndicatorDockWidgetResizeHandle) {
        drawBackgroundAndBorder(painter);
    }
}

double SplitterElement::pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_SplitterWidth:
    case QStyle::PM_DockWidgetSeparatorExtent:
        return width();
    default:
        return 0;
    }
}
