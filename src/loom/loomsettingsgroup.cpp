#include "loomsettingsgroup.h"

LoomSettingsGroup::LoomSettingsGroup(std::shared_ptr<const LoomSettingsFile> settings, const QString& name)
    : m_settings(std::move(settings))
    , m_name(name)
{ }

QString LoomSettingsGroup::name() const
{
    return m_name;
}

std::shared_ptr<const LoomSettingsFile> LoomSettingsGroup::config() const
{
    return m_settings;
}

bool LoomSettingsGroup::exists() const
{
    return m_settings && m_settings->hasGroup(m_name);
}

bool LoomSettingsGroup::hasKey(const char* key) const
{
    return readText(key).has_value();
}

QByteArrayList LoomSettingsGroup::keyList() const
{
    return m_settings ? m_settings->entries(m_name).keys() : QByteArrayList();
}

std::optional<QString> LoomSettingsGroup::readText(const char* key) const
{
    if (!m_settings || !key) {
        return std::nullopt;
    }
    return m_settings->value(m_name, QByteArray(key));
}

bool LoomSettingsGroup::readEntry(const char* key, bool defaultValue) const
{
    const auto text = readText(key);
    if (!text) {
        return defaultValue;
    }
    const QString value = text->toLower();
    if (value == u"true" || value == u"yes" || value == u"on" || value == u"1") {
        return true;
    }
    if (value == u"false" || value == u"no" || value == u"off" || value == u"0") {
        return false;
    }
    return defaultValue;
}

int LoomSettingsGroup::readEntry(const char* key, int defaultValue) const
{
    const auto text = readText(key);
    bool ok = false;
    const int value = text ? text->toInt(&ok) : 0;
    return ok ? value : defaultValue;
}

double LoomSettingsGroup::readEntry(const char* key, double defaultValue) const
{
    const auto text = readText(key);
    bool ok = false;
    const double value = text ? text->toDouble(&ok) : 0.0;
    return ok ? value : defaultValue;
}

QString LoomSettingsGroup::readEntry(const char* key, const QString& defaultValue) const
{
    return readText(key).value_or(defaultValue);
}

QString LoomSettingsGroup::readEntry(const char* key, const char* defaultValue) const
{
    return readEntry(key, QString::fromUtf8(defaultValue));
}
