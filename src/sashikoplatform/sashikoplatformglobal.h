#pragma once

#include <QtCore/qglobal.h>

#if defined(SASHIKO_PLATFORM_BUILDING)
#define SASHIKO_PLATFORM_EXPORT Q_DECL_EXPORT
#else
#define SASHIKO_PLATFORM_EXPORT Q_DECL_IMPORT
#endif
