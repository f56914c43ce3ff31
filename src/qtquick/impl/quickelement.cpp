#include "quickelement.h"

#include <QtCore/QHash>
#include <QtCore/QPointer>
#include <QtCore/QSet>
#include <QtQml/private/qqmldata_p.h>
#include <QtQml/QJSValueIterator>
#include <QtQml/QQmlEngine>
#include <QtQml/QQmlInfo>
#include <QtQuick/QQuickItem>

#include <algorithm>
#include <utility>
#include <vector>

#include "elementquery.h"
#include "platformplugin.h"
#include "quickattached_p.h"
#include "quickstyle.h"
#include "style.h"
#include "styleregistry.h"
#include "windowhandler.h"

namespace Quilt::Quick
{
int QuickElementUpdatedEvent::s_type = QEvent::registerEventType();

QuickElementUpdatedEvent::QuickElementUpdatedEvent()
    : QEvent(QEvent::Type(s_type))
{ }

QuickElementUpdatedEvent::~QuickElementUpdatedEvent() = default;

namespace
{
// What a list operation works on: the owner's entries of that kind, the
// rebuild of the element's hints or attributes, and the change signal.
template<typename T> struct ListData
{
    QuickElement* owner;
    QList<T*>* entries;
    void (QuickElement::*rebuild)();
    void (QuickElement::*changed)();
};

// Every element listens to its style and to the platform plug-in, objects
// that thousands of elements share. Qt keeps an object's event filters in a
// list that each installation searches, so one filter per element made
// creating n elements cost n^2; one relay per shared object hands its events
// to the elements instead. Only the two events that elements act on pass.
class SharedEventRelay : public QObject
{
public:
    static SharedEventRelay* add(QObject* watched, QuickElement* element)
    {
        auto& relays = relayTable();
        SharedEventRelay*& relay = relays[watched];
        if (!relay) {
            // A child of what it watches: it goes when that goes.
            relay = new SharedEventRelay(watched);
        }
        relay->m_elements.insert(element);
        return relay;
    }

    void remove(QuickElement* element) { m_elements.remove(element); }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        const int type = event->type();
        if (type != StyleChangedEvent::s_type && type != DefaultStyleChangedEvent::s_type) {
            return false;
        }
        // An element may go, or change its style, while it is told.
        const QList<QuickElement*> elements = m_elements.values();
        for (QuickElement* element : elements) {
            if (m_elements.contains(element)) {
                element->eventFilter(watched, event);
            }
        }
        return false;
    }

    ~SharedEventRelay() override { relayTable().remove(m_watched); }

private:
    explicit SharedEventRelay(QObject* watched)
        : QObject(watched)
        , m_watched(watched)
    {
        watched->installEventFilter(this);
    }

    static QHash<QObject*, SharedEventRelay*>& relayTable()
    {
        static QHash<QObject*, SharedEventRelay*> table;
        return table;
    }

    QObject* m_watched;
    QSet<QuickElement*> m_elements;
};
} // namespace

class QuickElementPrivate
{
public:
    template<typename T> static QQmlListProperty<T> list(QuickElement* owner);
    template<typename T> static ListData<T> listData(QQmlListProperty<T>* property);

    std::unique_ptr<Quilt::ElementQuery> execute(QuickElement* owner, const std::shared_ptr<Quilt::Style>& style);
    void applyHints();
    void applyAttributes();

    std::shared_ptr<Quilt::Element> element = Quilt::Element::create();
    // Made on first read: an element that only names a part binds no state.
    std::unique_ptr<StatesGroup> states;
    QList<ElementHint*> hints;
    // A state that one of the item's properties gives.
    struct StateProperty
    {
        Quilt::Element::State state;
        int property;
        bool inverse;
    };
    QString stateProperties;
    QList<StateProperty> followed;
    // The class the properties were looked up in.
    const QMetaObject* followedClass = nullptr;
    QJSValue hintFlagsValue;
    QList<std::pair<QString, bool>> hintFlags;
    QList<ElementAttribute*> attributes;
    std::unique_ptr<Quilt::ElementQuery> query;
    QString styleId;
    std::shared_ptr<Quilt::Style> style;
    bool completed = false;
    // While completion collects hints and attributes: their changes run no
    // query of their own, completion runs the one query for all of them.
    bool completing = false;
    // The fallback object the propagator attaches to the QML engine.
    bool inert = false;
    // Where this element hears of its style's and the platform's events.
    QPointer<SharedEventRelay> styleRelay;
    QPointer<SharedEventRelay> platformRelay;
};

