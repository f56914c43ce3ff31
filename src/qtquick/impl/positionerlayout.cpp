#include "positionerlayout_p.h"

#include "alignmentpropertygroup.h"
#include "elementquery.h"
#include "iconpropertygroup.h"
#include "layoutgeometry_p.h"
#include "layoutpropertygroup.h"
#include "positioneditem.h"
#include "quickattached_p.h"
#include "quicklogging_p.h"
#include "quickstyle.h"
#include "sizepropertygroup.h"
#include "stylepropertygroup.h"
#include "textpropertygroup.h"

#include <QGuiApplication>
#include <QHash>
#include <QMetaProperty>
#include <QQmlComponent>

#include <array>
#include <cmath>

namespace Quilt::Quick
{
namespace
{
enum Flag : quint8
{
    Dirty = 0x1,
    Polishing = 0x2,
    DirtyWhilePolishing = 0x4,
    Placing = 0x8,
    HasPadding = 0x10,
    HasInset = 0x20,
};

enum Handle
{
    Mirrored,
    Spacing,
    LeftPadding,
    RightPadding,
    TopPadding,
    BottomPadding,
    LeftInset,
    RightInset,
    TopInset,
    BottomInset,
    HandleCount,
};

constexpr std::array<const char*, HandleCount> s_handleNames { "mirrored",     "spacing",    "leftPadding",
                                                               "rightPadding", "topPadding", "bottomPadding",
                                                               "leftInset",    "rightInset", "topInset",
                                                               "bottomInset" };

bool fuzzyEqual(const QSizeF& a, const QSizeF& b)
{
    return Quick::fuzzyEqual(a.width(), b.width()) && Quick::fuzzyEqual(a.height(), b.height());
}

// The positioner's traces go straight to the message logger under their own
// name: they are asked for with the `debug` property, not a logging rule.
QDebug trace()
{
    return QMessageLogger(nullptr, 0, nullptr, "quilt.quick").debug();
}

const Properties::StylePropertyGroup* resolvedProperties(QObject* object)
{
    QuickStyle* style = detail::attachedObject<QuickStyle>(object, true);
    ElementQuery* query = style ? style->query() : nullptr;
    return query ? query->properties() : nullptr;
}

QMarginsF margins(const Properties::SizePropertyGroup* group)
{
    return group ? group->toMargins() : QMarginsF();
}
} // namespace

class PositionerLayoutPrivate
{
public:
    QQuickItem* control = nullptr;
    // The managed items, in the order they are collected.
    QList<QQuickItem*> items;
    QSizeF implicitSize { -1, -1 };
    QSizeF controlSize { -1, -1 };
    Qt::LayoutDirection layoutDirection = Qt::LayoutDirectionAuto;
    quint8 flags = Dirty;
    // The control's property of each handle, -1 where it has none.
    std::array<int, HandleCount> handles = [] {
        std::array<int, HandleCount> none;
        none.fill(-1);
        return none;
    }();

    bool has(Flag flag) const { return flags & flag; }
    void set(Flag flag) { flags |= flag; }
    void clear(Flag flag) { flags &= ~flag; }

