#pragma once

#include "testplugin.h"

// The common registry fixture: one source, built once per metadata file.
class FixturePlugin : public QuiltTest::TestPlugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuiltTestPlugin_iid FILE "quilt-plugin.json")

public:
    QString identity() const override;
};
