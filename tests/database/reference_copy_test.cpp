#include "database/reference_copy.h"

#include <filesystem>
#include <map>

#include <gtest/gtest.h>

#include "database/copier.h"
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
    const std::string& table = tables.back();
    table_maximum[table] = maximum;
    bars[table].emplace_back(position, maximum);
    if (on_row) on_row(table, position);
  }
  void SetTableName(const std::string& name) override {
    if (tables.empty() || tables.back() != name) tables.push_back(name);
  }
  void Label(const std::string& text, bool first) override {
    label = text;
    labels += (first ? "" : ",") + text;
  }

  bool overall_visible = false;
  int overall = -1;
  std::string label;
  std::string labels;
  std::vector<std::string> tables;  // the names the table bar showed, in turn
  std::map<std::string, int> table_maximum;
  std::map<std::string, std::vector<std::pair<int, int>>> bars;  // by table: (position, maximum)
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
  void CentralExecute(const std::string& sql) {
    Attachment::Open({record_.cus_base_pos, kDatabaseUser, kDatabasePassword, std::nullopt})
        .ExecuteImmediate(sql);
  }

  void TillExecute(const std::string& sql) {
    Attachment::Open(
        {record_.PPA_POSPATH2 + "LUMTRAK25.FDB", kDatabaseUser, kDatabasePassword, std::nullopt})
        .ExecuteImmediate(sql);
  }
  bool Logged(const std::string& part) const {
    return std::any_of(log_.begin(), log_.end(), [&](const std::string& line) {
      return line.find(part) != std::string::npos;
    });
  }

  test::TempFolder folder_;
  cust_post record_;
  test::RecordingNotifier notifier_;
  test::CountingPump pump_;
  RecordingProgress progress_;
  std::vector<std::string> log_;
  TDmskarvel module_ = [this] {
    TDmskarvel module(notifier_);
    module.log = [this](const std::string& line) { log_.push_back(line); };
    return module;
  }();
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
  // Each failed table has its bar, ending where it failed: short of its end.
  ASSERT_FALSE(progress_.bars["client"].empty());
  EXPECT_EQ(progress_.bars["client"].back().first, 0);
  EXPECT_GT(progress_.bars["client"].back().second, 0);
  EXPECT_EQ(progress_.bars["clientcard"], (std::vector<std::pair<int, int>>{{0, 1}}));
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
  // The person reads the label and Firebird's own words; the statement is in the log.
  EXPECT_EQ(notifier_.messages.front().rfind("DEVISES : Erreur violation of PRIMARY or UNIQUE", 0),
            0u)
      << notifier_.messages.front();
  for (const std::string& message : notifier_.messages) {
    EXPECT_EQ(message.find("INSERT INTO"), std::string::npos) << message;
  }
  EXPECT_TRUE(Logged("database: Running INSERT INTO DEVISES"));
  EXPECT_EQ(Till("select count(*) from CLIENT_CARD"), Central("select count(*) from CLIENT_CARD"));
}

// A newer central database is opened again in Windows-1252; when that second attach fails the
// connection stays closed, and every statement on it fails with its own message instead of
// reaching a connection that is not there.
TEST_F(ReferenceCopyTest, AFailedReconnectFailsTheCopyWithMessagesNotACrash) {
  Prepare();
  CentralExecute("update ZVTYPE set VALEUR = 2030501 where CODE_TYPE = 'VERSI'");
  module_.DV_SERVER.open = [](const ConnectionParameters& parameters) {
    if (parameters.character_set) throw FirebirdError("connection refused by the test");
    return Attachment::Open(parameters);
  };
  EXPECT_FALSE(Copy());
  EXPECT_FALSE(module_.DV_SERVER.Open());
  ASSERT_FALSE(notifier_.messages.empty());
  EXPECT_EQ(notifier_.messages.front(),
            "DEVISES : Erreur the central database is not open: connection refused by the test");
  // Every copier, counter and the till's row say so.
  for (const std::string& message : notifier_.messages) {
    EXPECT_NE(message.find("is not open: connection refused"), std::string::npos) << message;
  }
  EXPECT_NE(std::find_if(notifier_.messages.begin(), notifier_.messages.end(),
                         [](const std::string& m) { return m.rfind("APPROMO : Erreur ", 0) == 0; }),
            notifier_.messages.end());
  EXPECT_EQ(Till("select count(*) from DEVISES"), "0");
}

