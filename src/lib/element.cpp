#include "element.h"
#include "element_p.h"

#include <QBuffer>
#include <QCoreApplication>
#include <QDataStream>
#include <QMetaEnum>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Quilt
{
// Registered at library load, before any element can send one.
int ElementChangedEvent::s_type = QEvent::registerEventType();

ElementChangedEvent::ElementChangedEvent(Element::Changes changes)
    : QEvent(QEvent::Type(s_type))
    , changes(changes)
{ }

std::shared_ptr<Element> Element::create()
{
    return std::make_shared<Element>(std::make_unique<ElementPrivate>());
}

Element::Element(std::unique_ptr<ElementPrivate>&& dd)
    : QObject(nullptr)
    , d(std::move(dd))
{
    if (!d) {
        d = std::make_unique<ElementPrivate>();
    }
}

Element::~Element() = default;

void Element::announce(Change change)
{
    // Before anything else: owners re-query, and so re-read the key, from
    // inside their filters of the event below.
    d->dropKey();
    // The event goes first: owners filtering the element's events must see the
    // change before anything bound to the signals re-reads the element.
    sendChangeEvent(change);
    switch (change) {
    case Change::Type:
        Q_EMIT typeChanged();
        break;
    case Change::Id:
        Q_EMIT idChanged();
        break;
    case Change::States:
        Q_EMIT statesChanged();
        break;
    case Change::Hints:
        Q_EMIT hintsChanged();
        break;
    case Change::Attributes:
        Q_EMIT attributesChanged();
        break;
    case Change::Nothing:
        break;
    }
    Q_EMIT updated();
}

QString Element::type() const
{
    return d->type;
}

void Element::setType(const QString& type)
{
    if (d->type == type) {
        return;
    }
    d->type = type;
    announce(Change::Type);
}

QString Element::id() const
{
    return d->id;
}

void Element::setId(const QString& id)
{
    if (d->id == id) {
        return;
    }
    d->id = id;
    announce(Change::Id);
}

Element::States Element::states() const
{
    return d->states;
}

void Element::setStates(States states)
{
    if (d->states == states) {
        return;
    }
    d->states = states;
    announce(Change::States);
}

Element::ColorSet Element::colorSet() const
{
    return d->colorSet;
}

void Element::setColorSet(ColorSet colorSet)
{
    if (d->colorSet == colorSet) {
        return;
    }
    d->colorSet = colorSet;
    // No selector reads the colour set, so there is nothing to re-query.
    Q_EMIT colorSetChanged();
    Q_EMIT updated();
}

QStringList Element::hints() const
{
    return d->hints;
}

void Element::setHints(const QStringList& hints)
{
    if (d->hints == hints) {
        return;
    }
    d->hints = hints;
    announce(Change::Hints);
}

void Element::setHint(const QString& name, bool present)
{
    if (present) {
        d->hints.append(name);
    } else {
        d->hints.removeAll(name);
    }
    announce(Change::Hints);
}

bool Element::hasHint(const QString& name) const
{
    return d->hints.contains(name, Qt::CaseInsensitive);
}

QVariantMap Element::attributes() const
{
    return d->attributes;
}

void Element::setAttributes(const QVariantMap& attributes)
{
    if (d->attributes == attributes) {
        return;
    }
    d->attributes = attributes;
    announce(Change::Attributes);
}

void Element::setAttribute(const QString& key, const QVariant& value)
{
    d->attributes.insert(key, value);
    announce(Change::Attributes);
}

bool Element::hasAttribute(const QString& key) const
{
    return d->attributes.contains(key);
}

QVariant Element::attribute(const QString& key) const
{
    for (auto it = d->attributes.cbegin(); it != d->attributes.cend(); ++it) {
        if (it.key().compare(key, Qt::CaseInsensitive) == 0) {
            return it.value();
        }
    }
    return QVariant();
}

void Element::sendChangeEvent(Changes changes)
{
    ElementChangedEvent event(changes);
    QCoreApplication::sendEvent(this, &event);
}

QString Element::toString() const
{
    QStringList parts;
    if (!d->type.isEmpty()) {
        parts.append(u"type: "_s + d->type);
    }
    if (!d->id.isEmpty()) {
        parts.append(u"id: "_s + d->id);
    }
    if (d->states) {
        const QMetaObject& meta = Element::staticMetaObject;
        const QMetaEnum statesEnum = meta.enumerator(meta.indexOfEnumerator("States"));
        parts.append(u"states: "_s + QString::fromLatin1(statesEnum.valueToKeys(d->states.toInt())));
    }
    if (!d->hints.isEmpty()) {
        parts.append(u"hints: "_s + d->hints.join(u", "));
    }
    if (!d->attributes.isEmpty()) {
        QStringList entries;
        entries.reserve(d->attributes.size());
        for (auto it = d->attributes.cbegin(); it != d->attributes.cend(); ++it) {
            entries.append(it.key() + u": " + it.value().toString());
        }
        parts.append(u"attributes: {"_s + entries.join(u", ") + u'}');
    }
    return u"Element("_s + parts.join(u' ') + u')';
}

namespace
{
// Whether QDataStream writes the whole value. A value of a type without stream
// operators writes nothing and fails the stream, so elements that differ only
// in such a value would share a key.
bool streamsCompletely(const QVariant& value)
{
    if (!value.isValid()) {
        return true;
    }
    const QMetaType type = value.metaType();
    if (!type.hasRegisteredDataStreamOperators()) {
        return false;
    }
    if (type == QMetaType::fromType<QVariantList>()) {
        const QVariantList list = value.toList();
        return std::all_of(list.cbegin(), list.cend(), streamsCompletely);
    }
    if (type == QMetaType::fromType<QVariantMap>()) {
        const QVariantMap map = value.toMap();
        return std::all_of(map.cbegin(), map.cend(), streamsCompletely);
    }
    return true;
}

// Values that stream are written as a streamed QVariant; any other value goes
// in by its type id and its text form, or, for a list or map, by its type id
// and its entries.
void writeAttributeValue(QDataStream& stream, const QVariant& value)
{
    if (streamsCompletely(value)) {
        stream << value;
        return;
    }
    const QMetaType type = value.metaType();
    stream << quint32(type.id());
    if (type == QMetaType::fromType<QVariantList>()) {
        const QVariantList list = value.toList();
        stream << quint32(list.size());
        for (const QVariant& entry : list) {
            writeAttributeValue(stream, entry);
        }
    } else if (type == QMetaType::fromType<QVariantMap>()) {
        const QVariantMap map = value.toMap();
        stream << quint32(map.size());
        for (auto it = map.cbegin(); it != map.cend(); ++it) {
            stream << it.key();
            writeAttributeValue(stream, it.value());
        }
    } else {
        stream << value.toString();
    }
}
// The five fields that selectors see, in a fixed layout.
QByteArray serializedKey(const ElementPrivate& d)
{
    // Reserved up front so that the writes below never grow it.
    QByteArray bytes;
    bytes.reserve(1000);
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QDataStream stream(&buffer);
    stream << d.type << d.id << qint32(d.states.toInt()) << d.hints;
    // Laid out as a streamed QVariantMap: count, then key and value in key order.
    stream << quint32(d.attributes.size());
    for (auto it = d.attributes.cbegin(); it != d.attributes.cend(); ++it) {
        stream << it.key();
        writeAttributeValue(stream, it.value());
    }
    buffer.close();
    // Kept for the element's life: no need for the room reserved above.
    bytes.squeeze();
    return bytes;
}
} // namespace

size_t Element::cacheKey(size_t seed) const
{
    if (d->hasLastKey && d->lastSeed == seed) {
        return d->lastKey;
    }
    if (!d->hasKeyBytes) {
        d->keyBytes = serializedKey(*d);
        d->hasKeyBytes = true;
    }
    d->lastSeed = seed;
    d->lastKey = qHash(QByteArrayView(d->keyBytes), seed);
    d->hasLastKey = true;
    return d->lastKey;
}

QDebug operator<<(QDebug debug, const std::shared_ptr<Element>& element)
{
    QDebugStateSaver saver(debug);
    if (!element) {
        debug << "Element(nullptr)";
        return debug;
    }
    debug << element->toString();
    return debug;
}

} // namespace Quilt
