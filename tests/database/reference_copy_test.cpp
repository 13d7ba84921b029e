#include "database/reference_copy.h"

#include <filesystem>
#include <map>

#include <gtest/gtest.h>

#include "database/registration.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/temp_folder.h"
#include "tools/demo_databases/demo_databases.h"

namespace skarvel::db {
namespace {

namespace fs = std::filesystem;

// The progress as the view would show it, and the till rows committed at chosen moments of
// the promotions' copy.
class RecordingProgress final : public CopyProgress {
 public:
  void ShowOverall(bool visible) override { overall_visible = visible; }
  void SetOverall(int position) override { overall = position; }
  void SetTable(int position, int maximum) override {
    table_maximum[label] = maximum;
    if (on_row) on_row(label, position);
  }
  void Label(const std::string& text, bool first) override {
    label = text;
    labels += (first ? "" : ",") + text;
  }

  bool overall_visible = false;
  int overall = -1;
  std::string label;
  std::string labels;
  std::map<std::string, int> table_maximum;
  std::function<void(const std::string&, int)> on_row;
};

class ReferenceCopyTest : public testing::Test {
 protected:
  ReferenceCopyTest() {
    record_.PPA_POSPATH = folder_.File("till/");
    record_.PPA_POSPATH2 = folder_.File("till/data/");
    record_.PPA_POSDB = "LUMTRAK.FDB";
    record_.cus_base_pos = folder_.File("central.fdb");
    record_.CP_VERS_FB = "2.5";
    record_.cp_pv_code = "7200";
    fs::create_directories(record_.PPA_POSPATH2);
  }
  void Prepare(const fixtures::CentralSizes& sizes = {}) {
    fixtures::MakeCentralDatabase(record_.cus_base_pos, sizes, 7);
    fixtures::MakeTillDatabase(record_.PPA_POSPATH2 + "LUMTRAK25.FDB");
  }
  bool Copy() {
    if (!module_.DV_CAISSE.Open()) {
      EXPECT_TRUE(module_.ConnectDatabases(record_));
      RegisterTill(module_, record_.PPA_POSPATH, 3, "1001");
    }
    CopyContext context{module_, progress_, pump_, notifier_, record_.cp_pv_code};
    return CopyReferenceData(context, 3);
  }
  std::string Value(const std::string& database, const std::string& sql) {
    Attachment attachment =
        Attachment::Open({database, kDatabaseUser, kDatabasePassword, std::string("WIN1252")});
    Transaction transaction(attachment);
    Statement query(transaction, sql);
    ResultSet rows = query.Open();
    return rows.Next() ? rows.Row().AsString(0) : "(no row)";
  }
  std::string Till(const std::string& sql) {
    module_.DisconnectDatabases();
    return Value(record_.PPA_POSPATH2 + "LUMTRAK.FDB", sql);
  }
  std::string Central(const std::string& sql) { return Value(record_.cus_base_pos, sql); }

