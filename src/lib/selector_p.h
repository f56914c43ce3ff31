#pragma once

#include "selector.h"

#include <QDataStream>

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
class SelectorAccess
{
public:
    // The value of a Type, Id or Hint selector whose model is libQuilt's own
    // template; null for any other selector.
    static const QString* text(const Selector& selector);
};
} // namespace detail
} // namespace Quilt
