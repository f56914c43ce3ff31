#pragma once

#include "loomsettingsgroup.h"

#include <QColor>

namespace LoomSettingsGui
{
// A colour stored as "#rrggbb", "#aarrggbb", a colour name or "r,g,b[,a]"
// with channels from 0 to 255; anything else gives the default.
QColor readColor(const LoomSettingsGroup& group, const char* key, const QColor& defaultValue);
// The same text turned into a colour; invalid when it is none.
QColor parseColor(const QString& text);
} // namespace LoomSettingsGui
