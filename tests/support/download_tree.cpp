#include "tests/support/download_tree.h"

#include <filesystem>
#include <fstream>
#include <random>
#include <vector>

#include "database/data_module.h"
#include "database/statement.h"
#include "tests/support/child_process.h"
#include "tools/demo_databases/demo_databases.h"

namespace skarvel::test {

namespace fs = std::filesystem;

std::string MakeDownloadTree(const TempFolder& root) {
  for (const char* file : {"srv/serveurs.cfg", "zip/7za.exe", "staging/lumtrak/lumcaisse.exe",
                           "staging/lumtrak/bmp/logo.bmp", "staging/tickets/ticket.txt",
                           "staging/firebird25/udf/fbudf.so"}) {
    fs::create_directories(fs::path(root.File(file)).parent_path());
    std::ofstream(root.File(file)) << file;
  }
  // The server list names the database server of the installations.
  std::ofstream(root.File("srv/serveurs.cfg")) << "[SRV]\r\nSRV1=localhost\r\n";
  // The prepared till databases travel in the till package.
  fixtures::MakeTillDatabase(root.File("staging/lumtrak/LUMTRAK25.FDB"));
  fixtures::MakeTillDatabase(root.File("staging/lumtrak/LUMTRAK15.FDB"));
  // The server package: a setup program that only notes how it was called.
  std::ofstream(root.File("staging/firebird25/install.sh"))
      << "#!/bin/sh\necho \"install.sh $*\" >> \"$(dirname \"$0\")/../setup-called.txt\"\n";
  fs::permissions(root.File("staging/firebird25/install.sh"), fs::perms::owner_all);
  for (const char* folder : {"firebird", "lumtrak650", "templates", "pos_templates/all"}) {
    fs::create_directories(root.File(folder));
  }
  RunProgram({"/usr/bin/7za", "a", "-tzip", "-pm!rdo!ka", root.File("firebird/Firebird25.zip"),
              root.File("staging/firebird25")});
  RunProgram({"/usr/bin/7za", "a", "-tzip", root.File("templates/tickets.zip"),
              root.File("staging/tickets/ticket.txt")});
  RunProgram({"/usr/bin/7za", "a", "-tzip", "-pm!rdo!ka", root.File("lumtrak650/lumtrak650.zip"),
              root.File("staging/lumtrak")});
  return root.path();
}

db::Attachment OpenAsAdministrator(const std::string& database) {
  return db::Attachment::Open(
      {database, db::kDatabaseUser, db::kDatabasePassword, std::string("WIN1252")});
}

void EnlargeTillPackage(const TempFolder& root, std::size_t bytes) {
  std::ofstream large(root.File("staging/lumtrak/zz-large.bin"), std::ios::binary);
  std::mt19937_64 random(7);
  std::vector<std::uint64_t> block(1 << 16);
  for (std::size_t written = 0; written < bytes; written += block.size() * 8) {
    for (auto& word : block) word = random();
    large.write(reinterpret_cast<const char*>(block.data()),
                static_cast<std::streamsize>(std::min(bytes - written, block.size() * 8)));
  }
  large.close();
  fs::remove(root.File("lumtrak650/lumtrak650.zip"));
  RunProgram({"/usr/bin/7za", "a", "-tzip", "-mx0", "-pm!rdo!ka",
              root.File("lumtrak650/lumtrak650.zip"), root.File("staging/lumtrak")});
}

std::string FirstValue(const std::string& database, const std::string& sql) {
  db::Attachment attachment = OpenAsAdministrator(database);
  db::Transaction transaction(attachment);
  db::Statement query(transaction, sql);
  db::ResultSet rows = query.Open();
  return rows.Next() ? rows.Row().AsString(0) : "(no row)";
}

}  // namespace skarvel::test