    bool isValid(Handle h) const { return handles[h] >= 0; }
    QVariant readVariant(Handle h) const { return control->metaObject()->property(handles[h]).read(control); }
    double read(Handle h) const { return isValid(h) ? readVariant(h).toReal() : 0.0; }
};

namespace
{
// Every control of a type has its properties at the same indices: they are
// looked up by name once per type, not once per control. A type is known by
// its meta-object's data, which the instances of a QML type share; an entry
// is trusted only while the names at its indices still match, so data that
// a later type happens to reuse is looked up afresh.
const std::array<int, HandleCount>& propertyIndices(const QMetaObject* metaObject)
{
    static QHash<const void*, std::array<int, HandleCount>> cache;
    const void* key = metaObject->d.data;
    auto it = cache.find(key);
    if (it != cache.end()) {
        const auto& indices = *it;
        bool valid = true;
        for (int h = 0; h < HandleCount && valid; ++h) {
            valid = indices[h] < 0 ? metaObject->indexOfProperty(s_handleNames[h]) < 0
                                   : indices[h] < metaObject->propertyCount()
                    && qstrcmp(metaObject->property(indices[h]).name(), s_handleNames[h]) == 0;
        }
        if (valid) {
            return indices;
        }
    } else {
        it = cache.insert(key, {});
    }
    for (int h = 0; h < HandleCount; ++h) {
        (*it)[h] = metaObject->indexOfProperty(s_handleNames[h]);
    }
    return *it;
}

int markDirtyIndex()
{
    static const int index = PositionerLayout::staticMetaObject.indexOfSlot("markDirty()");
    return index;
}
} // namespace

PositionerLayout::PositionerLayout(QQuickItem* control)
    : QQuickItem(control)
    , d(std::make_unique<PositionerLayoutPrivate>())
{
    d->control = control;
    if (control) {
        const auto checkSize = [this] {
            const QSizeF size = d->control->boundingRect().size();
            if (fuzzyEqual(size, d->controlSize)) {
                return;
            }
            d->controlSize = size;
            markDirty();
        };
        connect(control, &QQuickItem::widthChanged, this, checkSize);
        connect(control, &QQuickItem::heightChanged, this, checkSize);
        control->installEventFilter(this);

        const QMetaObject* metaObject = control->metaObject();
        d->handles = propertyIndices(metaObject);
        for (int h = 0; h < HandleCount; ++h) {
            if (d->handles[h] < 0) {
                continue;
            }
            const int notify = metaObject->property(d->handles[h]).notifySignalIndex();
            if (notify >= 0) {
                QMetaObject::connect(control, notify, this, markDirtyIndex());
            }
        }
        const auto anyValid = [this](Handle first) {
            for (int h = first; h < first + 4; ++h) {
                if (d->isValid(Handle(h))) {
                    return true;
                }
            }
            return false;
        };
        if (anyValid(LeftPadding)) {
            d->set(HasPadding);
        }
        if (anyValid(LeftInset)) {
            d->set(HasInset);
        }
        // Only a control being created has a completion to wait for; one
        // that exists already is laid out in the polish phase alone.
        if (QObject* component = qmlAttachedPropertiesObject<QQmlComponent>(control)) {
            connect(component, SIGNAL(completed()), this, SLOT(layOutOnCompletion()));
        }
    }
    polish();
}

PositionerLayout::~PositionerLayout() = default;

void PositionerLayout::addItem(QQuickItem* item)
{
    if (!item || d->items.contains(item)) {
        return;
    }
    connect(item, &QQuickItem::implicitWidthChanged, this, &PositionerLayout::markDirty);
    connect(item, &QQuickItem::implicitHeightChanged, this, &PositionerLayout::markDirty);
    connect(item, &QQuickItem::visibleChanged, this, &PositionerLayout::markDirty);
    const auto moved = [this] {
        if (!d->has(Placing)) {
            markDirty();
        }
    };
    connect(item, &QQuickItem::xChanged, this, moved);
    connect(item, &QQuickItem::yChanged, this, moved);
    // The pointer is only a key by then: an item a Loader or a script destroys
    // must not be touched by the next pass.
    connect(item, &QObject::destroyed, this, [this, item] {
        if (d->items.removeAll(item) > 0) {
            markDirty();
        }
    });
    item->installEventFilter(this);
    d->items.append(item);
    if (m_debug) {
        trace() << "Add item to layout" << item;
    }
    markDirty();
}

void PositionerLayout::removeItem(QQuickItem* item)
{
    if (!item || !d->items.contains(item)) {
        return;
    }
    disconnect(item, nullptr, this, nullptr);
    item->removeEventFilter(this);
    if (m_debug) {
        trace() << "Remove item from layout" << item;
    }
    d->items.removeAll(item);
    markDirty();
}

void PositionerLayout::setItemOrder(const QList<QQuickItem*>& order)
{
    QList<QQuickItem*> sorted;
    sorted.reserve(d->items.size());
    for (QQuickItem* item : order) {
        if (d->items.contains(item) && !sorted.contains(item)) {
            sorted.append(item);
        }
    }
    // Items the order does not name keep their place after the named ones.
    for (QQuickItem* item : std::as_const(d->items)) {
        if (!sorted.contains(item)) {
            sorted.append(item);
        }
    }
    if (sorted == d->items) {
        return;
    }
    d->items = sorted;
    markDirty();
}

QList<QQuickItem*> PositionerLayout::items() const
{
    return d->items;
}

bool PositionerLayout::debug() const
{
    return m_debug;
}

void PositionerLayout::setDebug(bool debug)
{
    m_debug = debug;
}

Qt::LayoutDirection PositionerLayout::layoutDirection() const
{
    return d->layoutDirection;
}

void PositionerLayout::setLayoutDirection(Qt::LayoutDirection direction)
{
    if (d->layoutDirection == direction) {
        return;
    }
    d->layoutDirection = direction;
    markDirty();
    Q_EMIT layoutDirectionChanged();
}

QSizeF PositionerLayout::implicitSize() const
{
    return d->implicitSize;
}

void PositionerLayout::markDirty()
{
    if (d->has(Polishing)) {
        d->set(DirtyWhilePolishing);
        return;
    }
    d->set(Dirty);
    polish();
}

bool PositionerLayout::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QuickStyleUpdatedEvent::s_type || event->type() == PositionedItemChangedEvent::s_type) {
        markDirty();
        return false;
    }
    return QObject::eventFilter(watched, event);
}

