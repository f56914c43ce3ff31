#pragma once

#include <QByteArray>
#include <QMap>
#include <QString>
#include <QTemporaryDir>

namespace QuiltTest
{
// Points the XDG data, cache and configuration folders at a temporary folder
// for the life of the object, so that a test never sees the user's styles or
// caches and never writes into them.
class TemporaryXdg
{
public:
    TemporaryXdg();
    ~TemporaryXdg();

    bool isValid() const;
    QString path() const;
    QString dataHome() const; // XDG_DATA_HOME
    QString cacheHome() const; // XDG_CACHE_HOME
    QString configHome() const; // XDG_CONFIG_HOME
    // The folder `quilt/styles` below the data home, created on demand.
    QString stylesFolder() const;

private:
    QTemporaryDir m_dir;
    QByteArray m_saved[4];
};

// Writes `contents` to `path`, creating the folders on the way.
bool writeFile(const QString& path, const QByteArray& contents);

// Writes the style package `<folder>/<id>`: its metadata.json, its `contents`
// folder and `files` (paths relative to the package folder). Returns the
// package folder, empty on failure.
QString writePackage(const QString& folder, const QString& id, const QByteArray& metadata,
                     const QMap<QString, QByteArray>& files = {});
} // namespace QuiltTest
