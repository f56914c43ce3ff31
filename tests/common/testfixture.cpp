#include "testfixture.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace QuiltTest
{
namespace
{
const char* const variables[] = { "XDG_DATA_HOME", "XDG_CACHE_HOME", "XDG_CONFIG_HOME", "XDG_DATA_DIRS" };
}

TemporaryXdg::TemporaryXdg()
{
    for (int i = 0; i < 4; ++i) {
        m_saved[i] = qgetenv(variables[i]);
    }
    qputenv("XDG_DATA_HOME", QFile::encodeName(dataHome()));
    qputenv("XDG_CACHE_HOME", QFile::encodeName(cacheHome()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configHome()));
    // Keep installed data (the default style sheet of the build tree) visible
    // but add nothing of the user's.
    QDir().mkpath(dataHome());
    QDir().mkpath(cacheHome());
    QDir().mkpath(configHome());
}

TemporaryXdg::~TemporaryXdg()
{
    for (int i = 0; i < 4; ++i) {
        if (m_saved[i].isNull()) {
            qunsetenv(variables[i]);
        } else {
            qputenv(variables[i], m_saved[i]);
        }
    }
}

bool TemporaryXdg::isValid() const
{
    return m_dir.isValid();
}

QString TemporaryXdg::path() const
{
    return m_dir.path();
}

QString TemporaryXdg::dataHome() const
{
    return m_dir.filePath(QStringLiteral("data"));
}

QString TemporaryXdg::cacheHome() const
{
    return m_dir.filePath(QStringLiteral("cache"));
}

QString TemporaryXdg::configHome() const
{
    return m_dir.filePath(QStringLiteral("config"));
}

QString TemporaryXdg::stylesFolder() const
{
    const QString folder = dataHome() + QStringLiteral("/quilt/styles");
    QDir().mkpath(folder);
    return folder;
}

bool writeFile(const QString& path, const QByteArray& contents)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        return false;
    }
    return file.write(contents) == contents.size() && file.flush();
}

QString writePackage(const QString& folder, const QString& id, const QByteArray& metadata,
                     const QMap<QString, QByteArray>& files)
{
    const QString package = folder + QLatin1Char('/') + id;
    if (!writeFile(package + QStringLiteral("/metadata.json"), metadata)
        || !QDir().mkpath(package + QStringLiteral("/contents"))) {
        return QString();
    }
    for (auto it = files.constBegin(); it != files.constEnd(); ++it) {
        if (!writeFile(package + QLatin1Char('/') + it.key(), it.value())) {
            return QString();
        }
    }
    return package;
}
} // namespace QuiltTest
