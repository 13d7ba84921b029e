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
#include "platform/translation.h"

namespace skarvel {
namespace {

constexpr int kServerStep = 6;
constexpr int kProgramsStep = 5;

// Why the server did not take the login, in the three ways the person acts on differently.
std::string LoginProblem(const std::string& address, const db::FirebirdError& error) {
  const std::string text = OneLine(error.Text());
  switch (error.Cause()) {
    case db::FailureCause::kLoginRefused:
      return Fill(
          Tr("Check",
             "the database server at %1 refuses the installation's administrator login "
             "(%2): an administrator sets the password of its SYSDBA to the installation's"),
          {address, text});
    case db::FailureCause::kServerUnreachable:
      return Fill(Tr("Check", "no database server answers at %1 (%2): it must run there"),
                  {address, text});
    default:
      return Fill(Tr("Check", "the database server at %1 could not be asked for the login (%2)"),
                  {address, text});
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
  // An authentication needs the desktop's agent, which only a desktop session has.
  const bool asked = answer == AdminPermission::Answer::kAuthenticationNeeded;
  const bool ok = answer == AdminPermission::Answer::kYes || (asked && permission_->in_session);
  const std::string& answered = permission_->detail;
  std::string detail;
  if (!asked) {
    detail = Fill(Tr("Check", "%1; %2 needs the administrator's part, and %3"),
                  {why_not, work, answered});
  } else if (permission_->in_session) {
    detail = Fill(Tr("Check",
                     "%1; %2 needs the administrator's part, and %3 (the desktop's "
                     "authentication dialog asks)"),
                  {why_not, work, answered});
  } else {
    detail = Fill(Tr("Check",
                     "%1; %2 needs the administrator's part, and %3, which nobody can give here: "
                     "this program runs in no login session with an authentication agent"),
                  {why_not, work, answered});
  }
  if (!ok) {
    detail = Fill(Tr("Check",
                     "%1: an administrator adds %2 to the group skarvel with the package's polkit "
                     "rules file (see THE ADMINISTRATOR'S PART in man skarvel-cli)"),
                  {detail, me_});
  }
  return {name, ok, detail};
}

void Rights::TillFolder() {
  const std::string folder = record_.PPA_POSPATH;
  if (FolderExists(folder)) {
    const std::string why = WriteProblem(folder);
    checks.push_back({"till-folder", why.empty(),
                      why.empty()
                          ? Fill(Tr("Check", "%1 may write in the till folder %2"), {me_, folder})
                          : Fill(Tr("Check", "the till folder %1 cannot be written by %2 (%3)"),
                                 {folder, me_, why})});
    return;
  }
  const std::string above = NearestExisting(folder);
  const std::string why = WriteProblem(above);
  if (why.empty()) {
    checks.push_back(
        {"till-folder", true, Fill(Tr("Check", "%1 may make the till folder %2"), {me_, folder})});
  } else if (NextStep(status_) > kProgramsStep) {
    checks.push_back(
        {"till-folder", false, Fill(Tr("Check", "the till folder %1 is missing"), {folder})});
  } else if (const std::string refused =
                 WhyRefused({"make-till-folder", {folder}}, CurrentAccount(), settings_);
             !refused.empty() && !RunningAsAdministrator()) {
    // The administrator's part itself would refuse it.
    checks.push_back({"till-folder", false,
                      Fill(Tr("Check",
                              "%1 may not write in %2 (%3), and the administrator's part does not "
                              "make it: %4"),
                           {me_, above, why, refused})});
  } else {
    checks.push_back(
        ByAdministrator("till-folder", Fill(Tr("Check", "making the till folder %1"), {folder}),
                        Fill(Tr("Check", "%1 may not write in %2 (%3)"), {me_, above, why})));
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
                    access.empty()
                        ? Fill(Tr("Check",
                                  "the database server's account %1 may use the till database %2 "
                                  "(or is let to at the database step); %3"),
                               {server.account, server.file, server.found})
                        : access});
  try {
    db::CheckServerLogin(server.address, db::kDatabaseUser, db::kDatabasePassword);
    checks.push_back(
        {"database-login", true,
         Fill(Tr("Check", "the database server at %1 takes the installation's administrator login"),
              {server.address})});
  } catch (const db::FirebirdError& error) {
    checks.push_back({"database-login", false, LoginProblem(server.address, error)});
  }
}

void Rights::Printer() {
  if (Trim(record_.CP_GENTEXT).empty() || NextStep(status_) > kProgramsStep) return;
  if (!PrintingSystemProblem().empty()) return;  // the printing-system check says so
  const std::string why = PrinterRightsProblem();
  CheckResult check =
      why.empty()
          ? CheckResult{"printer-rights", true,
                        Fill(Tr("Check", "%1 may add the printer %2"), {me_, record_.CP_GENTEXT})}
          : ByAdministrator("printer-rights",
                            Fill(Tr("Check", "adding the printer %1"), {record_.CP_GENTEXT}),
                            Fill(Tr("Check", "%1 may not add printers: %2"), {me_, why}));
  // Without its printer the till still sells; the installation ends with a warning.
  check.blocking = false;
  checks.push_back(std::move(check));
}

void Rights::ServerSetup() {
  if (RunningAsAdministrator() || Trim(record_.CP_INST_FB) != "1" ||
      NextStep(status_) > kServerStep) {
    return;
  }
  const std::string version = Trim(record_.CP_VERS_FB);
  checks.push_back(ByAdministrator(
      "administrator", Fill(Tr("Check", "installing the database server %1"), {version}),
      Fill(Tr("Check", "%1 is no administrator"), {me_})));
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
