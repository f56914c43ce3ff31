#pragma once

#include "quiltglobal.h"

#include <QJsonObject>
#include <QObject>
#include <QString>

#include <filesystem>
#include <memory>

namespace Quilt
{
namespace detail
{
class PluginRegistryBase;
}

class PluginPrivate;

// Base of every object that a plug-in file of libQuilt hands out. The registry
// that loaded the object records where it came from; objects made any other
// way keep these fields empty.
class QUILT_EXPORT Plugin : public QObject
{
    Q_OBJECT

public:
    explicit Plugin(QObject* parent = nullptr);
    ~Plugin() override;

    // The plug-in file, as the registry found it.
    std::filesystem::path path() const;
    // `quilt-plugintype` of the file's metadata.
    QString type() const;
    // `quilt-pluginname` of the file's metadata.
    QString name() const;
    // The file's whole `MetaData` object.
    QJsonObject metadata() const;

private:
    friend class detail::PluginRegistryBase;

    std::unique_ptr<PluginPrivate> d;
};
} // namespace Quilt
