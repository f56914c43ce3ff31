#include "sliderelement.h"

#include "conversions.h"
#include "elementnames.h"
#include "quiltstyle.h"
#include "styledrectpainter.h"
#include "widgetslogging.h"

#include "stylepropertygroup.h"

#include <QPainter>
#include <QSlider>
#include <QStyleOption>

#include <algorithm>
#include <cmath>

namespace
{
using Quilt::Properties::StylePropertyGroup;

// A part's layout size, truncated; 6 where unset, 1 x 1 without layout group.
QSizeF partSize(const StylePropertyGroup* properties)
{
    const auto* layout = properties ? properties->layout() : nullptr;
    if (!layout) {
        return QSizeF(1, 1);
    }
    return QSizeF(std::trunc(layout->width().value_or(6)), std::trunc(layout->height().value_or(6)));
}

// Where `value` lies between the ends of the range, in [0, 1]: 64 bits for the
// difference, so no range overflows, and clamped, so a value outside the range
// (a new progress bar holds minimum - 1) never reaches past an end.
double fraction(qint64 value, qint64 minimum, qint64 maximum)
{
    if (maximum <= minimum) {
        return 0;
    }
    return std::clamp(double(value - minimum) / double(maximum - minimum), 0.0, 1.0);
}
} // namespace

