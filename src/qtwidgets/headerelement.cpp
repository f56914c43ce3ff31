#include "headerelement.h"

#include "elementnames.h"
#include "quiltstyle.h"
#include "widgetslogging.h"

#include "alignmentpropertygroup.h"
#include "layoutpropertygroup.h"
#include "stylepropertygroup.h"

#include <QStyleOption>

#include <algorithm>
#include <cmath>

HeaderElement::HeaderElement(const QStyleOptionHeader* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_headerOption(option)
{
    setFlag(DataAlignmentFirst, true);
    update();
}

HeaderElement::HeaderElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_headerOption(qstyleoption_cast<const QStyleOptionHeader*>(option))
{
    setFlag(DataAlignmentFirst, true);
    update();
}

QString HeaderElement::elementType(const QStyleOption*) const
{
    return ElementNames::HeaderViewDelegate;
}

QStringList HeaderElement::hints() const
{
    // A section sorted downwards shows the smallest value first.
    if (m_headerOption) {
        switch (m_headerOption->sortIndicator) {
        case QStyleOptionHeader::SortDown:
            return { QStringLiteral("sort-ascending") };
        case QStyleOptionHeader::SortUp:
            return { QStringLiteral("sort-descending") };
        default:
            break;
        }
    }
    return {};
}

void HeaderElement::updateSubElementNames()
{
    m_subElementNames.clear();
    if (!m_headerOption) {
        return;
    }
    if (!m_headerOption->icon.isNull()) {
        m_subElementNames.append(ElementNames::Icon);
    }
    if (!m_headerOption->text.isEmpty()) {
        m_subElementNames.append(ElementNames::Text);
    }
    if (m_headerOption->sortIndicator != QStyleOptionHeader::None) {
        m_subElementNames.append(ElementNames::Indicator);
    }
}

void HeaderElement::update()
{
    if (!m_headerOption) {
        m_valid = false;
        return;
    }
    m_horizontal = m_headerOption->orientation == Qt::Horizontal;
    m_text = m_headerOption->text;
    m_icon = m_headerOption->icon;
    updateSubElementNames();
    query();
    m_indicatorIcon = sortArrow();
    switch (m_headerOption->sortIndicator) {
    case QStyleOptionHeader::SortDown:
        m_indicatorSymbol = QStyle::PE_IndicatorArrowUp;
        break;
    case QStyleOptionHeader::SortUp:
        m_indicatorSymbol = QStyle::PE_IndicatorArrowDown;
        break;
    default:
        m_indicatorSymbol = QStyle::PE_CustomBase;
        break;
    }
}

void HeaderElement::query()
{
    m_elements = elementList(m_option, m_widget, { ElementNames::HeaderViewDelegate });
    m_properties = queryAndKeep(m_elements, m_propertiesHold);
    m_layout = layout(m_elements, m_option, m_subElementNames);
    m_valid = true;
}

QIcon HeaderElement::sortArrow() const
{
    if (!m_valid || !m_properties || !m_headerOption) {
        return QIcon();
    }
    switch (m_headerOption->sortIndicator) {
    case QStyleOptionHeader::SortDown:
        return m_style->resolveIcon(m_properties, QStringLiteral("arrow-up-symbolic"));
    case QStyleOptionHeader::SortUp:
        return m_style->resolveIcon(m_properties, QStringLiteral("arrow-down-symbolic"));
    default:
        return QIcon();
    }
}

void HeaderElement::draw(QPainter* painter, int control, int, int primitive)
{
    if (!m_valid) {
        return;
    }
    switch (control) {
    case QStyle::CE_Header:
        drawBackgroundAndBorder(painter);
        mirrorPlaces();
        drawIcon(painter);
        drawText(painter);
        drawIndicator(painter);
        mirrorPlaces();
        break;
    case QStyle::CE_HeaderSection:
    case QStyle::CE_HeaderEmptyArea:
        drawBackgroundAndBorder(painter);
        break;
    case QStyle::CE_HeaderLabel:
        m_style->QCommonStyle::drawControl(QStyle::CE_HeaderLabel, m_option, painter, m_widget);
        break;
    default:
        break;
    }
    if (primitive == QStyle::PE_IndicatorHeaderArrow) {
        mirrorPlaces();
        drawIndicator(painter);
        mirrorPlaces();
    }
}

void HeaderElement::drawText(QPainter* painter)
{
    if (m_text.isEmpty() || !m_valid) {
        return;
    }
    QRectF place = subElementRect(QStyle::SE_HeaderLabel);
    const auto* layoutGroup = m_properties ? m_properties->layout() : nullptr;
    const auto* alignment = layoutGroup ? layoutGroup->alignment() : nullptr;
    const bool sectionAligns = m_headerOption->textAlignment & Qt::AlignHorizontal_Mask;
    if (sectionAligns || !alignment || !alignment->horizontal()) {
        // The section's own alignment (centred, by Qt's default) needs the
        // room between icon and sort arrow, not the text's measured place.
        const QRectF inner = QRectF(m_option->rect).marginsRemoved(padding());
        double left = inner.left();
        double right = inner.right();
        const double s = spacing();
        for (const QString& name : { ElementNames::Icon, ElementNames::Indicator }) {
            const auto other = m_layout.constFind(name);
            if (other == m_layout.constEnd() || other->rect.isEmpty()) {
                continue;
            }
            if (other->rect.center().x() < place.center().x()) {
                left = std::max(left, other->rect.right() + s);
            } else {
                right = std::min(right, other->rect.left() - s);
            }
        }
        if (right > left) {
            place = QRectF(left, place.top(), right - left, place.height());
        }
    }
    AbstractElement::drawText(painter, m_text, place, m_properties, m_headerOption->textAlignment, nullptr);
}

QRectF HeaderElement::subElementRect(QStyle::SubElement element)
{
    if (!m_valid) {
        qCWarning(lcQtWidgets) << "Subelementrect for " << element << "is not valid";
        return QRectF(0, 0, 0, 0);
    }
    const QString& name = element == QStyle::SE_HeaderLabel ? ElementNames::Text : ElementNames::Indicator;
    const auto place = m_layout.constFind(name);
    // A part that is not laid out has no place to clamp: a negative width
    // here would shrink the section that measures it.
    if ((element != QStyle::SE_HeaderLabel && element != QStyle::SE_HeaderArrow) || place == m_layout.constEnd()) {
        return QRectF(0, 0, 0, 0);
    }
    QRectF r = place->rect;
    // Kept inside the section's padding.
    const QRect bounds = m_option->rect;
    const QMarginsF p = padding();
    if (bounds.left() + p.left() > r.x()) {
        const double shift = bounds.left() + p.left() - r.x();
        r.setX(r.x() + shift);
    }
    if (r.width() > bounds.width() - p.right()) {
        r.setWidth(bounds.width() - p.right());
    }
    return QRectF(QStyle::visualRect(m_option->direction, bounds, r.toRect()));
}

double HeaderElement::pixelMetric(QStyle::PixelMetric metric)
{
    switch (metric) {
    case QStyle::PM_HeaderMargin:
    case QStyle::PM_HeaderGripMargin:
        return spacing();
    case QStyle::PM_HeaderMarkSize:
        return secondarySize().width();
    case QStyle::PM_HeaderDefaultSectionSizeHorizontal:
        return width();
    case QStyle::PM_HeaderDefaultSectionSizeVertical:
        return height();
    default:
        return 0;
    }
}

QSizeF HeaderElement::sizeFromContents(const QSizeF& contents)
{
    // Qt measures every section of a header with one option object, at one
    // address: without an update the element would measure them all by the
    // first.
    refresh();
    if (!m_valid || !m_headerOption) {
        return contents;
    }
    const double arrow = subElementRect(QStyle::SE_HeaderArrow).width();
    const double s = spacing();
    const QString& text = m_headerOption->text;
    double textWidth = 0;
    double textHeight = m_headerOption->fontMetrics.height();
    if (!text.isEmpty()) {
        const QSize measured = m_headerOption->fontMetrics.size(0, text);
        textWidth = measured.width();
        textHeight = measured.height();
    }
    if (!m_headerOption->icon.isNull()) {
        const QSizeF icon = iconSize();
        textWidth += icon.width() + (text.isEmpty() ? 0 : s);
        textHeight = std::max(icon.height(), textHeight);
    }
    if (m_horizontal && m_headerOption->sortIndicator != QStyleOptionHeader::None) {
        textWidth = arrow + s + textWidth;
        textHeight = std::max(arrow, textHeight);
    }
    const QSizeF size(std::max(std::trunc(textWidth), contents.width()),
                      std::max(std::trunc(textHeight), contents.height()));
    return AbstractElement::sizeFromContents(size, m_properties);
}

bool HeaderElement::ownInputs(InputValues& values) const
{
    if (m_headerOption) {
        values << m_headerOption->orientation << m_headerOption->sortIndicator << m_headerOption->icon.cacheKey();
    }
    return true;
}
