#pragma once

#include "positionersource.h"
#include "properties.h"
#include "quickimplglobal.h"

#include <QEvent>
#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace Quilt::Quick
{
// Sent by a PositionedItem to itself and passed on to its item, where the
// positioner layout that manages the item sees it.
class QUILT_QUICK_EXPORT PositionedItemChangedEvent : public QEvent
{
public:
    PositionedItemChangedEvent();
    ~PositionedItemChangedEvent() override;

    static int s_type;
};

// How a positioner places one item: which style group aligns it, overrides of
// that alignment, a minimum size, or the item's children in its place.
class QUILT_QUICK_EXPORT PositionedItem : public QObject
{
    Q_OBJECT
    QML_ELEMENT
    QML_ATTACHED(PositionedItem)
    QML_UNCREATABLE("Attached Property")

    // Read when the item is added to a positioner, and only then.
    Q_PROPERTY(bool positionChildren READ positionChildren WRITE setPositionChildren FINAL)
    Q_PROPERTY(Quilt::Quick::PositionerSource::Source source READ source WRITE setSource NOTIFY sourceChanged FINAL)
    Q_PROPERTY(Quilt::Properties::Alignment horizontalAlignment READ horizontalAlignment WRITE setHorizontalAlignment
                   RESET resetHorizontalAlignment NOTIFY horizontalAlignmentChanged FINAL)
    Q_PROPERTY(Quilt::Properties::Alignment verticalAlignment READ verticalAlignment WRITE setVerticalAlignment RESET
                   resetVerticalAlignment NOTIFY verticalAlignmentChanged FINAL)
    Q_PROPERTY(double minimumWidth READ minimumWidth WRITE setMinimumWidth RESET resetMinimumWidth NOTIFY
                   minimumWidthChanged FINAL)
    Q_PROPERTY(double minimumHeight READ minimumHeight WRITE setMinimumHeight RESET resetMinimumHeight NOTIFY
                   minimumHeightChanged FINAL)

public:
    explicit PositionedItem(QObject* parent = nullptr);
    ~PositionedItem() override;

    static PositionedItem* qmlAttachedProperties(QObject* object);

    bool positionChildren() const;
    void setPositionChildren(bool positionChildren);
    PositionerSource::Source source() const;
    void setSource(PositionerSource::Source source);
    Properties::Alignment horizontalAlignment() const;
    void setHorizontalAlignment(Properties::Alignment alignment);
    void resetHorizontalAlignment();
    Properties::Alignment verticalAlignment() const;
    void setVerticalAlignment(Properties::Alignment alignment);
    void resetVerticalAlignment();
    double minimumWidth() const;
    void setMinimumWidth(double width);
    void resetMinimumWidth();
    double minimumHeight() const;
    void setMinimumHeight(double height);
    void resetMinimumHeight();

    bool event(QEvent* event) override;

Q_SIGNALS:
    void sourceChanged();
    void horizontalAlignmentChanged();
    void verticalAlignmentChanged();
    void minimumWidthChanged();
    void minimumHeightChanged();

private:
    void notifyChange();

    bool m_positionChildren = false;
    PositionerSource::Source m_source = PositionerSource::Source::Layout;
    Properties::Alignment m_horizontalAlignment = Properties::Alignment::Unspecified;
    Properties::Alignment m_verticalAlignment = Properties::Alignment::Unspecified;
    double m_minimumWidth = -1;
    double m_minimumHeight = -1;
};
} // namespace Quilt::Quick
