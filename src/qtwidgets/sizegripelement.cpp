#include "sizegripelement.h"

#include "resolvedcolors.h"

#include "elementnames.h"

#include "color.h"
#include "iconpropertygroup.h"
#include "stylepropertygroup.h"

#include <QPainter>
#include <QStyleOption>

#include <algorithm>

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
        drawGrip(painter);
    }
}

void SizeGripElement::drawGrip(QPainter* painter)
{
    // Dots in a triangle towards the grip's corner, in the style's icon
    // colour: a grip the style gives no colour stays invisible.
    const auto* iconGroup = m_properties ? m_properties->icon() : nullptr;
    if (!m_option || !iconGroup || !iconGroup->color()) {
        return;
    }
    const QColor color = resolvedColor(*iconGroup->color());
    const Qt::Corner corner = m_ownOption ? m_ownOption->corner : Qt::BottomRightCorner;
    const QRect r = m_option->rect;
    constexpr int dot = 2;
    constexpr int step = 4;
    const int count = std::min(r.width(), r.height()) / step;
    painter->save();
    painter->setPen(Qt::NoPen);
    painter->setBrush(color);
    for (int row = 0; row < count; ++row) {
        for (int column = count - 1 - row; column < count; ++column) {
            // Placed for the bottom right corner, then mirrored to the others.
            int x = r.right() - (count - 1 - column) * step - dot;
            int y = r.bottom() - (count - 1 - row) * step - dot;
            if (corner == Qt::BottomLeftCorner || corner == Qt::TopLeftCorner) {
                x = 2 * r.left() + r.width() - x - dot;
            }
            if (corner == Qt::TopLeftCorner || corner == Qt::TopRightCorner) {
                y = 2 * r.top() + r.height() - y - dot;
            }
            painter->drawRect(QRect(x + 1, y + 1, dot, dot));
        }
    }
    painter->restore();
}

double SizeGripElement::pixelMetric(QStyle::PixelMetric metric)
{
    return metric == QStyle::PM_SizeGripSize ? width() : 0;
}
