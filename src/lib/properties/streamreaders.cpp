#include "streamreaders_p.h"

#include "bytereader_p.h"
#include "color.h"
#include "pathmetatype.h"

#include <QBuffer>
#include <QFont>
#include <QtEndian>
#include <QVariant>

#include <array>
#include <type_traits>

namespace Quilt::detail
{
namespace
{
// Qt's size markers in front of a container or string, from stream version
// 6.7 on: the null string, and a 64-bit count that follows.
constexpr quint32 NullMarker = 0xffffffffu;
constexpr quint32 ExtendedMarker = 0xfffffffeu;

// The bytes of the stream that have not been read yet, without reading them.
// A QBuffer (every stream over a QByteArray) is looked at in place; any other
// device is peeked once.
class Lookahead
{
public:
    explicit Lookahead(QDataStream& stream)
        : m_version(stream.version())
        , m_bigEndian(stream.byteOrder() == QDataStream::BigEndian)
    {
        QIODevice* device = stream.device();
        if (!device) {
            return;
        }
        if (auto* buffer = qobject_cast<QBuffer*>(device)) {
            const QByteArray& data = buffer->data();
            const qint64 position = buffer->pos();
            if (position >= 0 && position <= data.size()) {
                m_data = data.constData() + position;
                m_size = data.size() - position;
            }
            return;
        }
        m_copy = device->peek(device->bytesAvailable());
        m_data = m_copy.constData();
        m_size = m_copy.size();
    }

    qint64 left(qint64 offset) const { return m_size - offset; }

    bool skip(qint64& offset, qint64 length)
    {
        if (length < 0 || length > left(offset)) {
            return false;
        }
        offset += length;
        return true;
    }

    bool readUInt32(qint64& offset, quint32& value)
    {
        if (left(offset) < 4) {
            return false;
        }
        value = m_bigEndian ? qFromBigEndian<quint32>(m_data + offset) : qFromLittleEndian<quint32>(m_data + offset);
        offset += 4;
        return true;
    }

    bool readInt64(qint64& offset, qint64& value)
    {
        if (left(offset) < 8) {
            return false;
        }
        value = m_bigEndian ? qFromBigEndian<qint64>(m_data + offset) : qFromLittleEndian<qint64>(m_data + offset);
        offset += 8;
        return true;
    }

    // The size in front of a string, a byte array or a container; -1 for the
    // null marker.
    bool readSize(qint64& offset, qint64& size)
    {
        quint32 first = 0;
        if (!readUInt32(offset, first)) {
            return false;
        }
        if (first == NullMarker) {
            size = -1;
            return true;
        }
        if (first == ExtendedMarker && m_version >= QDataStream::Qt_6_7) {
            return readInt64(offset, size) && size >= 0;
        }
        size = first;
        return true;
    }

    // A QString: its length in bytes, then UTF-16. Qt refuses an odd length
    // after reading the length alone and goes on reading the fields after it
    // from the string's bytes, so such a string must not pass here either.
    bool skipString(qint64& offset)
    {
        qint64 length = 0;
        if (!readSize(offset, length)) {
            return false;
        }
        return length < 0 || (length % 2 == 0 && skip(offset, length));
    }

    // A QByteArray: its length, then the bytes; any length is whole.
    bool readBytes(qint64& offset, QByteArray& bytes, qint64 maxLength)
    {
        qint64 length = 0;
        if (!readSize(offset, length) || length < 0 || length > maxLength || length > left(offset)) {
            return false;
        }
        bytes = QByteArray(m_data + offset, length);
        offset += length;
        return true;
    }

