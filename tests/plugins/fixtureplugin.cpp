#include "fixtureplugin.h"

#if defined(QUILT_TEST_NEEDS_MISSING_HELPER)
int quiltTestMissingHelper();
#endif

QString FixturePlugin::identity() const
{
#if defined(QUILT_TEST_NEEDS_MISSING_HELPER)
    // Keeps the dependency on the helper library in the link.
    return QString::number(quiltTestMissingHelper());
#else
    return QStringLiteral(QUILT_TEST_IDENTITY);
#endif
}
