#include "tooltipelement.h"

#include "conversions.h"
#include "elementnames.h"

#include <QStyleOption>

#include <algorithm>

ToolTipElement::ToolTipElement(const QStyleOptionFrame* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_ownOption(option)
{
    update();
}

QString ToolTipElement::elementType(const QStyleOption*) const
{
    return ElementNames::ToolTip;
}

QStringList ToolTipElement::hints() const
{
    return frameHints(m_ownOption);
}

void ToolTipElement::update()
{
    query();
}

void ToolTipElement::query()
{
    m_elements = elementList(m_option, m_widget, { ElementNames::ToolTip });
    m_properties = queryAndKeep(m_elements, m_propertiesHold);
    // Valid without a matching rule too: the painter then paints nothing.
    m_valid = true;
}

void ToolTipElement::draw(QPainter* painter, int, int, int primitive)
{
    if (primitive == QStyle::PE_PanelTipLabel && m_valid) {
        drawBackgroundAndBorder(painter);
    }
}

double ToolTipElement::pixelMetric(QStyle::PixelMetric metric)
{
    // The tip's label keeps its text this far, plus one pixel, from its
    // edges: its border and its padding together, so that the text does not
    // touch the frame.
    return metric == QStyle::PM_ToolTipLabelFrameWidth ? std::max(0.0, averageBorderSize() + averagePadding() - 1) : 0;
}
