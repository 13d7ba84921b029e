#pragma once

#include <string>
#include <vector>

#include "database/firebird.h"
#include "database/values.h"

namespace Firebird {
class IStatement;
class IResultSet;
class IMessageMetadata;
}  // namespace Firebird

namespace skarvel::db {

class ResultSet;

// A statement prepared once and executed many times in its transaction (started when needed).
// Parameters are bound by ":Name" (every occurrence) or by place; a stored procedure's output
// parameters and a RETURNING clause land in Output().
class Statement {
 public:
  Statement(Transaction& transaction, const std::string& sql);
  ~Statement();
  Statement(const Statement&) = delete;
  Statement& operator=(const Statement&) = delete;

  Values& Params() { return input_; }
  // The places of a ":Name" parameter (every occurrence); throws FirebirdError when none.
  std::vector<int> Places(const std::string& name) const;
  void SetNull(const std::string& name);
  void SetString(const std::string& name, const std::string& value);
  void SetInteger(const std::string& name, std::int64_t value);
  void SetDecimal(const std::string& name, Decimal value);
  void SetDateTime(const std::string& name, const DateTime& value);

  // Runs a statement without a result set.
  void Execute();
  const Values& Output() const { return output_; }
  // Runs a query; its rows are read forward through the result set.
  ResultSet Open();

  const std::string& sql() const { return sql_; }

 private:
  friend class ResultSet;
  template <typename Setter>
  void ForEachPlace(const std::string& name, Setter set);

  Transaction& transaction_;
  std::string sql_;
  std::vector<std::string> names_;
  Firebird::IStatement* statement_ = nullptr;
  Firebird::IMessageMetadata* input_metadata_ = nullptr;
  Firebird::IMessageMetadata* output_metadata_ = nullptr;
  Values input_;
  Values output_;
};

// The rows of an open query, forward only; closed when it goes.
class ResultSet {
 public:
  ResultSet(ResultSet&& other) noexcept;
  ResultSet& operator=(ResultSet&&) = delete;
  ~ResultSet();

  // Moves to the next row; false after the last.
  bool Next();
  const Values& Row() const { return statement_->output_; }
  // The column's position by name; throws FirebirdError when the query has none.
  int Column(const std::string& name) const;
  void Close();

 private:
  friend class Statement;
  ResultSet(Statement& statement, Firebird::IResultSet* cursor)
      : statement_(&statement), cursor_(cursor) {}
  Statement* statement_;
  Firebird::IResultSet* cursor_;
};

}  // namespace skarvel::db
