#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "database/reference_copy.h"

namespace skarvel::db {

// How a source value is read and bound to an insert parameter.
enum class Kind { kText, kInteger, kDecimal, kDateTime, kDate };

// What a NULL or blank source value becomes. By default NULL numbers are 0, NULL texts are
// empty and NULL dates are the date-time 0 (30 December 1899).
enum class NullRule { kDefault, kKeepNull, kNullWhenBlank, kZeroTextWhenEmpty };

// One parameter of the insert and where its value comes from: the select's column at the same
// place, or the column of a name.
struct Bind {
  int place = -1;
  std::string column;
  std::string parameter;
  Kind kind = Kind::kText;
  NullRule rule = NullRule::kDefault;
  bool only_when_present = false;
};
Bind ByPlace(int place, Kind kind, NullRule rule = NullRule::kDefault);
Bind ByName(const std::string& column, const std::string& parameter, Kind kind,
            NullRule rule = NullRule::kDefault);
// Bound by name only when the select's result has the column; otherwise the parameter is NULL.
Bind ByNameWhenPresent(const std::string& column, const std::string& parameter, Kind kind,
                       NullRule rule = NullRule::kDefault);

// The lines joined with line breaks, as the design's statement components join them.
std::string Lines(std::initializer_list<const char*> lines);

// When the till transaction is committed during a copy.
enum class Batch {
  kAtEnd,
  kEvery5000,  // after every 5,000 rows, then the window's messages
  kAbove5000,  // once more than 5,000 rows are pending; the window's messages after each row
};

// One table's copy from the central database into the till.
struct Copier {
  std::string label;        // the memo's line
  std::string error_label;  // precedes the error's text in the message box
  std::string count_sql;
  // The select, asked in the central work transaction once it is open; none: nothing to copy.
  std::function<std::optional<std::string>(Transaction& central)> select;
  std::string insert_sql;
  std::vector<Bind> binds;
  Batch batch = Batch::kAtEnd;
  // A second part, run once the rows are committed, whatever the count gave; its false makes
  // the copier's.
  std::function<bool()> then = nullptr;
};

// The common course of a copier: count, copy every row, commit, then its second part. An error
// while copying shows the error label with Firebird's own text (the whole error goes to the
// log) and gives false; a failed count gives false too, but the copy is still made.
bool RunCopier(CopyContext& context, const Copier& copier);

// The table bar at the end of a table's rows: where the count taken before the copy was not
// the number of rows the copy went through (its query filters, or rows came or went), the bar
// ends on what was copied rather than short of or past its end; a table without rows ends on
// 0 of 0, done.
void EndTableBar(CopyProgress& progress, int rows, int counted);

// Binds the row's values to the insert for every bind.
class RowBinder {
 public:
  RowBinder(const std::vector<Bind>& binds, const ResultSet& rows, Statement& insert);
  void Fill(const Values& row, Values& parameters) const;

 private:
  struct Target {
    int column;
    std::vector<int> places;
    Kind kind;
    NullRule rule;
  };
  std::vector<Target> targets_;
};

}  // namespace skarvel::db
