#include "pluginregistry.h"

#include "logging_p.h"
#include "plugin_p.h"

#include <QCoreApplication>
#include <QDebug>
#include <QPluginLoader>

#include <filesystem>
#include <system_error>

namespace Quilt
{
namespace
{
constexpr QLatin1StringView metaDataKey("MetaData");
constexpr QLatin1StringView typeKey("quilt-plugintype");
constexpr QLatin1StringView nameKey("quilt-pluginname");

QJsonObject quiltMetadata(const QPluginLoader& loader)
{
    return loader.metaData().value(metaDataKey).toObject();
}
} // namespace

namespace detail
{
class PluginRegistryBasePrivate
{
public:
    QString type;
    QJsonObject criteria;
    QList<PluginEntry> entries;
};

PluginRegistryBase::PluginRegistryBase(const QString& type, const QJsonObject& criteria)
    : d(std::make_unique<PluginRegistryBasePrivate>())
{
    d->type = type;
    d->criteria = criteria;

    namespace fs = std::filesystem;
    const QStringList libraryPaths = QCoreApplication::libraryPaths();
    for (const QString& libraryPath : libraryPaths) {
        const fs::path folder = fs::path(libraryPath.toStdString()) / "quilt";
        std::error_code error;
        if (!fs::is_directory(folder, error)) {
            continue;
        }
        // An unreadable folder, or one that fails half-way, simply contributes
        // what was read before the failure.
        for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
            const std::string path = it->path().string();
            const QPluginLoader loader(QString::fromUtf8(path));
            const QJsonObject metadata = quiltMetadata(loader);
            if (metadata.value(typeKey).toString() == d->type && matchesCriteria(metadata)) {
                d->entries.append(PluginEntry { path, metadata.value(nameKey).toString(), metadata });
            }
        }
    }
}

PluginRegistryBase::~PluginRegistryBase() = default;

QString PluginRegistryBase::type() const
{
    return d->type;
}

QJsonObject PluginRegistryBase::criteria() const
{
    return d->criteria;
}

const QList<PluginEntry>& PluginRegistryBase::entries() const
{
    return d->entries;
}

std::optional<PluginEntry> PluginRegistryBase::findEntry(const QString& name) const
{
    for (const PluginEntry& entry : d->entries) {
        if (entry.name == name) {
            return entry;
        }
    }
    return std::nullopt;
}

bool PluginRegistryBase::matchesCriteria(const QJsonObject& metadata) const
{
    if (metadata.isEmpty()) {
        return false;
    }
    for (auto it = d->criteria.constBegin(); it != d->criteria.constEnd(); ++it) {
        const auto found = metadata.constFind(it.key());
        if (found == metadata.constEnd() || found.value() != it.value()) {
            return false;
        }
    }
    return true;
}

PluginRegistryBase::LoadedInstance PluginRegistryBase::loadInstance(const std::string& path) const
{
    const QString pathText = QString::fromUtf8(path);
    QPluginLoader loader(pathText);
    const QJsonObject metadata = quiltMetadata(loader);
    const QString type = metadata.value(typeKey).toString();
    const QString name = metadata.value(nameKey).toString();

    if (type != d->type) {
        qCWarning(lcGeneral) << "Tried to load plugin" << name << "from" << pathText << "which does not match type"
                             << qUtf8Printable(d->type);
        return {};
    }
    if (!matchesCriteria(metadata)) {
        qCWarning(lcGeneral) << "Tried to load plugin" << name << "from" << pathText
                             << "which does not match metadata criteria:" << d->criteria;
        return {};
    }
    // The loader goes out of scope below; the library and its root object
    // stay, since nothing unloads them.
    QObject* instance = loader.instance();
    if (!instance) {
        qCWarning(lcGeneral).nospace() << "Failed loading plugin " << name << " from " << pathText << ": "
                                       << loader.errorString();
        return {};
    }
    return LoadedInstance { instance, name, metadata };
}

void PluginRegistryBase::adopt(Plugin* plugin, const std::string& path, const LoadedInstance& loaded) const
{
    plugin->d->path = std::filesystem::path(path);
    plugin->d->type = loaded.metadata.value(typeKey).toString();
    plugin->d->name = loaded.name;
    plugin->d->metadata = loaded.metadata;
    qCDebug(lcGeneral) << "Loaded" << qUtf8Printable(d->type) << "plugin" << loaded.name << "from"
                       << QString::fromUtf8(path);
}

void PluginRegistryBase::warnWrongClass(const std::string& path, const QString& name, const char* interfaceName) const
{
    qCWarning(lcGeneral) << "Tried to load plugin" << name << "from" << QString::fromUtf8(path)
                         << "which does not implement" << interfaceName;
}
} // namespace detail
} // namespace Quilt
