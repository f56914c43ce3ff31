#include "dialelement.h"

#include "conversions.h"
#include "elementnames.h"
#include "styledrectpainter.h"
#include "widgetslogging.h"

#include "stylepropertygroup.h"

#include <QPainter>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace
{
using Quilt::Properties::StylePropertyGroup;

// Room between the notches and the face's rim.
constexpr double s_notchGap = 2;
// More notches than this are a range the dial cannot show apart anyway.
constexpr int s_maximumNotches = 1000;

double fraction(qint64 value, qint64 minimum, qint64 maximum)
{
    if (maximum <= minimum) {
        return 0;
    }
    return std::clamp(double(value - minimum) / double(maximum - minimum), 0.0, 1.0);
}

// A part's size as its layout gives it; `fallback` where it gives none.
QSizeF layoutSize(const StylePropertyGroup* properties, double fallback)
{
    const auto* layout = properties ? properties->layout() : nullptr;
    if (!layout) {
        return QSizeF(fallback, fallback);
    }
    return QSizeF(layout->width().value_or(fallback), layout->height().value_or(fallback));
}

// Paints `rect`, given upright above the centre, turned to `angle` about
// the centre: the part's "up" points away from the centre.
void paintTurned(QPainter* painter, const QPointF& centre, double angle, const QRectF& rect,
                 const StylePropertyGroup* properties)
{
    painter->save();
    painter->translate(centre);
    painter->rotate(90 - angle);
    paintStyledRect(painter, rect, properties, StyledRectMode::BackgroundAndBorder, QColor());
    painter->restore();
}
} // namespace

DialElement::DialElement(const QStyleOptionSlider* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_sliderOption(option)
{
    update();
}

DialElement::~DialElement() = default;

QString DialElement::elementType(const QStyleOption*) const
{
    return ElementNames::Dial;
}

void DialElement::update()
{
    if (!m_sliderOption) {
        return;
    }
    query();
}

void DialElement::query()
{
    m_elements = elementList(m_option, m_widget, {});
    if (m_elements.isEmpty()) {
        m_valid = false;
        qCWarning(lcQtWidgets) << "Could not find elementlist for DialElement!";
        return;
    }
    m_properties = queryAndKeep(m_elements, m_propertiesHold);
    m_secondaryElements = elementList(m_option, m_widget, { ElementNames::Handle });
    m_secondaryProperties = queryAndKeep(m_secondaryElements, m_secondaryPropertiesHold);
    m_tickElements = elementList(m_option, m_widget, { ElementNames::TickMark });
    m_tickProperties = queryAndKeep(m_tickElements, m_tickPropertiesHold);
    m_tickHints = m_tickElements.last()->hints();
    QStringList active = m_tickHints;
    active.append(QStringLiteral("active"));
    m_activeTickHints = active;
    m_valid = true;
}

double DialElement::angleOf(const QStyleOptionSlider& option, qint64 value)
{
    double t = fraction(value, option.minimum, option.maximum);
    // QDial sets upsideDown unless its appearance is inverted.
    if (!option.upsideDown) {
        t = 1 - t;
    }
    // Wrapping, the range runs once round clockwise from six o'clock;
    // otherwise through 300 degrees clockwise from eight o'clock, leaving a
    // gap at the bottom.
    return option.dialWrapping ? 270 - 360 * t : 240 - 300 * t;
}

QSizeF DialElement::tickSize() const
{
    if (!m_sliderOption || !(m_sliderOption->subControls & QStyle::SC_DialTickmarks) || !m_tickProperties) {
        return QSizeF();
    }
    return layoutSize(m_tickProperties, 0);
}

double DialElement::faceRadius() const
{
    const QRectF r(m_sliderOption->rect);
    double radius = std::min(r.width(), r.height()) / 2;
    const QSizeF tick = tickSize();
    if (tick.height() > 0) {
        radius -= tick.height() + s_notchGap;
    }
    // A whole number of pixels, so that the rim lies on the pixel grid.
    return std::max(0.0, std::floor(radius));
}

QRectF DialElement::subControlRect(QStyle::SubControl control)
{
    if (!m_valid || !m_sliderOption) {
        return QRectF(0, 0, 0, 0);
    }
    const QRectF r(m_sliderOption->rect);
    const double radius = faceRadius();
    const QPointF centre(std::round(r.center().x()), std::round(r.center().y()));
    switch (control) {
    case QStyle::SC_DialGroove:
        return QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius);
    case QStyle::SC_DialHandle: {
        const QSizeF size = layoutSize(m_secondaryProperties, std::round(radius / 3));
        const double angle = angleOf(*m_sliderOption, m_sliderOption->sliderPosition);
        QTransform turn;
        turn.translate(centre.x(), centre.y());
        turn.rotate(90 - angle);
        return turn.mapRect(QRectF(-size.width() / 2, -0.9 * radius, size.width(), size.height()));
    }
    default:
        return QRectF(0, 0, 0, 0);
    }
}

void DialElement::draw(QPainter* painter, int, int, int)
{
    if (!m_valid || !m_sliderOption) {
        return;
    }
    const QRectF face = subControlRect(QStyle::SC_DialGroove);
    if (face.isEmpty()) {
        return;
    }
    paintStyledRect(painter, face, m_properties, StyledRectMode::BackgroundAndBorder, QColor());
    drawTicks(painter);

    // The handle stands upright above the centre with its outer edge at nine
    // tenths of the face's radius, then turns with the value.
    const double radius = face.width() / 2;
    const QSizeF size = layoutSize(m_secondaryProperties, std::round(radius / 3));
    const double angle = angleOf(*m_sliderOption, m_sliderOption->sliderPosition);
    paintTurned(painter, face.center(), angle, QRectF(-size.width() / 2, -0.9 * radius, size.width(), size.height()),
                m_secondaryProperties);
}

void DialElement::drawTicks(QPainter* painter)
{
    const QSizeF tick = tickSize();
    if (tick.isEmpty()) {
        return;
    }
    const QStyleOptionSlider& o = *m_sliderOption;
    const qint64 step = o.tickInterval > 0 ? o.tickInterval : (o.pageStep > 0 ? o.pageStep : 1);
    const qint64 span = qint64(o.maximum) - o.minimum;
    if (span <= 0 || span / step > s_maximumNotches) {
        return;
    }
    const QRectF face = subControlRect(QStyle::SC_DialGroove);
    const double outer = face.width() / 2 + s_notchGap + tick.height();
    const QRectF upright(-tick.width() / 2, -outer, tick.width(), tick.height());
    const std::shared_ptr<Quilt::Element>& mark = m_tickElements.last();
    // In 64 bits: stepping past a maximum near INT_MAX must end the loop.
    for (qint64 v = o.minimum; v <= o.maximum; v += step) {
        // Wrapping, the maximum's notch would lie on the minimum's.
        if (o.dialWrapping && v == o.maximum) {
            break;
        }
        mark->setHints(v <= o.sliderPosition ? m_activeTickHints : m_tickHints);
        paintTurned(painter, face.center(), angleOf(o, v), upright, queryProperties(m_tickElements));
    }
}
