#include "csslogging_p.h"

namespace Quilt::Css
{
Q_LOGGING_CATEGORY(lcCss, "quilt.css", QtInfoMsg)
} // namespace Quilt::Css
