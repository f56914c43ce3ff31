#pragma once

#include "sashikoplatformglobal.h"

#include <QObject>

namespace Sashiko::Platform
{
class ItemTheme;
class Timings;

// The object of a platform plug-in: the framework asks it for the theme and
// the timings of each object it themes. The framework owns what it returns.
class SASHIKO_PLATFORM_EXPORT ThemeFactory : public QObject
{
    Q_OBJECT

public:
    explicit ThemeFactory(QObject* parent = nullptr);
    ~ThemeFactory() override;

    virtual ItemTheme* createTheme(QObject* object) = 0;
    virtual Timings* createTimings(QObject* object) = 0;
};
} // namespace Sashiko::Platform

#define SashikoThemeFactory_iid "org.vyr.sashiko.ThemeFactory"
Q_DECLARE_INTERFACE(Sashiko::Platform::ThemeFactory, SashikoThemeFactory_iid)
