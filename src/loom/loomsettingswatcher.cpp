#include "loomsettingswatcher.h"

#include <QDir>
#include <QFileInfo>
#include <QSet>

#include <algorithm>

LoomSettingsWatcher::Ptr LoomSettingsWatcher::create(const LoomSharedSettings::Ptr& settings)
{
    return std::make_shared<LoomSettingsWatcher>(settings);
}

LoomSettingsWatcher::LoomSettingsWatcher(const LoomSharedSettings::Ptr& settings)
    : m_settings(settings)
{
    m_delay.setSingleShot(true);
    m_delay.setInterval(20);
    connect(&m_delay, &QTimer::timeout, this, &LoomSettingsWatcher::rescan);
    connect(&m_watcher, &QFileSystemWatcher::fileChanged, &m_delay, qOverload<>(&QTimer::start));
    connect(&m_watcher, &QFileSystemWatcher::directoryChanged, &m_delay, qOverload<>(&QTimer::start));
    m_last = snapshot();
    watch();
}

LoomSettingsWatcher::~LoomSettingsWatcher() = default;

void LoomSettingsWatcher::watch()
{
    if (!m_settings) {
        return;
    }
    QStringList paths;
    for (const QString& file : m_settings->candidateFiles()) {
        if (QFileInfo(file).isFile()) {
            paths.append(file);
        }
        // A file that is replaced or created shows in its folder; a folder
        // that does not exist yet shows in the nearest one that does.
        QDir folder = QFileInfo(file).dir();
        while (!folder.exists() && !folder.isRoot()) {
            if (!folder.cdUp()) {
                break;
            }
        }
        paths.append(folder.absolutePath());
    }
    paths.removeDuplicates();
    const QStringList watched = m_watcher.files() + m_watcher.directories();
    QStringList added;
    for (const QString& path : std::as_const(paths)) {
        if (!watched.contains(path)) {
            added.append(path);
        }
    }
    if (!added.isEmpty()) {
        m_watcher.addPaths(added);
    }
}

LoomSettingsWatcher::Snapshot LoomSettingsWatcher::snapshot() const
{
    Snapshot groups;
    if (m_settings) {
        for (const QString& group : m_settings->groupList()) {
            groups.insert(group, m_settings->entries(group));
        }
    }
    return groups;
}

void LoomSettingsWatcher::rescan()
{
    if (!m_settings) {
        return;
    }
    m_settings->reparseConfiguration();
    watch();
    const Snapshot current = snapshot();
    const Snapshot previous = std::exchange(m_last, current);

    QStringList groups = current.keys() + previous.keys();
    groups.removeDuplicates();
    std::sort(groups.begin(), groups.end());
    for (const QString& group : std::as_const(groups)) {
        const QMap<QByteArray, QString> before = previous.value(group);
        const QMap<QByteArray, QString> after = current.value(group);
        QByteArrayList names;
        for (auto it = after.cbegin(); it != after.cend(); ++it) {
            const auto old = before.constFind(it.key());
            if (old == before.cend() || *old != it.value()) {
                names.append(it.key());
            }
        }
        for (auto it = before.cbegin(); it != before.cend(); ++it) {
            if (!after.contains(it.key())) {
                names.append(it.key());
            }
        }
        if (!names.isEmpty()) {
            std::sort(names.begin(), names.end());
            Q_EMIT configChanged(LoomSettingsGroup(m_settings, group), names);
        }
    }
}
