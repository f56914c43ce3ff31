#pragma once

#include "quickimplglobal.h"

#include <QList>
#include <QObject>
#include <QPointer>
#include <QSet>
#include <QtQml/qqmlregistration.h>

class QQuickItem;

namespace Quilt::Quick
{
class PositionerLayout;

// Lays out a control's icon, text and other content items from the style's
// alignment groups, padding, inset and spacing, and tells the control the
// implicit size that needs.
class QUILT_QUICK_EXPORT Positioner : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_ATTACHED(Positioner)
    QML_UNCREATABLE("Attached Property")

    Q_PROPERTY(
        QList<QQuickItem*> positionItems READ positionItems WRITE setPositionItems NOTIFY positionItemsChanged FINAL)
    Q_PROPERTY(double implicitWidth READ implicitWidth NOTIFY implicitWidthChanged FINAL)
    Q_PROPERTY(double implicitHeight READ implicitHeight NOTIFY implicitHeightChanged FINAL)
    Q_PROPERTY(bool debug READ debug WRITE setDebug NOTIFY debugChanged FINAL)
    Q_PROPERTY(Qt::LayoutDirection layoutDirection READ layoutDirection WRITE setLayoutDirection NOTIFY
                   layoutDirectionChanged FINAL)

public:
    using ItemList = QList<QQuickItem*>;

    explicit Positioner(QObject* attachee);
    ~Positioner() override;

    static Positioner* qmlAttachedProperties(QObject* object);

    ItemList positionItems() const;
    void setPositionItems(const ItemList& items);
    double implicitWidth() const;
    double implicitHeight() const;
    bool debug() const;
    void setDebug(bool debug);
    Qt::LayoutDirection layoutDirection() const;
    void setLayoutDirection(Qt::LayoutDirection direction);

Q_SIGNALS:
    void positionItemsChanged();
    void implicitWidthChanged();
    void implicitHeightChanged();
    void debugChanged();
    void layoutDirectionChanged();

private:
    struct ChildEntry
    {
        QQuickItem* item = nullptr;
        ItemList children;
    };

    void addItem(QQuickItem* item);
    void removeItem(QQuickItem* item);
    void onChildrenChanged(QQuickItem* item);
    void watch(QQuickItem* item);
    void onItemDestroyed(QQuickItem* item);
    void updateItemOrder();
    ChildEntry* childEntry(QQuickItem* item);

    // Guarded: a destroyed item reads as null and is never handed on.
    QList<QPointer<QQuickItem>> m_positionItems;
    QList<ChildEntry> m_childEntries;
    // Child entries' items and children, each watched once for its destruction.
    QSet<QQuickItem*> m_watched;
    QPointer<PositionerLayout> m_layout;
};
} // namespace Quilt::Quick
