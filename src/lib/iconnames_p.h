#pragma once

#include "quiltglobal.h"

#include <QIcon>
#include <QString>

class QColor;

namespace Quilt
{
class PlatformPlugin;

// The name under which icon themes that follow the freedesktop naming ship
// the symbol that a front end asks for by its desktop's own name
// ("arrow-up-symbolic", "spinbox-increase", ...); empty where the name is
// the common one already or has no such twin.
QUILT_EXPORT QString commonIconName(const QString& name);

// The platform's icon of that name, else of its common twin: the desktop's
// own icons win where its theme has them, and a theme that only follows the
// common names still shows something. Null when neither is found (the
// caller then draws its own symbol). Without a platform, the icon theme.
QUILT_EXPORT QIcon platformIconOrTwin(const PlatformPlugin* platform, const QString& name, const QColor& color);

// As platformIconOrTwin; where the icon found is the style's own symbol (the
// file that Quilt installs into the "hicolor" icon theme, named "-symbolic"
// or drawn in one colour) and the platform left it in the file's colours, it
// is drawn as its shape alone in `tint`: the file's fixed grey vanishes on a
// dark surface. An invalid or transparent tint leaves every icon as found.
QUILT_EXPORT QIcon platformSymbolOrTwin(const PlatformPlugin* platform, const QString& name, const QColor& color,
                                        const QColor& tint);
} // namespace Quilt
