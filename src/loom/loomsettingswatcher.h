#pragma once

#include "loomsettingsfile.h"
#include "loomsettingsgroup.h"

#include <QByteArrayList>
#include <QFileSystemWatcher>
#include <QHash>
#include <QMap>
#include <QObject>
#include <QTimer>

#include <memory>

// Follows the files of a settings object: when one of them is written,
// replaced, created or removed, the settings are read again and
// configChanged() reports each group whose keys changed, with the names of
// the keys added, removed or given another value.
class LoomSettingsWatcher : public QObject
{
    Q_OBJECT

public:
    using Ptr = std::shared_ptr<LoomSettingsWatcher>;

    static Ptr create(const LoomSharedSettings::Ptr& settings);
    ~LoomSettingsWatcher() override;

    explicit LoomSettingsWatcher(const LoomSharedSettings::Ptr& settings);

Q_SIGNALS:
    void configChanged(const LoomSettingsGroup& group, const QByteArrayList& names);

private:
    using Snapshot = QHash<QString, QMap<QByteArray, QString>>;

    void watch();
    void rescan();
    Snapshot snapshot() const;

    LoomSharedSettings::Ptr m_settings;
    QFileSystemWatcher m_watcher;
    // Editors write a file in several steps; one read after they settled.
    QTimer m_delay;
    Snapshot m_last;
};
