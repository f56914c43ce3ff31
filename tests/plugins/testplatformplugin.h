#pragma once

#include "platformplugin.h"

#include <QColor>

// The platform fixture: a fixed default style name and, when built with a
// package folder, that folder below the writable generic data location both
// for finding and for installing packages. The animation speed comes from
// QUILT_TEST_ANIMATION_SPEED at every call when that is set, else from the
// invokable setter, which announces the change as a desktop's plug-in does;
// smooth scrolling is switched the same way. The last icon asked for is kept
// in the properties "lastIconName" and "lastIconColor". Everything else is the
// default.
class TestPlatformPlugin : public Quilt::PlatformPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuiltPlatformPlugin_iid FILE "quilt-plugin.json")
    Q_PROPERTY(QString lastIconName MEMBER m_lastIconName)
    Q_PROPERTY(QColor lastIconColor MEMBER m_lastIconColor)

public:
    QString defaultStyleName() const override;
    QIcon platformIcon(const QString& name, const QColor& color) const override;
    bool smoothScroll() const override;
    double animationSpeedMultiplier() const override;

    Q_INVOKABLE void setSmoothScroll(bool smooth);
    Q_INVOKABLE void setAnimationSpeedMultiplier(double multiplier);
#if defined(QUILT_TEST_PACKAGE_FOLDER)
    QList<std::filesystem::path> stylePackagePaths() const override;
    std::filesystem::path stylePackageInstallPath() const override;
#endif

private:
    mutable QString m_lastIconName;
    mutable QColor m_lastIconColor;
    bool m_smoothScroll = true;
    double m_animationSpeedMultiplier = 1.0;
};
