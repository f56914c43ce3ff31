#include "scrollbarelement.h"

#include "conversions.h"
#include "elementnames.h"
#include "quiltstyle.h"
#include "styledrectpainter.h"
#include "widgetslogging.h"

#include "stylepropertygroup.h"

#include <QStyleOption>

#include <algorithm>
#include <cmath>

ScrollBarElement::ScrollBarElement(const QStyleOptionSlider* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_sliderOption(option)
{
    update();
}

QString ScrollBarElement::elementType(const QStyleOption*) const
{
    return ElementNames::ScrollBar;
}

QStringList ScrollBarElement::hints() const
{
    return orientationHints(m_sliderOption && m_sliderOption->orientation == Qt::Horizontal);
}

void ScrollBarElement::updateSubElementNames()
{
    if (m_subElementNames.size() != 1 || m_subElementNames.first() != ElementNames::Handle) {
        m_subElementNames = QStringList { ElementNames::Handle };
    }
}

void ScrollBarElement::update()
{
    m_horizontal = m_sliderOption && (m_sliderOption->state & QStyle::State_Horizontal);
    updateSubElementNames();
    query();
}

void ScrollBarElement::query()
{
    // The groove and the handle are placed from the option and the page
    // step when asked for, never from a layout; the handle is the one
    // sub-element, so its chain serves as the sub-element chain too. Every
    // scroll area makes two bars and asks for their extent, which this keeps
    // cheap.
    m_elements = elementList(m_option, m_widget, {});
    if (!m_elements.isEmpty()) {
        m_properties = queryAndKeep(m_elements, m_propertiesHold);
    }
    m_layout = SubElementLayout();

    m_secondaryElements = elementList(m_option, m_widget, m_subElementNames);
    if (m_secondaryElements.isEmpty()) {
        m_valid = false;
        qCWarning(lcQtWidgets) << "Could not find elementlist for this element!";
        return;
    }
    m_secondaryProperties = queryAndKeep(m_secondaryElements, m_secondaryPropertiesHold);
    m_subElements = m_secondaryElements;
    m_subProperties = m_secondaryProperties;
    m_subPropertiesHold = m_secondaryPropertiesHold;
    m_valid = true;
}

void ScrollBarElement::draw(QPainter* painter, int control, int complex, int)
{
    if (!m_valid) {
        return;
    }
    if (control == QStyle::CE_ScrollBarSlider) {
        drawIndicator(painter);
    } else if (complex == QStyle::CC_ScrollBar) {
        drawBackgroundAndBorder(painter);
        drawIndicator(painter);
    }
}

void ScrollBarElement::drawBackgroundAndBorder(QPainter* painter)
{
    if (!m_valid || !m_sliderOption) {
        return;
    }
    paintStyledRect(painter, subControlRect(QStyle::SC_ScrollBarGroove), m_properties,
                    StyledRectMode::BackgroundAndBorder, QColor());
}

void ScrollBarElement::drawIndicator(QPainter* painter)
{
    if (!m_sliderOption || !(m_sliderOption->subControls & QStyle::SC_ScrollBarSlider)) {
        return;
    }
    const QRect slider = subControlRect(QStyle::SC_ScrollBarSlider).toRect();
    if (slider.width() >= 0 && slider.height() >= 0) {
        paintStyledRect(painter, QRectF(slider), m_secondaryProperties, StyledRectMode::BackgroundAndBorder, QColor());
    }
    if (!(m_sliderOption->state & QStyle::State_HasFocus)) {
        return;
    }
    // The focus element draws focus rectangles only, so the frame is asked for
    // with one, not with the bar's own option.
    QStyleOptionFocusRect focus;
    focus.rect = slider;
    focus.state = m_sliderOption->state;
    if (!(m_sliderOption->activeSubControls & QStyle::SC_ScrollBarSlider)) {
        focus.state &= ~(QStyle::State_MouseOver | QStyle::State_Sunken);
    }
    focus.palette = m_sliderOption->palette;
    focus.direction = m_sliderOption->direction;
    focus.fontMetrics = m_sliderOption->fontMetrics;
    focus.styleObject = m_sliderOption->styleObject;
    m_style->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, painter, nullptr);
}

