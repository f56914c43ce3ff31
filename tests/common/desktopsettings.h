#pragma once

#include "testfixture.h"

#include <QByteArray>
#include <QProcess>
#include <QString>

namespace QuiltTest
{
// The desktop's default settings file below the configuration home of `xdg`.
QString desktopSettingsPath(const TemporaryXdg& xdg);
// Writes (or rewrites in place) the desktop's default settings file.
bool writeDesktopSettings(const TemporaryXdg& xdg, const QByteArray& contents);
// Points XDG_CONFIG_DIRS at an empty folder of `xdg`, so that no settings of
// the system take part.
void isolateSystemSettings(const TemporaryXdg& xdg);

// A session bus of the test's own (dbus-daemon), exported through
// DBUS_SESSION_BUS_ADDRESS while it runs; stopped by its process id when
// the object goes.
class PrivateSessionBus
{
public:
    PrivateSessionBus();
    ~PrivateSessionBus();

    bool isRunning() const;
    QString address() const;

private:
    QProcess m_daemon;
    QString m_address;
    QByteArray m_saved;
};
} // namespace QuiltTest
