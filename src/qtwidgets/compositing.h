#pragma once

// Whether the windowing system blends translucent windows with what lies
// beneath them: always on Wayland; on X11 only while a compositing manager
// owns the screen's _NET_WM_CM_S<n> selection. Elsewhere a translucent
// window's transparent pixels come out black.
bool platformComposites();
