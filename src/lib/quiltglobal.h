#pragma once

#include <QtCore/qglobal.h>

#if defined(QUILT_BUILDING_LIBRARY)
#define QUILT_EXPORT Q_DECL_EXPORT
#else
#define QUILT_EXPORT Q_DECL_IMPORT
#endif