// A central database of the older layout, whose products have no publication date: version
// 7200 still copies every price, the date staying empty.
TEST_F(ReferenceCopyTest, AnOlderCentralLayoutCopiesThePrices) {
  Prepare();
  CentralExecute("alter table PRODUIT drop DATE_PUBLICATION");
  ASSERT_TRUE(Copy()) << (notifier_.messages.empty() ? "" : notifier_.messages.front());
  EXPECT_EQ(Till("select count(*) from APPELPRIX"), Central("select count(*) from GESTION"));
  EXPECT_EQ(Till("select count(*) from APPELPRIX where DATE_PUBLICATION is not null"), "0");
}

// Floating-point columns (rates, amounts) arrive as they are, where a scale would cut them or
// a large value overflow; NUMERIC values stay exact decimals.
TEST_F(ReferenceCopyTest, FloatingPointValuesArriveExactly) {
  Prepare();
  // Firebird converts no scaled column to a floating one: both tables are made anew.
  const std::string table =
      "create table DEVISES (CODE_DEVISE varchar(3) not null primary key, NOM_DEVISE varchar(30), "
      "COEF_OFFICIEL double precision, COEF_MAGASIN double precision, TOTAL ";
  CentralExecute("drop table DEVISES");
  CentralExecute(table + "double precision)");
  TillExecute("drop table DEVISES");
  TillExecute(table + "numeric(15,2))");
  const std::pair<const char*, const char*> rates[] = {
      {"FRF", "6.55957"}, {"T01", "0.1"}, {"T02", "1234567.891234"}, {"T03", "1e15"}};
  for (const auto& [code, rate] : rates) {
    CentralExecute(std::string("insert into DEVISES values ('") + code + "', 'Test', " + rate +
                   ", " + rate + ", " + rate + ")");
  }
  ASSERT_TRUE(Copy()) << (notifier_.messages.empty() ? "" : notifier_.messages.front());
  for (const auto& [code, rate] : rates) {
    const std::string where = std::string(" from DEVISES where CODE_DEVISE = '") + code + "'";
    EXPECT_EQ(Till("select COEF_OFFICIEL" + where), Central("select COEF_OFFICIEL" + where));
    EXPECT_EQ(std::stod(Till("select COEF_MAGASIN" + where)), std::stod(rate)) << code;
  }
  EXPECT_EQ(Till("select COEF_OFFICIEL from DEVISES where CODE_DEVISE = 'FRF'"), "6.55957");
  // Into the till's NUMERIC(15,2) the double goes as its exact decimal, rounded to the scale.
  EXPECT_EQ(Till("select TOTAL from DEVISES where CODE_DEVISE = 'T03'"), "1000000000000000.00");
  EXPECT_EQ(Till("select TOTAL from DEVISES where CODE_DEVISE = 'T02'"), "1234567.89");
  EXPECT_EQ(Till("select TAUX_TVA from TVA where CODE_TVA = 2"), "5.50");
}

