#include "streamreaders_p.h"

#include "color.h"
#include "pathmetatype.h"

#include <QBuffer>
#include <QFont>
#include <QtEndian>
#include <QVariant>

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

    // A QString or QByteArray: its length in bytes, then the bytes.
    bool skipString(qint64& offset)
    {
        qint64 length = 0;
        if (!readSize(offset, length)) {
            return false;
        }
        return length < 0 || skip(offset, length);
    }

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
    qint64 families = 0;
    if (!ahead.readCount(offset, families, 4)) {
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

// Types whose stream form holds no element count that Qt would reserve for.
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
    case QMetaType::QUrl:
        return true;
    default:
        return false;
    }
}

// Type names are short; anything longer is not a name.
constexpr qint64 MaxTypeNameLength = 256;

bool variantIsSafe(QDataStream& stream)
{
    Lookahead ahead(stream);
    qint64 offset = 0;
    quint32 id = 0;
    if (!ahead.readUInt32(offset, id)) {
        return false;
    }
    if (id != QMetaType::User) {
        return isSafeBuiltinType(id);
    }
    // A type outside Qt's own: the null flag, then the type's name.
    QByteArray name;
    if (!ahead.skip(offset, 1) || !ahead.readBytes(offset, name, MaxTypeNameLength)) {
        return false;
    }
    const QMetaType type = QMetaType::fromName(name);
    return type.isValid()
        && (type == QMetaType::fromType<Color>() || type == QMetaType::fromType<std::filesystem::path>());
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

void readVariant(QDataStream& stream, QVariant& value)
{
    if (stream.status() != QDataStream::Ok) {
        return;
    }
    if (!variantIsSafe(stream)) {
        stream.setStatus(QDataStream::ReadCorruptData);
        return;
    }
    stream >> value;
}

} // namespace Quilt::detail
