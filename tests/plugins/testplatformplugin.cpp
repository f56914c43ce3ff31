#include "testplatformplugin.h"

#include <QStandardPaths>

QIcon TestPlatformPlugin::platformIcon(const QString& name, const QColor& color) const
{
    m_lastIconName = name;
    m_lastIconColor = color;
    return PlatformPlugin::platformIcon(name, color);
}

double TestPlatformPlugin::animationSpeedMultiplier() const
{
    bool ok = false;
    const double speed = qEnvironmentVariable("QUILT_TEST_ANIMATION_SPEED").toDouble(&ok);
    return ok ? speed : 1.0;
}

QString TestPlatformPlugin::defaultStyleName() const
{
    return QStringLiteral(QUILT_TEST_DEFAULT_STYLE);
}

#if defined(QUILT_TEST_PACKAGE_FOLDER)
QList<std::filesystem::path> TestPlatformPlugin::stylePackagePaths() const
{
    return { stylePackageInstallPath() };
}

std::filesystem::path TestPlatformPlugin::stylePackageInstallPath() const
{
    return std::filesystem::path(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString())
        / QUILT_TEST_PACKAGE_FOLDER;
}
#endif
