#include "treeviewelement.h"

#include "conversions.h"
#include "elementnames.h"
#include "quiltstyle.h"

#include <QApplication>
#include <QPainter>
#include <QStyleOption>

#include <algorithm>

TreeViewElement::TreeViewElement(const QStyleOption* option, QuiltStyle* style, const QWidget* widget)
    : AbstractElement(option, style, widget)
    , m_treeOption(option)
{
    update();
}

QString TreeViewElement::elementType(const QStyleOption*) const
{
    return ElementNames::TreeView;
}

QStringList TreeViewElement::hints() const
{
    if (m_treeOption && (m_treeOption->state & QStyle::State_Open)) {
        return { QStringLiteral("expanded") };
    }
    return {};
}

void TreeViewElement::update()
{
    if (!m_treeOption) {
        return;
    }
    const QStyle::State state = m_treeOption->state;
    if (!(state & QStyle::State_Children)) {
        m_valid = false;
        return;
    }
    if (state & QStyle::State_Item) {
        m_expanded = false;
    }
    if (state & QStyle::State_Open) {
        m_expanded = true;
    }
    query();
}

void TreeViewElement::query()
{
    m_secondaryElements = elementList(m_option, m_widget, { ElementNames::TreeViewDelegate, ElementNames::Indicator });
    m_secondaryProperties = queryAndKeep(m_secondaryElements, m_secondaryPropertiesHold);
    m_valid = true;
}

void TreeViewElement::draw(QPainter* painter, int, int, int primitive)
{
    if (primitive == QStyle::PE_IndicatorBranch && m_valid) {
        drawIndicator(painter);
    }
}

const TreeViewElement::Arrow& TreeViewElement::arrow(int side, qreal ratio, QIcon::Mode mode)
{
    const quint64 epoch = m_style->iconEpoch();
    if (epoch != m_arrowEpoch) {
        m_arrows.clear();
        m_arrowEpoch = epoch;
    }
    const bool rightToLeft = m_treeOption->direction == Qt::RightToLeft;
    for (const Arrow& known : m_arrows) {
        if (known.properties.get() == m_secondaryProperties && known.expanded == m_expanded
            && known.rightToLeft == rightToLeft && known.mode == mode && known.side == side && known.ratio == ratio) {
            return known;
        }
    }
    // A view shows a few kinds of arrow at a time: open and closed, hovered,
    // selected, disabled.
    if (m_arrows.size() >= 16) {
        m_arrows.erase(m_arrows.begin());
    }
    Arrow made;
    made.properties = m_secondaryPropertiesHold;
    made.expanded = m_expanded;
    made.rightToLeft = rightToLeft;
    made.mode = mode;
    made.side = side;
    made.ratio = ratio;
    const QIcon icon = m_style->resolveIcon(m_secondaryProperties,
                                            m_expanded ? QStringLiteral("arrow-down-symbolic")
                                                       : QStringLiteral("arrow-right-symbolic"));
    made.resolved = !icon.isNull();
    if (made.resolved) {
        made.pixmap = icon.pixmap(QSize(side, side), ratio, mode, QIcon::Off);
        // A closed branch points along the reading direction. Style sheets
        // name the arrow as it points left to right (one rule serves the
        // Quick tree too, and cannot tell the directions apart): a closed
        // arrow is mirrored here.
        if (rightToLeft && !m_expanded && !made.pixmap.isNull()) {
            made.pixmap = QPixmap::fromImage(made.pixmap.toImage().flipped(Qt::Horizontal));
        }
    }
    m_arrows.push_back(std::move(made));
    return m_arrows.back();
}

void TreeViewElement::drawIndicator(QPainter* painter)
{
    if (!m_valid || !m_treeOption || !(m_treeOption->state & QStyle::State_Children)) {
        return;
    }
    const QRect rect = m_treeOption->rect;
    const QSizeF size = secondarySize();

    // Never larger than the branch.
    const int width = std::min(qRound(size.width()), rect.width());
    const int height = std::min(qRound(size.height()), rect.height());
    const int side = (width > 0 && height > 0) ? std::min(width, height) : std::min(rect.width(), rect.height());
    const qreal ratio = painter->device() ? painter->device()->devicePixelRatioF() : qApp->devicePixelRatio();
    const QIcon::Mode mode = (m_treeOption->state & QStyle::State_Enabled) ? QIcon::Normal : QIcon::Disabled;
    const Arrow& arrow = this->arrow(side, ratio, mode);

    if (!arrow.resolved) {
        const QRect square = centeredRect(QRectF(rect), side, side).toRect();
        drawFallbackSymbol(painter, m_secondaryProperties, QRectF(square),
                           m_expanded              ? QStyle::PE_IndicatorArrowDown
                               : arrow.rightToLeft ? QStyle::PE_IndicatorArrowLeft
                                                   : QStyle::PE_IndicatorArrowRight);
        return;
    }
    const QRect target = centeredRect(QRectF(rect), size.width(), size.height()).toRect();
    painter->save();
    m_style->drawItemPixmap(painter, target, Qt::AlignCenter, arrow.pixmap);
    painter->restore();
}

double TreeViewElement::pixelMetric(QStyle::PixelMetric metric)
{
    if (metric == QStyle::PM_TreeViewIndentation) {
        return sizeOf({ ElementNames::TreeViewDelegate, ElementNames::Indentation }).width();
    }
    return 0;
}
