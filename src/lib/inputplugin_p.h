#pragma once

#include <QStringList>

namespace Quilt
{
// The input types on offer: those registered in the process and those of the
// plug-in files found, each once, without loading any of them.
QStringList availableInputTypes();
} // namespace Quilt