// The other way: a central NUMERIC into a till's DOUBLE PRECISION becomes the double nearest
// its exact value, so the till reads back the very digits the shop entered.
TEST_F(ReferenceCopyTest, ScaledNumbersBecomeTheNearestDouble) {
  Prepare();
  TillExecute("drop table DEVISES");
  TillExecute(
      "create table DEVISES (CODE_DEVISE varchar(3) not null primary key, NOM_DEVISE "
      "varchar(30), COEF_OFFICIEL double precision, COEF_MAGASIN double precision, TOTAL double "
      "precision)");
  CentralExecute("delete from DEVISES");
  const std::pair<const char*, const char*> rates[] = {
      {"FRF", "6.55957"}, {"T01", "0.3"}, {"T02", "-0.000001"}, {"T03", "123456789.123456"}};
  for (const auto& [code, rate] : rates) {
    CentralExecute(std::string("insert into DEVISES values ('") + code + "', 'Test', " + rate +
                   ", " + rate + ", 0.1)");
  }
  ASSERT_TRUE(Copy()) << (notifier_.messages.empty() ? "" : notifier_.messages.front());
  for (const auto& [code, rate] : rates) {
    const std::string where = std::string(" from DEVISES where CODE_DEVISE = '") + code + "'";
    // strtod gives the nearest double, so they are equal only when the copy's is the nearest.
    EXPECT_EQ(std::stod(Till("select COEF_OFFICIEL" + where)), std::stod(rate)) << code;
    EXPECT_EQ(Till("select TOTAL" + where), "0.1") << code;
  }
  EXPECT_EQ(Till("select COEF_MAGASIN from DEVISES where CODE_DEVISE = 'FRF'"), "6.55957");
  EXPECT_EQ(Till("select COEF_MAGASIN from DEVISES where CODE_DEVISE = 'T01'"), "0.3");
}

// A copier whose count fails still copies and still runs its second part (the cards after
// the customers).
TEST_F(ReferenceCopyTest, AFailedCountStillCopiesAndRunsTheSecondPart) {
  Prepare();
  ASSERT_TRUE(module_.ConnectDatabases(record_));
  bool second_part = false;
  Copier copier{
      "zvtype",
      "ZVTYPE : Erreur ",
      "select count(*) from NO_SUCH_TABLE",
      [](Transaction&) { return std::optional<std::string>("select * from ZVTYPE"); },
      "INSERT INTO ZVTYPE (CODE_TYPE,LIBELLE_TYPE,DOMAINE, VALEUR) VALUES "
      "(:CODE_TYPE,:LIBELLE_TYPE,:DOMAINE,:VALEUR)",
      {ByName("CODE_TYPE", "CODE_TYPE", Kind::kText),
       ByName("LIBELLE_TYPE", "LIBELLE_TYPE", Kind::kText),
       ByName("DOMAINE", "DOMAINE", Kind::kText), ByName("VALEUR", "VALEUR", Kind::kInteger)},
      Batch::kAtEnd,
      [&] { return second_part = true; }};
  CopyContext context{module_, progress_, pump_, notifier_, record_.cp_pv_code};
  EXPECT_FALSE(RunCopier(context, copier));
  EXPECT_TRUE(second_part);
  EXPECT_EQ(Till("select count(*) from ZVTYPE"), "2");
}

// The customers' count takes every customer, the copy only those with a card: each bar ends on
// the rows its table got, and the cards, copied with the customers, get one bar of their own.
TEST_F(ReferenceCopyTest, EachTableBarEndsOnTheRowsItsTableGot) {
  Prepare();
  ASSERT_TRUE(Copy());
  const int customers = std::stoi(Till("select count(*) from CLIENT"));
  ASSERT_LT(customers, std::stoi(Central("select count(*) from CLIENT")));
  const auto& client = progress_.bars["client"];
  ASSERT_FALSE(client.empty());
  EXPECT_EQ(client.back(), std::make_pair(customers, customers));
  const int cards = std::stoi(Central("select count(*) from CLIENT_CARD"));
  ASSERT_GT(cards, 1);
  ASSERT_EQ(Till("select count(*) from CLIENT_CARD"), std::to_string(cards));
  const auto& card_bar = progress_.bars["clientcard"];
  EXPECT_NE(std::find(card_bar.begin(), card_bar.end(), std::make_pair(1, cards)), card_bar.end());
  EXPECT_EQ(card_bar.back(), std::make_pair(cards, cards));
  EXPECT_EQ(std::count(progress_.tables.begin(), progress_.tables.end(), "clientcard"), 1);
  const auto at = std::find(progress_.tables.begin(), progress_.tables.end(), "client");
  ASSERT_NE(at, progress_.tables.end());
  ASSERT_NE(at + 1, progress_.tables.end());
  EXPECT_EQ(*(at + 1), "clientcard");
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
