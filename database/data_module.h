#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string>

#include "database/firebird.h"
#include "database/statement.h"
#include "platform/notifier.h"
#include "platform/translation.h"
#include "service/cust_post.h"

namespace skarvel::db {

// The database administrator's fixed account for both connections.
inline constexpr const char* kDatabaseUser = "SYSDBA";
inline constexpr const char* kDatabasePassword = "lanternox";

// A connection with the transactions the installation uses on it. The design's statement
// components are prepared by each unit of work on the transaction it belongs to; its other
// transactions (TR_CAISSE_TMP, TR_Server_PS2) serve no operation and are not kept.
struct Connection {
  // The sentences (SKARVEL_TEXT, "Database") of a statement on the closed connection: without a
  // reason, and with %1 for Firebird's text of the failed connect.
  Connection(const char* not_open, const char* not_open_because)
      : closed(not_open), closed_because(not_open_because) {}

  const char* closed;
  const char* closed_because;
  ConnectionParameters parameters;
  std::optional<Attachment> attachment;
  std::unique_ptr<Transaction> work;       // TR_CAISSE / TR_Server
  std::unique_ptr<Transaction> procedure;  // TR_Server_PS
  // Firebird's text for the last failed connect, kept for the log: the messages the person
  // sees do not say why.
  std::string last_error;
  FailureCause last_cause = FailureCause::kOther;
  // How an attachment is made; the tests make one fail here.
  std::function<Attachment(const ConnectionParameters&)> open = Attachment::Open;

  bool Open() const { return attachment.has_value(); }
  // The transactions of an open connection. On a closed one (a reconnect that failed) they
  // throw FirebirdError naming the connection and why it closed, so every statement reports
  // its own error, as the design's statements on a closed connection do.
  Transaction& Work() const;
  Transaction& Procedure() const;
  void Connect();
  // Rolls back what is left active (a unit of work that failed last) and detaches.
  void Close();
};

// The till database and the shop's central database (the design's data module Dmskarvel).
class TDmskarvel {
 public:
  explicit TDmskarvel(Notifier& notifier) : notifier_(notifier) {}

  // The run log: every database error in full, with the statement it came from, where the
  // person sees Firebird's own text only.
  std::function<void(const std::string& line)> log;
  void LogError(const std::exception& error) const {
    if (log) log(std::string("database: ") + error.what());
  }

  // Puts the till database file in place, opens both connections with the record's parameters
  // and writes their "dbf" entries into the till's settings file; true when both are open.
  bool ConnectDatabases(const cust_post& record);
  // Closes the till connection, then the central one; errors are ignored.
  void DisconnectDatabases();

  // Told the till database text once its file is in place, before it is opened: lets a database
  // server of this computer use the file. Returns why it cannot (empty when it can), which
  // till_problem keeps until the next connect.
  std::function<std::string(const std::string& database_text)> prepare_till;
  std::string till_problem;

  Connection DV_CAISSE{SKARVEL_TEXT("Database", "the till database is not open"),
                       SKARVEL_TEXT("Database", "the till database is not open: %1")};
  Connection DV_SERVER{SKARVEL_TEXT("Database", "the central database is not open"),
                       SKARVEL_TEXT("Database", "the central database is not open: %1")};

 private:
  bool OpenTill();
  void ReconnectCentralForItsVersion();

  Notifier& notifier_;
};

// Begins a unit of work: an explicitly started transaction is committed, then one is started.
void OpenWork(Transaction& transaction);

// One unit of work on the central work transaction: begun with OpenWork, committed at its end,
// rolled back on an error, whose own text goes to on_error (when given) and whose whole text
// to the log. True when it committed.
bool RunCentralWork(TDmskarvel& module, const std::function<void(Transaction&)>& work,
                    const std::function<void(const std::string&)>& on_error);

// The till database text: PPA_POSPATH2 with its separator + PPA_POSDB, server part included.
std::string TillDatabaseText(const cust_post& record);
// The file behind a database text: without a leading "localhost:" in any case.
std::string LocalDatabaseFile(const std::string& database_text);
// The database text naming its file as the folder spells it, when a file of that name in another
// case exists ("lumtrak.fdb" for "LUMTRAK.FDB"); otherwise the text as it is.
std::string WithExistingSpelling(const std::string& database_text);
// Gives the prepared file for the record's server generation ("LUMTRAK25.FDB" for 2.5,
// "LUMTRAK15.FDB" otherwise, looked up in its folder without regard to case) the plain name;
// never replaces an existing till database, whatever the case of its name. False when nothing
// was renamed.
bool PlaceTillDatabase(const std::string& local_file, const std::string& server_version);
// The central database's version (ZVTYPE 'VERSI'), read in the central work transaction.
int ReadCentralVersion(TDmskarvel& module);

}  // namespace skarvel::db
