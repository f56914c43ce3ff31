#include "inputplugin.h"
#include "inputplugin_p.h"

#include "logging_p.h"
#include "pluginregistry.h"

#include <QHash>
#include <QJsonObject>

namespace Quilt
{
namespace
{
// Lives until exit; deleting the table deletes the plug-in objects that only
// it holds. Their libraries stay loaded until Qt's own cleanup, which runs
// after this.
struct InputPluginTable
{
    QHash<QString, std::shared_ptr<InputPlugin>> plugins;
    std::unique_ptr<PluginRegistry<InputPlugin>> registry;
};

InputPluginTable& table()
{
    static InputPluginTable instance;
    return instance;
}

// Scanned on first use: the library paths are only final once the
// application exists.
PluginRegistry<InputPlugin>& registry()
{
    InputPluginTable& t = table();
    if (!t.registry) {
        t.registry = std::make_unique<PluginRegistry<InputPlugin>>(QStringLiteral("input"), QJsonObject());
    }
    return *t.registry;
}
} // namespace

QStringList availableInputTypes()
{
    QStringList types = table().plugins.keys();
    if (!qEnvironmentVariableIsSet("QUILT_DISABLE_INPUT_PLUGINS")) {
        for (const PluginEntry& entry : registry().entries()) {
            types.append(entry.name);
        }
    }
    types.sort();
    types.removeDuplicates();
    return types;
}

InputPlugin::InputPlugin(QObject* parent)
    : Plugin(parent)
{ }

InputPlugin::~InputPlugin() = default;

std::shared_ptr<InputPlugin> InputPlugin::inputPlugin(const QString& type)
{
    static const bool pluginsDisabled = qEnvironmentVariableIsSet("QUILT_DISABLE_INPUT_PLUGINS");

    InputPluginTable& t = table();
    const auto it = t.plugins.constFind(type);
    if (it != t.plugins.constEnd() && it.value()) {
        return it.value();
    }
    if (pluginsDisabled) {
        return nullptr;
    }
    InputPlugin* plugin = registry().plugin(type);
    if (!plugin) {
        return nullptr;
    }
    std::shared_ptr<InputPlugin> shared(plugin);
    t.plugins.insert(type, shared);
    return shared;
}

void InputPlugin::addInputType(const QString& type, std::shared_ptr<InputPlugin> plugin)
{
    InputPluginTable& t = table();
    if (t.plugins.contains(type)) {
        qCWarning(lcGeneral) << "Input type" << type << "already exits";
        return;
    }
    t.plugins.insert(type, std::move(plugin));
}
} // namespace Quilt
