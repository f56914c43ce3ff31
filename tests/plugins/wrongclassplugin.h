#pragma once

#include "plugin.h"
#include "testplugin.h"

// Declares the test type in its metadata but hands out an object that is no
// QuiltTest::TestPlugin.
class WrongClassPlugin : public Quilt::Plugin
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID QuiltTestPlugin_iid FILE "quilt-plugin.json")
};
