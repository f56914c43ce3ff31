#pragma once

#include <QtCore/qglobal.h>

#if defined(QUILT_BUILDING_LIBRARY)
#define QUILT_EXPORT Q_DECL_EXPORT
#else
#define QUILT_EXPORT Q_DECL_IMPORT
#endif

// Internal classes that the tests use directly: exported only from a build
// that has tests, and declared only in private headers.
#if defined(QUILT_EXPORT_INTERNALS)
#define QUILT_TESTS_EXPORT QUILT_EXPORT
#else
#define QUILT_TESTS_EXPORT
#endif
