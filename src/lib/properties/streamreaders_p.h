#pragma once

// Readers for Qt values that may come from a damaged or hostile stream (a
// style cache file). Some of Qt's own readers reserve room for whatever
// element count they read, and an absurd count then ends the process instead
// of failing the stream. These readers look at the bytes ahead first and let
// Qt read only what fits into them; otherwise they fail the stream.

#include <QByteArrayView>
#include <QDataStream>
#include <QHash>

class QFont;
class QVariant;

namespace Quilt
{
class Color;
}

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

class ByteReader;

// Colours read from one file, by the bytes of their stored form: equal bytes
// give equal colours, which then share their nodes. The views point into the
// file's bytes, which must outlive the pool.
using ColorPool = QHash<QByteArrayView, Color>;

// A Color in its stream form, read as operator>> reads it; with a pool, a
// colour whose stored bytes were met before is shared instead of built again.
void readColor(ByteReader& reader, Color& color, ColorPool* colors);
// Moves past a stored colour, failing where readColor() fails.
void skipColor(ByteReader& reader);
// Moves past a stored QFont (stream version 6.7), failing where readFont()
// fails.
void skipFont(ByteReader& reader);
} // namespace Quilt::detail
