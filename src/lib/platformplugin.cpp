#include "platformplugin.h"

#include <QColor>
#include <QCoreApplication>
#include <QStandardPaths>

namespace Quilt
{
// Registered when the library is loaded, in this order.
const QEvent::Type DefaultStyleChangedEvent::s_type = QEvent::Type(QEvent::registerEventType());
const QEvent::Type AnimationSpeedMultiplierChangedEvent::s_type = QEvent::Type(QEvent::registerEventType());

PlatformPlugin::PlatformPlugin(QObject* parent)
    : Plugin(parent)
{ }

PlatformPlugin::~PlatformPlugin() = default;

QList<std::filesystem::path> PlatformPlugin::stylePackagePaths() const
{
    const QStringList folders = QStandardPaths::locateAll(
        QStandardPaths::GenericDataLocation, QStringLiteral("quilt/styles"), QStandardPaths::LocateDirectory);
    QList<std::filesystem::path> paths;
    paths.reserve(folders.size());
    for (const QString& folder : folders) {
        paths.append(std::filesystem::path(folder.toStdString()));
    }
    return paths;
}

std::filesystem::path PlatformPlugin::stylePackageInstallPath() const
{
    return std::filesystem::path(QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation).toStdString())
        / "quilt" / "styles";
}

QIcon PlatformPlugin::platformIcon(const QString& name, const QColor& color) const
{
    Q_UNUSED(color);
    return QIcon::fromTheme(name);
}

bool PlatformPlugin::smoothScroll() const
{
    return true;
}

double PlatformPlugin::animationSpeedMultiplier() const
{
    return 1.0;
}

void PlatformPlugin::sendDefaultStyleChangedEvent()
{
    DefaultStyleChangedEvent event;
    QCoreApplication::sendEvent(this, &event);
}

void PlatformPlugin::sendAnimationSpeedMultiplierChangedEvent()
{
    AnimationSpeedMultiplierChangedEvent event;
    QCoreApplication::sendEvent(this, &event);
}

DefaultStyleChangedEvent::DefaultStyleChangedEvent()
    : QEvent(s_type)
{ }

DefaultStyleChangedEvent::~DefaultStyleChangedEvent() = default;

AnimationSpeedMultiplierChangedEvent::AnimationSpeedMultiplierChangedEvent()
    : QEvent(s_type)
{ }

AnimationSpeedMultiplierChangedEvent::~AnimationSpeedMultiplierChangedEvent() = default;
} // namespace Quilt
