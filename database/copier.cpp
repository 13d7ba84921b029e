#include "database/copier.h"

#include "platform/ansi_text.h"

namespace skarvel::db {
namespace {

constexpr int kBatchRows = 5000;
const DateTime kDateTimeZero{1899, 12, 30, 0, 0, 0, 0};

void Transfer(const Values& row, int column, Values& parameters, int place, Kind kind,
              NullRule rule) {
  const bool null = row.IsNull(column);
  if (null && rule == NullRule::kKeepNull) return parameters.SetNull(place);
  switch (kind) {
    case Kind::kText: {
      std::string text = null ? std::string() : row.AsString(column);
      if (rule == NullRule::kNullWhenBlank && Trim(text).empty()) return parameters.SetNull(place);
      if (rule == NullRule::kZeroTextWhenEmpty && text.empty()) text.assign(1, '0');
      return parameters.SetString(place, text);
    }
    case Kind::kInteger:
      return parameters.SetInteger(place, null ? 0 : row.AsInteger(column));
    case Kind::kDecimal:
      // A floating source travels as a double; the till's column decides what it becomes.
      if (!null && row.IsFloating(column)) return parameters.SetDouble(place, row.AsDouble(column));
      return parameters.SetDecimal(place, null ? Decimal{} : row.AsDecimal(column));
    case Kind::kDateTime:
      return parameters.SetDateTime(place, null ? kDateTimeZero : row.AsDateTime(column));
    case Kind::kDate: {
      DateTime date = null ? kDateTimeZero : row.AsDateTime(column);
      date.hour = date.minute = date.second = date.ten_thousandths = 0;
      return parameters.SetDateTime(place, date);
    }
  }
}

std::int64_t Count(Transaction& central, const std::string& sql) {
  OpenWork(central);
  Statement count(central, sql);
  ResultSet rows = count.Open();
  const std::int64_t value = rows.Next() ? rows.Row().AsInteger(0) : 0;
  rows.Close();
  central.Commit();
  return value;
}

void RollBackQuietly(Transaction& transaction) {
  try {
    transaction.Rollback();
  } catch (const FirebirdError&) {
  }
}

}  // namespace

// The lines joined with line breaks, as the design's statement components join them.
std::string Lines(std::initializer_list<const char*> lines) {
  std::string text;
  for (const char* line : lines) {
    if (!text.empty()) text += "\n";
    text += line;
  }
  return text;
}

Bind ByPlace(int place, Kind kind, NullRule rule) { return {place, "", "", kind, rule}; }

Bind ByName(const std::string& column, const std::string& parameter, Kind kind, NullRule rule) {
  return {-1, column, parameter, kind, rule};
}

Bind ByNameWhenPresent(const std::string& column, const std::string& parameter, Kind kind,
                       NullRule rule) {
  return {-1, column, parameter, kind, rule, true};
}

RowBinder::RowBinder(const std::vector<Bind>& binds, const ResultSet& rows, Statement& insert) {
  for (const Bind& bind : binds) {
    if (bind.place >= 0) {
      targets_.push_back({bind.place, {bind.place}, bind.kind, bind.rule});
    } else if (bind.only_when_present && rows.Row().IndexOf(bind.column) < 0) {
      continue;  // its parameter stays NULL
    } else {
      targets_.push_back(
          {rows.Column(bind.column), insert.Places(bind.parameter), bind.kind, bind.rule});
    }
  }
}

void RowBinder::Fill(const Values& row, Values& parameters) const {
  for (const Target& target : targets_) {
    for (const int place : target.places) {
      Transfer(row, target.column, parameters, place, target.kind, target.rule);
    }
  }
}

bool RunCopier(CopyContext& context, const Copier& copier) {
  const Connection& central_connection = context.module.DV_SERVER;
  bool result = true;
  std::int64_t count = 0;
  try {
    count = Count(central_connection.Work(), copier.count_sql);
  } catch (const std::exception&) {
    if (central_connection.Open()) RollBackQuietly(central_connection.Work());
    result = false;
  }
  const int maximum = count > 0 ? static_cast<int>(count) : 1;
  // A table with nothing to copy here (the cards went with the customers) gets no bar; one that
  // failed gets one, ending where it failed.
  bool bar_shown = false;
  const auto show_bar = [&] {
    if (bar_shown) return;
    bar_shown = true;
    context.progress.SetTableName(copier.label);
    context.progress.SetTable(0, maximum);
  };
  try {
    Transaction& central = central_connection.Work();
    Transaction& till = context.module.DV_CAISSE.Work();
    OpenWork(central);
    OpenWork(till);
    context.pump.ProcessMessages();
    const std::optional<std::string> select = copier.select(central);
    if (!select) {
      if (!result) show_bar();
      return result;
    }
    show_bar();
    Statement source(central, *select);
    ResultSet rows = source.Open();
    Statement insert(till, copier.insert_sql);
    const RowBinder binder(copier.binds, rows, insert);
    int position = 0;
    int pending = 0;
    while (rows.Next()) {
      context.progress.SetTable(++position, maximum);
      binder.Fill(rows.Row(), insert.Params());
      insert.Execute();
      ++pending;
      const bool commit = copier.batch == Batch::kEvery5000   ? pending == kBatchRows
                          : copier.batch == Batch::kAbove5000 ? pending > kBatchRows
                                                              : false;
      if (commit) {
        till.Commit();
        pending = 0;
      }
      if (copier.batch == Batch::kAbove5000 || commit) context.pump.ProcessMessages();
    }
    EndTableBar(context.progress, position, maximum);
    rows.Close();
    till.Commit();
    central.Commit();
    if (copier.then && !copier.then()) result = false;
    return result;
  } catch (const std::exception& error) {
    show_bar();
    context.module.LogError(error);
    context.notifier.ShowMessage(copier.error_label + ErrorText(error));
    return false;
  }
}

void EndTableBar(CopyProgress& progress, int rows, int counted) {
  if (rows != counted) progress.SetTable(rows, rows);
}

}  // namespace skarvel::db
