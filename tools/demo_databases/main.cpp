// Makes the demo's databases and reports what a till database holds.
//
//   skarvel-demo-databases central FILE [SEED]   a central database with seeded rows
//   skarvel-demo-databases till FILE             an empty prepared till database
//   skarvel-demo-databases count FILE            the rows of each reference table

#include <cstdio>
#include <cstdlib>
#include <exception>
#include <string>

#include "database/data_module.h"
#include "database/statement.h"
#include "tools/demo_databases/demo_databases.h"

namespace {

using namespace skarvel;

void Count(const std::string& file) {
  db::Attachment till = db::Attachment::Open(
      {file, db::kDatabaseUser, db::kDatabasePassword, std::string("WIN1252")});
  db::Transaction transaction(till);
  for (const char* table :
       {"DEVISES", "CAISSIERES", "CONFCAISSE", "TVA", "RAYON", "CONDITIONS", "REMISE", "CLIENT",
        "CLIENT_CARD", "CIVILITE", "ZVTYPE", "APPELPRIX", "PRODUITSLIES", "APPROMO"}) {
    db::Statement count(transaction, std::string("select count(*) from ") + table);
    db::ResultSet rows = count.Open();
    std::printf("  %-13s %8lld rows\n", table,
                rows.Next() ? static_cast<long long>(rows.Row().AsInteger(0)) : 0LL);
  }
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 3) {
    std::fprintf(stderr, "usage: skarvel-demo-databases central|till|count FILE [SEED]\n");
    return 64;
  }
  const std::string command = argv[1];
  const std::string file = argv[2];
  try {
    if (command == "central") {
      fixtures::MakeCentralDatabase(file, {},
                                    argc > 3 ? static_cast<unsigned>(std::atoi(argv[3])) : 1);
    } else if (command == "till") {
      fixtures::MakeTillDatabase(file);
    } else if (command == "count") {
      Count(file);
    } else {
      std::fprintf(stderr, "unknown command %s\n", command.c_str());
      return 64;
    }
  } catch (const std::exception& error) {
    std::fprintf(stderr, "skarvel-demo-databases: %s\n", error.what());
    return 1;
  }
  return 0;
}
