#include "compositing.h"

#include <QGuiApplication>
#include <QScreen>
#include <QString>

#include <optional>

#ifdef QUILT_HAVE_XCB
#include <QByteArray>

#include <xcb/xcb.h>

#include <cstdlib>
#endif

namespace
{
#ifdef QUILT_HAVE_XCB
bool selectionHasOwner(xcb_connection_t* connection, const QByteArray& name)
{
    const xcb_intern_atom_cookie_t atomCookie = xcb_intern_atom(connection, 1, uint16_t(name.size()), name.constData());
    xcb_intern_atom_reply_t* atom = xcb_intern_atom_reply(connection, atomCookie, nullptr);
    if (!atom) {
        return false;
    }
    const xcb_atom_t selection = atom->atom;
    std::free(atom);
    if (selection == XCB_ATOM_NONE) {
        return false;
    }
    xcb_get_selection_owner_reply_t* owner
        = xcb_get_selection_owner_reply(connection, xcb_get_selection_owner(connection, selection), nullptr);
    if (!owner) {
        return false;
    }
    const bool owned = owner->owner != XCB_WINDOW_NONE;
    std::free(owner);
    return owned;
}

bool x11Composites()
{
    auto* x11 = qGuiApp ? qGuiApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    xcb_connection_t* connection = x11 ? x11->connection() : nullptr;
    if (!connection || xcb_connection_has_error(connection)) {
        return false;
    }
    // Qt shows its windows on every screen of the display; any screen's
    // manager means popups there are blended.
    const int screens = xcb_setup_roots_length(xcb_get_setup(connection));
    for (int screen = 0; screen < screens; ++screen) {
        if (selectionHasOwner(connection, "_NET_WM_CM_S" + QByteArray::number(screen))) {
            return true;
        }
    }
    return false;
}
#endif
} // namespace

bool platformComposites()
{
    const QString platform = QGuiApplication::platformName();
    if (platform.startsWith(QLatin1String("wayland"))) {
        return true;
    }
#ifdef QUILT_HAVE_XCB
    if (platform == QLatin1String("xcb")) {
        // Asking the server is two round trips per screen, and every popup
        // polished asks: the answer is kept until the screens change, when
        // another manager may own their selections.
        static std::optional<bool> known;
        static bool watching = false;
        if (!watching && qGuiApp) {
            watching = true;
            const auto forget = [] {
                known.reset();
            };
            QObject::connect(qGuiApp, &QGuiApplication::screenAdded, qGuiApp, forget);
            QObject::connect(qGuiApp, &QGuiApplication::screenRemoved, qGuiApp, forget);
            QObject::connect(qGuiApp, &QGuiApplication::primaryScreenChanged, qGuiApp, forget);
            QObject::connect(qGuiApp, &QObject::destroyed, [] {
                known.reset();
                watching = false;
            });
        }
        if (!known) {
            known = x11Composites();
        }
        return *known;
    }
#endif
    return false;
}