void PositionerLayout::updatePolish()
{
    layOut();
}

void PositionerLayout::layOutOnCompletion()
{
    // A view reads a new delegate's size as soon as the delegate is created
    // and goes on creating rows until its area is filled: a control that
    // waited for the polish phase would measure nothing then. The first pass
    // therefore runs once the control's whole component is complete (its
    // deferred content made, its style resolved); the polish request made
    // for it finds nothing left to do.
    if (!d->has(Polishing)) {
        layOut();
    }
}

void PositionerLayout::layOut()
{
    QQuickItem* control = d->control;
    if (!d->has(Dirty) || !control || !control->isVisible()) {
        return;
    }
    d->set(Polishing);
    d->clear(Dirty);
    if (m_debug) {
        trace() << "Performing layout for positioner of" << control;
    }

    LayoutPass pass;
    for (QQuickItem* item : std::as_const(d->items)) {
        if (!item->isVisible()) {
            if (m_debug) {
                trace() << "  Ignoring invisible item";
            }
            continue;
        }
        PositionedItem* positioned = detail::attachedObject<PositionedItem>(item, false);
        const PositionerSource::Source source = positioned ? positioned->source() : PositionerSource::Source::Layout;

        // An item whose style has not answered yet waits for its style event,
        // which marks the layout dirty; the others need not wait with it.
        const Properties::StylePropertyGroup* properties = resolvedProperties(item);
        if (!properties) {
            continue;
        }
        const Properties::AlignmentPropertyGroup* alignment = alignmentGroup(properties, source);
        if (!alignment) {
            if (m_debug) {
                trace() << "  No alignment found for item";
            }
            continue;
        }

        auto h = alignment->horizontal().value_or(Properties::Alignment::Unspecified);
        auto v = alignment->vertical().value_or(Properties::Alignment::Unspecified);
        if (positioned && positioned->horizontalAlignment() != Properties::Alignment::Unspecified) {
            h = positioned->horizontalAlignment();
        }
        if (positioned && positioned->verticalAlignment() != Properties::Alignment::Unspecified) {
            v = positioned->verticalAlignment();
        }

        LayoutItem layoutItem;
        layoutItem.implicitSize = QSizeF(item->implicitWidth(), item->implicitHeight());
        if (positioned) {
            layoutItem.minimumSize = QSizeF(positioned->minimumWidth() > 0 ? positioned->minimumWidth() : 0.0,
                                            positioned->minimumHeight() > 0 ? positioned->minimumHeight() : 0.0);
        }
        layoutItem.verticalAlignment = int(v);
        layoutItem.order = alignment->order().value_or(0);
        if (source == PositionerSource::Source::Layout && properties->layout()) {
            layoutItem.margins = margins(properties->layout()->margins());
        }
        layoutItem.item = item;

        fileItem(pass, layoutItem, h, v, alignment->container());

        if (m_debug) {
            trace() << "  Layout item" << item;
            trace() << "    Implicit Size:" << layoutItem.implicitSize;
            trace() << "    Container:" << alignment->container();
            trace() << "    Alignment: (h)" << h << "(v)" << v;
            trace() << "    Order:" << layoutItem.order;
        }
    }

    const Properties::StylePropertyGroup* controlProperties = resolvedProperties(control);
    if (!controlProperties) {
        polish();
        d->clear(Polishing);
        return;
    }
    const Properties::LayoutPropertyGroup* layout = controlProperties->layout();

    pass.controlSize = control->size();
    if (d->isValid(Spacing)) {
        pass.spacing = d->read(Spacing);
    } else {
        pass.spacing = layout ? layout->spacing().value_or(0.0) : 0.0;
    }
    if (d->has(HasPadding)) {
        pass.padding
            = QMarginsF(d->read(LeftPadding), d->read(TopPadding), d->read(RightPadding), d->read(BottomPadding));
    } else {
        pass.padding = margins(layout ? layout->padding() : nullptr);
    }
    if (d->has(HasInset)) {
        pass.inset = QMarginsF(d->read(LeftInset), d->read(TopInset), d->read(RightInset), d->read(BottomInset));
    } else {
        pass.inset = margins(layout ? layout->inset() : nullptr);
    }

    computeLayout(pass);

    if (!fuzzyEqual(pass.implicitSize, d->implicitSize)) {
        if (m_debug) {
            trace() << "  New implcit size is" << pass.implicitSize;
        }
        d->implicitSize = pass.implicitSize;
        Q_EMIT implicitSizeChanged();
    }

    d->set(Placing);
    Qt::LayoutDirection direction = d->layoutDirection;
    if (direction == Qt::LayoutDirectionAuto) {
        const bool mirrored = d->isValid(Mirrored) && d->readVariant(Mirrored).toBool();
        direction = mirrored ? Qt::RightToLeft : QGuiApplication::layoutDirection();
    }
    const double controlWidth = control->boundingRect().width();
    for (const auto kind :
         { LayoutPass::ItemContainer, LayoutPass::BackgroundContainer, LayoutPass::ContentContainer }) {
        for (const LayoutBucket& bucket : std::as_const(pass.container(kind).buckets)) {
            for (const LayoutItem& placed : std::as_const(bucket.items)) {
                QQuickItem* item = placed.item;
                QPointF position = placed.geometry.topLeft();
                if (direction == Qt::RightToLeft) {
                    position.setX(controlWidth - placed.geometry.width() - position.x());
                }
                position = control->mapToItem(item->parentItem(), position);
                item->setX(std::round(position.x()));
                item->setY(std::round(position.y()));
                item->setSize(QSizeF(std::ceil(placed.geometry.width()), std::ceil(placed.geometry.height())));
            }
        }
    }
    d->clear(Placing);
    d->clear(Polishing);
    Q_EMIT layoutFinished();

    if (d->has(DirtyWhilePolishing)) {
        d->set(Dirty);
        polish();
        d->clear(DirtyWhilePolishing);
    }
}
} // namespace Quilt::Quick
