#pragma once

#include "platformplugin.h"
#include "quiltglobal.h"

#include <QLatin1StringView>

namespace Quilt
{
// The style that stands in when nothing names another: the fallback
// platform's default and the last resort for the default style.
inline constexpr QLatin1StringView fallbackStyleName("halcyon");

// The platform plug-in of a desktop that no platform plug-in serves: every
// default of the interface, and the fallback style.
class QUILT_TESTS_EXPORT FallbackPlatformPlugin : public PlatformPlugin
{
public:
    FallbackPlatformPlugin();
    ~FallbackPlatformPlugin() override;

    QString defaultStyleName() const override;
};
} // namespace Quilt
