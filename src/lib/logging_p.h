#pragma once

#include <QLoggingCategory>

namespace Quilt
{
// "quilt.general": registry, plug-ins, cache, packages, colours.
Q_DECLARE_LOGGING_CATEGORY(lcGeneral)
// "quilt.query": the matching trace; warnings only unless enabled.
Q_DECLARE_LOGGING_CATEGORY(lcQuery)
} // namespace Quilt
