#include "logging_p.h"

namespace Quilt
{
Q_LOGGING_CATEGORY(general, "quilt.general", QtInfoMsg)
Q_LOGGING_CATEGORY(query, "quilt.query", QtWarningMsg)
}
