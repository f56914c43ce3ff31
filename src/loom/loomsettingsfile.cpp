#include "loomsettingsfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>

namespace
{
// Settings files are small; anything larger is not one.
constexpr qint64 maximumFileSize = 1024 * 1024;

QStringList filesInLocation(const QString& fileName, bool cascade, QStandardPaths::StandardLocation location)
{
    QStringList files;
    if (cascade) {
        // standardLocations() lists the writable folder first.
        QStringList folders = QStandardPaths::standardLocations(location);
        std::reverse(folders.begin(), folders.end());
        for (const QString& folder : std::as_const(folders)) {
            files.append(QDir(folder).filePath(fileName));
        }
    } else {
        files.append(QDir(QStandardPaths::writableLocation(location)).filePath(fileName));
    }
    return files;
}

void parseInto(const QByteArray& contents, QHash<QString, QMap<QByteArray, QString>>& groups)
{
    QString group;
    for (const QByteArray& rawLine : contents.split('\n')) {
        const QByteArrayView line = QByteArrayView(rawLine).trimmed();
        if (line.isEmpty() || line.startsWith('#') || line.startsWith(';')) {
            continue;
        }
        if (line.startsWith('[') && line.endsWith(']')) {
            group = QString::fromUtf8(line.sliced(1, line.size() - 2).trimmed());
            groups[group];
            continue;
        }
        const qsizetype equals = line.indexOf('=');
        if (equals <= 0) {
            continue;
        }
        const QByteArray key = line.first(equals).trimmed().toByteArray();
        if (key.isEmpty()) {
            continue;
        }
        groups[group].insert(key, QString::fromUtf8(line.sliced(equals + 1).trimmed()));
    }
}
} // namespace

QString LoomSettingsFile::defaultFileName()
{
    return QStringLiteral("loomglobals");
}

QStringList LoomSettingsFile::filesFor(const QString& fileName, OpenFlags flags,
                                       QStandardPaths::StandardLocation location)
{
    QStringList files;
    const bool cascade = flags.testFlag(CascadeConfig);
    if (flags.testFlag(IncludeGlobals) && !fileName.isEmpty() && fileName != defaultFileName()) {
        files = filesInLocation(defaultFileName(), cascade, location);
    }
    if (QFileInfo(fileName).isAbsolute()) {
        files.append(QDir::cleanPath(fileName));
    } else {
        files.append(filesInLocation(fileName.isEmpty() ? defaultFileName() : fileName, cascade, location));
    }
    return files;
}

LoomSettingsFile::LoomSettingsFile(const QString& fileName, OpenFlags flags, QStandardPaths::StandardLocation location)
    : m_name(fileName)
    , m_files(filesFor(fileName, flags, location))
{
    reparseConfiguration();
}

LoomSettingsFile::~LoomSettingsFile() = default;

QString LoomSettingsFile::name() const
{
    return m_name;
}

QStringList LoomSettingsFile::candidateFiles() const
{
    return m_files;
}

void LoomSettingsFile::reparseConfiguration()
{
    m_groups.clear();
    for (const QString& path : std::as_const(m_files)) {
        const QFileInfo info(path);
        if (!info.isFile() || info.size() > maximumFileSize) {
            continue;
        }
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly)) {
            continue;
        }
        parseInto(file.read(maximumFileSize), m_groups);
    }
}

QStringList LoomSettingsFile::groupList() const
{
    QStringList groups = m_groups.keys();
    groups.sort();
    return groups;
}

bool LoomSettingsFile::hasGroup(const QString& group) const
{
    return m_groups.contains(group);
}

std::optional<QString> LoomSettingsFile::value(const QString& group, const QByteArray& key) const
{
    const auto groupIt = m_groups.constFind(group);
    if (groupIt == m_groups.constEnd()) {
        return std::nullopt;
    }
    const auto it = groupIt->constFind(key);
    if (it == groupIt->constEnd()) {
        return std::nullopt;
    }
    return *it;
}

QMap<QByteArray, QString> LoomSettingsFile::entries(const QString& group) const
{
    return m_groups.value(group);
}

LoomSharedSettings::LoomSharedSettings(const QString& fileName, OpenFlags flags,
                                       QStandardPaths::StandardLocation location)
    : LoomSettingsFile(fileName, flags, location)
{ }

LoomSharedSettings::~LoomSharedSettings() = default;

LoomSharedSettings::Ptr LoomSharedSettings::openConfig(const QString& fileName, OpenFlags flags,
                                                       QStandardPaths::StandardLocation location)
{
    // Handles are shared while someone holds them; the key holds the files
    // themselves, so a changed XDG folder opens new ones.
    static QHash<QString, std::weak_ptr<LoomSharedSettings>> open;
    const QString key = filesFor(fileName, flags, location).join(QChar(0));
    if (auto existing = open.value(key).lock()) {
        return existing;
    }
    open.removeIf([](const auto& entry) { return entry.value().expired(); });
    auto settings = std::make_shared<LoomSharedSettings>(fileName, flags, location);
    open.insert(key, settings);
    return settings;
}
