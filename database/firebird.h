#pragma once

#include <optional>
#include <stdexcept>
#include <string>

namespace Firebird {
class IAttachment;
class ITransaction;
class IMaster;
class IStatus;
class CheckStatusWrapper;
}  // namespace Firebird

namespace skarvel::db {

// What a connection's failure comes from, where Firebird's codes tell it apart: the server
// refused the user name and password, no server answered at the host, or the server (or the
// engine) may not open the database file.
enum class FailureCause { kOther, kLoginRefused, kServerUnreachable, kFileAccessDenied };

// A failure reported by Firebird. what() says what was being done ("Running INSERT INTO …") and
// Firebird's own text, for the log; Text() is Firebird's own text alone, for the person.
class FirebirdError : public std::runtime_error {
 public:
  // An error of ours, whose text is all there is to say.
  explicit FirebirdError(const std::string& text) : std::runtime_error(text), text_(text) {}
  FirebirdError(const std::string& doing, const std::string& firebird_text,
                FailureCause cause = FailureCause::kOther)
      : std::runtime_error(doing + ": " + firebird_text), text_(firebird_text), cause_(cause) {}
  const std::string& Text() const { return text_; }
  FailureCause Cause() const { return cause_; }

 private:
  std::string text_;
  FailureCause cause_ = FailureCause::kOther;
};

// What a message box says of an error: Firebird's own text, or the whole text of another error.
std::string ErrorText(const std::exception& error);

Firebird::IMaster* Master();

// A status vector for one call into the OO API; Check() throws its error as FirebirdError.
class Status {
 public:
  Status();
  ~Status();
  Status(const Status&) = delete;
  Status& operator=(const Status&) = delete;
  Firebird::CheckStatusWrapper* get() { return wrapper_; }
  void Check(const std::string& what);

 private:
  Firebird::IStatus* status_;
  Firebird::CheckStatusWrapper* wrapper_;
};

struct ConnectionParameters {
  std::string database;  // a file, or "host:file" / "host/port:file" for a server
  std::string user;
  std::string password;
  std::optional<std::string> character_set;  // lc_ctype, e.g. "WIN1252"
};

// An open connection to a database, SQL dialect 3; detached when it goes.
class Attachment {
 public:
  static Attachment Open(const ConnectionParameters& parameters);
  // Creates the database file (for the tests' fixtures) with the given default character set.
  static Attachment Create(const ConnectionParameters& parameters,
                           const std::string& default_character_set);

  Attachment(Attachment&& other) noexcept;
  Attachment& operator=(Attachment&& other) noexcept;
  ~Attachment();
  void Detach();
  // Runs one statement in a transaction of its own (definitions, for fixtures and tools).
  void ExecuteImmediate(const std::string& sql);
  Firebird::IAttachment* get() const { return attachment_; }

 private:
  explicit Attachment(Firebird::IAttachment* attachment) : attachment_(attachment) {}
  Firebird::IAttachment* attachment_ = nullptr;
};

// Logs in to the service manager of the server at host ("localhost", "host/3051") with the user
// name and password, and logs out again: whether the server takes that login, without any
// database. Throws FirebirdError.
void CheckServerLogin(const std::string& host, const std::string& user,
                      const std::string& password);

// A transaction with concurrency (snapshot) isolation, read-write, waiting on locks. Several can
// live on one attachment; one left active when it goes is rolled back.
class Transaction {
 public:
  explicit Transaction(Attachment& attachment) : attachment_(attachment) {}
  ~Transaction();
  Transaction(const Transaction&) = delete;
  Transaction& operator=(const Transaction&) = delete;

  void Start();
  void Commit();
  void Rollback();
  bool Active() const { return transaction_ != nullptr; }
  Firebird::ITransaction* get() const { return transaction_; }
  Attachment& attachment() const { return attachment_; }

 private:
  Attachment& attachment_;
  Firebird::ITransaction* transaction_ = nullptr;
};

}  // namespace skarvel::db
