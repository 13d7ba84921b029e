#include "database/statement.h"

#include <strings.h>

#include <firebird/Interface.h>

#include "database/named_parameters.h"
#include "platform/translation.h"

namespace skarvel::db {

using namespace Firebird;

Statement::Statement(Transaction& transaction, const std::string& sql)
    : transaction_(transaction), sql_(sql) {
  const PositionalStatement positional = RewriteNamedParameters(sql);
  names_ = positional.names;
  transaction_.Start();
  Status status;
  statement_ = transaction_.attachment().get()->prepare(status.get(), transaction_.get(), 0,
                                                        positional.sql.c_str(), 3,
                                                        IStatement::PREPARE_PREFETCH_METADATA);
  status.Check("Preparing " + sql);
  IMessageMetadata* input = statement_->getInputMetadata(status.get());
  IMessageMetadata* output = statement_->getOutputMetadata(status.get());
  status.Check("Preparing " + sql);
  input_metadata_ = Values::Coerce(input);
  output_metadata_ = Values::Coerce(output);
  input->release();
  output->release();
  input_.Load(input_metadata_);
  output_.Load(output_metadata_);
}

Statement::~Statement() {
  if (input_metadata_ != nullptr) input_metadata_->release();
  if (output_metadata_ != nullptr) output_metadata_->release();
  if (statement_ != nullptr) {
    Status status;
    statement_->free(status.get());
    if ((status.get()->getState() & IStatus::STATE_ERRORS) != 0) statement_->release();
  }
}

std::vector<int> Statement::Places(const std::string& name) const {
  std::vector<int> places;
  for (std::size_t i = 0; i < names_.size(); ++i) {
    if (strcasecmp(names_[i].c_str(), name.c_str()) == 0) places.push_back(static_cast<int>(i));
  }
  if (places.empty()) {
    throw FirebirdError(
        Fill(Tr("Database", "The statement has no parameter %1: %2"), {name, sql_}));
  }
  return places;
}

template <typename Setter>
void Statement::ForEachPlace(const std::string& name, Setter set) {
  for (const int place : Places(name)) set(place);
}

void Statement::SetNull(const std::string& name) {
  ForEachPlace(name, [this](int i) { input_.SetNull(i); });
}

void Statement::SetString(const std::string& name, const std::string& value) {
  ForEachPlace(name, [&](int i) { input_.SetString(i, value); });
}

void Statement::SetInteger(const std::string& name, std::int64_t value) {
  ForEachPlace(name, [&](int i) { input_.SetInteger(i, value); });
}

void Statement::SetDecimal(const std::string& name, Decimal value) {
  ForEachPlace(name, [&](int i) { input_.SetDecimal(i, value); });
}

void Statement::SetDateTime(const std::string& name, const DateTime& value) {
  ForEachPlace(name, [&](int i) { input_.SetDateTime(i, value); });
}

void Statement::Execute() {
  transaction_.Start();
  Status status;
  statement_->execute(status.get(), transaction_.get(), input_metadata_, input_.Buffer(),
                      output_metadata_, output_.Buffer());
  status.Check("Running " + sql_);
}

ResultSet Statement::Open() {
  transaction_.Start();
  Status status;
  IResultSet* cursor = statement_->openCursor(status.get(), transaction_.get(), input_metadata_,
                                              input_.Buffer(), output_metadata_, 0);
  status.Check("Running " + sql_);
  return ResultSet(*this, cursor);
}

ResultSet::ResultSet(ResultSet&& other) noexcept
    : statement_(other.statement_), cursor_(other.cursor_) {
  other.cursor_ = nullptr;
}

ResultSet::~ResultSet() {
  try {
    Close();
  } catch (const FirebirdError&) {
  }
}

bool ResultSet::Next() {
  if (cursor_ == nullptr) return false;
  Status status;
  const int result = cursor_->fetchNext(status.get(), statement_->output_.Buffer());
  status.Check("Reading the rows of " + statement_->sql_);
  return result == IStatus::RESULT_OK;
}

int ResultSet::Column(const std::string& name) const {
  const int index = Row().IndexOf(name);
  if (index < 0) {
    throw FirebirdError(
        Fill(Tr("Database", "The query has no column %1: %2"), {name, statement_->sql_}));
  }
  return index;
}

void ResultSet::Close() {
  if (cursor_ == nullptr) return;
  Status status;
  cursor_->close(status.get());
  if ((status.get()->getState() & IStatus::STATE_ERRORS) != 0) cursor_->release();
  cursor_ = nullptr;
  status.Check("Closing the rows of " + statement_->sql_);
}

}  // namespace skarvel::db
