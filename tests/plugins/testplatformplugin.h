#pragma once

#include "platformplugin.h"

// The platform fixture: a fixed default style name and, when built with a
// package folder, that folder below the writable generic data location both
// for finding and for installing packages. Tests switch smooth scrolling and
// the animation speed through the invokable setters, which announce the change
// as a desktop's plug-in does. Everything else is the default.
class TestPlatformPlugin : public Quilt::PlatformPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuiltPlatformPlugin_iid FILE "quilt-plugin.json")

public:
    QString defaultStyleName() const override;
    bool smoothScroll() const override;
    double animationSpeedMultiplier() const override;

    Q_INVOKABLE void setSmoothScroll(bool smooth);
    Q_INVOKABLE void setAnimationSpeedMultiplier(double multiplier);
#if defined(QUILT_TEST_PACKAGE_FOLDER)
    QList<std::filesystem::path> stylePackagePaths() const override;
    std::filesystem::path stylePackageInstallPath() const override;
#endif

private:
    bool m_smoothScroll = true;
    double m_animationSpeedMultiplier = 1.0;
};
