#include "loomdevice.h"

#include <QString>
#include <QtGlobal>

namespace LoomDevice
{
QStringList runtimePlatform()
{
    return qEnvironmentVariable(runtimePlatformVariable).split(u':', Qt::SkipEmptyParts);
}
} // namespace LoomDevice
