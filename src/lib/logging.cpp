#include "logging_p.h"

namespace Quilt
{
Q_LOGGING_CATEGORY(lcGeneral, "quilt.general", QtInfoMsg)
Q_LOGGING_CATEGORY(lcQuery, "quilt.query", QtWarningMsg)
} // namespace Quilt