template<typename T> ListData<T> QuickElementPrivate::listData(QQmlListProperty<T>* property)
{
    auto* element = static_cast<QuickElement*>(property->object);
    if constexpr (std::is_same_v<T, ElementHint>) {
        return { element, &element->d->hints, &QuickElement::updateHints, &QuickElement::hintsChanged };
    } else {
        return { element, &element->d->attributes, &QuickElement::updateAttributes, &QuickElement::attributesChanged };
    }
}

template<typename T> QQmlListProperty<T> QuickElementPrivate::list(QuickElement* owner)
{
    using Data = ListData<T>;
    static_assert(std::is_same_v<T, ElementHint> || std::is_same_v<T, ElementAttribute>);
    return QQmlListProperty<T>(
        owner, nullptr,
        [](QQmlListProperty<T>* property, T* entry) {
            if (!entry) {
                return;
            }
            const Data d = listData(property);
            d.entries->append(entry);
            entry->setElement(d.owner);
            Q_EMIT(d.owner->*d.changed)();
        },
        [](QQmlListProperty<T>* property) -> qsizetype { return listData(property).entries->size(); },
        [](QQmlListProperty<T>* property, qsizetype index) -> T* {
            const Data d = listData(property);
            return index >= 0 && index < d.entries->size() ? d.entries->at(index) : nullptr;
        },
        [](QQmlListProperty<T>* property) {
            const Data d = listData(property);
            d.entries->clear();
            (d.owner->*d.rebuild)();
            Q_EMIT(d.owner->*d.changed)();
        },
        [](QQmlListProperty<T>* property, qsizetype index, T* entry) {
            const Data d = listData(property);
            if (!entry || index < 0 || index >= d.entries->size()) {
                return;
            }
            d.entries->replace(index, entry);
            entry->setElement(d.owner);
            (d.owner->*d.rebuild)();
            Q_EMIT(d.owner->*d.changed)();
        },
        [](QQmlListProperty<T>* property) {
            const Data d = listData(property);
            if (!d.entries->isEmpty()) {
                d.entries->removeLast();
            }
            (d.owner->*d.rebuild)();
            Q_EMIT(d.owner->*d.changed)();
        });
}

QuickElement::QuickElement(QObject* attachee)
    : QQuickAttachedPropertyPropagator(attachee)
    , d(std::make_unique<QuickElementPrivate>())
{
    d->inert = qobject_cast<QQmlEngine*>(attachee) != nullptr;
    if (!d->inert) {
        d->element->installEventFilter(this);
        if (auto platform = StyleRegistry::instance()->platform()) {
            d->platformRelay = SharedEventRelay::add(platform.get(), this);
        }
    }
    initialize();
    update();
}

QuickElement::~QuickElement()
{
    if (d->styleRelay) {
        d->styleRelay->remove(this);
    }
    if (d->platformRelay) {
        d->platformRelay->remove(this);
    }
}

QuickElement* QuickElement::qmlAttachedProperties(QObject* object)
{
    return new QuickElement(object);
}

std::unique_ptr<ElementQuery> QuickElementPrivate::execute(QuickElement* owner, const std::shared_ptr<Style>& style)
{
    if (!style) {
        return nullptr;
    }
    auto query = std::make_unique<ElementQuery>(style);
    ElementChain chain { element };
    for (QuickElement* parent = owner->parentElement(); parent; parent = parent->parentElement()) {
        chain.prepend(parent->d->element);
    }
    query->setElements(chain);
    query->execute();
    return query;
}

void QuickElement::update()
{
    if (!d->completed) {
        return;
    }
    // The new query comes first: the old one keeps its result alive until the
    // new one holds its own, so a result is never dropped and made again.
    std::unique_ptr<ElementQuery> query = d->execute(this, d->style);
    std::swap(d->query, query);
    query.reset();

    // A Style that its item's document made before this element existed
    // follows nobody, or an enclosing element: its item's own element comes
    // first.
    auto* style = detail::attachedObject<QuickStyle>(parent(), d->query && d->query->hasMatches());
    if (style && style->element() != this) {
        style->setElement(this);
    }

    QuickElementUpdatedEvent event;
    QCoreApplication::sendEvent(this, &event);
    Q_EMIT updated();

    const auto children = attachedChildren();
    for (QQuickAttachedPropertyPropagator* child : children) {
        if (auto* element = qobject_cast<QuickElement*>(child)) {
            element->update();
        }
    }
}

