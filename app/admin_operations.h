#pragma once

#include <string>
#include <vector>

#include "platform/deployment_settings.h"
#include "platform/system_account.h"

namespace skarvel {

// The administrator's part of a till's installation, as the helper program runs it as root for
// the till's own user (the caller). The operations, a closed list:
//   setup-database-server WORK_FOLDER VERSION PACKAGE_FOLDER
//       the database server's installation from its unpacked package (older servers removed,
//       the package's setup program, its libraries and console, its service enabled and
//       started); WORK_FOLDER is the caller's own private work folder, PACKAGE_FOLDER inside it
//   add-printer NAME PORT COMMENT
//       the receipt printer's queue on the local printing system
//   make-till-folder FOLDER
//       the till folder, and the folders above it that are missing, belonging to the caller,
//       where the caller may not make them
struct AdminRequest {
  std::string operation;
  std::vector<std::string> arguments;
};

// The helper program, where it lies beside this program: bin/../libexec/skarvel/skarvel-admin.
std::string AdminHelperPath();

// Why the request must not run, naming the operation or argument; empty when it may. Every
// path is resolved and confined before anything runs.
std::string WhyRefused(const AdminRequest& request, const SystemAccount& caller,
                       const DeploymentSettings& settings);

// Runs a request WhyRefused accepted. Empty when done; otherwise why it failed.
std::string RunAdminRequest(const AdminRequest& request, const SystemAccount& caller,
                            const DeploymentSettings& settings);

}  // namespace skarvel
