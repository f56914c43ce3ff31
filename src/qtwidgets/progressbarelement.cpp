#include "progressbarelement.h"

#include "conversions.h"
#include "elementnames.h"
#include "quiltstyle.h"
#include "styledrectpainter.h"
#include "widgetslogging.h"

#include "stylepropertygroup.h"

#include <QStyleOption>

#include <algorithm>
#include <cmath>

ProgressBarElement::ProgressBarElement(const QStyleOptionProgressBar* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_progressOption(option)
{
    setFlag(Mnemonic, true);
    update();
}

QString ProgressBarElement::elementType(const QStyleOption*) const
{
    return ElementNames::ProgressBar;
}

QStringList ProgressBarElement::hints() const
{
    return orientationHints(m_horizontal);
}

void ProgressBarElement::updateSubElementNames()
{
    if (m_text.isEmpty()) {
        m_subElementNames.clear();
    } else if (m_subElementNames.size() != 1 || m_subElementNames.first() != ElementNames::Text) {
        m_subElementNames = QStringList { ElementNames::Text };
    }
}

void ProgressBarElement::update()
{
    if (!m_progressOption) {
        return;
    }
    m_horizontal = m_progressOption->state & QStyle::State_Horizontal;
    m_text = m_progressOption->text;
    updateSubElementNames();
    query();
}

void ProgressBarElement::query()
{
    static const QStringList trackNames { ElementNames::ProgressBar, ElementNames::Track };
    m_elements = elementList(m_option, m_widget, {});
    if (!m_elements.isEmpty()) {
        m_properties = queryAndKeep(m_elements, m_propertiesHold);
        m_layout = layout(m_elements, m_option, m_subElementNames);
    }
    m_subElements = elementList(m_option, m_widget, trackNames);
    if (m_subElements.isEmpty()) {
        m_valid = false;
        qCWarning(lcQtWidgets) << "Could not find elementlist for this element!";
        return;
    }
    m_subProperties = queryAndKeep(m_subElements, m_subPropertiesHold);
    m_valid = true;
}

bool ProgressBarElement::isBusy() const
{
    return m_progressOption && m_progressOption->minimum == 0 && m_progressOption->maximum == 0;
}

const AbstractElement::Properties* ProgressBarElement::chunkProperties()
{
    static const QStringList chunkNames { ElementNames::Chunk };
    const Quilt::ElementChain chain = elementList(m_option, m_widget, chunkNames);
    return chain.isEmpty() ? nullptr : queryProperties(chain);
}

void ProgressBarElement::draw(QPainter* painter, int control, int, int primitive)
{
    if (!m_valid) {
        return;
    }
    switch (control) {
    case QStyle::CE_ProgressBar:
        drawBackgroundAndBorder(painter);
        drawIndicator(painter);
        drawText(painter);
        return;
    case QStyle::CE_ProgressBarGroove:
        drawBackgroundAndBorder(painter);
        return;
    case QStyle::CE_ProgressBarContents:
        drawIndicator(painter);
        return;
    case QStyle::CE_ProgressBarLabel:
        drawText(painter);
        return;
    default:
        break;
    }
    if (primitive == QStyle::PE_IndicatorProgressChunk && m_option) {
        paintStyledRect(painter, QRectF(m_option->rect), chunkProperties(), StyledRectMode::BackgroundAndBorder,
                        QColor());
    }
}

void ProgressBarElement::drawBackgroundAndBorder(QPainter* painter)
{
    paintStyledRect(painter, subElementRect(QStyle::SE_ProgressBarGroove), m_properties,
                    StyledRectMode::BackgroundAndBorder, QColor());
}

void ProgressBarElement::drawIndicator(QPainter* painter)
{
    paintStyledRect(painter, subElementRect(QStyle::SE_ProgressBarContents), m_subProperties,
                    StyledRectMode::BackgroundAndBorder, QColor());
}

void ProgressBarElement::drawText(QPainter* painter)
{
    if (!m_progressOption || m_progressOption->textVisible) {
        AbstractElement::drawText(painter);
    }
}

QRectF ProgressBarElement::subElementRect(QStyle::SubElement element)
{
    if (!m_progressOption) {
        return QRectF(0, 0, 0, 0);
    }
    const QStyleOptionProgressBar& o = *m_progressOption;
    const QRectF r(o.rect);
    const auto* layout = m_properties ? m_properties->layout() : nullptr;
    const double lw = layout ? layout->width().value_or(0) : 0;
    const double lh = layout ? layout->height().value_or(0) : 0;

    switch (element) {
    case QStyle::SE_ProgressBarGroove: {
        const QRectF groove = m_horizontal ? centeredRect(r, r.width() > 0 ? r.width() : lw, lh)
                                           : centeredRect(r, lw, r.height() > 0 ? r.height() : lh);
        return QRectF(QStyle::visualRect(o.direction, o.rect, groove.toRect()));
    }
    case QStyle::SE_ProgressBarContents: {
        const QRectF g = subElementRect(QStyle::SE_ProgressBarGroove);
        if (isBusy()) {
            return g;
        }
        // In 64 bits and clamped: a new bar holds minimum - 1, a fabricated one
        // may hold more than its maximum, and an extreme range overflows int.
        const qint64 range = std::max<qint64>(qint64(o.maximum) - o.minimum, 1);
        const double t = std::clamp(double(qint64(o.progress) - o.minimum) / double(range), 0.0, 1.0);
        if (m_horizontal) {
            const double width = t * g.width();
            const bool fromRight = (o.direction == Qt::RightToLeft) != o.invertedAppearance;
            return QRectF(fromRight ? g.x() + g.width() - width : g.x(), g.y(), width, g.height());
        }
        const double height = t * g.height();
        return QRectF(g.x(), o.invertedAppearance ? g.y() : g.y() + g.height() - height + 1, g.width(), height);
    }
    case QStyle::SE_ProgressBarLabel: {
        if (!o.textVisible || isBusy()) {
            return QRectF(0, 0, 0, 0);
        }
        const int flags = textFlags(m_properties);
        const double width = std::max(o.fontMetrics.size(flags, o.text).width(),
                                      o.fontMetrics.size(flags, QStringLiteral("100%")).width());
        QRectF label = centeredRect(r, width, r.height());
        label.setLeft(label.left() + 1);
        return QRectF(QStyle::visualRect(o.direction, o.rect, label.toRect()));
    }
    default:
        return QRectF(0, 0, 0, 0);
    }
}

double ProgressBarElement::pixelMetric(QStyle::PixelMetric metric)
{
    if (metric != QStyle::PM_ProgressBarChunkWidth) {
        return 0;
    }
    const Properties* chunk = chunkProperties();
    const auto* layout = chunk ? chunk->layout() : nullptr;
    return layout ? std::trunc(layout->width().value_or(0)) : 0;
}

QSizeF ProgressBarElement::sizeFromContents(const QSizeF& contents)
{
    QSizeF size = AbstractElement::sizeFromContents(contents, m_properties);
    if (!m_horizontal && !m_text.isEmpty()) {
        size.rwidth() += m_layout.value(ElementNames::Text).rect.width();
    }
    return size;
}
