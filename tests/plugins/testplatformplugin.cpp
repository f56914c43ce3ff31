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
    return ok ? speed : m_animationSpeedMultiplier;
}

QString TestPlatformPlugin::defaultStyleName() const
{
    return QStringLiteral(QUILT_TEST_DEFAULT_STYLE);
}

bool TestPlatformPlugin::smoothScroll() const
{
    return m_smoothScroll;
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
