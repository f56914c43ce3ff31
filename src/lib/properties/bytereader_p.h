#pragma once

// A reader of QDataStream's big-endian form (stream version 6.7, double
// precision) straight from a byte array: it reads exactly the bytes that
// QDataStream's own readers would, and fails where they would, without their
// per-field device calls. Values whose form belongs to Qt (fonts, URLs,
// variants) are handed to Qt's readers over the bytes left.

#include <QByteArray>
#include <QDataStream>
#include <QIODevice>
#include <QString>
#include <QtEndian>

#include <bit>
#include <cstring>

namespace Quilt::detail
{
class ByteReader
{
public:
    ByteReader(const QByteArray& bytes, qint64 position)
        : m_bytes(bytes)
        , m_data(bytes.constData())
        , m_size(bytes.size())
        , m_position(position)
    {
        if (position < 0 || position > m_size) {
            fail(QDataStream::ReadPastEnd);
        }
    }

    bool ok() const { return m_status == QDataStream::Ok; }
    QDataStream::Status status() const { return m_status; }
    // The first failure is the one that counts, as with QDataStream.
    void fail(QDataStream::Status status)
    {
        if (m_status == QDataStream::Ok) {
            m_status = status;
        }
        m_position = m_size;
    }

    qint64 position() const { return m_position; }
    qint64 left() const { return m_size - m_position; }
    bool atEnd() const { return m_position >= m_size; }
    const QByteArray& bytes() const { return m_bytes; }
    QByteArrayView span(qint64 from, qint64 to) const { return QByteArrayView(m_data + from, to - from); }

    // Back to a position read before, to read the same bytes again.
    void rewind(qint64 position)
    {
        if (ok() && position >= 0 && position <= m_position) {
            m_position = position;
        }
    }

    bool skip(qint64 length)
    {
        if (!ok() || length < 0 || length > left()) {
            fail(QDataStream::ReadPastEnd);
            return false;
        }
        m_position += length;
        return true;
    }

    template<typename T> T read()
    {
        if (!ok() || left() < qint64(sizeof(T))) {
            fail(QDataStream::ReadPastEnd);
            return T(0);
        }
        const T value = qFromBigEndian<T>(m_data + m_position);
        m_position += qint64(sizeof(T));
        return value;
    }

    bool readBool() { return read<qint8>() != 0; }

    double readDouble() { return std::bit_cast<double>(read<quint64>()); }

    // The size in front of a string, byte array or container: -1 for Qt's null
    // marker, a 64-bit size after the extended marker.
    qint64 readSize()
    {
        const quint32 first = read<quint32>();
        if (first == 0xffffffffu) {
            return -1;
        }
        if (first == 0xfffffffeu) {
            return read<qint64>();
        }
        return first;
    }

    // A QString: its length in bytes (-1 for the null string), then UTF-16.
    void readString(QString& text)
    {
        const qint64 length = readStringLength();
        if (!ok()) {
            text.clear();
            return;
        }
        if (length < 0) {
            text = QString();
            return;
        }
        if (length == 0) {
            text = QString(QLatin1StringView(""));
            return;
        }
        QString result(qsizetype(length / 2), Qt::Uninitialized);
        qFromBigEndian<char16_t>(m_data + m_position, result.size(), result.data());
        m_position += length;
        text = std::move(result);
    }

    void skipString()
    {
        const qint64 length = readStringLength();
        if (ok() && length > 0) {
            m_position += length;
        }
    }

    // A QByteArray: its length (-1 for the null array), then the bytes.
    void readByteArray(QByteArray& bytes)
    {
        const qint64 length = readByteArrayLength();
        if (!ok()) {
            bytes.clear();
            return;
        }
        if (length < 0) {
            bytes = QByteArray();
            return;
        }
        bytes = QByteArray(m_data + m_position, qsizetype(length));
        m_position += length;
    }

    void skipByteArray()
    {
        const qint64 length = readByteArrayLength();
        if (ok() && length > 0) {
            m_position += length;
        }
    }

    // Hands the bytes left to a QDataStream of the cache's version, for
    // Qt's own readers, and moves past what it read.
    template<typename F> void withStream(F&& read)
    {
        if (!ok()) {
            return;
        }
        const QByteArray rest = QByteArray::fromRawData(m_data + m_position, qsizetype(left()));
        QDataStream stream(rest);
        stream.setVersion(QDataStream::Qt_6_7);
        read(stream);
        if (stream.status() != QDataStream::Ok) {
            fail(stream.status());
            return;
        }
        m_position += stream.device()->pos();
    }

private:
    qint64 readStringLength()
    {
        const qint64 length = readSize();
        if (!ok()) {
            return 0;
        }
        if (length < -1) {
            fail(QDataStream::SizeLimitExceeded);
            return 0;
        }
        if (length > 0 && (length & 1)) {
            fail(QDataStream::ReadCorruptData);
            return 0;
        }
        if (length > left()) {
            fail(QDataStream::ReadPastEnd);
            return 0;
        }
        return length;
    }

    qint64 readByteArrayLength()
    {
        const qint64 length = readSize();
        if (!ok()) {
            return 0;
        }
        if (length < -1) {
            fail(QDataStream::SizeLimitExceeded);
            return 0;
        }
        if (length > left()) {
            fail(QDataStream::ReadPastEnd);
            return 0;
        }
        return length;
    }

    // Keeps the bytes alive for as long as the reader looks at them.
    QByteArray m_bytes;
    const char* m_data;
    qint64 m_size;
    qint64 m_position;
    QDataStream::Status m_status = QDataStream::Ok;
};
} // namespace Quilt::detail
