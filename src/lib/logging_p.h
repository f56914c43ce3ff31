#pragma once

#include <QLoggingCategory>

namespace Quilt
{
Q_DECLARE_LOGGING_CATEGORY(general)
Q_DECLARE_LOGGING_CATEGORY(query)
}
