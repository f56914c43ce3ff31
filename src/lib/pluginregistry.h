#pragma once

#include "plugin.h"
#include "quiltglobal.h"

#include <QHash>
#include <QJsonObject>
#include <QList>
#include <QString>

#include <memory>
#include <optional>
#include <string>
#include <type_traits>

namespace Quilt
{
// One plug-in file found by a registry's scan.
struct PluginEntry
{
    std::string path; // in the file-system encoding
    QString name; // `quilt-pluginname`
    QJsonObject metadata; // the file's `MetaData` object
};

namespace detail
{
class PluginRegistryBasePrivate;

// What every registry shares whatever its interface: the scan, the entries and
// the reading of a file up to the point where its root object exists. Kept out
// of the template so that each interface costs only the cast and the table.
class QUILT_EXPORT PluginRegistryBase
{
public:
    PluginRegistryBase(const PluginRegistryBase&) = delete;
    PluginRegistryBase& operator=(const PluginRegistryBase&) = delete;

    QString type() const;
    QJsonObject criteria() const;
    // The matching files: library-path order first, directory order second.
    const QList<PluginEntry>& entries() const;

    // The first entry of that name (compared exactly), if any.
    std::optional<PluginEntry> findEntry(const QString& name) const;
    // False for empty metadata; otherwise true when every criteria key is
    // present in the metadata with an equal value.
    bool matchesCriteria(const QJsonObject& metadata) const;

protected:
    // Scans the folder `quilt` below every library path at once.
    PluginRegistryBase(const QString& type, const QJsonObject& criteria);
    ~PluginRegistryBase();

    struct LoadedInstance
    {
        QObject* instance = nullptr;
        QString name;
        QJsonObject metadata;
    };

    // Reads the file's metadata again and loads its library: a null instance
    // (after a warning) when the file no longer matches or does not load.
    LoadedInstance loadInstance(const std::string& path) const;
    // Records where the object came from, once it is known to be of the
    // registry's interface.
    void adopt(Plugin* plugin, const std::string& path, const LoadedInstance& loaded) const;
    void warnWrongClass(const std::string& path, const QString& name, const char* interfaceName) const;

private:
    std::unique_ptr<PluginRegistryBasePrivate> d;
};
} // namespace detail

// Finds the plug-in files of one type and loads each by name on first request.
// Loaded objects are kept for later requests but never deleted, and their
// libraries are never unloaded: whoever asked owns what it got.
template<typename T> class PluginRegistry : public detail::PluginRegistryBase
{
    static_assert(std::is_base_of_v<Plugin, T>, "a plug-in interface derives from Quilt::Plugin");

public:
    PluginRegistry(const QString& type, const QJsonObject& criteria)
        : PluginRegistryBase(type, criteria)
    { }

    // The plug-in of that name, loaded on first request; null when there is
    // none or it does not load. A failed load is tried again next time.
    T* plugin(const QString& name)
    {
        const auto it = m_loaded.constFind(name);
        if (it != m_loaded.constEnd()) {
            return it.value();
        }
        const std::optional<PluginEntry> entry = findEntry(name);
        if (!entry) {
            return nullptr;
        }
        return load(entry->path);
    }

    T* load(const std::string& path)
    {
        const LoadedInstance loaded = loadInstance(path);
        if (!loaded.instance) {
            return nullptr;
        }
        // A file may declare our type and still carry some other root object;
        // handing that out as a T would be undefined behaviour in the caller.
        T* plugin = qobject_cast<T*>(loaded.instance);
        if (!plugin) {
            warnWrongClass(path, loaded.name, T::staticMetaObject.className());
            return nullptr;
        }
        adopt(plugin, path, loaded);
        m_loaded.insert(loaded.name, plugin);
        return plugin;
    }

private:
    QHash<QString, T*> m_loaded;
};
} // namespace Quilt
