#pragma once

#include "platformplugin.h"

// The platform fixture: a fixed default style name and, when built with a
// package folder, that folder below the writable generic data location both
// for finding and for installing packages. Everything else is the default.
class TestPlatformPlugin : public Quilt::PlatformPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuiltPlatformPlugin_iid FILE "quilt-plugin.json")

public:
    QString defaultStyleName() const override;
#if defined(QUILT_TEST_PACKAGE_FOLDER)
    QList<std::filesystem::path> stylePackagePaths() const override;
    std::filesystem::path stylePackageInstallPath() const override;
#endif
};