void QuickElement::queryAhead()
{
    if (d->completed || d->inert || d->query) {
        return;
    }
    // The style that completion would settle on, left unsettled: the element
    // may still find its parent, or be given a style id, before it completes.
    std::shared_ptr<Quilt::Style> style = d->style;
    for (QuickElement* parent = parentElement(); !style && parent; parent = parent->parentElement()) {
        style = parent->style();
    }
    if (!style) {
        style = StyleRegistry::instance()->defaultStyle();
    }
    // The description's own bindings usually ran already; hints and
    // attributes are gathered as completion gathers them.
    d->applyHints();
    d->applyAttributes();
    d->query = d->execute(this, style);
}

void QuickElement::updateHints()
{
    if (d->completed) {
        d->applyHints();
    }
}

void QuickElement::updateAttributes()
{
    if (d->completed) {
        d->applyAttributes();
    }
}

void QuickElementPrivate::applyHints()
{
    QStringList names;
    const auto declared = [this](const QString& name) {
        return std::any_of(hints.cbegin(), hints.cend(), [&](const ElementHint* hint) { return hint->name() == name; });
    };
    for (const auto& [name, on] : std::as_const(hintFlags)) {
        if (on && !declared(name)) {
            names.append(name);
        }
    }
    for (const ElementHint* hint : std::as_const(hints)) {
        if (hint->when()) {
            names.append(hint->name());
        } else {
            names.removeAll(hint->name());
        }
    }
    element->setHints(names);
}

void QuickElementPrivate::applyAttributes()
{
    QVariantMap map;
    for (ElementAttribute* attribute : std::as_const(attributes)) {
        if (attribute->isUsable()) {
            map.insert(attribute->name(), attribute->value());
        } else {
            map.remove(attribute->name());
        }
    }
    element->setAttributes(map);
}

void QuickElement::updateStyleFromParent()
{
    QuickElement* parent = parentElement();
    if (d->styleId.isEmpty() && parent) {
        setStyle(parent->style());
    }
}

QString QuickElement::styleId() const
{
    return d->styleId;
}

void QuickElement::setStyleId(const QString& styleId)
{
    if (styleId == d->styleId) {
        return;
    }
    d->styleId = styleId;
    setStyle(styleId.isEmpty() ? nullptr : StyleRegistry::instance()->style(styleId));
    update();
    Q_EMIT styleIdChanged();
}

std::shared_ptr<Quilt::Style> QuickElement::style() const
{
    return d->style;
}

void QuickElement::setStyle(const std::shared_ptr<Quilt::Style>& style)
{
    if (d->inert) {
        return;
    }
    if (d->styleRelay) {
        d->styleRelay->remove(this);
        d->styleRelay = nullptr;
    }
    d->style = style;
    for (QuickElement* parent = parentElement(); !d->style && parent; parent = parent->parentElement()) {
        d->style = parent->style();
    }
    if (!d->style) {
        d->style = StyleRegistry::instance()->defaultStyle();
    }
    if (d->style) {
        d->styleRelay = SharedEventRelay::add(d->style.get(), this);
    }
    const auto children = attachedChildren();
    for (QQuickAttachedPropertyPropagator* child : children) {
        if (auto* element = qobject_cast<QuickElement*>(child)) {
            element->updateStyleFromParent();
        }
    }
}

QString QuickElement::type() const
{
    return d->element->type();
}

void QuickElement::setType(const QString& type)
{
    d->element->setType(type);
}

QString QuickElement::elementId() const
{
    return d->element->id();
}

void QuickElement::setElementId(const QString& elementId)
{
    d->element->setId(elementId);
}

QQmlListProperty<ElementHint> QuickElement::hints()
{
    return QuickElementPrivate::list<ElementHint>(this);
}

QQmlListProperty<ElementAttribute> QuickElement::attributes()
{
    return QuickElementPrivate::list<ElementAttribute>(this);
}

