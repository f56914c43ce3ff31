#pragma once

#include <QQuickItem>

#include <memory>

namespace Quilt::Quick
{
class PositionerLayoutPrivate;

// The item that does the work of an attached Positioner: a child of the
// control that watches the control and the managed items and, in its polish
// pass, places the items by their style's alignment groups.
class PositionerLayout : public QQuickItem
{
    Q_OBJECT

public:
    explicit PositionerLayout(QQuickItem* control);
    ~PositionerLayout() override;

    void addItem(QQuickItem* item);
    void removeItem(QQuickItem* item);
    // The order in which the items are collected: items of equal alignment
    // keep it. Items not managed are ignored; a new order re-lays the items.
    void setItemOrder(const QList<QQuickItem*>& order);
    QList<QQuickItem*> items() const;

    bool debug() const;
    void setDebug(bool debug);
    Qt::LayoutDirection layoutDirection() const;
    void setLayoutDirection(Qt::LayoutDirection direction);
    QSizeF implicitSize() const;

    bool eventFilter(QObject* watched, QEvent* event) override;

public Q_SLOTS:
    void markDirty();

Q_SIGNALS:
    void layoutDirectionChanged();
    void implicitSizeChanged();
    void layoutFinished();

protected:
    void updatePolish() override;

private Q_SLOTS:
    void layOutOnCompletion();

private:
    void layOut();

    bool m_debug = false;
    std::unique_ptr<PositionerLayoutPrivate> d;
};
} // namespace Quilt::Quick
