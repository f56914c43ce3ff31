#pragma once

#include "platformplugin.h"

#include <QString>

#include <memory>

class LoomSettingsGroup;
class LoomSettingsWatcher;

// The platform plug-in of the Meridian desktop: the default style, smooth
// scrolling and the animation speed from the desktop's settings (group "VYR"),
// followed while the application runs, smooth scrolling also from the session
// bus, and themed icons tinted to a text colour.
class MeridianPlatformPlugin : public Quilt::PlatformPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuiltPlatformPlugin_iid FILE "meridian.json")

public:
    explicit MeridianPlatformPlugin(QObject* parent = nullptr);
    ~MeridianPlatformPlugin() override;

    QString defaultStyleName() const override;
    QIcon platformIcon(const QString& name, const QColor& color) const override;
    bool smoothScroll() const override;
    double animationSpeedMultiplier() const override;

public Q_SLOTS:
    void setSmoothScroll(bool enabled);

private:
    void settingsChanged(const LoomSettingsGroup& group, const QByteArrayList& names);
    // Announces the default style when the name it gives is no longer the
    // one announced last: the layout direction and the environment change it
    // without the settings changing.
    void announceDefaultStyleIfChanged();

    bool m_smoothScroll = true;
    double m_animationSpeedMultiplier = 1.0;
    QString m_styleName;
    std::shared_ptr<LoomSettingsWatcher> m_watcher;
    QString m_announcedStyleName;
};
