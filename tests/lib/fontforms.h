#pragma once

// Stream forms of a QFont (stream version 6.7, the style cache's) that a
// damaged or hostile cache file may hold, made from the form Qt writes for a
// real font.

#include <QByteArray>
#include <QDataStream>
#include <QFont>
#include <QIODevice>
#include <QtEndian>

namespace FontForms
{
inline QByteArray written(const QFont& font)
{
    QByteArray bytes;
    QDataStream stream(&bytes, QIODevice::WriteOnly);
    stream.setVersion(QDataStream::Qt_6_7);
    stream << font;
    return bytes;
}

// The form in its parts: the family, the style name, the fixed fields (sizes,
// hints and flags), the family list, and the feature table and axes.
struct Parts
{
    QByteArray family;
    QByteArray styleName;
    QByteArray fixed;
    QByteArray families;
    QByteArray rest;

    QByteArray joined() const { return family + styleName + fixed + families + rest; }
};

inline qsizetype stringSize(const QByteArray& bytes, qsizetype at)
{
    const quint32 length = qFromBigEndian<quint32>(bytes.constData() + at);
    return length == 0xffffffffu ? 4 : 4 + qsizetype(length);
}

inline Parts split(const QFont& font)
{
    const QByteArray bytes = written(font);
    Parts parts;
    qsizetype at = 0;
    const auto take = [&](qsizetype size) {
        const QByteArray part = bytes.mid(at, size);
        at += size;
        return part;
    };
    parts.family = take(stringSize(bytes, at));
    parts.styleName = take(stringSize(bytes, at));
    parts.fixed = take(31);
    const quint32 count = qFromBigEndian<quint32>(bytes.constData() + at);
    qsizetype size = 4;
    for (quint32 i = 0; i < count; ++i) {
        size += stringSize(bytes, at + size);
    }
    parts.families = take(size);
    parts.rest = bytes.mid(at);
    return parts;
}

// Qt refuses a string of odd length after reading its length and reads the
// fields after it from the string's bytes. These bytes then read as the
// fields up to a family list of some four billion names, which Qt reserves
// room for; a check that skips the odd string whole sees a sound font behind
// it.
inline QByteArray hugeFamilyList()
{
    return QByteArray(31, '\0') + QByteArray::fromHex("fffffff0");
}

inline QByteArray oddString(const QByteArray& contents)
{
    Q_ASSERT(contents.size() % 2 == 1);
    QByteArray length(4, '\0');
    qToBigEndian(quint32(contents.size()), length.data());
    return length + contents;
}

// The family string of odd length, with a null style name and the fields
// after it inside.
inline QByteArray oddFamily(const QFont& font)
{
    Parts parts = split(font);
    parts.family = oddString(QByteArray::fromHex("ffffffff") + hugeFamilyList());
    return parts.joined();
}

// The style name of odd length, with the fields after it inside.
inline QByteArray oddStyleName(const QFont& font)
{
    Parts parts = split(font);
    parts.styleName = oddString(hugeFamilyList());
    return parts.joined();
}

// A family list of no names.
inline QByteArray noFamily(const QFont& font)
{
    Parts parts = split(font);
    parts.families = QByteArray(4, '\0');
    return parts.joined();
}
} // namespace FontForms
