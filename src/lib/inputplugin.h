#pragma once

#include "plugin.h"
#include "quiltglobal.h"

#include <QString>

#include <memory>
#include <system_error>

// The Qt interface id that input plug-in files declare.
#define QuiltInputPlugin_iid "org.vyr.quilt.InputPlugin"

namespace Quilt
{
class Style;
class StylePackage;

// Reads one format of style sources; its plug-in name is the input type that a
// package's metadata names.
class QUILT_EXPORT InputPlugin : public Plugin
{
    Q_OBJECT

public:
    explicit InputPlugin(QObject* parent = nullptr);
    ~InputPlugin() override;

    // 0 when the package's sources are sound, otherwise the package's error.
    // Only called for a package whose folder, metadata and contents exist.
    virtual int validatePackage(const StylePackage& package) = 0;
    // Writes the initial sources into a freshly made package folder.
    virtual bool createPackage(StylePackage& package, std::error_code& error) = 0;
    // A new style that loads the package through this plug-in's loader; not
    // loaded yet. Null when none can be made.
    virtual std::shared_ptr<Style> createStyle(const StylePackage& package) = 0;

    // The plug-in for an input type: one registered with addInputType, else
    // the plug-in file of that name, loaded on first request. Null when there
    // is none.
    static std::shared_ptr<InputPlugin> inputPlugin(const QString& type);
    // Registers a plug-in object for a type that has none yet; it is served
    // before any plug-in file.
    static void addInputType(const QString& type, std::shared_ptr<InputPlugin> plugin);
};
} // namespace Quilt
