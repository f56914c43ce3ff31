#pragma once

#include "quiltglobal.h"

#include <QObject>
#include <QString>

#include <memory>

namespace Quilt
{
class PackageHandler;
class PlatformPlugin;
class Style;
class StyleRegistryPrivate;

// The process-wide entry point of the engine: it chooses the platform plug-in,
// finds style packages through the package handler, restores styles from
// their cache files or has their input plug-in load them, and writes the
// caches back when the application object goes away.
class QUILT_EXPORT StyleRegistry : public QObject
{
    Q_OBJECT

public:
    // The registry of the process, created on the first call.
    static std::shared_ptr<StyleRegistry> instance();
    // Saves the caches and releases the styles and plug-ins; runs as a Qt post
    // routine when the application object is destroyed.
    static void cleanup();

    // Used by instance(); takes a private whose platform registry exists.
    explicit StyleRegistry(std::unique_ptr<StyleRegistryPrivate>&& dd);
    ~StyleRegistry() override;

    // Lets style() find packages. Until then only added styles are found.
    void load();

    // The style named by QUILT_STYLE_NAME, else by the platform, else the
    // fallback style; null when none of them can be had.
    std::shared_ptr<Style> defaultStyle();
    // The style with that id, loaded on first request; null when its package
    // cannot be found (for good) or fails to load (tried again next time).
    std::shared_ptr<Style> style(const QString& name);
    // Registers a style made elsewhere, unless its path is taken.
    void addStyle(const std::shared_ptr<Style>& style);

    // Never null before cleanup().
    std::shared_ptr<PlatformPlugin> platform() const;
    std::shared_ptr<PackageHandler> packageHandler() const;

    // Writes the cache files of the styles loaded from their sources.
    void save();

private:
    std::unique_ptr<StyleRegistryPrivate> d;
};
} // namespace Quilt
