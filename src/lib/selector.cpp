#include "selector.h"
#include "attributevalue_p.h"
#include "bytereader_p.h"
#include "element_p.h"
#include "selector_p.h"
#include "streamreaders_p.h"

#include <QIODevice>
#include <QMetaEnum>

using namespace Qt::StringLiterals;

namespace Quilt
{
namespace detail
{
SelectorPrivateConcept::~SelectorPrivateConcept() = default;

namespace
{
QString stateNames(Element::State state)
{
    static const QMetaEnum stateEnum = [] {
        const QMetaObject& meta = Element::staticMetaObject;
        return meta.enumerator(meta.indexOfEnumerator("State"));
    }();
    return QString::fromLatin1(stateEnum.valueToKeys(qint32(state)));
}
} // namespace

// Folding maps each UTF-16 unit to one unit, so texts of different lengths
// never compare equal; most texts that do are written alike.
static bool equalIgnoringCase(const QString& a, const QString& b)
{
    return a.size() == b.size() && (a == b || a.compare(b, Qt::CaseInsensitive) == 0);
}

template<SelectorType Kind, typename Data> int SelectorPrivateModel<Kind, Data>::weight() const
{
    switch (Kind) {
    case SelectorType::Type:
        return 1;
    case SelectorType::Id:
        return 100;
    case SelectorType::State:
    case SelectorType::Hint:
    case SelectorType::AttributeExists:
    case SelectorType::AttributeEquals:
    case SelectorType::AttributeSubstringMatch:
        return 10;
    case SelectorType::AnyElement:
    case SelectorType::Child:
    case SelectorType::Descendant:
        return 0;
    }
    return 0;
}

template<SelectorType Kind, typename Data> bool SelectorPrivateModel<Kind, Data>::matches(Element* element) const
{
    // Chains hold no null elements; the test only keeps a broken caller from
    // crashing here.
    if (!element) {
        return false;
    }
    if constexpr (Kind == SelectorType::Type) {
        return !m_data.isEmpty() && equalIgnoringCase(m_data, ElementPrivate::get(*element).type);
    } else if constexpr (Kind == SelectorType::Id) {
        return !m_data.isEmpty() && equalIgnoringCase(m_data, ElementPrivate::get(*element).id);
    } else if constexpr (Kind == SelectorType::State) {
        return m_data != Element::State::None && ElementPrivate::get(*element).states.testAnyFlags(m_data);
    } else if constexpr (Kind == SelectorType::Hint) {
        return !m_data.isEmpty() && element->hasHint(m_data);
    } else if constexpr (Kind == SelectorType::AttributeExists) {
        return !m_data.isEmpty() && element->hasAttribute(m_data);
    } else if constexpr (Kind == SelectorType::AttributeEquals) {
        const auto& [key, value] = m_data;
        if (key.isEmpty() || value.isNull()) {
            return false;
        }
        const QVariant attribute = element->attribute(key);
        if (!attribute.isValid()) {
            return false;
        }
        return attributeValueEquals(attribute, value);
    } else if constexpr (Kind == SelectorType::AttributeSubstringMatch) {
        const auto& [key, value] = m_data;
        // The existence test takes the key as written, the look-up does not.
        return !key.isEmpty() && !value.isNull() && element->hasAttribute(key)
            && element->attribute(key).toString().contains(value, Qt::CaseInsensitive);
    } else if constexpr (Kind == SelectorType::AnyElement) {
        return true;
    } else {
        return false;
    }
}

template<SelectorType Kind, typename Data> QString SelectorPrivateModel<Kind, Data>::toString() const
{
    if constexpr (Kind == SelectorType::Type) {
        return u"Type(%1)"_s.arg(m_data);
    } else if constexpr (Kind == SelectorType::Id) {
        return u"Id(%1)"_s.arg(m_data);
    } else if constexpr (Kind == SelectorType::State) {
        return u"State(%1)"_s.arg(stateNames(m_data));
    } else if constexpr (Kind == SelectorType::Hint) {
        return u"Hint(%1)"_s.arg(m_data);
    } else if constexpr (Kind == SelectorType::AttributeExists) {
        return u"AttributeExists(%1)"_s.arg(m_data);
    } else if constexpr (Kind == SelectorType::AttributeEquals) {
        return u"AttributeEquals(key=%1, value=%2)"_s.arg(m_data.first, m_data.second.toString());
    } else if constexpr (Kind == SelectorType::AttributeSubstringMatch) {
        return u"AttributeSubstringMatch(key=%1, value=%2)"_s.arg(m_data.first, m_data.second);
    } else if constexpr (Kind == SelectorType::AnyElement) {
        return u"AnyElement"_s;
    } else if constexpr (Kind == SelectorType::Child) {
        return u"Child"_s;
    } else {
        return u"Descendant"_s;
    }
}

template class SelectorPrivateModel<SelectorType::Type, QString>;
template class SelectorPrivateModel<SelectorType::Id, QString>;
template class SelectorPrivateModel<SelectorType::State, Element::State>;
template class SelectorPrivateModel<SelectorType::Hint, QString>;
template class SelectorPrivateModel<SelectorType::AttributeExists, QString>;
template class SelectorPrivateModel<SelectorType::AttributeEquals, std::pair<QString, QVariant>>;
template class SelectorPrivateModel<SelectorType::AttributeSubstringMatch, std::pair<QString, QString>>;
template class SelectorPrivateModel<SelectorType::AnyElement, Empty>;
template class SelectorPrivateModel<SelectorType::Child, Empty>;
template class SelectorPrivateModel<SelectorType::Descendant, Empty>;
} // namespace detail

namespace detail
{
const QString* SelectorAccess::text(const Selector& selector)
{
    const SelectorPrivateConcept* model = selector.m_model.get();
    if (!model) {
        return nullptr;
    }
    // A plug-in may bring a model of its own that claims the kind: only the
    // template's instantiation is known to hold its value as a QString.
    const auto textOf = [model]<SelectorType Kind>() -> const QString* {
        const auto* typed = dynamic_cast<const SelectorPrivateModel<Kind, QString>*>(model);
        return typed ? &typed->m_data : nullptr;
    };
    switch (model->type()) {
    case SelectorType::Type:
        return textOf.template operator()<SelectorType::Type>();
    case SelectorType::Id:
        return textOf.template operator()<SelectorType::Id>();
    case SelectorType::Hint:
        return textOf.template operator()<SelectorType::Hint>();
    default:
        return nullptr;
    }
}
} // namespace detail

Selector::Selector(std::shared_ptr<const detail::SelectorPrivateConcept> model)
    : m_model(std::move(model))
{ }

bool Selector::isValid() const
{
    return m_model != nullptr;
}

int Selector::weight() const
{
    return m_model ? m_model->weight() : 0;
}

SelectorType Selector::type() const
{
    return m_model ? m_model->type() : SelectorType {};
}

bool Selector::matches(Element* element) const
{
    return m_model && m_model->matches(element);
}

QString Selector::toString() const
{
    return m_model ? m_model->toString() : u"Selector(Invalid)"_s;
}

bool Selector::isCombinator() const
{
    return m_model && m_model->isCombinator();
}

void Selector::writeToDataStream(QDataStream& stream) const
{
    if (!m_model) {
        stream << qint32(0);
        return;
    }
    stream << qint32(m_model->type());
    m_model->writeData(stream);
}

bool SelectorList::matches(const ElementChain& chain) const
{
    if (isEmpty()) {
        return true;
    }
    if (chain.isEmpty()) {
        return false;
    }

    // Read right to left, anchored at the queried element only. Indices, not
    // copies: this runs for every rule on every uncached query.
    qsizetype s = size() - 1;
    qsizetype e = chain.size() - 1;
    for (;;) {
        const Selector& selector = at(s);
        if (!selector.matches(chain.at(e).get())) {
            return false;
        }
        if (s == 0) {
            return true;
        }

        const qsizetype p = s - 1;
        const Selector& previous = at(p);
        if (!previous.isCombinator()) {
            // Same compound, same element.
            s = p;
            continue;
        }

        if (previous.type() == SelectorType::Child) {
            if (e == 0) {
                return false;
            }
            --e;
        } else {
            if (p == 0) {
                // A leading descendant combinator has nothing to search for:
                // like a leading child combinator it asks for an ancestor.
                return e > 0;
            }
            // Only the selector next to the combinator steers the search; the
            // rest of its compound is tested on the element found, without
            // trying elements further out.
            const Selector& anchor = at(p - 1);
            qsizetype found = -1;
            for (qsizetype i = e - 1; i >= 0; --i) {
                if (anchor.matches(chain.at(i).get())) {
                    found = i;
                    break;
                }
            }
            if (found < 0) {
                return false;
            }
            e = found;
        }

        if (p == 0) {
            return true;
        }
        s = p - 1;
    }
}

int SelectorList::weight() const
{
    int sum = 0;
    for (const Selector& selector : *this) {
        sum += selector.weight();
    }
    return sum;
}

QString SelectorList::toString() const
{
    QStringList texts;
    texts.reserve(size());
    for (const Selector& selector : *this) {
        texts.append(selector.toString());
    }
    return u"SelectorList("_s + texts.join(u", ") + u')';
}

QDebug operator<<(QDebug debug, const Selector& selector)
{
    QDebugStateSaver saver(debug);
    debug << selector.toString();
    return debug;
}

QDebug operator<<(QDebug debug, const SelectorList& list)
{
    QDebugStateSaver saver(debug);
    debug << list.toString();
    return debug;
}

QDataStream& operator<<(QDataStream& stream, const SelectorList& list)
{
    stream << qint64(list.size());
    for (const Selector& selector : list) {
        selector.writeToDataStream(stream);
    }
    return stream;
}

namespace
{
template<SelectorType Kind, typename Data> Selector makeSelector(Data data)
{
    return Selector(std::make_shared<const detail::SelectorPrivateModel<Kind, Data>>(std::move(data)));
}

// Reads the data of one selector of a kind that has data; an invalid Selector
// when the read fails.
template<SelectorType Kind> Selector readSelector(QDataStream& stream)
{
    using Data = typename decltype(detail::selectorDataTag<Kind>())::type;
    Data data {};
    if constexpr (std::is_same_v<Data, QString>) {
        stream >> data;
    } else if constexpr (std::is_same_v<Data, Element::State>) {
        qint32 value = 0;
        stream >> value;
        data = Element::State(value);
    } else if constexpr (std::is_same_v<Data, std::pair<QString, QVariant>>) {
        // The value may name any type; its counts are checked before Qt reads.
        stream >> data.first;
        detail::readVariant(stream, data.second);
    } else {
        stream >> data.first >> data.second;
    }
    if (stream.status() != QDataStream::Ok) {
        return Selector();
    }
    return makeSelector<Kind>(std::move(data));
}
} // namespace

Selector SelectorModelPool::text(SelectorType kind, const QString& value)
{
    Selector& selector = m_texts[{ qint32(kind), value }];
    if (!selector.isValid()) {
        switch (kind) {
        case SelectorType::Type:
            selector = makeSelector<SelectorType::Type>(value);
            break;
        case SelectorType::Id:
            selector = makeSelector<SelectorType::Id>(value);
            break;
        case SelectorType::Hint:
            selector = makeSelector<SelectorType::Hint>(value);
            break;
        case SelectorType::AttributeExists:
            selector = makeSelector<SelectorType::AttributeExists>(value);
            break;
        default:
            break;
        }
    }
    return selector;
}

Selector SelectorModelPool::state(qint32 value)
{
    Selector& selector = m_states[value];
    if (!selector.isValid()) {
        selector = makeSelector<SelectorType::State>(Element::State(value));
    }
    return selector;
}

Selector SelectorModelPool::substring(const QString& key, const QString& value)
{
    Selector& selector = m_substrings[{ key, value }];
    if (!selector.isValid()) {
        selector = makeSelector<SelectorType::AttributeSubstringMatch>(std::pair<QString, QString>(key, value));
    }
    return selector;
}

Selector SelectorModelPool::empty(SelectorType kind)
{
    Selector& selector = m_empty[qint32(kind)];
    if (!selector.isValid()) {
        switch (kind) {
        case SelectorType::AnyElement:
            selector = makeSelector<SelectorType::AnyElement>(detail::Empty {});
            break;
        case SelectorType::Child:
            selector = makeSelector<SelectorType::Child>(detail::Empty {});
            break;
        case SelectorType::Descendant:
            selector = makeSelector<SelectorType::Descendant>(detail::Empty {});
            break;
        default:
            break;
        }
    }
    return selector;
}

void readSelectorList(detail::ByteReader& reader, SelectorList& list, SelectorModelPool& pool)
{
    const qint64 count = reader.read<qint64>();
    // Every selector takes at least its kind.
    if (reader.ok() && (count < 0 || count > reader.left() / qint64(sizeof(qint32)))) {
        reader.fail(QDataStream::ReadCorruptData);
    }
    if (!reader.ok()) {
        return;
    }
    list.reserve(list.size() + qsizetype(count));
    for (qint64 i = 0; i < count && reader.ok(); ++i) {
        const qint32 kind = reader.read<qint32>();
        if (!reader.ok()) {
            break;
        }
        Selector selector;
        switch (kind) {
        case 0:
            list.append(Selector());
            continue;
        case qint32(SelectorType::Type):
        case qint32(SelectorType::Id):
        case qint32(SelectorType::Hint):
        case qint32(SelectorType::AttributeExists): {
            QString text;
            reader.readString(text);
            if (reader.ok()) {
                selector = pool.text(SelectorType(kind), text);
            }
            break;
        }
        case qint32(SelectorType::State): {
            const qint32 value = reader.read<qint32>();
            if (reader.ok()) {
                selector = pool.state(value);
            }
            break;
        }
        case qint32(SelectorType::AttributeEquals): {
            std::pair<QString, QVariant> data;
            reader.readString(data.first);
            reader.withStream([&](QDataStream& stream) { detail::readVariant(stream, data.second); });
            if (reader.ok()) {
                selector = makeSelector<SelectorType::AttributeEquals>(std::move(data));
            }
            break;
        }
        case qint32(SelectorType::AttributeSubstringMatch): {
            QString key;
            QString value;
            reader.readString(key);
            reader.readString(value);
            if (reader.ok()) {
                selector = pool.substring(key, value);
            }
            break;
        }
        case qint32(SelectorType::AnyElement):
        case qint32(SelectorType::Child):
        case qint32(SelectorType::Descendant):
            selector = pool.empty(SelectorType(kind));
            break;
        default:
            reader.fail(QDataStream::ReadCorruptData);
            return;
        }
        if (!selector.isValid()) {
            break;
        }
        list.append(selector);
    }
}

QDataStream& operator>>(QDataStream& stream, SelectorList& list)
{
    readSelectorList(stream, list, UnknownSelectorKinds::Skip);
    return stream;
}

void readSelectorList(QDataStream& stream, SelectorList& list, UnknownSelectorKinds unknownKinds)
{
    qint64 count = 0;
    stream >> count;
    if (unknownKinds == UnknownSelectorKinds::Reject && stream.status() == QDataStream::Ok) {
        // Every selector takes at least its kind.
        const QIODevice* device = stream.device();
        if (count < 0 || !device || count > device->bytesAvailable() / qint64(sizeof(qint32))) {
            stream.setStatus(QDataStream::ReadCorruptData);
            return;
        }
    }
    // The count is not trusted: a corrupt one must neither reserve memory nor
    // keep the loop going once the stream has run dry.
    for (qint64 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        qint32 kind = 0;
        stream >> kind;
        if (stream.status() != QDataStream::Ok) {
            break;
        }
        Selector selector;
        switch (kind) {
        case 0:
            list.append(Selector());
            continue;
        case qint32(SelectorType::Type):
            selector = readSelector<SelectorType::Type>(stream);
            break;
        case qint32(SelectorType::Id):
            selector = readSelector<SelectorType::Id>(stream);
            break;
        case qint32(SelectorType::State):
            selector = readSelector<SelectorType::State>(stream);
            break;
        case qint32(SelectorType::Hint):
            selector = readSelector<SelectorType::Hint>(stream);
            break;
        case qint32(SelectorType::AttributeExists):
            selector = readSelector<SelectorType::AttributeExists>(stream);
            break;
        case qint32(SelectorType::AttributeEquals):
            selector = readSelector<SelectorType::AttributeEquals>(stream);
            break;
        case qint32(SelectorType::AttributeSubstringMatch):
            selector = readSelector<SelectorType::AttributeSubstringMatch>(stream);
            break;
        case qint32(SelectorType::AnyElement):
            selector = makeSelector<SelectorType::AnyElement>(detail::Empty {});
            break;
        case qint32(SelectorType::Child):
            selector = makeSelector<SelectorType::Child>(detail::Empty {});
            break;
        case qint32(SelectorType::Descendant):
            selector = makeSelector<SelectorType::Descendant>(detail::Empty {});
            break;
        default:
            if (unknownKinds == UnknownSelectorKinds::Reject) {
                stream.setStatus(QDataStream::ReadCorruptData);
                return;
            }
            // Unknown kind: no data to skip, nothing appended.
            continue;
        }
        if (!selector.isValid()) {
            break;
        }
        list.append(selector);
    }
}

} // namespace Quilt