    // A container count that must fit into the bytes left, each element taking
    // at least minElementSize bytes.
    bool readCount(qint64& offset, qint64& count, qint64 minElementSize)
    {
        return readSize(offset, count) && count >= 0 && count <= left(offset) / minElementSize;
    }

private:
    QByteArray m_copy;
    const char* m_data = nullptr;
    qint64 m_size = 0;
    int m_version;
    bool m_bigEndian;
};

// A QFont at stream version 6.7: family and style name (strings), 31 bytes
// of sizes, hints and flags, the family list, the feature table (tag and
// value, 4 bytes each) and the variable axes (tag and a floating-point value).
// Qt keeps the form of a given stream version fixed.
constexpr qint64 FontFixedBytes = 31;

bool fontFits(QDataStream& stream)
{
    Lookahead ahead(stream);
    qint64 offset = 0;
    if (!ahead.skipString(offset) || !ahead.skipString(offset) || !ahead.skip(offset, FontFixedBytes)) {
        return false;
    }
    // Qt writes the first family on its own; a font without one has nothing
    // to write there and does not survive being saved again.
    qint64 families = 0;
    if (!ahead.readCount(offset, families, 4) || families == 0) {
        return false;
    }
    for (qint64 i = 0; i < families; ++i) {
        if (!ahead.skipString(offset)) {
            return false;
        }
    }
    const qint64 floatSize = stream.floatingPointPrecision() == QDataStream::DoublePrecision ? 8 : 4;
    qint64 features = 0;
    if (!ahead.readCount(offset, features, 8) || !ahead.skip(offset, features * 8)) {
        return false;
    }
    qint64 axes = 0;
    return ahead.readCount(offset, axes, 4 + floatSize) && ahead.skip(offset, axes * (4 + floatSize));
}

// Types whose stream form holds no element count that Qt would reserve room
// for: fixed forms, strings and byte arrays (which Qt reads in bounded steps),
// and forms whose counts Qt caps itself.
bool isSafeBuiltinType(quint32 id)
{
    switch (id) {
    case QMetaType::UnknownType: // the invalid variant: no data follows
    case QMetaType::Bool:
    case QMetaType::Int:
    case QMetaType::UInt:
    case QMetaType::LongLong:
    case QMetaType::ULongLong:
    case QMetaType::Double:
    case QMetaType::Float:
    case QMetaType::Long:
    case QMetaType::ULong:
    case QMetaType::Short:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
    case QMetaType::QChar:
    case QMetaType::QString:
    case QMetaType::QByteArray:
    case QMetaType::QBitArray:
    case QMetaType::QUrl:
    case QMetaType::QUuid:
    case QMetaType::QDate:
    case QMetaType::QTime:
    case QMetaType::QDateTime:
    case QMetaType::QLocale:
    case QMetaType::QRegularExpression:
    case QMetaType::QPoint:
    case QMetaType::QPointF:
    case QMetaType::QSize:
    case QMetaType::QSizeF:
    case QMetaType::QRect:
    case QMetaType::QRectF:
    case QMetaType::QLine:
    case QMetaType::QLineF:
    case QMetaType::QJsonValue:
    case QMetaType::QJsonObject:
    case QMetaType::QJsonArray:
    case QMetaType::QJsonDocument:
    case QMetaType::QColor:
    case QMetaType::QKeySequence:
    case QMetaType::QSizePolicy:
    case QMetaType::QTransform:
    case QMetaType::QMatrix4x4:
    case QMetaType::QVector2D:
    case QMetaType::QVector3D:
    case QMetaType::QVector4D:
    case QMetaType::QQuaternion:
        return true;
    default:
        return false;
    }
}

// Type names are short; anything longer is not a name.
constexpr qint64 MaxTypeNameLength = 256;
// Variants inside variants: deeper than any value a selector holds.
constexpr int MaxVariantDepth = 32;

// The smallest stream form of a string (its length) and of a variant (its
// type id and null flag).
constexpr qint64 MinStringSize = 4;
constexpr qint64 MinVariantSize = 5;

// What lies ahead of a variant's data: its type, and for a type written by
// name, the name and the size of the header.
struct VariantHead
{
    quint32 id = QMetaType::UnknownType;
    bool byName = false;
    QByteArray name;
    qint64 size = 5;
};

bool peekVariantHead(QDataStream& stream, VariantHead& head)
{
    Lookahead ahead(stream);
    qint64 offset = 0;
    if (!ahead.readUInt32(offset, head.id)) {
        return false;
    }
    if (head.id != QMetaType::User) {
        return true;
    }
    // The null flag, then the type's name.
    if (!ahead.skip(offset, 1) || !ahead.readBytes(offset, head.name, MaxTypeNameLength)) {
        return false;
    }
    head.byName = true;
    head.size = offset;
    const QMetaType type = QMetaType::fromName(head.name);
    head.id = type.isValid() ? quint32(type.id()) : quint32(QMetaType::UnknownType);
    return type.isValid();
}

// A sequence or associative container of Qt's over one plain element type,
// such as QList<int>: its count is checked, its elements are not.
bool isFlatContainerName(QByteArrayView name)
{
    static constexpr std::array<QByteArrayView, 6> templates
        = { "QList<", "QSet<", "QMap<", "QHash<", "QMultiMap<", "QMultiHash<" };
    for (const QByteArrayView prefix : templates) {
        if (name.startsWith(prefix)) {
            const QByteArrayView arguments = name.sliced(prefix.size());
            return !arguments.contains('<');
        }
    }
    return false;
}

// A container count ahead that the bytes left can hold.
bool containerFits(QDataStream& stream, qint64 headerSize, qint64 minElementSize)
{
    Lookahead ahead(stream);
    qint64 offset = 0;
    qint64 count = 0;
    return ahead.skip(offset, headerSize) && ahead.readCount(offset, count, minElementSize);
}

// The count in front of a container, once containerFits() has vouched for it.
qint64 readCount(QDataStream& stream)
{
    quint32 first = 0;
    stream >> first;
    if (first == ExtendedMarker && stream.version() >= QDataStream::Qt_6_7) {
        qint64 count = 0;
        stream >> count;
        return count;
    }
    return first;
}

void readVariantAt(QDataStream& stream, QVariant& value, int depth);

// A variant of variants: read element by element, so that each element's
// counts are checked as well.
template<typename Container> void readVariantContainer(QDataStream& stream, QVariant& value, int depth)
{
    constexpr bool keyed = !std::is_same_v<Container, QVariantList>;
    const qint64 minElementSize = keyed ? MinStringSize + MinVariantSize : MinVariantSize;
    // The type id and the null flag come first.
    if (!containerFits(stream, 5, minElementSize)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    quint32 id = 0;
    qint8 isNull = 0;
    stream >> id >> isNull;
    const qint64 count = readCount(stream);
    Container container;
    for (qint64 i = 0; i < count && stream.status() == QDataStream::Ok; ++i) {
        QString key;
        if constexpr (keyed) {
            stream >> key;
        }
        QVariant element;
        readVariantAt(stream, element, depth + 1);
        if (stream.status() != QDataStream::Ok) {
            return;
        }
        if constexpr (keyed) {
            container.insert(key, element);
        } else {
            container.append(element);
        }
    }
    value = QVariant::fromValue(std::move(container));
}

void readVariantAt(QDataStream& stream, QVariant& value, int depth)
{
    if (stream.status() != QDataStream::Ok) {
        return;
    }
    VariantHead head;
    if (depth > MaxVariantDepth || !peekVariantHead(stream, head)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    if (head.byName) {
        // Qt's own types are written by id; one of them by name is only read
        // when nothing in its form needs checking.
        bool known = false;
        if (head.id < QMetaType::User) {
            known = isSafeBuiltinType(head.id);
        } else if (isFlatContainerName(head.name)) {
            known = containerFits(stream, head.size, 1);
        } else {
            // A type of libQuilt's or of a plug-in's, registered with its
            // stream operators: its own reader answers for its form.
            known = QMetaType(int(head.id)).hasRegisteredDataStreamOperators();
        }
        if (!known) {
            stream.setStatus(QDataStream::ReadCorruptData);
            return;
        }
        stream >> value;
        return;
    }
    switch (head.id) {
    case QMetaType::QVariantList:
        readVariantContainer<QVariantList>(stream, value, depth);
        return;
    case QMetaType::QVariantMap:
        readVariantContainer<QVariantMap>(stream, value, depth);
        return;
    case QMetaType::QVariantHash:
        readVariantContainer<QVariantHash>(stream, value, depth);
        return;
    case QMetaType::QVariantPair: {
        quint32 typeId = 0;
        qint8 isNull = 0;
        stream >> typeId >> isNull;
        QVariant first;
        QVariant second;
        readVariantAt(stream, first, depth + 1);
        readVariantAt(stream, second, depth + 1);
        if (stream.status() == QDataStream::Ok) {
            value = QVariant::fromValue(QVariantPair(first, second));
        }
        return;
    }
    case QMetaType::QStringList:
    case QMetaType::QByteArrayList:
        // Strings and byte arrays are read in bounded steps; only the count
        // needs a check.
        if (!containerFits(stream, 5, MinStringSize)) {
            stream.setStatus(QDataStream::ReadCorruptData);
            return;
        }
        stream >> value;
        return;
    case QMetaType::QFont: {
        quint32 typeId = 0;
        qint8 isNull = 0;
        stream >> typeId >> isNull;
        QFont font;
        readFont(stream, font);
        if (stream.status() == QDataStream::Ok) {
            value = QVariant::fromValue(font);
        }
        return;
    }
    default:
        if (!isSafeBuiltinType(head.id)) {
            stream.setStatus(QDataStream::ReadCorruptData);
            return;
        }
        stream >> value;
        return;
    }
}

} // namespace

void readFont(QDataStream& stream, QFont& font)
{
    if (stream.status() != QDataStream::Ok) {
        return;
    }
    if (stream.version() == QDataStream::Qt_6_7 && !fontFits(stream)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    stream >> font;
}

void skipFont(ByteReader& reader)
{
    // The form fontFits() checks before Qt reads it.
    reader.skipString();
    reader.skipString();
    reader.skip(FontFixedBytes);
    const auto count = [&](qint64 minElementSize) -> qint64 {
        const qint64 value = reader.readSize();
        if (reader.ok() && (value < 0 || value > reader.left() / minElementSize)) {
            reader.fail(QDataStream::ReadCorruptData);
        }
        return reader.ok() ? value : 0;
    };
    const qint64 families = count(4);
    if (reader.ok() && families == 0) {
        reader.fail(QDataStream::ReadCorruptData);
    }
    for (qint64 i = 0; i < families && reader.ok(); ++i) {
        reader.skipString();
    }
    const qint64 features = count(8);
    reader.skip(features * 8);
    // Variable axes: a tag and a double.
    const qint64 axes = count(12);
    reader.skip(axes * 12);
}

void readVariant(QDataStream& stream, QVariant& value)
{
    readVariantAt(stream, value, 0);
}

} // namespace Quilt::detail
