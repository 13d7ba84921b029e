#pragma once

namespace skarvel {

// Whether this process belongs to a graphical login session (X11 or Wayland) of the system's
// login manager, where the desktop registers an authentication agent; a service, a cron job, a
// text console or a remote shell has none, so polkit's "after authentication" asks nobody there.
bool InDesktopSession();

}  // namespace skarvel
