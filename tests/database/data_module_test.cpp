#include "database/data_module.h"

#include <filesystem>

#include <gtest/gtest.h>

#include "database/registration.h"
#include "platform/profile_file.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/temp_folder.h"
#include "tools/demo_databases/demo_databases.h"

namespace skarvel::db {
namespace {

namespace fs = std::filesystem;

ConnectionParameters Admin(const std::string& path) {
  return {path, kDatabaseUser, kDatabasePassword, std::nullopt};
}

// A database file made with a fixture script, through Firebird's own isql.
void MakeDatabase(const std::string& path, const std::string& script) {
  Attachment::Create(Admin(path), "WIN1252").Detach();
  if (!script.empty()) fixtures::RunFixtureScript(path, script);
}

// The till's folders, its two prepared database files, and a central database.
class DataModuleTest : public testing::Test {
 protected:
  DataModuleTest() {
    record_.PPA_POSPATH = folder_.File("till/");
    record_.PPA_POSPATH2 = folder_.File("till/data");
    record_.PPA_POSDB = "LUMTRAK.FDB";
    record_.cus_base_pos = folder_.File("central.fdb");
    record_.CP_VERS_FB = "2.5";
    fs::create_directories(record_.PPA_POSPATH2);
    MakeDatabase(Data("lumtrak25.fdb"), "");
    MakeDatabase(Data("LUMTRAK15.FDB"), "");
    MakeDatabase(record_.cus_base_pos, "central.sql");
  }
  std::string Data(const std::string& name) const { return record_.PPA_POSPATH2 + "/" + name; }
  std::string Setting(const std::string& section, const std::string& key) const {
    return ReadProfileString(record_.PPA_POSPATH + "LUMTRAK.pos", section, key, "(absent)");
  }
  void Central(const std::string& sql) {
    Attachment::Open(Admin(record_.cus_base_pos)).ExecuteImmediate(sql);
  }
  std::string CentralValue(const std::string& sql) {
    Attachment attachment = Attachment::Open(Admin(record_.cus_base_pos));
    Transaction transaction(attachment);
    Statement query(transaction, sql);
    ResultSet rows = query.Open();
    return rows.Next() ? rows.Row().AsString(0) : "(no row)";
  }

