#include "app/machine_checks.h"

#include <optional>

#include "app/admin_operations.h"
#include "app/server_access.h"
#include "database/data_module.h"
#include "database/server_installation.h"
#include "platform/administrator.h"
#include "platform/ansi_text.h"
#include "platform/file_system.h"
#include "platform/port_owner.h"
#include "platform/printers.h"
#include "platform/system_account.h"

namespace skarvel {
namespace {

constexpr int kServerStep = 6;
constexpr int kProgramsStep = 5;

// Why the server did not take the login, in the three ways the person acts on differently.
std::string LoginProblem(const std::string& address, const db::FirebirdError& error) {
  const std::string text = OneLine(error.Text());
  switch (error.Cause()) {
    case db::FailureCause::kLoginRefused:
      return "the database server at " + address +
             " refuses the installation's administrator login (" + text +
             "): an administrator sets the password of its SYSDBA to the installation's";
    case db::FailureCause::kServerUnreachable:
      return "no database server answers at " + address + " (" + text + "): it must run there";
    default:
      return "the database server at " + address + " could not be asked for the login (" + text +
             ")";
  }
}

// The step the next run starts at.
int NextStep(int status) { return status % 10 == 9 ? status / 10 + 1 : status / 10; }

std::string NearestExisting(std::string path) {
  while (!FolderExists(path) && path.size() > 1) {
    path.pop_back();
    path = path.substr(0, path.rfind('/') + 1);
  }
  return path.empty() ? "/" : path;
}

// The checks, made one after the other. Work only the administrator's part may do passes when
// polkit lets this user run it (asked once).
class Rights {
 public:
  Rights(const cust_post& record, int status, ServiceManager& services,
         const DeploymentSettings& settings)
      : record_(record),
        status_(status),
        services_(services),
        settings_(settings),
        me_(CurrentAccount().name) {}

  void TillFolder();
  void Database();
  void Printer();
  void ServerSetup();
  std::vector<CheckResult> checks;

 private:
  // The check for work the administrator's part does, since this user may not (why_not).
  CheckResult ByAdministrator(const std::string& name, const std::string& work,
                              const std::string& why_not);

  const cust_post& record_;
  int status_;
  ServiceManager& services_;
  const DeploymentSettings& settings_;
  std::string me_;
  std::optional<AdminPermission> permission_;
};

CheckResult Rights::ByAdministrator(const std::string& name, const std::string& work,
                                    const std::string& why_not) {
  if (RunningAsAdministrator()) return {name, false, why_not};
  if (!permission_) permission_ = AskAdminPermission();
  const AdminPermission::Answer answer = permission_->answer;
  // An authentication needs the desktop's agent, which only a login session has.
  const bool asked = answer == AdminPermission::Answer::kAuthenticationNeeded;
  const bool ok = answer == AdminPermission::Answer::kYes || (asked && permission_->in_session);
  std::string detail =
      why_not + "; " + work + " needs the administrator's part, and " + permission_->detail;
  if (asked) {
    detail += permission_->in_session ? " (the desktop's authentication dialog asks)"
                                      : ", which nobody can give here: this program runs in no "
                                        "login session with an authentication agent";
  }
  if (!ok) {
    detail += ": an administrator adds " + me_ +
              " to the group skarvel with the package's polkit rules file (see \"Who runs "
              "what\" in the README)";
  }
  return {name, ok, detail};
}

void Rights::TillFolder() {
  const std::string folder = record_.PPA_POSPATH;
  if (FolderExists(folder)) {
    const std::string why = WriteProblem(folder);
    checks.push_back({"till-folder", why.empty(),
                      why.empty() ? me_ + " may write in the till folder " + folder
                                  : "the till folder " + folder + " cannot be written by " + me_ +
                                        " (" + why + ")"});
    return;
  }
  const std::string above = NearestExisting(folder);
  const std::string why = WriteProblem(above);
  if (why.empty()) {
    checks.push_back({"till-folder", true, me_ + " may make the till folder " + folder});
  } else if (NextStep(status_) > kProgramsStep) {
    checks.push_back({"till-folder", false, "the till folder " + folder + " is missing"});
  } else if (const std::string refused =
                 WhyRefused({"make-till-folder", {folder}}, CurrentAccount(), settings_);
             !refused.empty() && !RunningAsAdministrator()) {
    // The administrator's part itself would refuse it.
    checks.push_back({"till-folder", false,
                      me_ + " may not write in " + above + " (" + why +
                          "), and the administrator's part does not make it: " + refused});
  } else {
    checks.push_back(ByAdministrator("till-folder", "making the till folder " + folder,
                                     me_ + " may not write in " + above + " (" + why + ")"));
  }
}

void Rights::Database() {
  const std::string database = db::TillDatabaseText(record_);
  const LocalServer server =
      FindLocalServer(database, services_, db::LinuxServerLayout().guardian_display_name);
  if (!server.local) return;
  // A server the installation sets up itself cannot be asked before; one that runs already is
  // kept by the setup, with its login.
  const bool server_installed_later =
      Trim(record_.CP_INST_FB) == "1" && NextStep(status_) <= kServerStep;
  if (server_installed_later && !ListeningAccount(server.port)) return;
  const std::string access = ServerAccessProblem(server);
  checks.push_back({"database-access", access.empty(),
                    access.empty() ? "the database server's account " + server.account +
                                         " may use the till database " + server.file +
                                         " (or is let to at the database step); " + server.found
                                   : access});
  try {
    db::CheckServerLogin(server.address, db::kDatabaseUser, db::kDatabasePassword);
    checks.push_back({"database-login", true,
                      "the database server at " + server.address +
                          " takes the installation's administrator login"});
  } catch (const db::FirebirdError& error) {
    checks.push_back({"database-login", false, LoginProblem(server.address, error)});
  }
}

void Rights::Printer() {
  if (Trim(record_.CP_GENTEXT).empty() || NextStep(status_) > kProgramsStep) return;
  if (!PrintingSystemProblem().empty()) return;  // the printing-system check says so
  const std::string why = PrinterRightsProblem();
  if (why.empty()) {
    checks.push_back({"printer-rights", true, me_ + " may add the printer " + record_.CP_GENTEXT});
  } else {
    checks.push_back(ByAdministrator("printer-rights", "adding the printer " + record_.CP_GENTEXT,
                                     me_ + " may not add printers: " + why));
  }
}

void Rights::ServerSetup() {
  if (RunningAsAdministrator() || Trim(record_.CP_INST_FB) != "1" ||
      NextStep(status_) > kServerStep) {
    return;
  }
  const std::string version = Trim(record_.CP_VERS_FB);
  checks.push_back(ByAdministrator("administrator", "installing the database server " + version,
                                   me_ + " is no administrator"));
}

}  // namespace

std::vector<CheckResult> CheckRights(const cust_post& record, int status, ServiceManager& services,
                                     const DeploymentSettings& settings) {
  Rights rights(record, status, services, settings);
  rights.TillFolder();
  rights.Database();
  rights.Printer();
  rights.ServerSetup();
  return rights.checks;
}

}  // namespace skarvel
