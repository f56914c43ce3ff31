#pragma once

#include <QLoggingCategory>

namespace Quilt::Css
{
// "quilt.css": everything the CSS plug-in reports; info and above by default.
Q_DECLARE_LOGGING_CATEGORY(lcCss)
} // namespace Quilt::Css
