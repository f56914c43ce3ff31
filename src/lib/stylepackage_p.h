#pragma once

#include <QHash>
#include <QString>
#include <QStringList>
#include <QUrl>

#include <filesystem>
#include <optional>

namespace Quilt
{
class StylePackageMetadata
{
public:
    // By locale name, such as "de_DE"; the plain keys go under "en_US".
    QHash<QString, QString> names;
    QHash<QString, QString> descriptions;
    QString version;
    QString license;
    QUrl url;
    QStringList authors;
    bool hidden = false;
};

class StylePackagePrivate
{
public:
    int error = 0;
    std::filesystem::path path;
    QString inputType;
    std::optional<StylePackageMetadata> metadata;
};
} // namespace Quilt
