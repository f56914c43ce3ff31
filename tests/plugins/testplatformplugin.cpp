#include "testplatformplugin.h"

#include <QStandardPaths>

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
