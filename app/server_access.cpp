#include "app/server_access.h"

#include "database/server_location.h"
#include "platform/file_access.h"
#include "platform/local_host.h"
#include "platform/port_owner.h"
#include "platform/system_account.h"

namespace skarvel {
namespace {

constexpr char kDistributionAccount[] = "firebird";

void LearnAccount(LocalServer& server, ServiceManager& services, const std::string& display_name,
                  int port) {
  if (const auto service = services.FindService(display_name)) {
    server.account = service->account.empty() ? "root" : service->account;
    server.found = "the service " + service->name + " runs as " + server.account;
    return;
  }
  if (const auto uid = ListeningAccount(port)) {
    if (const auto account = FindAccount(*uid)) {
      server.account = account->name;
      server.found =
          "the server listening on port " + std::to_string(port) + " runs as " + server.account;
      return;
    }
  }
  server.account = kDistributionAccount;
  server.found = "no service or listening server tells the account; taken as " + server.account;
}

// The plan or its problem, as a sentence naming the account, the file and what to do.
std::string Problem(const LocalServer& server, const std::string& why) {
  if (why.empty()) return "";
  return "the database server's account " + server.account + " may not use the till database " +
         server.file + ": " + why;
}

std::string NoAccount(const LocalServer& server) {
  return "this computer has no account " + server.account + " (" + server.found +
         "): check which account the database server runs as";
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
