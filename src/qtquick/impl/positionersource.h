#pragma once

#include "quickimplglobal.h"

#include <QObject>
#include <QtQml/qqmlregistration.h>

namespace Quilt::Quick
{
// Which style group gives a positioned item its alignment.
namespace PositionerSource
{
Q_NAMESPACE_EXPORT(QUILT_QUICK_EXPORT)
QML_ELEMENT

enum class Source
{
    Layout = 0,
    Text = 1,
    Icon = 2,
};
Q_ENUM_NS(Source)
} // namespace PositionerSource
} // namespace Quilt::Quick
