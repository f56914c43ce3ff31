#pragma once

#include <QJsonObject>
#include <QString>

#include <filesystem>

namespace Quilt
{
class PluginPrivate
{
public:
    std::filesystem::path path;
    QString type;
    QString name;
    QJsonObject metadata;
};
} // namespace Quilt
