#include "fallbackplatformplugin_p.h"

namespace Quilt
{
FallbackPlatformPlugin::FallbackPlatformPlugin()
    : PlatformPlugin(nullptr)
{ }

FallbackPlatformPlugin::~FallbackPlatformPlugin() = default;

QString FallbackPlatformPlugin::defaultStyleName() const
{
    return QString(fallbackStyleName);
}
} // namespace Quilt
