#pragma once

namespace skarvel {

// Whether this process belongs to a graphical login session (X11 or Wayland) of the system's
// login manager, where the desktop registers an authentication agent; a service, a cron job, a
// text console or a remote shell has none, so polkit's "after authentication" asks nobody there.
bool InDesktopSession();

// Whether this process is told where to show windows: a display (DISPLAY, WAYLAND_DISPLAY) or
// a toolkit platform of its own (QT_QPA_PLATFORM, such as "offscreen").
bool DisplayNamed();

}  // namespace skarvel
