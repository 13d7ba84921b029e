#pragma once

namespace skarvel {

// Whether this process belongs to a login session of the system's login manager, where the
// desktop registers an authentication agent; a service, a cron job or a remote command without
// one has none.
bool InLoginSession();

}  // namespace skarvel
