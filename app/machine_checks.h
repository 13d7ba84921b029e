#pragma once

#include <vector>

#include "app/preflight.h"
#include "platform/deployment_settings.h"
#include "platform/service_manager.h"
#include "service/cust_post.h"

namespace skarvel {

// What this user, the database server's account and the administrator's part may do for the
// installation of record from status, found without changing anything:
//   "till-folder"       the till folder can be written, or made (by this user, or by the
//                       administrator's part where its parent is not this user's)
//   "database-access"   the database server of this computer can be given the till database
//   "database-login"    that server takes the installation's SYSDBA login
//   "printer-rights"    this user, or the administrator's part, may add the receipt printer
//   "administrator"     polkit lets this user run the administrator's part, for the database
//                       server's setup
// Work only the administrator's part may do (a till folder where this user may not write, a
// printer this user may not add) passes when polkit lets this user run it.
// The database checks are made only when the till database is reached through a server on this
// computer that is there already (not one the installation sets up itself).
std::vector<CheckResult> CheckRights(const cust_post& record, int status, ServiceManager& services,
                                     const DeploymentSettings& settings);

}  // namespace skarvel