  test::TempFolder folder_;
  cust_post record_;
  test::RecordingNotifier notifier_;
  TDmskarvel module_{notifier_};
};

TEST_F(DataModuleTest, TheServerGenerationChoosesThePreparedFileAndTheCharacterSet) {
  ASSERT_TRUE(module_.ConnectDatabases(record_));
  EXPECT_TRUE(fs::exists(Data("LUMTRAK.FDB")));
  EXPECT_FALSE(fs::exists(Data("lumtrak25.fdb")));
  EXPECT_TRUE(fs::exists(Data("LUMTRAK15.FDB")));
  EXPECT_EQ(module_.DV_CAISSE.parameters.character_set, std::optional<std::string>("WIN1252"));
  EXPECT_EQ(Setting("Dorvello\\Caisse", "dbf"), Data("LUMTRAK.FDB"));
  EXPECT_EQ(Setting("Dorvello", "dbf"), record_.cus_base_pos);
  EXPECT_TRUE(notifier_.messages.empty());

  // A second run keeps the till database with its data and leaves the other file alone.
  module_.DV_CAISSE.attachment->ExecuteImmediate("create table KEPT (A integer)");
  module_.DisconnectDatabases();
  record_.CP_VERS_FB = "1.5";
  record_.PPA_POSPATH2 += "/";
  ASSERT_TRUE(module_.ConnectDatabases(record_));
  EXPECT_TRUE(fs::exists(Data("LUMTRAK15.FDB")));
  EXPECT_EQ(module_.DV_CAISSE.parameters.character_set, std::nullopt);
  Statement kept(module_.DV_CAISSE.Work(), "select count(*) from KEPT");
  EXPECT_NO_THROW(kept.Open());
}

TEST_F(DataModuleTest, OtherGenerationsTakeTheOlderFile) {
  record_.CP_VERS_FB = " 1.0 ";
  EXPECT_EQ(LocalDatabaseFile("LocalHost:" + Data("LUMTRAK.FDB")), Data("LUMTRAK.FDB"));
  EXPECT_TRUE(PlaceTillDatabase(Data("LUMTRAK.FDB"), record_.CP_VERS_FB));
  EXPECT_FALSE(fs::exists(Data("LUMTRAK15.FDB")));
  EXPECT_TRUE(fs::exists(Data("lumtrak25.fdb")));
  EXPECT_FALSE(PlaceTillDatabase(Data("LUMTRAK.FDB"), "2.5")) << "never over a till database";
  EXPECT_TRUE(fs::exists(Data("lumtrak25.fdb")));
  EXPECT_FALSE(PlaceTillDatabase(Data("OTHER.FDB"), "2.5"));
}

// A till database the shop already has under the name in lower case is the till database:
// nothing appears beside it, and it is the one opened and named in the settings file.
TEST_F(DataModuleTest, AnExistingTillDatabaseIsFoundWhateverTheCaseOfItsName) {
  MakeDatabase(Data("lumtrak.fdb"), "");
  Attachment::Open(Admin(Data("lumtrak.fdb"))).ExecuteImmediate("create table KEPT (A integer)");
  EXPECT_FALSE(PlaceTillDatabase(Data("LUMTRAK.FDB"), "2.5"));
  ASSERT_TRUE(module_.ConnectDatabases(record_));
  EXPECT_FALSE(fs::exists(Data("LUMTRAK.FDB")));
  EXPECT_TRUE(fs::exists(Data("lumtrak25.fdb")));
  EXPECT_EQ(Setting("Dorvello\\Caisse", "dbf"), Data("lumtrak.fdb"));
  Statement kept(module_.DV_CAISSE.Work(), "select count(*) from KEPT");
  EXPECT_NO_THROW(kept.Open());
}

TEST_F(DataModuleTest, TheCentralVersionDecidesItsCharacterSet) {
  Central("insert into ZVTYPE (CODE_TYPE, VALEUR) values ('VERSI', 2030500)");
  ASSERT_TRUE(module_.ConnectDatabases(record_));
  EXPECT_EQ(module_.DV_SERVER.parameters.character_set, std::nullopt);
  Central("update ZVTYPE set VALEUR = 2030501");
  ASSERT_TRUE(module_.ConnectDatabases(record_));
  EXPECT_EQ(module_.DV_SERVER.parameters.character_set, std::optional<std::string>("WIN1252"));
  EXPECT_TRUE(module_.DV_SERVER.Open());
}

TEST_F(DataModuleTest, ATillDatabaseThatCannotBeOpenedShowsBothMessages) {
  record_.PPA_POSDB = "MISSING.FDB";
  EXPECT_FALSE(module_.ConnectDatabases(record_));
  ASSERT_EQ(notifier_.messages.size(), 2u);
  EXPECT_NE(notifier_.messages[0].find("Le service Firebird ne semble pas d\xE9marr\xE9"),
            std::string::npos);
  EXPECT_EQ(notifier_.messages[1],
            "Connexion impossible, merci de v\xE9rifier Firebird avant de continuer.");
  EXPECT_EQ(Setting("Dorvello\\Caisse", "dbf"), "(absent)");
  record_.PPA_POSDB = "LUMTRAK.FDB";
  record_.cus_base_pos = folder_.File("no-central.fdb");
  EXPECT_FALSE(module_.ConnectDatabases(record_));
  EXPECT_EQ(Setting("Dorvello\\Caisse", "dbf"), Data("LUMTRAK.FDB"));
  EXPECT_EQ(Setting("Dorvello", "dbf"), "(absent)");
}

TEST_F(DataModuleTest, RegisterTillReplacesTheTillsRowAndKeepsTheOthers) {
  Central("insert into POSTES (NUM_POSTE, POS_PKEY, NUM_MODIFICATION) values (3, 9, 500)");
  Central("insert into POSTES (NUM_POSTE, POS_PKEY) values (4, 8)");
  ASSERT_TRUE(module_.ConnectDatabases(record_));
  EXPECT_TRUE(RegisterTill(module_, record_.PPA_POSPATH, 3, "1001"));
  EXPECT_EQ(CentralValue("select POS_PKEY || '/' || coalesce(NUM_MODIFICATION, 'null') from POSTES "
                         "where NUM_POSTE = 3"),
            "1001/null");
  EXPECT_EQ(CentralValue("select POS_PKEY from POSTES where NUM_POSTE = 4"), "8");
  EXPECT_EQ(Setting("Dorvello", "Poste"), "3");
  EXPECT_TRUE(RegisterTill(module_, record_.PPA_POSPATH, 5, ""));
  EXPECT_TRUE(RegisterTill(module_, record_.PPA_POSPATH, 6, "12a"));
  EXPECT_EQ(CentralValue("select coalesce(POS_PKEY, 'null') from POSTES where NUM_POSTE = 5"),
            "null");
  EXPECT_EQ(CentralValue("select coalesce(POS_PKEY, 'null') from POSTES where NUM_POSTE = 6"),
            "null");
}

TEST_F(DataModuleTest, ClosingNumbersFollowTheSalesHistory) {
  // No history: nothing asked of centralisations, the next closing is 1.
  EXPECT_TRUE(SyncClosingNumber(module_, record_, 3, notifier_));
  EXPECT_EQ(Setting("Dorvello\\Caisse", "NumCloture"), "1");
  EXPECT_EQ(Setting("Lumtrak", "NumCloture"), "1");
  EXPECT_EQ(CentralValue("select count(*) from CENTRALISATIONS"), "0");
  EXPECT_FALSE(module_.DV_SERVER.Open()) << "disconnected on the way out";

  Central("insert into TICKETSCAISSE values (1, 3, 56)");
  Central("insert into TICKETSCAISSE values (2, 3, 57)");
  Central("insert into TICKETSCAISSE values (3, 4, 90)");
  EXPECT_TRUE(SyncClosingNumber(module_, record_, 3, notifier_));
  EXPECT_EQ(Setting("Lumtrak", "NumCloture"), "58");
  EXPECT_EQ(CentralValue("select NUM_POSTECAISSE || '/' || NUM_CAISSIERE || '/' || NUM_CLOTURE "
                         "|| '/' || iif(JOUR = current_date, 'today', JOUR) from CENTRALISATIONS"),
            "3/0/57/today");
  EXPECT_TRUE(SyncClosingNumber(module_, record_, 3, notifier_));
  EXPECT_EQ(CentralValue("select count(*) from CENTRALISATIONS"), "1") << "already there";
  EXPECT_TRUE(notifier_.messages.empty());
}

TEST_F(DataModuleTest, AFailingSalesQueryStillWritesTheNextClosing) {
  Central("drop table TICKETSCAISSE");
  EXPECT_FALSE(SyncClosingNumber(module_, record_, 3, notifier_));
  ASSERT_EQ(notifier_.messages.size(), 1u);
  EXPECT_NE(notifier_.messages.front().find("TICKETSCAISSE"), std::string::npos)
      << notifier_.messages.front();
  EXPECT_EQ(CentralValue("select NUM_CLOTURE from CENTRALISATIONS"), "0");
  EXPECT_EQ(Setting("Dorvello\\Caisse", "NumCloture"), "1");
}

}  // namespace
}  // namespace skarvel::db
