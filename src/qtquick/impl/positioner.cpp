#include "positioner.h"

#include "positioneditem.h"
#include "positionerlayout_p.h"
#include "quickattached_p.h"

#include <QQuickItem>

namespace Quilt::Quick
{
namespace
{
// What is in `after` but not in `before`, in the order of `after`; nulls never.
template<typename List> QList<QQuickItem*> missingFrom(const List& before, const List& after)
{
    QList<QQuickItem*> result;
    for (const auto& item : after) {
        if (item && !before.contains(item)) {
            result.append(item);
        }
    }
    return result;
}
} // namespace

Positioner::Positioner(QObject* attachee)
    : QObject(attachee)
{
    auto* control = qobject_cast<QQuickItem*>(attachee);
    m_layout = new PositionerLayout(control);
    if (!control) {
        // Nothing else would own a layout without a control.
        m_layout->setParent(this);
    }
    connect(m_layout, &PositionerLayout::implicitSizeChanged, this, &Positioner::implicitWidthChanged);
    connect(m_layout, &PositionerLayout::implicitSizeChanged, this, &Positioner::implicitHeightChanged);
    connect(m_layout, &PositionerLayout::layoutDirectionChanged, this, &Positioner::layoutDirectionChanged);
}

Positioner::~Positioner() = default;

Positioner* Positioner::qmlAttachedProperties(QObject* object)
{
    return new Positioner(object);
}

Positioner::ItemList Positioner::positionItems() const
{
    ItemList result;
    result.reserve(m_positionItems.size());
    for (const auto& item : m_positionItems) {
        result.append(item.data());
    }
    return result;
}

void Positioner::setPositionItems(const ItemList& items)
{
    const ItemList old = positionItems();
    if (old == items) {
        return;
    }
    for (QQuickItem* item : missingFrom(old, items)) {
        addItem(item);
    }
    for (QQuickItem* item : missingFrom(items, old)) {
        removeItem(item);
    }
    m_positionItems.clear();
    for (QQuickItem* item : items) {
        m_positionItems.append(item);
    }
    updateItemOrder();
    Q_EMIT positionItemsChanged();
}

double Positioner::implicitWidth() const
{
    return m_layout ? m_layout->implicitSize().width() : -1;
}

double Positioner::implicitHeight() const
{
    return m_layout ? m_layout->implicitSize().height() : -1;
}

bool Positioner::debug() const
{
    return m_layout && m_layout->debug();
}

void Positioner::setDebug(bool debug)
{
    if (!m_layout || m_layout->debug() == debug) {
        return;
    }
    m_layout->setDebug(debug);
    Q_EMIT debugChanged();
}

Qt::LayoutDirection Positioner::layoutDirection() const
{
    return m_layout ? m_layout->layoutDirection() : Qt::LayoutDirectionAuto;
}

void Positioner::setLayoutDirection(Qt::LayoutDirection direction)
{
    if (m_layout) {
        m_layout->setLayoutDirection(direction);
    }
}

void Positioner::addItem(QQuickItem* item)
{
    PositionedItem* positioned = detail::attachedObject<PositionedItem>(item, false);
    if (positioned && positioned->positionChildren()) {
        connect(item, &QQuickItem::childrenChanged, this, [this, item] { onChildrenChanged(item); });
        watch(item);
        const ItemList children = item->childItems();
        m_childEntries.append({ item, children });
        for (QQuickItem* child : children) {
            watch(child);
            if (m_layout) {
                m_layout->addItem(child);
            }
        }
        return;
    }
    if (m_layout) {
        m_layout->addItem(item);
    }
}

void Positioner::removeItem(QQuickItem* item)
{
    for (qsizetype i = 0; i < m_childEntries.size(); ++i) {
        if (m_childEntries.at(i).item != item) {
            continue;
        }
        const ChildEntry entry = m_childEntries.takeAt(i);
        disconnect(item, &QQuickItem::childrenChanged, this, nullptr);
        for (QQuickItem* child : entry.children) {
            if (m_layout) {
                m_layout->removeItem(child);
            }
        }
        return;
    }
    if (m_layout) {
        m_layout->removeItem(item);
    }
}

Positioner::ChildEntry* Positioner::childEntry(QQuickItem* item)
{
    for (ChildEntry& entry : m_childEntries) {
        if (entry.item == item) {
            return &entry;
        }
    }
    return nullptr;
}

void Positioner::onChildrenChanged(QQuickItem* item)
{
    ChildEntry* entry = childEntry(item);
    if (!entry) {
        return;
    }
    const ItemList current = item->childItems();
    const ItemList added = missingFrom(entry->children, current);
    const ItemList removed = missingFrom(current, entry->children);
    entry->children = current;
    for (QQuickItem* child : added) {
        watch(child);
        if (m_layout) {
            m_layout->addItem(child);
        }
    }
    for (QQuickItem* child : removed) {
        if (m_layout) {
            m_layout->removeItem(child);
        }
    }
    updateItemOrder();
}

void Positioner::watch(QQuickItem* item)
{
    if (m_watched.contains(item)) {
        return;
    }
    m_watched.insert(item);
    connect(item, &QObject::destroyed, this, [this, item] { onItemDestroyed(item); });
}

void Positioner::onItemDestroyed(QQuickItem* item)
{
    // Only a key by now: the layout drops the item itself.
    m_watched.remove(item);
    m_childEntries.removeIf([item](const ChildEntry& entry) { return entry.item == item; });
    for (ChildEntry& entry : m_childEntries) {
        entry.children.removeAll(item);
    }
}

void Positioner::updateItemOrder()
{
    if (!m_layout) {
        return;
    }
    ItemList order;
    for (const auto& item : std::as_const(m_positionItems)) {
        if (!item) {
            continue;
        }
        if (const ChildEntry* entry = childEntry(item.data())) {
            order.append(entry->children);
        } else {
            order.append(item.data());
        }
    }
    m_layout->setItemOrder(order);
}
} // namespace Quilt::Quick
