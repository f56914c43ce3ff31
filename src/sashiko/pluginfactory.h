#pragma once

#include <themefactory.h>

// The platform plug-in object of Sashiko: a theme and timings per object, and
// the framework's style hints passed on to the Quick items library.
class PluginFactory : public Sashiko::Platform::ThemeFactory
{
    Q_OBJECT
    Q_PLUGIN_METADATA(IID SashikoThemeFactory_iid)
    Q_INTERFACES(Sashiko::Platform::ThemeFactory)

public:
    explicit PluginFactory(QObject* parent = nullptr);
    ~PluginFactory() override;

    Sashiko::Platform::ItemTheme* createTheme(QObject* object) override;
    Sashiko::Platform::Timings* createTimings(QObject* object) override;
};
