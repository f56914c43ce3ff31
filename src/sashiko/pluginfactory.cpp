#include "pluginfactory.h"

#include "platformtheme.h"
#include "sashikostylehints.h"
#include "units.h"

#include <frameworkhints.h>

PluginFactory::PluginFactory(QObject* parent)
    : Sashiko::Platform::ThemeFactory(parent)
{
    Sashiko::Platform::FrameworkHints::setMakeStyleHintsFunction(&SashikoStyleHints::make);
}

PluginFactory::~PluginFactory() = default;

Sashiko::Platform::ItemTheme* PluginFactory::createTheme(QObject* object)
{
    return new PlatformTheme(object);
}

Sashiko::Platform::Timings* PluginFactory::createTimings(QObject* object)
{
    return new Units(object);
}