SliderElement::SliderElement(const QStyleOptionSlider* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_sliderOption(option)
{
    update();
}

SliderElement::~SliderElement() = default;

QString SliderElement::elementType(const QStyleOption*) const
{
    return ElementNames::Slider;
}

QStringList SliderElement::hints() const
{
    return orientationHints(m_sliderOption && m_sliderOption->orientation == Qt::Horizontal);
}

void SliderElement::updateSubElementNames()
{
    if (m_subElementNames.size() != 1 || m_subElementNames.first() != ElementNames::Fill) {
        m_subElementNames = QStringList { ElementNames::Fill };
    }
}

void SliderElement::update()
{
    if (!m_sliderOption) {
        return;
    }
    m_horizontal = m_sliderOption->state & QStyle::State_Horizontal;
    m_upsideDown = m_sliderOption->upsideDown;
    m_inverted = m_upsideDown != (m_horizontal && m_sliderOption->direction == Qt::RightToLeft);
    updateSubElementNames();
    query();
}

void SliderElement::query()
{
    m_elements = elementList(m_option, m_widget, {});
    if (!m_elements.isEmpty()) {
        m_properties = queryAndKeep(m_elements, m_propertiesHold);
    }
    m_secondaryElements = elementList(m_option, m_widget, { ElementNames::Handle });
    if (!m_secondaryElements.isEmpty()) {
        m_secondaryProperties = queryAndKeep(m_secondaryElements, m_secondaryPropertiesHold);
    }
    m_tickElements = elementList(m_option, m_widget, { ElementNames::TickMark });
    if (!m_tickElements.isEmpty()) {
        m_tickProperties = queryAndKeep(m_tickElements, m_tickPropertiesHold);
        m_tickHints = m_tickElements.last()->hints();
        QStringList active = m_tickHints;
        active.append(QStringLiteral("active"));
        m_activeTickHints = active;
    }
    m_subElements = elementList(m_option, m_widget, m_subElementNames);
    if (m_subElements.isEmpty()) {
        m_valid = false;
        qCWarning(lcQtWidgets) << "Could not find elementlist for this element!";
        return;
    }
    m_subProperties = queryAndKeep(m_subElements, m_subPropertiesHold);
    m_valid = true;
}

QRectF SliderElement::subControlRect(QStyle::SubControl control)
{
    if (!m_valid || !m_sliderOption) {
        qCWarning(lcQtWidgets) << "subControlRect for " << control << "is not valid";
        return QRectF(0, 0, 0, 0);
    }
    // The option's rectangle, not the visible part of the widget: groove and
    // handle must not move while the slider is scrolled partly out of sight.
    const QStyleOptionSlider& o = *m_sliderOption;
    const QRectF r(o.rect);
    const int frame = m_style->pixelMetric(QStyle::PM_DefaultFrameWidth, m_option, m_widget);
    QRectF result;
    switch (control) {
    case QStyle::SC_SliderGroove: {
        const QSizeF size = partSize(m_properties);
        result = m_horizontal ? centeredRect(r, r.width() - 2 * frame, size.height())
                              : centeredRect(r, size.width(), r.height() - 2 * frame);
        break;
    }
    case QStyle::SC_SliderHandle: {
        const QSizeF size = partSize(m_secondaryProperties);
        result = centeredRect(r, size.width(), size.height());
        const int span = int(m_horizontal ? r.width() - size.width() : r.height() - size.height());
        const int pos = QStyle::sliderPositionFromValue(o.minimum, o.maximum, o.sliderPosition, span, o.upsideDown);
        if (m_horizontal) {
            result.moveLeft(r.left() + pos);
        } else {
            result.moveTop(r.top() + pos);
        }
        break;
    }
    default:
        return QRectF(0, 0, 0, 0);
    }
    return QRectF(QStyle::visualRect(o.direction, o.rect, result.toRect()));
}

void SliderElement::drawBackgroundAndBorder(QPainter* painter)
{
    paintStyledRect(painter, subControlRect(QStyle::SC_SliderGroove), m_properties, StyledRectMode::BackgroundAndBorder,
                    QColor());
}

void SliderElement::draw(QPainter* painter, int, int, int)
{
    if (!m_valid || !m_sliderOption) {
        return;
    }
    const QStyleOptionSlider& o = *m_sliderOption;
    drawBackgroundAndBorder(painter);

    const QRectF groove = subControlRect(QStyle::SC_SliderGroove);
    const double t = fraction(o.sliderValue, o.minimum, o.maximum);
    QRectF fill = groove;
    if (m_horizontal) {
        fill.setWidth(t * groove.width());
        if (m_inverted) {
            fill.moveLeft(groove.x() + groove.width() - fill.width());
        }
    } else {
        fill.setHeight(t * groove.height());
        if (m_inverted) {
            fill.moveTop(groove.y() + groove.height() - fill.height());
        }
    }
    paintStyledRect(painter, fill, m_subProperties, StyledRectMode::BackgroundAndBorder, QColor());

    drawTicks(painter);

    paintStyledRect(painter, subControlRect(QStyle::SC_SliderHandle), m_secondaryProperties,
                    StyledRectMode::BackgroundAndBorder, QColor());
}

int SliderElement::tickRects(QRectF* rects)
{
    const QStyleOptionSlider& o = *m_sliderOption;
    const auto* layout = m_tickProperties ? m_tickProperties->layout() : nullptr;
    const double tw = layout ? layout->width().value_or(0) : 0;
    const double th = layout ? layout->height().value_or(0) : 0;
    const QMarginsF m = layout && layout->margins() ? layout->margins()->toMargins() : QMarginsF();
    const QRectF r(o.rect);
    // Beside the handle's path, not over the groove that the handle covers.
    const QRectF g = subControlRect(QStyle::SC_SliderGroove).united(subControlRect(QStyle::SC_SliderHandle));

    int count = 0;
    if (m_horizontal) {
        if (o.tickPosition & QSlider::TicksAbove) {
            rects[count++] = QRectF(r.left() - 1, g.y() - (m.top() + m.bottom()) - th, tw, th);
        }
        if (o.tickPosition & QSlider::TicksBelow) {
            rects[count++] = QRectF(r.left() - 1, g.y() + g.height() + m.top() + m.bottom(), tw, th);
        }
    } else {
        if (o.tickPosition & QSlider::TicksLeft) {
            rects[count++] = QRectF(g.x() - (m.left() + m.right()) - tw, r.top() - 1, tw, th);
        }
        if (o.tickPosition & QSlider::TicksRight) {
            rects[count++] = QRectF(g.x() + g.width() + m.left() + m.right(), r.top() - 1, tw, th);
        }
    }
    return count;
}

void SliderElement::drawTicks(QPainter* painter)
{
    const QStyleOptionSlider& o = *m_sliderOption;
    if (!(o.subControls & QStyle::SC_SliderTickmarks) || !m_tickProperties || m_tickElements.isEmpty()) {
        return;
    }
    const qint64 step = o.tickInterval > 0 ? o.tickInterval : o.pageStep;
    if (step <= 0) {
        return;
    }
    QRectF rects[2];
    const int count = tickRects(rects);
    if (count == 0) {
        return;
    }
    const int available = m_style->pixelMetric(QStyle::PM_SliderSpaceAvailable, m_option, m_widget);
    const int half = int(pixelMetric(QStyle::PM_SliderLength) * 0.5);
    const QRect r = o.rect;
    const std::shared_ptr<Quilt::Element>& tick = m_tickElements.last();

    // In 64 bits: stepping past a maximum near INT_MAX must end the loop.
    for (qint64 v = o.minimum; v <= o.maximum; v += step) {
        // Exactly one "active" or none: each state is one key of the engine's
        // result cache.
        tick->setHints(v <= o.sliderPosition ? m_activeTickHints : m_tickHints);
        const StylePropertyGroup* properties = queryProperties(m_tickElements);
        const int pos = QStyle::sliderPositionFromValue(o.minimum, o.maximum, int(v), available, o.upsideDown);
        QPointF offset;
        if (m_horizontal) {
            offset = o.direction == Qt::RightToLeft ? QPointF(r.right() - (r.left() + pos + half) + 1, 0)
                                                    : QPointF(pos + half, 0);
        } else {
            offset = QPointF(0, pos + half);
        }
        for (int i = 0; i < count; ++i) {
            paintStyledRect(painter, rects[i].translated(offset), properties, StyledRectMode::BackgroundAndBorder,
                            QColor());
        }
    }
}

double SliderElement::pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_SliderThickness:
    case QStyle::PM_SliderControlThickness:
    case QStyle::PM_SliderLength:
        break;
    default:
        return 0;
    }
    if (!m_valid || !m_secondaryProperties) {
        return 0;
    }
    const auto* layout = m_secondaryProperties->layout();
    const QMarginsF padding = layout && layout->padding() ? layout->padding()->toMargins() : QMarginsF();
    const bool horizontal = m_sliderOption && m_sliderOption->orientation == Qt::Horizontal;
    if (horizontal) {
        return (layout ? layout->height().value_or(0) : 0) - padding.top() - padding.bottom();
    }
    return (layout ? layout->width().value_or(0) : 0) - padding.left() - padding.right();
}

QSizeF SliderElement::sizeFromContents(const QSizeF& contents)
{
    QSizeF size = contents;
    if (m_sliderOption && m_sliderOption->tickPosition != QSlider::NoTicks && m_tickProperties) {
        const auto* layout = m_tickProperties->layout();
        const double tw = layout ? layout->width().value_or(0) : 0;
        const double th = layout ? layout->height().value_or(0) : 0;
        const bool horizontal = m_sliderOption->orientation == Qt::Horizontal;
        for (const auto side : { QSlider::TicksAbove, QSlider::TicksBelow }) {
            if (m_sliderOption->tickPosition & side) {
                if (horizontal) {
                    size.rheight() += th;
                } else {
                    size.rwidth() += tw;
                }
            }
        }
    }
    return AbstractElement::sizeFromContents(size, m_properties);
}
