#pragma once

// Builders of hand-made package files for the tests of the package archive
// and of the style tool: a test can write any header it likes.

#include <QByteArray>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QString>

#include <zlib.h>

#include <algorithm>
#include <cstring>

namespace QuiltTest::Tar
{
inline QByteArray octal(quint64 value, int digits)
{
    return QByteArray::number(value, 8).rightJustified(digits, '0');
}

inline void setField(QByteArray& header, int offset, int width, const QByteArray& value)
{
    std::memcpy(header.data() + offset, value.constData(), size_t(std::min<qsizetype>(value.size(), width)));
}

inline void fixChecksum(QByteArray& header)
{
    setField(header, 148, 8, QByteArray(8, ' '));
    quint64 sum = 0;
    for (char c : std::as_const(header)) {
        sum += static_cast<unsigned char>(c);
    }
    setField(header, 148, 8, octal(sum, 6) + QByteArray("\0 ", 2));
}

// A POSIX ustar header; `sizeField` is written as given.
inline QByteArray tarHeader(const QByteArray& name, char type, const QByteArray& sizeField,
                            const QByteArray& prefix = {})
{
    QByteArray header(512, '\0');
    setField(header, 0, 100, name);
    setField(header, 100, 8, "0000644");
    setField(header, 108, 8, "0001750");
    setField(header, 116, 8, "0001750");
    setField(header, 124, 12, sizeField);
    setField(header, 136, 12, "14371573200");
    header[156] = type;
    setField(header, 257, 8,
             QByteArray("ustar\0"
                        "00",
                        8));
    setField(header, 345, 155, prefix);
    fixChecksum(header);
    return header;
}

inline QByteArray padded(const QByteArray& data)
{
    return data + QByteArray((512 - data.size() % 512) % 512, '\0');
}

inline QByteArray tarFile(const QByteArray& name, const QByteArray& data, char type = '0')
{
    return tarHeader(name, type, octal(quint64(data.size()), 11)) + padded(data);
}

inline QByteArray tarFolder(const QByteArray& name)
{
    return tarHeader(name, '5', octal(0, 11));
}

inline const QByteArray endOfArchive(1024, '\0');

inline QByteArray gzip(const QByteArray& data)
{
    z_stream stream {};
    deflateInit2(&stream, Z_BEST_COMPRESSION, Z_DEFLATED, 15 + 16, 9, Z_DEFAULT_STRATEGY);
    QByteArray out(qsizetype(deflateBound(&stream, uLong(data.size()))), '\0');
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    stream.next_out = reinterpret_cast<Bytef*>(out.data());
    stream.avail_out = uInt(out.size());
    deflate(&stream, Z_FINISH);
    out.resize(qsizetype(stream.total_out));
    deflateEnd(&stream);
    return out;
}

inline QByteArray gunzip(const QByteArray& data)
{
    z_stream stream {};
    inflateInit2(&stream, 15 + 16);
    stream.next_in = reinterpret_cast<Bytef*>(const_cast<char*>(data.constData()));
    stream.avail_in = uInt(data.size());
    QByteArray out;
    char chunk[65536];
    int rc = Z_OK;
    while (rc == Z_OK) {
        stream.next_out = reinterpret_cast<Bytef*>(chunk);
        stream.avail_out = sizeof chunk;
        rc = inflate(&stream, Z_NO_FLUSH);
        out.append(chunk, qsizetype(sizeof chunk - stream.avail_out));
    }
    inflateEnd(&stream);
    return rc == Z_STREAM_END ? out : QByteArray();
}

// Many gzip members of zeros one after the other: a file of a few hundred
// kilobytes that decompresses to `megabytes` MiB.
inline QByteArray zeroBomb(const QByteArray& head, int megabytes)
{
    QByteArray bomb = gzip(head);
    const QByteArray member = gzip(QByteArray(1024 * 1024, '\0'));
    for (int i = 0; i < megabytes; ++i) {
        bomb += member;
    }
    return bomb;
}

// Every file-system entry below `root`: relative path to its kind and contents.
inline QMap<QString, QByteArray> snapshot(const QString& root)
{
    QMap<QString, QByteArray> result;
    QDirIterator it(root, QDir::AllEntries | QDir::NoDotAndDotDot | QDir::Hidden | QDir::System,
                    QDirIterator::Subdirectories);
    while (it.hasNext()) {
        const QFileInfo info = it.nextFileInfo();
        const QString relative = QDir(root).relativeFilePath(info.filePath());
        if (info.isSymLink()) {
            result.insert(relative, "link:" + QFile::encodeName(info.symLinkTarget()));
        } else if (info.isDir()) {
            result.insert(relative, "folder");
        } else if (!info.isFile()) {
            // Opening a FIFO to read it would wait for a writer.
            result.insert(relative, "special");
        } else {
            QFile file(info.filePath());
            if (file.open(QIODevice::ReadOnly)) {
                result.insert(relative, "file:" + file.readAll());
            } else {
                result.insert(relative, "unreadable");
            }
        }
    }
    return result;
}
} // namespace QuiltTest::Tar
