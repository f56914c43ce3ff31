#pragma once

#include "packagehandler.h"
#include "platformplugin.h"
#include "pluginregistry.h"
#include "style.h"
#include "stylecache_p.h"

#include <QHash>
#include <QSet>
#include <QString>

#include <filesystem>
#include <memory>

namespace Quilt
{
class StyleRegistryPrivate
{
public:
    // Null until StyleRegistry::load().
    std::unique_ptr<StyleCache> cache;
    // By package path.
    QHash<std::filesystem::path, std::shared_ptr<Style>> styles;
    // Names whose package was not found; never looked for again.
    QSet<QString> failedStyles;
    std::shared_ptr<PluginRegistry<PlatformPlugin>> platformRegistry;
    std::shared_ptr<PlatformPlugin> platform;
    std::shared_ptr<PackageHandler> packageHandler;
};
} // namespace Quilt
