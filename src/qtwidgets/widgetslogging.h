#pragma once

#include <QLoggingCategory>

// "quilt.qtwidgets": the widget style.
Q_DECLARE_LOGGING_CATEGORY(lcQtWidgets)
