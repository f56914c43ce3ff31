#include "pathmetatype.h"

#include <QByteArray>

QDataStream& operator<<(QDataStream& stream, const std::filesystem::path& path)
{
    const std::string& text = path.native();
    // Never a null array: an empty path is written as an empty one.
    return stream << QByteArray(text.data(), qsizetype(text.size()));
}

QDataStream& operator>>(QDataStream& stream, std::filesystem::path& path)
{
    QByteArray text;
    stream >> text;
    path = text.toStdString();
    return stream;
}

namespace
{
// A QVariant read from a stream finds its type by name, so the type must be
// known to the meta-type system before any stream is read.
const int pathMetaTypeId = qRegisterMetaType<std::filesystem::path>("std::filesystem::path");
} // namespace
