#include "colorprovider.h"
#include "colorprovider_p.h"

#include "logging_p.h"
#include "pluginregistry.h"

#include <QDebug>
#include <QHash>
#include <QJsonObject>
#include <QPointer>

#include <memory>

namespace Quilt
{
namespace
{
using ColorProviderRegistry = PluginRegistry<ColorProvider>;

// Process-wide, used from the GUI thread only, kept until exit.
struct CustomColorState
{
    // Providers by name: registered ones and plug-ins already found. Weak
    // pointers, so that a registered provider that goes away before its name
    // is registered again falls back to the plug-ins instead of dangling.
    QHash<QString, QPointer<ColorProvider>> providers;
    std::shared_ptr<ColorProviderRegistry> registry;
};

CustomColorState& state()
{
    static CustomColorState instance;
    return instance;
}
} // namespace

ColorProvider::ColorProvider(QObject* parent)
    : Plugin(parent)
{ }

ColorProvider::~ColorProvider() = default;

void ColorProvider::registerProvider(const QString& name, ColorProvider* provider)
{
    state().providers.insert(name, provider);
}

void ensureColorProviderRegistry()
{
    CustomColorState& custom = state();
    if (!custom.registry) {
        custom.registry = std::make_shared<ColorProviderRegistry>(QStringLiteral("colorprovider"), QJsonObject());
    }
}

std::optional<Rgba> resolveCustomColor(const QString& source, const QStringList& arguments)
{
    CustomColorState& custom = state();
    ColorProvider* provider = custom.providers.value(source);
    if (!provider) {
        // Every custom colour has made the registry; this only guards against
        // one that was built some other way.
        ensureColorProviderRegistry();
        provider = custom.registry->plugin(source);
        if (!provider) {
            qCWarning(lcGeneral) << "No provider" << source << "found";
            return std::nullopt;
        }
        custom.providers.insert(source, provider);
    }
    return provider->resolveColor(arguments);
}
} // namespace Quilt
