#include "quicklogging_p.h"

Q_LOGGING_CATEGORY(lcQtQuick, "quilt.qtquick", QtInfoMsg)
