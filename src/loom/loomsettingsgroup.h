#pragma once

#include "loomsettingsfile.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <memory>

// One group of a settings file. Reads convert the stored text to the type of
// the default; a key that is absent, or whose text does not convert, gives
// the default.
class LoomSettingsGroup
{
public:
    // A group of no settings: every read gives the default.
    LoomSettingsGroup() = default;
    LoomSettingsGroup(std::shared_ptr<const LoomSettingsFile> settings, const QString& name);

    QString name() const;
    std::shared_ptr<const LoomSettingsFile> config() const;

    bool exists() const;
    bool hasKey(const char* key) const;
    QByteArrayList keyList() const;

    // "true", "yes", "on", "1" and "false", "no", "off", "0", in any case.
    bool readEntry(const char* key, bool defaultValue) const;
    int readEntry(const char* key, int defaultValue) const;
    // Numbers in the C locale; "nan" and "inf" are numbers too.
    double readEntry(const char* key, double defaultValue) const;
    QString readEntry(const char* key, const QString& defaultValue) const;
    QString readEntry(const char* key, const char* defaultValue) const;
    // The raw text, absent when the key is.
    std::optional<QString> readText(const char* key) const;

private:
    std::shared_ptr<const LoomSettingsFile> m_settings;
    QString m_name;
};
