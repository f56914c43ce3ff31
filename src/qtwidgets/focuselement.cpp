#include "focuselement.h"

#include "elementnames.h"

#include <QStyleOption>

FocusElement::FocusElement(const QStyleOptionFocusRect* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_focusOption(option)
{
    update();
}

QString FocusElement::elementType(const QStyleOption*) const
{
    return ElementNames::FocusFrame;
}

QStringList FocusElement::hints() const
{
    if (m_focusOption && (m_focusOption->state & QStyle::State_FocusAtBorder)) {
        return { QStringLiteral("focus-at-border") };
    }
    return {};
}

void FocusElement::update()
{
    query();
}

void FocusElement::query()
{
    m_elements = elementList(m_option, m_widget, { ElementNames::FocusFrame });
    m_properties = queryAndKeep(m_elements, m_propertiesHold);
    // Valid without a matching rule too: the painter then paints nothing.
    m_valid = true;
}

void FocusElement::draw(QPainter* painter, int, int, int primitive)
{
    if (primitive == QStyle::PE_FrameFocusRect && m_valid) {
        drawBackgroundAndBorder(painter);
    }
}

double FocusElement::pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_FocusFrameHMargin:
        return horizontalPadding();
    case QStyle::PM_FocusFrameVMargin:
        return verticalPadding();
    default:
        return 0;
    }
}
