#include <filesystem>

#include <gtest/gtest.h>

#include "database/data_module.h"
#include "database/reference_copy.h"
#include "database/registration.h"
#include "platform/profile_file.h"
#include "tests/support/firebird_server_process.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/temp_folder.h"
#include "tools/demo_databases/demo_databases.h"

namespace skarvel::db {
namespace {

namespace fs = std::filesystem;

class NoProgress final : public CopyProgress {
 public:
  void ShowOverall(bool) override {}
  void SetOverall(int) override {}
  void SetTable(int, int) override {}
  void SetTableName(const std::string&) override {}
  void Label(const std::string&, bool) override {}
};

// The till and central databases reached through a real server with "localhost:" paths; the
// central one speaks Windows-1252 from its version on.
TEST(ServerConnectionTest, ATillIsInstalledThroughTheServer) {
  test::FirebirdServerProcess server;
  test::TempFolder folder;
  const std::string data = folder.File("till/data/");
  fs::create_directories(data);
  // Made on the embedded engine before the server opens them.
  fixtures::MakeCentralDatabase(folder.File("central.fdb"), {}, 3);
  Attachment::Open({folder.File("central.fdb"), kDatabaseUser, kDatabasePassword, std::nullopt})
      .ExecuteImmediate("update ZVTYPE set VALEUR = 2030501 where CODE_TYPE = 'VERSI'");
  fixtures::MakeTillDatabase(data + "LUMTRAK25.FDB");

  cust_post record;
  record.PPA_POSPATH = folder.File("till/");
  record.PPA_POSPATH2 = "LocalHost:" + data;
  record.PPA_POSDB = "LUMTRAK.FDB";
  record.cus_base_pos = "localhost:" + folder.File("central.fdb");
  record.CP_VERS_FB = "2.5";
  record.cp_pv_code = "7200";
  test::RecordingNotifier notifier;
  test::CountingPump pump;
  TDmskarvel module(notifier);
  ASSERT_TRUE(module.ConnectDatabases(record)) << testing::PrintToString(notifier.messages);
  EXPECT_TRUE(fs::exists(data + "LUMTRAK.FDB")) << "renamed without the server part";
  EXPECT_EQ(module.DV_SERVER.parameters.character_set, std::optional<std::string>("WIN1252"));
  EXPECT_EQ(ReadProfileString(record.PPA_POSPATH + "LUMTRAK.pos", "Dorvello\\Caisse", "dbf", ""),
            "LocalHost:" + data + "LUMTRAK.FDB");

  EXPECT_TRUE(RegisterTill(module, record.PPA_POSPATH, 4, "1003"));
  NoProgress progress;
  CopyContext context{module, progress, pump, notifier, record.cp_pv_code};
  EXPECT_TRUE(CopyReferenceData(context, 4)) << testing::PrintToString(notifier.messages);
  module.DisconnectDatabases();

  Attachment till = Attachment::Open(
      {"localhost:" + data + "LUMTRAK.FDB", kDatabaseUser, kDatabasePassword, "WIN1252"});
  Transaction transaction(till);
  Statement query(transaction, "select NOM_RAYON from RAYON where CODE_RAYON = 1");
  ResultSet rows = query.Open();
  ASSERT_TRUE(rows.Next());
  EXPECT_EQ(rows.Row().AsString(0), "Cr\xE8merie");
}

}  // namespace
}  // namespace skarvel::db
