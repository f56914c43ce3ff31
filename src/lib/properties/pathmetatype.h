#pragma once

#include "quiltglobal.h"

#include <QDataStream>
#include <QMetaType>

#include <filesystem>

// File-system paths travel in QVariants (selectors carry them) and in the
// stream form of the image group. Their stream form is a QByteArray of the
// path's native text. The operators live in the global namespace, that of
// QDataStream, where argument-dependent lookup finds them; std may not be
// extended.
QUILT_EXPORT QDataStream& operator<<(QDataStream& stream, const std::filesystem::path& path);
QUILT_EXPORT QDataStream& operator>>(QDataStream& stream, std::filesystem::path& path);

Q_DECLARE_METATYPE(std::filesystem::path)
