#include "positioneditem.h"

#include <QCoreApplication>

namespace Quilt::Quick
{
int PositionedItemChangedEvent::s_type = QEvent::registerEventType();

PositionedItemChangedEvent::PositionedItemChangedEvent()
    : QEvent(QEvent::Type(s_type))
{ }

PositionedItemChangedEvent::~PositionedItemChangedEvent() = default;

PositionedItem::PositionedItem(QObject* parent)
    : QObject(parent)
{ }

PositionedItem::~PositionedItem() = default;

PositionedItem* PositionedItem::qmlAttachedProperties(QObject* object)
{
    return new PositionedItem(object);
}

bool PositionedItem::positionChildren() const
{
    return m_positionChildren;
}

void PositionedItem::setPositionChildren(bool positionChildren)
{
    m_positionChildren = positionChildren;
}

PositionerSource::Source PositionedItem::source() const
{
    return m_source;
}

void PositionedItem::setSource(PositionerSource::Source source)
{
    if (m_source == source) {
        return;
    }
    m_source = source;
    notifyChange();
    Q_EMIT sourceChanged();
}

Properties::Alignment PositionedItem::horizontalAlignment() const
{
    return m_horizontalAlignment;
}

void PositionedItem::setHorizontalAlignment(Properties::Alignment alignment)
{
    if (m_horizontalAlignment == alignment) {
        return;
    }
    m_horizontalAlignment = alignment;
    notifyChange();
    Q_EMIT horizontalAlignmentChanged();
}

void PositionedItem::resetHorizontalAlignment()
{
    setHorizontalAlignment(Properties::Alignment::Unspecified);
}

Properties::Alignment PositionedItem::verticalAlignment() const
{
    return m_verticalAlignment;
}

void PositionedItem::setVerticalAlignment(Properties::Alignment alignment)
{
    if (m_verticalAlignment == alignment) {
        return;
    }
    m_verticalAlignment = alignment;
    notifyChange();
    Q_EMIT verticalAlignmentChanged();
}

void PositionedItem::resetVerticalAlignment()
{
    setVerticalAlignment(Properties::Alignment::Unspecified);
}

double PositionedItem::minimumWidth() const
{
    return m_minimumWidth;
}

void PositionedItem::setMinimumWidth(double width)
{
    // Exact on purpose: a NaN is never equal, so it always counts as a change.
    if (m_minimumWidth == width) {
        return;
    }
    m_minimumWidth = width;
    notifyChange();
    Q_EMIT minimumWidthChanged();
}

void PositionedItem::resetMinimumWidth()
{
    setMinimumWidth(-1);
}

double PositionedItem::minimumHeight() const
{
    return m_minimumHeight;
}

void PositionedItem::setMinimumHeight(double height)
{
    if (m_minimumHeight == height) {
        return;
    }
    m_minimumHeight = height;
    notifyChange();
    Q_EMIT minimumHeightChanged();
}

void PositionedItem::resetMinimumHeight()
{
    setMinimumHeight(-1);
}

void PositionedItem::notifyChange()
{
    PositionedItemChangedEvent event;
    QCoreApplication::sendEvent(this, &event);
}

bool PositionedItem::event(QEvent* event)
{
    // The layout filters the item's events, not ours: hand the change on.
    if (event->type() == PositionedItemChangedEvent::s_type && parent()) {
        QCoreApplication::sendEvent(parent(), event);
    }
    return QObject::event(event);
}
} // namespace Quilt::Quick
