#include "meridianplatformplugin.h"

#include <loomdevice.h>
#include <loomicons.h>
#include <loomsettingsfile.h>
#include <loomsettingsgroup.h>
#include <loomsettingswatcher.h>

#include <QColor>
#include <QDBusConnection>
#include <QGuiApplication>

#include <algorithm>
#include <cmath>

namespace
{
const QString settingsGroup = QStringLiteral("VYR");
constexpr char smoothScrollKey[] = "SmoothScroll";
constexpr char animationFactorKey[] = "AnimationDurationFactor";
constexpr char styleKey[] = "quiltStyle";
const QString defaultStyle = QStringLiteral("halcyon");

// Durations are scaled by the factor, so only a finite one above 0 means
// anything; everything else (negative, not a number, infinite) switches
// animations off.
double animationFactor(double value)
{
    return std::isfinite(value) && value > 0.0 ? value : 0.0;
}

bool sameFactor(double a, double b)
{
    return std::abs(a - b) * 1e12 <= std::min(std::abs(a), std::abs(b));
}

LoomSharedSettings::Ptr openDesktopSettings()
{
    return LoomSharedSettings::openConfig(QString(), LoomSettingsFile::FullConfig,
                                          QStandardPaths::GenericConfigLocation);
}
} // namespace

MeridianPlatformPlugin::MeridianPlatformPlugin(QObject* parent)
    : Quilt::PlatformPlugin(parent)
{
    m_watcher = LoomSettingsWatcher::create(openDesktopSettings());

    const LoomSettingsGroup group(openDesktopSettings(), settingsGroup);
    m_smoothScroll = group.readEntry(smoothScrollKey, true);
    m_animationSpeedMultiplier = animationFactor(group.readEntry(animationFactorKey, 1.0));
    m_styleName = group.readEntry(styleKey, defaultStyle);

    connect(m_watcher.get(), &LoomSettingsWatcher::configChanged, this, &MeridianPlatformPlugin::settingsChanged);
    QDBusConnection::sessionBus().connect(QString(), QStringLiteral("/SmoothScroll"),
                                          QStringLiteral("org.vyr.SmoothScroll"), QStringLiteral("notifyChange"), this,
                                          SLOT(setSmoothScroll(bool)));

    m_announcedStyleName = defaultStyleName();
    if (auto* application = qobject_cast<QGuiApplication*>(QCoreApplication::instance())) {
        connect(application, &QGuiApplication::layoutDirectionChanged, this,
                &MeridianPlatformPlugin::announceDefaultStyleIfChanged);
    }
}

MeridianPlatformPlugin::~MeridianPlatformPlugin() = default;

QString MeridianPlatformPlugin::defaultStyleName() const
{
    if (m_styleName != defaultStyle) {
        return m_styleName;
    }
    if (LoomDevice::runtimePlatform().contains(QStringLiteral("phone"))
        || qEnvironmentVariableIsSet("QT_QUICK_CONTROLS_MOBILE")) {
        return QStringLiteral("halcyon-mobile");
    }
    if (QGuiApplication::layoutDirection() == Qt::RightToLeft) {
        return QStringLiteral("halcyon-rtl");
    }
    return defaultStyle;
}

QIcon MeridianPlatformPlugin::platformIcon(const QString& name, const QColor& color) const
{
    if (color != QColor(Qt::transparent)) {
        LoomIconTint tint;
        tint.setText(color);
        return Loom::themedIcon(name, tint, nullptr);
    }
    return Loom::themedIcon(name, nullptr);
}

bool MeridianPlatformPlugin::smoothScroll() const
{
    return m_smoothScroll;
}

double MeridianPlatformPlugin::animationSpeedMultiplier() const
{
    return m_animationSpeedMultiplier;
}

void MeridianPlatformPlugin::setSmoothScroll(bool enabled)
{
    if (enabled == m_smoothScroll) {
        return;
    }
    m_smoothScroll = enabled;
    Q_EMIT smoothScrollChanged();
}

void MeridianPlatformPlugin::settingsChanged(const LoomSettingsGroup& group, const QByteArrayList& names)
{
    if (group.name() != settingsGroup) {
        // The environment has no notice of its own; any notice is a chance
        // to see a changed one.
        announceDefaultStyleIfChanged();
        return;
    }
    if (names.contains(animationFactorKey)) {
        const double factor = animationFactor(group.readEntry(animationFactorKey, 1.0));
        if (!sameFactor(factor, m_animationSpeedMultiplier)) {
            m_animationSpeedMultiplier = factor;
            Q_EMIT animationSpeedMultiplierChanged();
            sendAnimationSpeedMultiplierChangedEvent();
        }
    }
    if (names.contains(smoothScrollKey)) {
        setSmoothScroll(group.readEntry(smoothScrollKey, true));
    }
    if (names.contains(styleKey)) {
        const QString name = group.readEntry(styleKey, defaultStyle);
        if (name != m_styleName) {
            m_styleName = name;
            m_announcedStyleName = defaultStyleName();
            sendDefaultStyleChangedEvent();
            return;
        }
    }
    announceDefaultStyleIfChanged();
}

void MeridianPlatformPlugin::announceDefaultStyleIfChanged()
{
    const QString name = defaultStyleName();
    if (name == m_announcedStyleName) {
        return;
    }
    m_announcedStyleName = name;
    sendDefaultStyleChangedEvent();
}
