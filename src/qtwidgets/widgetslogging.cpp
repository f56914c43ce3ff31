#include "widgetslogging.h"

Q_LOGGING_CATEGORY(lcQtWidgets, "quilt.qtwidgets", QtInfoMsg)