QObject* QuickElement::hint(const QString& name) const
{
    for (ElementHint* hint : std::as_const(d->hints)) {
        if (hint->name() == name) {
            // Handed to script: an entry without a parent must not become the
            // garbage collector's, since the list still points to it.
            if (!hint->parent()) {
                QQmlEngine::setObjectOwnership(hint, QQmlEngine::CppOwnership);
            }
            return hint;
        }
    }
    const auto flag = std::find_if(d->hintFlags.cbegin(), d->hintFlags.cend(),
                                   [&](const auto& entry) { return entry.first == name; });
    if (flag == d->hintFlags.cend()) {
        return nullptr;
    }
    auto* self = const_cast<QuickElement*>(this);
    auto* hint = new ElementHint(self);
    hint->setName(name);
    hint->setWhen(flag->second);
    d->hints.append(hint);
    hint->setElement(self);
    Q_EMIT self->hintsChanged();
    return hint;
}

QString QuickElement::stateProperties() const
{
    return d->stateProperties;
}

namespace
{
struct StateName
{
    QLatin1StringView name;
    Quilt::Element::State state;
    bool inverse;
};
constexpr StateName stateNames[] = {
    { QLatin1StringView("hovered"), Quilt::Element::State::Hovered, false },
    { QLatin1StringView("activeFocus"), Quilt::Element::State::ActiveFocus, false },
    { QLatin1StringView("visualFocus"), Quilt::Element::State::VisualFocus, false },
    { QLatin1StringView("pressed"), Quilt::Element::State::Pressed, false },
    { QLatin1StringView("checked"), Quilt::Element::State::Checked, false },
    { QLatin1StringView("enabled"), Quilt::Element::State::Disabled, true },
    { QLatin1StringView("highlighted"), Quilt::Element::State::Highlighted, false },
};
} // namespace

void QuickElement::setStateProperties(const QString& properties)
{
    if (properties == d->stateProperties || d->inert) {
        return;
    }
    QObject* item = parent();
    static const int slot = staticMetaObject.indexOfSlot("readStateProperties()");
    for (const auto& followed : std::as_const(d->followed)) {
        const int notify = item->metaObject()->property(followed.property).notifySignalIndex();
        QMetaObject::disconnect(item, notify, this, slot);
    }
    d->followed.clear();
    d->stateProperties = properties;

    // Every control of a kind names the same properties: each class and
    // text is looked up once.
    struct Known
    {
        const QMetaObject* meta;
        QString text;
        QList<QuickElementPrivate::StateProperty> followed;
    };
    thread_local std::vector<Known> known;
    const QMetaObject* meta = item->metaObject();
    auto entry = std::find_if(known.begin(), known.end(),
                              [&](const Known& k) { return k.meta == meta && k.text == properties; });
    if (entry == known.end()) {
        Known made { meta, properties, {} };
        const auto words = QStringView(properties).split(u' ', Qt::SkipEmptyParts);
        for (QStringView word : words) {
            const qsizetype colon = word.indexOf(u':');
            const QStringView stateName = colon < 0 ? word : word.first(colon);
            const QStringView propertyName = colon < 0 ? word : word.sliced(colon + 1);
            const auto name = std::find_if(std::begin(stateNames), std::end(stateNames),
                                           [&](const StateName& n) { return n.name == stateName; });
            const int property = meta->indexOfProperty(propertyName.toLatin1().constData());
            const int notify = property < 0 ? -1 : meta->property(property).notifySignalIndex();
            if (name == std::end(stateNames) || notify < 0) {
                qmlWarning(this) << "Element.stateProperties: no state from \"" << word.toString() << '"';
                continue;
            }
            made.followed.append({ name->state, property, name->inverse });
        }
        known.push_back(std::move(made));
        entry = known.end() - 1;
    }
    d->followed = entry->followed;
    d->followedClass = meta;
    for (const auto& followed : std::as_const(d->followed)) {
        QMetaObject::connect(item, meta->property(followed.property).notifySignalIndex(), this, slot);
    }
    readStateProperties();
}