  test::TempFolder folder_;
  cust_post record_;
  test::RecordingNotifier notifier_;
  test::CountingPump pump_;
  RecordingProgress progress_;
  TDmskarvel module_{notifier_};
};

TEST_F(ReferenceCopyTest, CopiesEveryTableWithItsValueRules) {
  Prepare();
  ASSERT_TRUE(Copy()) << (notifier_.messages.empty() ? "" : notifier_.messages.front());
  EXPECT_TRUE(notifier_.messages.empty());
  EXPECT_EQ(progress_.labels,
            "devises,caissieres,confcaisse,tva,rayon,conditions,remise,client,clientcard,"
            "civilite,zvtype,gestion,produitlies,appromo");
  EXPECT_EQ(progress_.overall, 14);
  EXPECT_FALSE(progress_.overall_visible);
  EXPECT_GT(pump_.pumped, 0);
  for (const char* table :
       {"DEVISES", "CAISSIERES", "CONFCAISSE", "TVA", "RAYON", "CONDITIONS", "REMISE", "CIVILITE",
        "ZVTYPE", "PRODUITSLIES", "APPROMO", "CLIENT_CARD"}) {
    const std::string count = std::string("select count(*) from ") + table;
    EXPECT_EQ(Till(count), Central(count)) << table;
  }
  EXPECT_EQ(Till("select count(*) from APPELPRIX"), Central("select count(*) from GESTION"));
  // Customers with a card number or a card row; none left out, none twice.
  EXPECT_EQ(Till("select count(*) from CLIENT"),
            Central("select count(*) from CLIENT cl where (cl.NUM_CARTEFIDELITE is not null and "
                    "cl.NUM_CARTEFIDELITE <> '') or exists (select * from CLIENT_CARD cc where "
                    "cc.NUM_CLIENT = cl.NUM_CLIENT)"));

  EXPECT_EQ(Till("select TAUX_TVA from TVA where CODE_TVA = 2"), "5.50");
  EXPECT_EQ(Till("select NOM_RAYON from RAYON where CODE_RAYON = 1"), "Cr\xE8merie");
  EXPECT_EQ(Till("select NOM_CAISSIERE from CAISSIERES where NUM_CAISSIERE = 1"), "H\xE9l\xE8ne");
  EXPECT_EQ(Till("select count(*) from CONFCAISSE where CODE_TVA is null"), "3");
  // Customer 4 (i = 3): a blank card number becomes NULL, its empty list mark "0".
  EXPECT_EQ(Till("select coalesce(NUM_CARTEFIDELITE, 'null') || '/' || COMPTE_LISTROUGE || '/' "
                 "|| coalesce(NOM_COND_LIV, 'null') from CLIENT where NUM_CLIENT = 4"),
            "null/N/FID\xC8LE");
  EXPECT_EQ(Till("select COMPTE_LISTROUGE || '/' || coalesce(NOM_CONDITIONS, 'null') from CLIENT "
                 "where NUM_CLIENT = 2"),
            "0/FID\xC8LE");
  EXPECT_EQ(Till("select coalesce(NUM_COMPTECLIENT, 'null') || '/' || COMPTE_LISTROUGE from "
                 "CLIENT where NUM_CLIENT = 3"),
            "C3/0");
  // Version 7200: the publication date travels, NULL staying NULL.
  EXPECT_EQ(Till("select count(*) from APPELPRIX where DATE_PUBLICATION is null"),
            Central("select count(*) from PRODUIT where DATE_PUBLICATION is null"));
  EXPECT_EQ(Till("select PRIX_VTECLI_TTC from APPELPRIX where GCD_INTERNE = 'I1'"),
            Central("select PRIX_VTE_PUB from PRODUIT where GCD_FABRICANT = '5410000000001'"));
  EXPECT_EQ(
      Central("select NUM_MODIFICATION || '/' || NUM_MODIF_CLIENT || '/' || "
              "NUM_MODIF_APPROMO || '/' || NUM_MODIF_PRODL || '/' || VERSI || '/' || "
              "NUM_MODIF_MOD || '/' || trim(iif(DATE_MODIF_PRIS is null, 'no date', 'dated')) "
              "from POSTES where NUM_POSTE = 3"),
      "4242/17/123/99/7200/555/dated");
}

TEST_F(ReferenceCopyTest, OlderVersionsLeaveThePublicationDateAndTheModificationMark) {
  Prepare();
  record_.cp_pv_code = " 6380 ";
  ASSERT_TRUE(Copy());
  EXPECT_EQ(Till("select count(*) from APPELPRIX where DATE_PUBLICATION is not null"), "0");
  EXPECT_EQ(Central("select coalesce(NUM_MODIF_MOD, 'null') from POSTES where NUM_POSTE = 3"),
            "null");
  EXPECT_FALSE(UsesNewPriceLayout("7199"));
  EXPECT_TRUE(UsesNewPriceLayout("7200"));
  EXPECT_FALSE(UsesNewPriceLayout("7.2"));
}

TEST_F(ReferenceCopyTest, ANewerCentralCopiesOnlyActiveCardCustomers) {
  Prepare();
  Central("select 1 from rdb$database");
  {
    Attachment central =
        Attachment::Open({record_.cus_base_pos, kDatabaseUser, kDatabasePassword, std::nullopt});
    central.ExecuteImmediate("update ZVTYPE set VALEUR = 2030501 where CODE_TYPE = 'VERSI'");
  }
  ASSERT_TRUE(Copy());
  // "and cl.actif = 1" binds to the card-row condition only, as the design's lines read.
  EXPECT_EQ(Till("select count(*) from CLIENT"),
            Central("select count(*) from CLIENT cl where (not cl.NUM_CARTEFIDELITE is null and "
                    "cl.NUM_CARTEFIDELITE <> '') or (exists (select * from CLIENT_CARD cc where "
                    "cc.NUM_CLIENT = cl.NUM_CLIENT) and cl.ACTIF = 1)"));
}

// The customers' select itself names CLIENT_CARD, so without it neither the customers nor the
// cards can be copied; every other table still is.
TEST_F(ReferenceCopyTest, ACentralWithoutCardsFailsTheCustomerCopiers) {
  Prepare();
  {
    Attachment central =
        Attachment::Open({record_.cus_base_pos, kDatabaseUser, kDatabasePassword, std::nullopt});
    central.ExecuteImmediate("drop table CLIENT_CARD");
  }
  EXPECT_FALSE(Copy());
  ASSERT_EQ(notifier_.messages.size(), 1u);
  EXPECT_EQ(notifier_.messages.front().rfind("CLIENT : Erreur ", 0), 0u)
      << notifier_.messages.front();
  EXPECT_NE(notifier_.messages.front().find("CLIENT_CARD"), std::string::npos);
  EXPECT_EQ(Till("select count(*) from CLIENT"), "0");
  EXPECT_EQ(Till("select count(*) from ZVTYPE"), "2") << "the later copiers still ran";
  EXPECT_NE(Till("select count(*) from APPROMO"), "0");
}

TEST_F(ReferenceCopyTest, ASecondCopyFailsTableByTableAndTheOthersStillRun) {
  Prepare();
  ASSERT_TRUE(Copy());
  notifier_.messages.clear();
  EXPECT_FALSE(Copy());
  std::vector<std::string> labels;
  for (const std::string& message : notifier_.messages) {
    labels.push_back(message.substr(0, message.find(" : ")));
  }
  EXPECT_EQ(labels,
            (std::vector<std::string>{"DEVISES", "caissi\xE8res", "CONFCAISSE", "TVA", "RAYON",
                                      "CONDITIONS", "REMISE", "CLIENT", "CLIENTCARD", "CIVILITE",
                                      "ZVTYPE", "APPELPRIX", "PRODUITSLIES", "APPROMO"}));
  EXPECT_EQ(Till("select count(*) from CLIENT_CARD"), Central("select count(*) from CLIENT_CARD"));
}

// Promotions are committed in the till after 5,001 rows, 10,002 rows and at the end.
TEST_F(ReferenceCopyTest, LargeTablesAreCommittedInBatches) {
  fixtures::CentralSizes sizes;
  sizes.promotions = 12000;
  Prepare(sizes);
  std::map<int, std::string> committed;
  progress_.on_row = [&](const std::string& label, int row) {
    if (label != "appromo" || (row != 5001 && row != 5002 && row != 10003)) return;
    committed[row] = Value(record_.PPA_POSPATH2 + "LUMTRAK.FDB", "select count(*) from APPROMO");
  };
  ASSERT_TRUE(Copy());
  EXPECT_EQ(committed[5001], "0");
  EXPECT_EQ(committed[5002], "5001");
  EXPECT_EQ(committed[10003], "10002");
  EXPECT_EQ(progress_.table_maximum["appromo"], 12000);
  EXPECT_EQ(Till("select count(*) from APPROMO"), "12000");
}

}  // namespace
}  // namespace skarvel::db
