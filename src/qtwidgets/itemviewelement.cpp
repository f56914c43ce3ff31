#include "itemviewelement.h"

#include "conversions.h"
#include "elementnames.h"
#include "quiltstyle.h"
#include "styledrectpainter.h"
#include "widgetslogging.h"

#include "stylepropertygroup.h"

#include <QAbstractItemView>
#include <QFontMetricsF>
#include <QListView>
#include <QPainter>
#include <QStyleOption>
#include <QTableView>
#include <QTreeView>

#include <algorithm>
#include <cmath>

namespace
{
enum HintBit : quint32
{
    InsideTable = 0x1,
    InsideTree = 0x2,
    InsideList = 0x4,
    Alternating = 0x8,
    Expanded = 0x10,
    InComboBox = 0x20,
};

QString positionName(QStyleOptionViewItem::ViewItemPosition position)
{
    switch (position) {
    case QStyleOptionViewItem::Invalid:
        return QStringLiteral("invalid");
    case QStyleOptionViewItem::Beginning:
        return QStringLiteral("beginning");
    case QStyleOptionViewItem::Middle:
        return QStringLiteral("middle");
    case QStyleOptionViewItem::End:
        return QStringLiteral("end");
    case QStyleOptionViewItem::OnlyOne:
        return QStringLiteral("onlyone");
    }
    return {};
}

QString displayName(QStyleOptionViewItem::Position position)
{
    switch (position) {
    case QStyleOptionViewItem::Left:
        return QStringLiteral("text-after-icon");
    case QStyleOptionViewItem::Right:
        return QStringLiteral("text-before-icon");
    case QStyleOptionViewItem::Top:
        return QStringLiteral("text-below-icon");
    case QStyleOptionViewItem::Bottom:
        return QStringLiteral("text-above-icon");
    }
    return {};
}
} // namespace

