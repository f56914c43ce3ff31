#include "styleregistry.h"
#include "styleregistry_p.h"

#include "fallbackplatformplugin_p.h"
#include "inputplugin_p.h"
#include "logging_p.h"
#include "style_p.h"
#include "stylepackage.h"

#include <QCoreApplication>
#include <QGuiApplication>
#include <QJsonArray>
#include <QJsonObject>
#include <QStandardPaths>
#include <QStringList>

#include <algorithm>

using namespace Qt::StringLiterals;

namespace Quilt
{
namespace
{
namespace fs = std::filesystem;

std::shared_ptr<StyleRegistry> s_instance;

bool containsIgnoringCase(const QJsonArray& array, const QString& value)
{
    return std::any_of(array.begin(), array.end(), [&value](const QJsonValue& element) {
        return element.toString().compare(value, Qt::CaseInsensitive) == 0;
    });
}

bool servesSession(const QJsonArray& sessions, const QStringList& sessionNames)
{
    if (sessions.isEmpty()) {
        return true;
    }
    return std::any_of(sessionNames.begin(), sessionNames.end(),
                       [&sessions](const QString& name) { return containsIgnoringCase(sessions, name); });
}

// The registry keeps a plain pointer to what it loaded and never deletes it;
// the platform plug-in is ours to delete from here on.
std::shared_ptr<PlatformPlugin> adopt(PlatformPlugin* plugin)
{
    return std::shared_ptr<PlatformPlugin>(plugin);
}

std::shared_ptr<PlatformPlugin> choosePlatform(PluginRegistry<PlatformPlugin>& registry)
{
    const QString forced = qEnvironmentVariable("QUILT_FORCE_PLATFORM");
    if (!forced.isEmpty()) {
        if (PlatformPlugin* plugin = registry.plugin(forced)) {
            return adopt(plugin);
        }
    }

    const QString platformName = QGuiApplication::platformName();
    if (platformName.isEmpty()) {
        return std::make_shared<FallbackPlatformPlugin>();
    }

    const QStringList sessionNames = qEnvironmentVariable("XDG_CURRENT_DESKTOP").split(u':');
    for (const PluginEntry& entry : registry.entries()) {
        if (!containsIgnoringCase(entry.metadata.value("quilt-supported-platforms"_L1).toArray(), platformName)
            || !servesSession(entry.metadata.value("quilt-supported-sessions"_L1).toArray(), sessionNames)) {
            continue;
        }
        if (PlatformPlugin* plugin = registry.plugin(entry.name)) {
            return adopt(plugin);
        }
    }

    // Most desktops have no plug-in of their own, so the fallback is the usual case, not a fault.
    qCDebug(lcGeneral) << "Could not find a supported platform plugin for platform" << platformName
                       << "and session names" << sessionNames;
    qCDebug(lcGeneral) << "Creating a default fallback platform plugin";
    return std::make_shared<FallbackPlatformPlugin>();
}

// A style that is not found, or found but not readable for want of its input
// plug-in, looks the same from outside: say where styles and plug-ins were
// looked for, and what turned up.
void reportSearch(const PlatformPlugin* platform)
{
    if (!lcGeneral().isDebugEnabled()) {
        return;
    }
    QStringList searched;
    for (const QString& location : QStandardPaths::standardLocations(QStandardPaths::GenericDataLocation)) {
        searched.append(location + u"/quilt/styles"_s);
    }
    QStringList found;
    if (platform) {
        for (const fs::path& path : platform->stylePackagePaths()) {
            found.append(QString::fromStdString(path.string()));
        }
    }
    QStringList pluginFolders;
    for (const QString& path : QCoreApplication::libraryPaths()) {
        pluginFolders.append(path + u"/quilt"_s);
    }
    const QString none = u"none"_s;
    qCDebug(lcGeneral).noquote() << u"Searching for styles in %1 (existing: %2)"_s.arg(
        searched.join(u", "_s), found.isEmpty() ? none : found.join(u", "_s));
    const QStringList types = availableInputTypes();
    qCDebug(lcGeneral).noquote() << u"Input plug-ins found: %1 (searched in %2)"_s.arg(
        types.isEmpty() ? none : types.join(u", "_s), pluginFolders.isEmpty() ? none : pluginFolders.join(u", "_s));
}
} // namespace

std::shared_ptr<StyleRegistry> StyleRegistry::instance()
{
    if (s_instance) {
        return s_instance;
    }
    auto dd = std::make_unique<StyleRegistryPrivate>();
    dd->platformRegistry = std::make_shared<PluginRegistry<PlatformPlugin>>(u"platform"_s, QJsonObject());
    s_instance = std::make_shared<StyleRegistry>(std::move(dd));
    return s_instance;
}

StyleRegistry::StyleRegistry(std::unique_ptr<StyleRegistryPrivate>&& dd)
    : QObject(nullptr)
    , d(std::move(dd))
{
    qAddPostRoutine(&StyleRegistry::cleanup);
    d->platform = choosePlatform(*d->platformRegistry);
    d->packageHandler = std::make_shared<PackageHandler>(d->platform);
}

StyleRegistry::~StyleRegistry() = default;

void StyleRegistry::load()
{
    if (!d->cache) {
        d->cache = std::make_unique<StyleCache>();
        reportSearch(d->platform.get());
    }
}

std::shared_ptr<Style> StyleRegistry::defaultStyle()
{
    static const QString nameFromEnvironment = qEnvironmentVariable("QUILT_STYLE_NAME");

    QString name = nameFromEnvironment;
    if (name.isEmpty() && d->platform) {
        name = d->platform->defaultStyleName();
    }
    if (std::shared_ptr<Style> found = style(name)) {
        return found;
    }
    return style(QString(fallbackStyleName));
}

std::shared_ptr<Style> StyleRegistry::style(const QString& name)
{
    for (const std::shared_ptr<Style>& registered : std::as_const(d->styles)) {
        if (registered->id() == name) {
            return registered;
        }
    }
    if (d->failedStyles.contains(name) || !d->cache || !d->packageHandler) {
        return nullptr;
    }

    const StylePackage package = d->packageHandler->package(name);
    if (!package.isValid()) {
        qCWarning(lcGeneral) << "Could not find style" << name;
        d->failedStyles.insert(name);
        return nullptr;
    }

    const fs::path path = package.path();
    if (d->cache->hasCacheFile(path)) {
        if (std::unique_ptr<StylePrivate> restored = d->cache->restore(path)) {
            auto style = std::make_shared<Style>(std::move(restored));
            d->styles.insert(path, style);
            qCDebug(lcGeneral) << "Loaded style" << name << "from cached data";
            return style;
        }
    }

    std::shared_ptr<Style> style = package.load();
    if (style && style->load()) {
        d->styles.insert(path, style);
        qCDebug(lcGeneral) << "Loaded style" << name << "from" << QString::fromStdString(path.string());
        return style;
    }
    qCWarning(lcGeneral) << "Style" << name << "failed to load";
    return nullptr;
}

void StyleRegistry::addStyle(const std::shared_ptr<Style>& style)
{
    if (!style) {
        return;
    }
    const fs::path path = style->path();
    if (d->styles.contains(path)) {
        qCWarning(lcGeneral) << "A style with path" << QString::fromStdString(path.string()) << "is already registered";
        return;
    }
    d->styles.insert(path, style);
}

std::shared_ptr<PlatformPlugin> StyleRegistry::platform() const
{
    return d->platform;
}

std::shared_ptr<PackageHandler> StyleRegistry::packageHandler() const
{
    return d->packageHandler;
}

void StyleRegistry::save()
{
    if (!d->cache) {
        return;
    }
    for (const std::shared_ptr<Style>& style : std::as_const(d->styles)) {
        const StylePrivate& data = StylePrivate::get(*style);
        if (data.loadedFromSource) {
            d->cache->save(data);
        }
    }
}

void StyleRegistry::cleanup()
{
    const std::shared_ptr<StyleRegistry> registry = instance();
    registry->save();
    registry->d->styles.clear();
    registry->d->packageHandler.reset();
    registry->d->platform.reset();
    registry->d->platformRegistry.reset();
}
} // namespace Quilt
