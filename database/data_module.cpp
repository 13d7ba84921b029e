#include "database/data_module.h"

#include "platform/ansi_text.h"
#include "platform/file_system.h"
#include "platform/folder_path.h"
#include "workstation/till_settings.h"

namespace skarvel::db {
namespace {

constexpr const char* kStartServerMessage =
    "Le service Firebird ne semble pas d\xE9marr\xE9, veuillez le d\xE9marrer manuellement et "
    "ensuite appuyez sur OK";
constexpr const char* kCheckServerMessage =
    "Connexion impossible, merci de v\xE9rifier Firebird avant de continuer.";
// Above this central version the central database speaks Windows-1252.
constexpr int kLastVersionWithoutCharacterSet = 2030500;

bool IsVersion25(const cust_post& record) { return Trim(record.CP_VERS_FB) == "2.5"; }

ConnectionParameters Parameters(const std::string& database,
                                std::optional<std::string> character_set) {
  // The design's "PAGE SIZE=4096" only matters when a database is created, and its schema
  // cache folder belongs to its data-access components; neither is a connection parameter here.
  return {database, kDatabaseUser, kDatabasePassword, std::move(character_set)};
}

// The position of the first occurrence of what in text, compared without regard to case.
std::size_t FindIgnoringCase(const std::string& text, const std::string& what) {
  return UpperCase(text).find(UpperCase(what));
}

}  // namespace

Transaction& Connection::Work() const {
  if (!work) {
    throw FirebirdError(last_error.empty() ? Tr("Database", closed)
                                           : Fill(Tr("Database", closed_because), {last_error}));
  }
  return *work;
}

Transaction& Connection::Procedure() const {
  if (!procedure) Work();  // says why
  return *procedure;
}

void Connection::Connect() {
  Close();
  try {
    attachment = open(parameters);
    last_error.clear();
    last_cause = FailureCause::kOther;
  } catch (const FirebirdError& error) {
    last_error = error.what();
    last_cause = error.Cause();
    throw;
  }
  work = std::make_unique<Transaction>(*attachment);
  procedure = std::make_unique<Transaction>(*attachment);
}

void Connection::Close() {
  work.reset();
  procedure.reset();
  if (!attachment) return;
  Attachment closing = std::move(*attachment);
  attachment.reset();
  closing.Detach();
}

void OpenWork(Transaction& transaction) {
  if (transaction.Active()) transaction.Commit();
  transaction.Start();
}

bool RunCentralWork(TDmskarvel& module, const std::function<void(Transaction&)>& work,
                    const std::function<void(const std::string&)>& on_error) {
  Transaction* transaction = nullptr;
  try {
    transaction = &module.DV_SERVER.Work();
    OpenWork(*transaction);
    work(*transaction);
    transaction->Commit();
    return true;
  } catch (const std::exception& error) {
    try {
      if (transaction != nullptr) transaction->Rollback();
    } catch (const FirebirdError&) {
    }
    module.LogError(error);
    if (on_error) on_error(ErrorText(error));
    return false;
  }
}

std::string TillDatabaseText(const cust_post& record) {
  return WithTrailingSeparator(record.PPA_POSPATH2) + record.PPA_POSDB;
}

std::string WithExistingSpelling(const std::string& database_text) {
  const std::string local = LocalDatabaseFile(database_text);
  const std::size_t slash = local.find_last_of(kFolderSeparator);
  if (slash == std::string::npos) return database_text;
  const std::string name = local.substr(slash + 1);
  const std::string existing = FindNameIgnoringCase(local.substr(0, slash + 1), name);
  if (existing.empty() || existing == name) return database_text;
  return database_text.substr(0, database_text.size() - name.size()) + existing;
}

std::string LocalDatabaseFile(const std::string& database_text) {
  const std::string server = "localhost:";
  const std::size_t at = FindIgnoringCase(database_text, server);
  if (at == std::string::npos) return database_text;
  return database_text.substr(0, at) + database_text.substr(at + server.size());
}

bool PlaceTillDatabase(const std::string& local_file, const std::string& server_version) {
  const std::string plain = "LUMTRAK.FDB";
  const std::size_t at = FindIgnoringCase(local_file, plain);
  if (at == std::string::npos) return false;
  const std::string folder = local_file.substr(0, at);
  // A till database under the name in another case ("lumtrak.fdb") is the till database, as it
  // would be on the tills' original file system: no second one beside it.
  if (!FindNameIgnoringCase(folder, local_file.substr(at)).empty()) return false;
  const std::string versioned = FindNameIgnoringCase(
      folder, Trim(server_version) == "2.5" ? "LUMTRAK25.FDB" : "LUMTRAK15.FDB");
  if (versioned.empty()) return false;
  return RenameNoReplace(folder + versioned, local_file);
}

bool TDmskarvel::OpenTill() {
  for (const char* message : {kStartServerMessage, kCheckServerMessage}) {
    try {
      DV_CAISSE.Connect();
      return true;
    } catch (const FirebirdError&) {
      notifier_.ShowMessage(message);
    }
  }
  try {
    DV_CAISSE.Connect();
  } catch (const FirebirdError&) {
  }
  return DV_CAISSE.Open();
}

int ReadCentralVersion(TDmskarvel& module) {
  Transaction& work = module.DV_SERVER.Work();
  OpenWork(work);
  Statement query(work, "select valeur from\nzvtype where code_type = 'VERSI'");
  ResultSet rows = query.Open();
  const int version =
      rows.Next() ? static_cast<int>(rows.Row().AsInteger(rows.Column("VALEUR"))) : 0;
  rows.Close();
  work.Commit();
  return version;
}

void TDmskarvel::ReconnectCentralForItsVersion() {
  try {
    if (ReadCentralVersion(*this) > kLastVersionWithoutCharacterSet) {
      DV_SERVER.parameters.character_set = "WIN1252";
      DV_SERVER.Connect();
    }
  } catch (const FirebirdError&) {
    // The next statements on the central database report their own errors.
  }
}

bool TDmskarvel::ConnectDatabases(const cust_post& record) {
  till_problem.clear();
  try {
    DV_CAISSE.Close();
    PlaceTillDatabase(LocalDatabaseFile(TillDatabaseText(record)), record.CP_VERS_FB);
    const std::string till = WithExistingSpelling(TillDatabaseText(record));
    till_problem = prepare_till ? prepare_till(till) : "";
    DV_CAISSE.parameters = Parameters(
        till, IsVersion25(record) ? std::optional<std::string>("WIN1252") : std::nullopt);
    if (!OpenTill()) return false;
    WriteTillSetting(record.PPA_POSPATH, kTillSection, "dbf", till);

    DV_SERVER.Close();
    DV_SERVER.parameters = Parameters(record.cus_base_pos, std::nullopt);
    try {
      DV_SERVER.Connect();
    } catch (const FirebirdError&) {
      return false;
    }
    ReconnectCentralForItsVersion();
    WriteTillSetting(record.PPA_POSPATH, kOfficeSection, "dbf", record.cus_base_pos);
    return DV_CAISSE.Open();
  } catch (const std::exception&) {
    return false;
  }
}

void TDmskarvel::DisconnectDatabases() {
  for (Connection* connection : {&DV_CAISSE, &DV_SERVER}) {
    try {
      connection->Close();
    } catch (const std::exception&) {
    }
  }
}

}  // namespace skarvel::db