double ScrollBarElement::thickness() const
{
    const auto* layout = m_properties ? m_properties->layout() : nullptr;
    if (!layout) {
        return 0;
    }
    const bool horizontal = m_sliderOption && m_sliderOption->orientation == Qt::Horizontal;
    return (horizontal ? layout->height() : layout->width()).value_or(0);
}

QRectF ScrollBarElement::subControlRect(QStyle::SubControl control)
{
    if (!m_valid || !m_sliderOption) {
        qCWarning(lcQtWidgets) << "subControlRect for " << control << "is not valid";
        return QRectF(0, 0, 0, 0);
    }
    // The option's rectangle, not the visible part of the widget: the bar must
    // not change while it is scrolled out of sight or painted unshown.
    const QRect bar = m_sliderOption->rect;
    switch (control) {
    case QStyle::SC_ScrollBarGroove:
        return QRectF(QStyle::visualRect(m_sliderOption->direction, bar, bar));
    case QStyle::SC_ScrollBarSlider:
        return sliderRect();
    default:
        return QRectF(0, 0, 0, 0);
    }
}

QRectF ScrollBarElement::sliderRect()
{
    const QStyleOptionSlider& o = *m_sliderOption;
    const QRect bar = o.rect;
    const QRect groove = QStyle::visualRect(o.direction, bar, subControlRect(QStyle::SC_ScrollBarGroove).toRect());
    const bool horizontal = m_horizontal;

    QMargins padding;
    if (m_properties && m_properties->layout() && m_properties->layout()->padding()) {
        const QMarginsF p = m_properties->layout()->padding()->toMargins();
        padding = QMargins(int(std::lround(p.left())), int(std::lround(p.top())), int(std::lround(p.right())),
                           int(std::lround(p.bottom())));
    }
    const int minimumLength = int(std::trunc(thickness()));

    auto shrunk = [&](const QRect& box) {
        // The padding is mirrored inside the box.
        const QRect inner = box.adjusted(padding.left(), padding.top(), -padding.right(), -padding.bottom());
        return QRectF(QStyle::visualRect(o.direction, box, inner));
    };

    if (o.maximum == o.minimum) {
        return shrunk(groove);
    }

    const int a = horizontal ? groove.left() : groove.top();
    const int b = horizontal ? groove.right() : groove.bottom();
    const qint64 grooveLength = qint64(b) - a + 1;
    const double range = double(o.maximum) - double(o.minimum);
    double length = std::trunc(double(o.pageStep) * double(grooveLength) / (range + double(o.pageStep)));
    length = std::max(length, double(minimumLength));
    length = std::max(length, double(m_style->pixelMetric(QStyle::PM_ScrollBarSliderMin, m_option, m_widget)));
    length = std::min(length, double(grooveLength));
    const double span = double(grooveLength) - length;

    QRect box = groove;
    if (span > 0) {
        double pos = std::round(span * (double(o.sliderPosition) - double(o.minimum)) / range);
        pos = std::clamp(pos, 0.0, span);
        if (o.upsideDown) {
            pos = span - pos;
        }
        if (horizontal) {
            box = QRect(int(a + pos), groove.top(), int(length), groove.height());
            // Right to left, the bar runs from the right: the box is mirrored
            // along the groove, as the mouse and the page clicks expect.
            box = QStyle::visualRect(o.direction, groove, box);
        } else {
            box = QRect(groove.left(), int(a + pos), groove.width(), int(length));
        }
    }
    return shrunk(box);
}

double ScrollBarElement::pixelMetric(QStyle::PixelMetric metric)
{
    if (!m_valid || !m_properties || !m_properties->layout()) {
        return 0;
    }
    switch (metric) {
    case QStyle::PM_ScrollBarExtent:
        return thickness();
    case QStyle::PM_ScrollBarSliderMin:
        return 2 * thickness();
    default:
        return 0;
    }
}

QSizeF ScrollBarElement::sizeFromContents(const QSizeF& contents)
{
    return contents;
}

bool ScrollBarElement::retarget(const QStyleOption* option, const QWidget* widget)
{
    m_sliderOption = static_cast<const QStyleOptionSlider*>(option);
    setTarget(option, widget);
    return true;
}

bool ScrollBarElement::ownInputs(InputValues& values) const
{
    if (m_sliderOption) {
        values << int(m_sliderOption->orientation);
    }
    return true;
}