void QuickElement::readStateProperties()
{
    QObject* item = parent();
    // An item whose own destructor has run is of a base class now, where
    // the indices name other properties (a document that derives from the
    // class later makes a subclass, which keeps them).
    if (d->followed.isEmpty() || QQmlData::wasDeleted(item) || !item->metaObject()->inherits(d->followedClass)) {
        return;
    }
    Quilt::Element::States states = d->element->states();
    for (const auto& followed : std::as_const(d->followed)) {
        const bool on = item->metaObject()->property(followed.property).read(item).toBool();
        states.setFlag(followed.state, on != followed.inverse);
    }
    if (states != d->element->states()) {
        d->element->setStates(states);
    }
}

QJSValue QuickElement::hintFlags() const
{
    return d->hintFlagsValue;
}

void QuickElement::setHintFlags(const QJSValue& flags)
{
    QList<std::pair<QString, bool>> entries;
    QJSValueIterator it(flags);
    while (it.hasNext()) {
        it.next();
        entries.append({ it.name(), it.value().toBool() });
    }
    d->hintFlagsValue = flags;
    if (entries == d->hintFlags) {
        return;
    }
    d->hintFlags = std::move(entries);
    updateHints();
    Q_EMIT hintFlagsChanged();
}

QStringList QuickElement::activeHints() const
{
    return d->element->hints();
}

StatesGroup* QuickElement::states() const
{
    if (!d->states) {
        d->states = std::make_unique<StatesGroup>(const_cast<QuickElement*>(this));
        d->states->followElement(d->element->states());
    }
    return d->states.get();
}

void QuickElement::setActiveStates(Quilt::Element::States states)
{
    d->element->setStates(states);
}

Quilt::ElementQuery* QuickElement::query() const
{
    return d->query.get();
}

std::shared_ptr<Quilt::Element> QuickElement::element() const
{
    return d->element;
}

QuickElement* QuickElement::parentElement() const
{
    return detail::attachedParent<QuickElement>(this);
}

bool QuickElement::isCompleted() const
{
    return d->completed;
}

void QuickElement::classBegin()
{ }

void QuickElement::componentComplete()
{
    if (d->inert) {
        return;
    }
    d->completed = true;
    if (!d->style) {
        setStyle(nullptr);
    }
    if (auto* item = qobject_cast<QQuickItem*>(parent())) {
        WindowHandler::instance()->addWindow(item->window());
    }
    d->completing = true;
    updateHints();
    updateAttributes();
    d->completing = false;
    update();

    // Parents attached to items complete with their item; windows and popups
    // have nobody else to complete them.
    for (QuickElement* parent = parentElement(); parent; parent = parent->parentElement()) {
        if (!parent->d->completed && !qobject_cast<QQuickItem*>(parent->parent())) {
            parent->componentComplete();
        }
    }
}

void QuickElement::attachedParentChange(QQuickAttachedPropertyPropagator* newParent,
                                        QQuickAttachedPropertyPropagator* oldParent)
{
    Q_UNUSED(newParent);
    Q_UNUSED(oldParent);
    updateStyleFromParent();
    update();
}

bool QuickElement::eventFilter(QObject* watched, QEvent* event)
{
    const int type = event->type();
    if (watched == d->element.get() && type == ElementChangedEvent::s_type) {
        const auto changes = static_cast<ElementChangedEvent*>(event)->changes;
        if (changes.testFlag(Element::Change::Type)) {
            Q_EMIT typeChanged();
        }
        if (changes.testFlag(Element::Change::Id)) {
            Q_EMIT elementIdChanged();
        }
        if (changes.testFlag(Element::Change::States)) {
            if (d->states) {
                d->states->followElement(d->element->states());
            }
        }
        if (changes.testFlag(Element::Change::Hints)) {
            Q_EMIT hintsChanged();
        }
        if (changes.testFlag(Element::Change::Attributes)) {
            Q_EMIT attributesChanged();
        }
        if (!d->completing) {
            update();
        }
        return false;
    }
    if (type == StyleChangedEvent::s_type) {
        StyleChangedEvent forwarded;
        QCoreApplication::sendEvent(this, &forwarded);
        return false;
    }
    if (type == DefaultStyleChangedEvent::s_type) {
        if (d->styleId.isEmpty() && !parentElement()) {
            setStyle(StyleRegistry::instance()->defaultStyle());
            update();
        }
        return false;
    }
    return QQuickAttachedPropertyPropagator::eventFilter(watched, event);
}
} // namespace Quilt::Quick
