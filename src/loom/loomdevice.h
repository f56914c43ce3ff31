#pragma once

#include <QStringList>

namespace LoomDevice
{
// The environment variable that names the device's runtime platforms,
// separated by ':' (for example "phone").
inline constexpr char runtimePlatformVariable[] = "LOOM_RUNTIME_PLATFORM";

// The runtime platforms of the device, read anew at each call; empty
// entries are left out.
QStringList runtimePlatform();
} // namespace LoomDevice
