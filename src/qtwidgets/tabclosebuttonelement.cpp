#include "tabclosebuttonelement.h"

#include "elementnames.h"
#include "quiltstyle.h"

#include <QStyleOption>

TabCloseButtonElement::TabCloseButtonElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_buttonOption(option)
{
    update();
}

void TabCloseButtonElement::update()
{
    query();
}

void TabCloseButtonElement::query()
{
    m_elements = elementList(m_option, m_widget, { ElementNames::TabButton, ElementNames::CloseButton });
    if (m_elements.isEmpty()) {
        m_valid = false;
        return;
    }
    m_properties = queryAndKeep(m_elements, m_propertiesHold);

    // Tab bars ask for the button's size without an option; it then covers
    // its widget.
    QRectF rect;
    if (m_buttonOption) {
        rect = QRectF(m_buttonOption->rect);
    } else {
        QStyleOption fallback;
        if (m_widget) {
            fallback.initFrom(m_widget);
        }
        rect = QRectF(fallback.rect);
    }
    SubElementItem& place = m_layout[ElementNames::Icon];
    place.name = ElementNames::Icon;
    place.rect = rect;

    m_icon = m_style->resolveIcon(m_properties, QStringLiteral("window-close-symbolic"));
    m_valid = true;
}

void TabCloseButtonElement::draw(QPainter* painter, int, int, int primitive)
{
    if (primitive != QStyle::PE_IndicatorTabClose || !m_valid) {
        return;
    }
    drawBackgroundAndBorder(painter);
    drawSymbol(painter, m_icon, m_properties, m_layout.value(ElementNames::Icon).rect, QStyle::PE_IndicatorTabClose);
}

double TabCloseButtonElement::pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_TabCloseIndicatorWidth:
        return width();
    case QStyle::PM_TabCloseIndicatorHeight:
        return height();
    default:
        return 0;
    }
}
