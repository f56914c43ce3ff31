#pragma once

// Readers for Qt values that may come from a damaged or hostile stream (a
// style cache file). Some of Qt's own readers reserve room for whatever
// element count they read, and an absurd count then ends the process instead
// of failing the stream. These readers look at the bytes ahead first and let
// Qt read only what fits into them; otherwise they fail the stream.

#include <QDataStream>

class QFont;
class QVariant;

namespace Quilt::detail
{
// A QFont in Qt's stream form. Checks the element counts inside the form of
// stream version 6.7 (the version of the style cache) against the bytes left;
// streams of other versions are read by Qt alone.
void readFont(QDataStream& stream, QFont& font);

// A QVariant in Qt's stream form. Lists, maps, hashes and pairs of variants
// are read element by element with their counts checked against the bytes
// left, as are string and byte-array lists; types of libQuilt and types that
// their owners registered with stream operators are read by their own
// readers. A built-in type whose form holds a count that Qt would reserve
// room for without a check (images, polygons, regions, ...) fails the stream
// with ReadCorruptData.
void readVariant(QDataStream& stream, QVariant& value);
} // namespace Quilt::detail
