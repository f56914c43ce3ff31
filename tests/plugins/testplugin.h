#pragma once

#include "plugin.h"

#include <QtCore/qglobal.h>

#if defined(QUILTTEST_BUILDING_PLUGIN_INTERFACE)
#define QUILTTEST_PLUGIN_EXPORT Q_DECL_EXPORT
#else
#define QUILTTEST_PLUGIN_EXPORT Q_DECL_IMPORT
#endif

#define QuiltTestPlugin_iid "org.vyr.quilt.test.TestPlugin"

namespace QuiltTest
{
// A plug-in interface that only the tests know, so that the registry can be
// exercised without any of the real plug-in kinds. It lives in a shared
// library of its own: the fixtures and the tests must see one meta-object,
// or no cast between them would succeed.
class QUILTTEST_PLUGIN_EXPORT TestPlugin : public Quilt::Plugin
{
    Q_OBJECT

public:
    explicit TestPlugin(QObject* parent = nullptr);
    ~TestPlugin() override;

    // Which fixture this object came from, independent of its metadata.
    virtual QString identity() const = 0;
};
} // namespace QuiltTest
