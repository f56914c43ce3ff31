#pragma once

#include "plugin.h"
#include "quiltglobal.h"

#include <QEvent>
#include <QIcon>
#include <QList>
#include <QString>

#include <filesystem>

class QColor;

// The interface id that a platform plug-in names in Q_PLUGIN_METADATA.
#define QuiltPlatformPlugin_iid "org.vyr.quilt.PlatformPlugin"

namespace Quilt
{
// What differs between desktops. Everything but the default style name has a
// default that suits a desktop without its own integration.
//
// A subclass whose values change stores the new value and then announces it:
// a new default style with sendDefaultStyleChangedEvent(); a new animation
// speed with animationSpeedMultiplierChanged() and then
// sendAnimationSpeedMultiplierChangedEvent(); a new smooth-scrolling setting
// with smoothScrollChanged(). Listeners install an event filter on the plug-in
// object for the events.
class QUILT_EXPORT PlatformPlugin : public Plugin
{
    Q_OBJECT

public:
    explicit PlatformPlugin(QObject* parent = nullptr);
    ~PlatformPlugin() override;

    virtual QString defaultStyleName() const = 0;
    // The existing folders `quilt/styles` below the generic data locations,
    // the writable one first.
    virtual QList<std::filesystem::path> stylePackagePaths() const;
    // `quilt/styles` below the writable generic data location; not created here.
    virtual std::filesystem::path stylePackageInstallPath() const;
    // The icon of that name from the icon theme; the default ignores the colour.
    virtual QIcon platformIcon(const QString& name, const QColor& color) const;
    virtual bool smoothScroll() const;
    virtual double animationSpeedMultiplier() const;

    // Deliver the event synchronously to this object, filters first.
    void sendDefaultStyleChangedEvent();
    void sendAnimationSpeedMultiplierChangedEvent();

Q_SIGNALS:
    void smoothScrollChanged();
    void animationSpeedMultiplierChanged();
};

// Sent by a platform plug-in to itself when its default style name changed.
class QUILT_EXPORT DefaultStyleChangedEvent : public QEvent
{
public:
    DefaultStyleChangedEvent();
    ~DefaultStyleChangedEvent() override;

    static const QEvent::Type s_type;
};

// Sent by a platform plug-in to itself when its animation speed changed.
class QUILT_EXPORT AnimationSpeedMultiplierChangedEvent : public QEvent
{
public:
    AnimationSpeedMultiplierChangedEvent();
    ~AnimationSpeedMultiplierChangedEvent() override;

    static const QEvent::Type s_type;
};
} // namespace Quilt
