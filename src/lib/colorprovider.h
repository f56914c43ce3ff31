#pragma once

#include "color.h"
#include "plugin.h"
#include "quiltglobal.h"

#include <QStringList>

#include <optional>

// The interface id that a colour-provider plug-in names in Q_PLUGIN_METADATA.
#define QuiltColorProvider_iid "org.vyr.quilt.ColorProvider"

namespace Quilt
{
// Turns the arguments of a custom colour into an RGBA value. A custom colour
// names its provider; the provider is found among the objects registered with
// registerProvider() first, then among the colour-provider plug-ins.
class QUILT_EXPORT ColorProvider : public Plugin
{
    Q_OBJECT

public:
    explicit ColorProvider(QObject* parent = nullptr);
    ~ColorProvider() override;

    // Called on every resolution of a custom colour of this provider, with the
    // colour's arguments as they are; no value when they name no colour.
    virtual std::optional<Rgba> resolveColor(const QStringList& arguments) = 0;

    // Makes `provider` answer for `name` (compared with regard to case) in
    // place of any earlier registration or plug-in of that name. The caller
    // keeps ownership; a provider that is destroyed, or a null one, leaves the
    // name to the plug-ins again.
    static void registerProvider(const QString& name, ColorProvider* provider);
};
} // namespace Quilt
