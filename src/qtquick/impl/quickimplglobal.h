#pragma once

#include <QtCore/qglobal.h>

#if defined(QUILT_BUILDING_QUICKIMPL)
#define QUILT_QUICK_EXPORT Q_DECL_EXPORT
#else
#define QUILT_QUICK_EXPORT Q_DECL_IMPORT
#endif
