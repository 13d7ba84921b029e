#include "app/server_access.h"

#include "database/server_location.h"
#include "platform/file_access.h"
#include "platform/local_host.h"
#include "platform/port_owner.h"
#include "platform/system_account.h"
#include "platform/translation.h"

namespace skarvel {
namespace {

constexpr char kDistributionAccount[] = "firebird";

void LearnAccount(LocalServer& server, ServiceManager& services, const std::string& display_name,
                  int port) {
  if (const auto service = services.FindService(display_name)) {
    server.account = service->account.empty() ? "root" : service->account;
    server.found = Fill(Tr("Check", "the service %1 runs as %2"), {service->name, server.account});
    return;
  }
  if (const auto uid = ListeningAccount(port)) {
    if (const auto account = FindAccount(*uid)) {
      server.account = account->name;
      server.found = Fill(Tr("Check", "the server listening on port %1 runs as %2"),
                          {std::to_string(port), server.account});
      return;
    }
  }
  server.account = kDistributionAccount;
  server.found = Fill(Tr("Check", "no service or listening server tells the account; taken as %1"),
                      {server.account});
}

// The plan or its problem, as a sentence naming the account, the file and what to do.
std::string Problem(const LocalServer& server, const std::string& why) {
  if (why.empty()) return "";
  return Fill(Tr("Check", "the database server's account %1 may not use the till database %2: %3"),
              {server.account, server.file, why});
}

std::string NoAccount(const LocalServer& server) {
  return Fill(Tr("Check",
                 "this computer has no account %1 (%2): check which account the database server "
                 "runs as"),
              {server.account, server.found});
}

}  // namespace

LocalServer FindLocalServer(const std::string& database_text, ServiceManager& services,
                            const std::string& server_display_name) {
  const db::DatabaseLocation location = db::ParseDatabaseLocation(database_text);
  LocalServer server;
  if (location.host.empty() || !IsThisComputer(location.host)) return server;
  server.local = true;
  server.address = db::ServerAddress(location);
  server.file = location.file;
  LearnAccount(server, services, server_display_name,
               location.port.value_or(db::ClientServerPort()));
  return server;
}

std::string ServerAccessProblem(const LocalServer& server) {
  if (!server.local || server.account == "root") return "";
  const std::optional<SystemAccount> account = FindAccount(server.account);
  if (!account) return Problem(server, NoAccount(server));
  return Problem(server, PlanFileAccess(*account, server.file).problem);
}

std::string GiveServerItsFile(const LocalServer& server) {
  if (!server.local || server.account == "root") return "";
  const std::optional<SystemAccount> account = FindAccount(server.account);
  if (!account) return Problem(server, NoAccount(server));
  return Problem(server, GrantFileAccess(*account, server.file));
}

}  // namespace skarvel
