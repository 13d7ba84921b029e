// The till and central databases of the installation: connecting them (and letting a database
// server of this computer use the till database), the registration, the copy, the closing number.

#include <algorithm>

#include "app/server_access.h"
#include "app/view_copy_progress.h"
#include "app/workstation_operations.h"
#include "database/reference_copy.h"
#include "database/registration.h"
#include "database/server_location.h"
#include "platform/profile_file.h"

namespace skarvel {

bool WorkstationOperations::ConnectDatabases() {
  const bool connected = Dmskarvel.ConnectDatabases(service_.CustPost);
  if (connected) return true;
  // Why the server could not be given the till database comes first: it explains the rest.
  if (!Dmskarvel.DV_CAISSE.Open()) Failed(Dmskarvel.till_problem);
  const std::pair<const char*, const db::Connection*> connections[] = {
      {"the till database", &Dmskarvel.DV_CAISSE}, {"the central database", &Dmskarvel.DV_SERVER}};
  for (const auto& [name, connection] : connections) {
    if (connection->Open() || connection->parameters.database.empty()) continue;
    Failed(WhyNotOpen(name, *connection));
  }
  return false;
}

std::string WorkstationOperations::WhyNotOpen(const std::string& name,
                                              const db::Connection& connection) const {
  const std::string& database = connection.parameters.database;
  const db::DatabaseLocation location = db::ParseDatabaseLocation(database);
  const std::string firebird =
      connection.last_error.empty() ? "" : " (" + connection.last_error + ")";
  switch (connection.last_cause) {
    case db::FailureCause::kLoginRefused:
      return "the database server at " + location.host +
             " refuses the installation's administrator login" + firebird +
             ": an administrator sets the password of its SYSDBA to the installation's (see "
             "\"Who runs what\" in the README)";
    case db::FailureCause::kServerUnreachable:
      return "no database server answers at " + location.host + " for " + name + " " + database +
             firebird + ": it must run there before the database step";
    case db::FailureCause::kFileAccessDenied:
      return "the database server may not open " + name + " " + location.file + firebird +
             ": its account must be able to read and write the file and pass the folders above "
             "it";
    case db::FailureCause::kOther:
      break;
  }
  return "could not open " + name + " " + database + firebird;
}

std::string WorkstationOperations::PrepareTillDatabase(const std::string& database_text) {
  const LocalServer server = FindLocalServer(database_text, services_, server_display_name_);
  if (!server.local) return "";
  log_.Write("the till database is opened by the database server of this computer; " +
             server.found);
  const std::string problem = GiveServerItsFile(server);
  log_.Write(problem.empty() ? "the account " + server.account + " may use " + server.file
                             : problem);
  return problem;
}

void WorkstationOperations::DisconnectDatabases() { Dmskarvel.DisconnectDatabases(); }

bool WorkstationOperations::RegisterTill(int till_number, const std::string& key) {
  try {
    return db::RegisterTill(Dmskarvel, service_.CustPost.PPA_POSPATH, till_number, key);
  } catch (const ProfileError& error) {
    Failed(error.what());
    return false;
  }
}

bool WorkstationOperations::CopyReferenceData(int till_number) {
  ViewCopyProgress progress(view_);
  db::CopyContext context{Dmskarvel, progress, downloads_.pump, notifier_,
                          service_.CustPost.cp_pv_code};
  notifier_.last.clear();
  const bool copied = db::CopyReferenceData(context, till_number);
  if (!copied) {
    Failed("the shop's data was not copied completely into the till" +
           (notifier_.last.empty() ? std::string() : ": " + notifier_.last));
  }
  return copied;
}

bool WorkstationOperations::SyncClosingNumber(int till_number) {
  notifier_.last.clear();
  const bool synced = db::SyncClosingNumber(Dmskarvel, service_.CustPost, till_number, notifier_);
  if (!synced) Failed("the closing number could not be settled: " + notifier_.last);
  return synced;
}

}  // namespace skarvel
