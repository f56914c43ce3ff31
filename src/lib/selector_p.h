#pragma once

#include "selector.h"

#include <QDataStream>
#include <QHash>

#include <utility>

namespace Quilt
{
// What a selector list reader does with a kind it does not know. The plain
// stream operator skips it; a reader of stored data that must come back whole
// rejects it, since nothing after it can be read in step.
enum class UnknownSelectorKinds
{
    Skip,
    Reject,
};

// The stream operator is this reader with Skip. With Reject, an unknown kind
// and a count that the bytes left cannot hold fail the stream with
// ReadCorruptData.
void readSelectorList(QDataStream& stream, SelectorList& list, UnknownSelectorKinds unknownKinds);

namespace detail
{
class ByteReader;
}

// The models read from one file, by kind and value: selectors that say the
// same share one model.
class SelectorModelPool
{
public:
    Selector text(SelectorType kind, const QString& value);
    Selector state(qint32 value);
    Selector substring(const QString& key, const QString& value);
    Selector empty(SelectorType kind);

private:
    QHash<std::pair<qint32, QString>, Selector> m_texts;
    QHash<qint32, Selector> m_states;
    QHash<std::pair<QString, QString>, Selector> m_substrings;
    QHash<qint32, Selector> m_empty;
};

// The stored reader of the style cache: readSelectorList() with Reject, from
// the file's bytes.
void readSelectorList(detail::ByteReader& reader, SelectorList& list, SelectorModelPool& pool);

namespace detail
{
class SelectorAccess
{
public:
    // The value of a Type, Id or Hint selector whose model is libQuilt's own
    // template; null for any other selector.
    static const QString* text(const Selector& selector);
};
} // namespace detail
} // namespace Quilt
