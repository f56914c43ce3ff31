#include "testplatformplugin.h"

#include <QStandardPaths>

QString TestPlatformPlugin::defaultStyleName() const
{
    return QStringLiteral(QUILT_TEST_DEFAULT_STYLE);
}

bool TestPlatformPlugin::smoothScroll() const
{
    return m_smoothScroll;
}

double TestPlatformPlugin::animationSpeedMultiplier() const
{
    return m_animationSpeedMultiplier;
}

void TestPlatformPlugin::setSmoothScroll(bool smooth)
{
    if (smooth != m_smoothScroll) {
        m_smoothScroll = smooth;
        Q_EMIT smoothScrollChanged();
    }
}

void TestPlatformPlugin::setAnimationSpeedMultiplier(double multiplier)
{
    if (multiplier != m_animationSpeedMultiplier) {
        m_animationSpeedMultiplier = multiplier;
        Q_EMIT animationSpeedMultiplierChanged();
        sendAnimationSpeedMultiplierChangedEvent();
    }
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
