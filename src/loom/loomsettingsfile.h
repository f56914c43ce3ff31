#pragma once

#include <QByteArray>
#include <QFlags>
#include <QHash>
#include <QMap>
#include <QStandardPaths>
#include <QString>
#include <QStringList>

#include <memory>
#include <optional>

// Settings read from INI files: "[Group]" lines open a group, "key=value"
// lines set a key of it, lines that begin with '#' or ';' are comments.
// Keys are compared exactly; a later file, and a later line, wins.
class LoomSettingsFile
{
public:
    enum OpenFlag
    {
        SimpleConfig = 0x0,
        // Read the default file under a named one, so that what the named file
        // lacks comes from the desktop-wide settings.
        IncludeGlobals = 0x1,
        // Read the file of that name from every folder of the location, the
        // user's folder last, so that it overrides the system's.
        CascadeConfig = 0x2,
        FullConfig = IncludeGlobals | CascadeConfig,
    };
    Q_DECLARE_FLAGS(OpenFlags, OpenFlag)

    // The name of the default file, used for an empty file name.
    static QString defaultFileName();
    // The files that a settings object of these arguments reads.
    static QStringList filesFor(const QString& fileName, OpenFlags flags, QStandardPaths::StandardLocation location);

    // An absolute `fileName` is that file alone; a relative one (or the empty
    // one, the default file) is looked up in the folders of `location`.
    LoomSettingsFile(const QString& fileName, OpenFlags flags, QStandardPaths::StandardLocation location);
    virtual ~LoomSettingsFile();

    LoomSettingsFile(const LoomSettingsFile&) = delete;
    LoomSettingsFile& operator=(const LoomSettingsFile&) = delete;

    // The file name as given.
    QString name() const;
    // Every file that is read when it exists, the one of lowest priority
    // first.
    QStringList candidateFiles() const;

    // Reads the files again; later reads see what they hold now.
    void reparseConfiguration();

    QStringList groupList() const;
    bool hasGroup(const QString& group) const;
    std::optional<QString> value(const QString& group, const QByteArray& key) const;
    QMap<QByteArray, QString> entries(const QString& group) const;

private:
    QString m_name;
    QStringList m_files;
    QHash<QString, QMap<QByteArray, QString>> m_groups;
};

Q_DECLARE_OPERATORS_FOR_FLAGS(LoomSettingsFile::OpenFlags)

// A settings file shared by everyone who opens the same files: a reparse
// through one handle is seen through all.
class LoomSharedSettings : public LoomSettingsFile
{
public:
    using Ptr = std::shared_ptr<LoomSharedSettings>;

    static Ptr openConfig(const QString& fileName = QString(), OpenFlags flags = FullConfig,
                          QStandardPaths::StandardLocation location = QStandardPaths::GenericConfigLocation);

    LoomSharedSettings(const QString& fileName, OpenFlags flags, QStandardPaths::StandardLocation location);
    ~LoomSharedSettings() override;
};
