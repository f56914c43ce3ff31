#include "iconnames_p.h"

#include "platformplugin.h"

#include <QColor>

namespace Quilt
{
QString commonIconName(const QString& name)
{
    // The sideways arrows name literal directions: "start" and "end" as
    // themes draw them left to right.
    static const struct
    {
        QLatin1StringView own;
        QLatin1StringView common;
    } twins[] = {
        { QLatin1StringView("arrow-up-symbolic"), QLatin1StringView("pan-up-symbolic") },
        { QLatin1StringView("arrow-down-symbolic"), QLatin1StringView("pan-down-symbolic") },
        { QLatin1StringView("arrow-left-symbolic"), QLatin1StringView("pan-start-symbolic") },
        { QLatin1StringView("arrow-right-symbolic"), QLatin1StringView("pan-end-symbolic") },
        { QLatin1StringView("spinbox-increase"), QLatin1StringView("list-add-symbolic") },
        { QLatin1StringView("spinbox-decrease"), QLatin1StringView("list-remove-symbolic") },
    };
    for (const auto& twin : twins) {
        if (name == twin.own) {
            return QString(twin.common);
        }
    }
    return {};
}

QIcon platformIconOrTwin(const PlatformPlugin* platform, const QString& name, const QColor& color)
{
    const auto lookup = [&](const QString& candidate) {
        return platform ? platform->platformIcon(candidate, color) : QIcon::fromTheme(candidate);
    };
    QIcon icon = lookup(name);
    if (icon.isNull()) {
        if (const QString common = commonIconName(name); !common.isEmpty()) {
            icon = lookup(common);
        }
    }
    return icon;
}
} // namespace Quilt
