#pragma once

#include <QIcon>
#include <QStringList>

namespace QuiltTest
{
// No icon theme at all, nor a fallback one: the symbols drawn are the
// style's own, whatever the machine has installed.
inline void clearIconTheme()
{
    QIcon::setThemeSearchPaths({});
    QIcon::setFallbackSearchPaths({});
    QIcon::setThemeName(QString());
    QIcon::setFallbackThemeName(QString());
}
} // namespace QuiltTest
