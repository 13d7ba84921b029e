#include "database/central_probe.h"

#include "database/data_module.h"

namespace skarvel::db {

CentralProbe ProbeCentralDatabase(const std::string& location) {
  CentralProbe probe;
  try {
    Attachment central =
        Attachment::Open({location, kDatabaseUser, kDatabasePassword, std::nullopt});
    probe.reached = true;
    Transaction transaction(central);
    Statement query(transaction, "select valeur from zvtype where code_type = 'VERSI'");
    ResultSet rows = query.Open();
    if (rows.Next()) probe.version = static_cast<int>(rows.Row().AsInteger(0));
  } catch (const FirebirdError& error) {
    probe.error = error.Text();
  }
  return probe;
}

}  // namespace skarvel::db
