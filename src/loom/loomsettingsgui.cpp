#include "loomsettingsgui.h"

namespace LoomSettingsGui
{
QColor parseColor(const QString& text)
{
    const QString trimmed = text.trimmed();
    if (trimmed.contains(u',')) {
        const QStringList parts = trimmed.split(u',');
        if (parts.size() != 3 && parts.size() != 4) {
            return QColor();
        }
        int channels[4] = { 0, 0, 0, 255 };
        for (qsizetype i = 0; i < parts.size(); ++i) {
            bool ok = false;
            channels[i] = parts.at(i).trimmed().toInt(&ok);
            if (!ok || channels[i] < 0 || channels[i] > 255) {
                return QColor();
            }
        }
        return QColor(channels[0], channels[1], channels[2], channels[3]);
    }
    return QColor::fromString(trimmed);
}

QColor readColor(const LoomSettingsGroup& group, const char* key, const QColor& defaultValue)
{
    const auto text = group.readText(key);
    if (!text) {
        return defaultValue;
    }
    const QColor color = parseColor(*text);
    return color.isValid() ? color : defaultValue;
}
} // namespace LoomSettingsGui