ItemViewElement::ItemViewElement(const QStyleOptionViewItem* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_viewOption(option)
{
    update();
}

QString ItemViewElement::elementType(const QStyleOption*) const
{
    return ElementNames::ItemViewItem;
}

QStringList ItemViewElement::hints() const
{
    quint32 key = 0;
    if (m_viewOption) {
        const QWidget* view = m_viewOption->widget;
        if (qobject_cast<const QTableView*>(view)) {
            key |= InsideTable;
        }
        if (qobject_cast<const QTreeView*>(view)) {
            key |= InsideTree;
        }
        if (qobject_cast<const QListView*>(view)) {
            key |= InsideList;
        }
        if (m_viewOption->features & QStyleOptionViewItem::Alternate) {
            key |= Alternating;
        }
        if (m_viewOption->state & QStyle::State_Open) {
            key |= Expanded;
        }
    }
    if (m_widget && m_widget->inherits("QComboBoxListView")) {
        key |= InComboBox;
    }
    if (key == m_hintsKey) {
        return m_hints;
    }
    m_hintsKey = key;
    m_hints.clear();
    if (key & InsideTable) {
        m_hints.append(QStringLiteral("inside-table"));
    }
    if (key & InsideTree) {
        m_hints.append(QStringLiteral("inside-tree"));
    }
    if (key & InsideList) {
        m_hints.append(QStringLiteral("inside-list"));
    }
    m_hints.append(QStringLiteral("hover-enabled"));
    if (key & Alternating) {
        m_hints.append(QStringLiteral("alternating-colors"));
    }
    if (key & Expanded) {
        m_hints.append(QStringLiteral("expanded"));
    }
    if (key & InComboBox) {
        m_hints.append(QStringLiteral("combobox"));
    }
    return m_hints;
}

QVariantMap ItemViewElement::attributes() const
{
    if (!m_viewOption) {
        return {};
    }
    // Without row selection every item stands alone.
    const auto* view = qobject_cast<const QAbstractItemView*>(m_viewOption->widget);
    const bool alone = view && view->selectionBehavior() != QAbstractItemView::SelectRows;
    const int position = alone ? int(QStyleOptionViewItem::OnlyOne) : int(m_viewOption->viewItemPosition);
    const quint32 key = quint32(m_viewOption->decorationPosition) << 8 | quint32(position & 0xff);
    if (key == m_attributesKey) {
        return m_attributes;
    }
    m_attributesKey = key;
    m_attributes.clear();
    const QString display = displayName(m_viewOption->decorationPosition);
    if (!display.isEmpty()) {
        m_attributes.insert(QStringLiteral("display"), display);
    }
    const QString positionText = positionName(QStyleOptionViewItem::ViewItemPosition(position));
    if (!positionText.isEmpty()) {
        m_attributes.insert(QStringLiteral("position"), positionText);
    }
    return m_attributes;
}

void ItemViewElement::update()
{
    if (!m_viewOption) {
        return;
    }
    if (m_viewOption->features & QStyleOptionViewItem::HasCheckIndicator) {
        m_secondaryElements = elementList(m_option, m_widget, { ElementNames::ItemViewItem, ElementNames::CheckBox });
        if (!m_secondaryElements.isEmpty()) {
            m_secondaryProperties = queryAndKeep(m_secondaryElements, m_secondaryPropertiesHold);
        }
    }
    m_icon = m_viewOption->icon;
    m_text = m_viewOption->text;
    query();
}

void ItemViewElement::query()
{
    m_elements = elementList(m_option, m_widget, { ElementNames::ItemViewItem });
    m_properties = queryAndKeep(m_elements, m_propertiesHold);

    // The common style places the parts inside the style's inset and the
    // item's padding along the row: its own text margin only applies when it
    // paints the text itself, so without the padding a right-aligned number
    // would touch the grid line and run into the next cell's text. The row's
    // height already holds the padding across it and is left alone.
    QStyleOptionViewItem inset(*m_viewOption);
    QRectF content = contentRect(m_option, m_properties);
    QMarginsF along(padding().left(), 0, padding().right(), 0);
    if (!hasDecoration() && !(m_viewOption->features & QStyleOptionViewItem::HasCheckIndicator)
        && !m_viewOption->text.isEmpty() && along.left() + along.right() > 0) {
        // A view that sizes its cells for the text and the common style's
        // narrower margin (a calendar's day names) keeps the text whole: the
        // padding gives way first.
        const double spare
            = content.width() - QFontMetricsF(m_viewOption->font).horizontalAdvance(m_viewOption->text) - 1;
        const double scale = std::clamp(spare / (along.left() + along.right()), 0.0, 1.0);
        along = QMarginsF(std::floor(along.left() * scale), 0, std::floor(along.right() * scale), 0);
    }
    if (content.width() > along.left() + along.right()) {
        content = content.marginsRemoved(along);
    }
    inset.rect = content.toRect();
    const QCommonStyle* common = m_style;
    QRectF text(common->QCommonStyle::subElementRect(QStyle::SE_ItemViewItemText, &inset, m_widget));
    const QRectF icon(common->QCommonStyle::subElementRect(QStyle::SE_ItemViewItemDecoration, &inset, m_widget));
    const QRectF check(common->QCommonStyle::subElementRect(QStyle::SE_ItemViewItemCheckIndicator, &inset, m_widget));

    // The spacing parts the text from an icon: without one it would only
    // narrow the text below what the item's size allows (a calendar's "Wed"
    // came out "W…").
    const double s = spacing();
    const bool decorated = hasDecoration();
    // The common style has mirrored its places already: right to left, a
    // decoration "at the left" stands at the right of the text.
    QStyleOptionViewItem::Position position = m_viewOption->decorationPosition;
    if (m_viewOption->direction == Qt::RightToLeft) {
        if (position == QStyleOptionViewItem::Left) {
            position = QStyleOptionViewItem::Right;
        } else if (position == QStyleOptionViewItem::Right) {
            position = QStyleOptionViewItem::Left;
        }
    }
    switch (decorated ? position : QStyleOptionViewItem::Position(-1)) {
    case QStyleOptionViewItem::Left:
        text.moveLeft(icon.x() + icon.width() + s);
        break;
    case QStyleOptionViewItem::Right:
        text.moveLeft(icon.x() - s - text.width());
        break;
    case QStyleOptionViewItem::Top:
        text.moveTop(icon.y() + icon.height() + s);
        break;
    case QStyleOptionViewItem::Bottom:
        text.moveTop(icon.y() - s - text.height());
        break;
    default:
        break;
    }

    // Moved beside the icon, the text keeps its width; it must not reach
    // past the item into its neighbour.
    if (!text.isEmpty() && !inset.rect.isEmpty()) {
        text = text.intersected(QRectF(inset.rect));
    }

    // Assigning into the places already in the map keeps a warm update from
    // allocating.
    m_layout[ElementNames::Text].rect = text;
    m_layout[ElementNames::Icon].rect = icon;
    m_layout[ElementNames::CheckBox].rect = check;
    m_valid = true;
}

void ItemViewElement::draw(QPainter* painter, int control, int, int primitive)
{
    if (!m_valid) {
        return;
    }
    if (control == QStyle::CE_ItemViewItem) {
        drawBackgroundAndBorder(painter);
        drawIcon(painter);
        drawText(painter);
        drawIndicator(painter);
    }
    if (primitive == QStyle::PE_PanelItemViewItem) {
        drawBackgroundAndBorder(painter);
    }
}

void ItemViewElement::drawBackgroundAndBorder(QPainter* painter)
{
    if (!m_viewOption) {
        return;
    }
    const QRectF rect(m_viewOption->rect);
    painter->save();
    painter->setClipRect(m_viewOption->rect, painter->hasClipping() ? Qt::IntersectClip : Qt::ReplaceClip);

    const bool selected = m_viewOption->state & QStyle::State_Selected;
    const QBrush& modelBrush = m_viewOption->backgroundBrush;
    if (modelBrush.style() != Qt::NoBrush && !selected) {
        const auto* corners = m_properties ? m_properties->corners() : nullptr;
        painter->setPen(Qt::NoPen);
        painter->setBrush(modelBrush);
        painter->drawPath(roundedRectPath(rect, corners ? corners->radii() : Quilt::Properties::CornerRadii {}));
        painter->restore();
        return;
    }

    // A palette that sets the selection colour, or for alternate rows the
    // alternate colour, overrides the style's background. Other rows keep the
    // style's, or alternating rows would all look alike. A selected item never
    // takes the model's brush: a calendar gives every cell one, and its
    // selected day would look like any other.
    QColor override;
    const QPalette& palette = m_viewOption->palette;
    const bool alternate = m_viewOption->features & QStyleOptionViewItem::Alternate;
    if (selected && palette.isBrushSet(palette.currentColorGroup(), QPalette::Highlight)) {
        override = palette.brush(QPalette::Current, QPalette::Highlight).color();
    } else if (!selected && alternate && palette.isBrushSet(palette.currentColorGroup(), QPalette::AlternateBase)) {
        override = palette.brush(QPalette::Current, QPalette::AlternateBase).color();
    }
    if (override.isValid()) {
        paintStyledRect(painter, rect, m_properties, StyledRectMode::Background, override);
    } else {
        paintStyledRect(painter, rect, m_properties, StyledRectMode::BackgroundAndBorder, QColor());
    }
    painter->restore();
}

void ItemViewElement::drawIcon(QPainter* painter)
{
    if (m_icon.isNull() || !m_valid) {
        return;
    }
    AbstractElement::drawIcon(painter, m_icon, m_properties, subElementRect(QStyle::SE_ItemViewItemDecoration));
}

void ItemViewElement::drawText(QPainter* painter)
{
    if (m_text.isEmpty()) {
        return;
    }
    QRectF r(m_style->subElementRect(QStyle::SE_ItemViewItemText, m_option, m_widget));
    if (r.width() < 1 || r.height() < 1) {
        r = QRectF(m_option->rect);
    }
    if (!m_viewOption) {
        AbstractElement::drawText(painter, m_text, r, m_properties);
        return;
    }
    // The model's alignment and font, where the style sets none.
    AbstractElement::drawText(painter, m_text, r, m_properties, m_viewOption->displayAlignment, &m_viewOption->font);
}

void ItemViewElement::drawIndicator(QPainter* painter)
{
    if (!m_viewOption || !(m_viewOption->features & QStyleOptionViewItem::HasCheckIndicator)) {
        return;
    }
    QStyleOptionButton button;
    switch (m_viewOption->checkState) {
    case Qt::Unchecked:
        button.state = QStyle::State_Off;
        break;
    case Qt::PartiallyChecked:
        button.state = QStyle::State_NoChange;
        break;
    case Qt::Checked:
        button.state = QStyle::State_On;
        break;
    }
    button.state |= m_viewOption->state & QStyle::State_Enabled;
    button.rect = subElementRect(QStyle::SE_ItemViewItemCheckIndicator).toRect();
    painter->save();
    m_style->drawPrimitive(QStyle::PE_IndicatorItemViewItemCheck, &button, painter, nullptr);
    painter->restore();
}

QRectF ItemViewElement::subElementRect(QStyle::SubElement element)
{
    if (!m_valid) {
        qCWarning(lcQtWidgets) << "Subelementrect for " << element << "is not valid";
        return QRectF(0, 0, 0, 0);
    }
    const double s = spacing();
    switch (element) {
    case QStyle::SE_ItemViewItemText: {
        if (!hasDecoration()) {
            return m_layout.value(ElementNames::Text).rect;
        }
        const QRectF text = m_layout.value(ElementNames::Text).rect;
        return QRectF(text.x() + s / 2, text.y(), text.width() - s, text.height());
    }
    case QStyle::SE_ItemViewItemDecoration:
        return m_layout.value(ElementNames::Icon).rect;
    case QStyle::SE_ItemViewItemCheckIndicator: {
        const QSizeF size = secondarySize();
        return centeredRect(m_layout.value(ElementNames::CheckBox).rect, size.width(), size.height())
            .translated(s / 2, 0);
    }
    default:
        return QRectF(0, 0, 0, 0);
    }
}

bool ItemViewElement::hasDecoration() const
{
    return m_viewOption && (m_viewOption->features & QStyleOptionViewItem::HasDecoration);
}

QSizeF ItemViewElement::sizeFromContents(const QSizeF& contents)
{
    const QSize common
        = m_style->QCommonStyle::sizeFromContents(QStyle::CT_ItemViewItem, m_option, contents.toSize(), m_widget);
    return AbstractElement::sizeFromContents(QSizeF(common), m_properties);
}
