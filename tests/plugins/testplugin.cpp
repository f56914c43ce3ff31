#include "testplugin.h"

namespace QuiltTest
{
TestPlugin::TestPlugin(QObject* parent)
    : Quilt::Plugin(parent)
{ }

TestPlugin::~TestPlugin() = default;
} // namespace QuiltTest
