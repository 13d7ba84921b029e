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
#include "platform/translation.h"

namespace skarvel {

bool WorkstationOperations::ConnectDatabases() {
  const bool connected = Dmskarvel.ConnectDatabases(service_.CustPost);
  if (connected) return true;
  // Why the server could not be given the till database comes first: it explains the rest.
  if (!Dmskarvel.DV_CAISSE.Open()) Failed(Dmskarvel.till_problem);
  const std::pair<const char*, const db::Connection*> connections[] = {
      {SKARVEL_TEXT("Steps", "the till database"), &Dmskarvel.DV_CAISSE},
      {SKARVEL_TEXT("Steps", "the central database"), &Dmskarvel.DV_SERVER}};
  for (const auto& [name, connection] : connections) {
    if (connection->Open() || connection->parameters.database.empty()) continue;
    Failed(WhyNotOpen(Tr("Steps", name), *connection));
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
      return Fill(Tr("Steps",
                     "the database server at %1 refuses the installation's administrator login%2: "
                     "an administrator sets the password of its SYSDBA to the installation's "
                     "(see THE ADMINISTRATOR'S PART in man skarvel-cli)"),
                  {location.host, firebird});
    case db::FailureCause::kServerUnreachable:
      return Fill(Tr("Steps",
                     "no database server answers at %1 for %2 %3%4: it must run there before the "
                     "database step"),
                  {location.host, name, database, firebird});
    case db::FailureCause::kFileAccessDenied:
      return Fill(Tr("Steps",
                     "the database server may not open %1 %2%3: its account must be able to read "
                     "and write the file and pass the folders above it"),
                  {name, location.file, firebird});
    case db::FailureCause::kOther:
      break;
  }
  return Fill(Tr("Steps", "could not open %1 %2%3"), {name, database, firebird});
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
    Failed(notifier_.last.empty()
               ? Tr("Steps", "the shop's data was not copied completely into the till")
               : Fill(Tr("Steps", "the shop's data was not copied completely into the till: %1"),
                      {notifier_.last}));
  }
  return copied;
}

bool WorkstationOperations::SyncClosingNumber(int till_number) {
  notifier_.last.clear();
  const bool synced = db::SyncClosingNumber(Dmskarvel, service_.CustPost, till_number, notifier_);
  if (!synced) {
    Failed(Fill(Tr("Steps", "the closing number could not be settled: %1"), {notifier_.last}));
  }
  return synced;
}

}  // namespace skarvel
