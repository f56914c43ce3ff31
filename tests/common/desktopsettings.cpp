#include "desktopsettings.h"

#include <QDir>
#include <QFile>

namespace QuiltTest
{
QString desktopSettingsPath(const TemporaryXdg& xdg)
{
    return QDir(xdg.configHome()).filePath(QStringLiteral("loomglobals"));
}

bool writeDesktopSettings(const TemporaryXdg& xdg, const QByteArray& contents)
{
    return writeFile(desktopSettingsPath(xdg), contents);
}

void isolateSystemSettings(const TemporaryXdg& xdg)
{
    const QString folder = xdg.path() + QStringLiteral("/system-config");
    QDir().mkpath(folder);
    qputenv("XDG_CONFIG_DIRS", QFile::encodeName(folder));
}

PrivateSessionBus::PrivateSessionBus()
    : m_saved(qgetenv("DBUS_SESSION_BUS_ADDRESS"))
{
    m_daemon.start(QStringLiteral("dbus-daemon"),
                   { QStringLiteral("--session"), QStringLiteral("--nofork"), QStringLiteral("--print-address") });
    if (!m_daemon.waitForStarted(10000)) {
        return;
    }
    while (!m_daemon.canReadLine() && m_daemon.waitForReadyRead(10000)) { }
    m_address = QString::fromUtf8(m_daemon.readLine()).trimmed();
    if (!m_address.isEmpty()) {
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_address.toUtf8());
    }
}

PrivateSessionBus::~PrivateSessionBus()
{
    if (m_saved.isNull()) {
        qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    } else {
        qputenv("DBUS_SESSION_BUS_ADDRESS", m_saved);
    }
    if (m_daemon.state() != QProcess::NotRunning) {
        m_daemon.terminate();
        if (!m_daemon.waitForFinished(5000)) {
            m_daemon.kill();
            m_daemon.waitForFinished(5000);
        }
    }
}

bool PrivateSessionBus::isRunning() const
{
    return m_daemon.state() == QProcess::Running && !m_address.isEmpty();
}

QString PrivateSessionBus::address() const
{
    return m_address;
}
} // namespace QuiltTest
