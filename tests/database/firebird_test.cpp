#include "database/firebird.h"

#include <gtest/gtest.h>

#include "database/statement.h"
#include "tests/support/temp_folder.h"

namespace skarvel::db {
namespace {

// A database of its own on the embedded engine, in Windows-1252 like the till's.
class FirebirdTest : public testing::Test {
 protected:
  FirebirdTest() {
    Attachment created = Attachment::Create(Parameters(), "WIN1252");
    created.ExecuteImmediate(
        "create table ARTICLE (ID integer not null primary key, NOM varchar(30), "
        "TAUX numeric(5,2), PRIX numeric(15,4), VU timestamp, PUBLIE date, POIDS double "
        "precision)");
    created.ExecuteImmediate(
        "create procedure PLUS_UN (N integer) returns (M integer, TEXTE varchar(10)) as "
        "begin M = N + 1; TEXTE = 'n' || N; end");
  }
  ConnectionParameters Parameters() const {
    return {folder_.File("test.fdb"), "SYSDBA", "masterkey", std::string("WIN1252")};
  }
  int Count(Transaction& transaction) {
    Statement count(transaction, "select count(*) as N from ARTICLE");
    ResultSet rows = count.Open();
    EXPECT_TRUE(rows.Next());
    return static_cast<int>(rows.Row().AsInteger(rows.Column("n")));
  }

  test::TempFolder folder_;
};

TEST_F(FirebirdTest, ValuesRoundTripByNameAndPlace) {
  Attachment attachment = Attachment::Open(Parameters());
  Transaction transaction(attachment);
  Statement insert(transaction,
                   "insert into ARTICLE (ID, NOM, TAUX, PRIX, VU, PUBLIE, POIDS) values "
                   "(:Id, :Nom, :Taux, :Prix, :Vu, :Vu, :Poids)");
  insert.SetInteger("ID", 1);
  insert.SetString("nom",
                   "Cr\xE8me br\xFBl\xE9"
                   "e");
  insert.SetDecimal("Taux", {55, -1});  // 5.5 %, kept exact
  insert.SetDecimal("Prix", {123456, -2});
  insert.SetDateTime("Vu", {2026, 12, 8, 21, 5, 30, 0});
  insert.Params().SetDouble(6, 0.25);
  insert.Execute();
  insert.SetInteger("Id", 2);
  for (const char* name : {"Nom", "Taux", "Prix", "Vu", "Poids"}) insert.SetNull(name);
  insert.Execute();
  transaction.Commit();

  Statement select(transaction, "select * from ARTICLE order by ID");
  ResultSet rows = select.Open();
  ASSERT_TRUE(rows.Next());
  const Values& row = rows.Row();
  EXPECT_EQ(row.AsString(rows.Column("NOM")),
            "Cr\xE8me br\xFBl\xE9"
            "e");
  EXPECT_EQ(row.AsString(rows.Column("TAUX")), "5.50");
  EXPECT_EQ(row.AsDecimal(rows.Column("TAUX")).units, 550);
  EXPECT_EQ(row.AsString(rows.Column("PRIX")), "1234.5600");
  EXPECT_EQ(row.AsInteger(rows.Column("PRIX")), 1235);
  EXPECT_EQ(row.AsString(rows.Column("VU")), "2026-12-08 21:05:30");
  EXPECT_EQ(row.AsString(rows.Column("PUBLIE")), "2026-12-08");
  EXPECT_DOUBLE_EQ(row.AsDouble(rows.Column("POIDS")), 0.25);
  ASSERT_TRUE(rows.Next());
  EXPECT_FALSE(rows.Row().IsNull(rows.Column("ID")));
  EXPECT_TRUE(rows.Row().IsNull(rows.Column("NOM")));
  EXPECT_TRUE(rows.Row().IsNull(rows.Column("TAUX")));
  EXPECT_FALSE(rows.Next());
}

TEST_F(FirebirdTest, TransactionsCommitAndRollBackOnTheirOwn) {
  Attachment attachment = Attachment::Open(Parameters());
  Transaction first(attachment);
  Transaction second(attachment);
  Statement insert(first, "insert into ARTICLE (ID) values (:Id)");
  insert.SetInteger("Id", 1);
  insert.Execute();
  EXPECT_EQ(Count(second), 0) << "a snapshot does not see what is not committed";
  first.Rollback();
  insert.SetInteger("Id", 2);
  insert.Execute();  // starts the transaction again
  first.Commit();
  second.Commit();
  EXPECT_EQ(Count(second), 1);
  {
    Transaction abandoned(attachment);
    Statement more(abandoned, "insert into ARTICLE (ID) values (3)");
    more.Execute();
  }
  EXPECT_EQ(Count(second), 1) << "a transaction left active is rolled back";
}

TEST_F(FirebirdTest, ProceduresGiveTheirOutputParameters) {
  Attachment attachment = Attachment::Open(Parameters());
  Transaction transaction(attachment);
  Statement call(transaction, "execute procedure PLUS_UN :N");
  call.SetInteger("N", 41);
  call.Execute();
  EXPECT_EQ(call.Output().AsInteger(call.Output().IndexOf("M")), 42);
  EXPECT_EQ(call.Output().AsString(call.Output().IndexOf("texte")), "n41");
}

TEST_F(FirebirdTest, ErrorsCarryFirebirdsOwnText) {
  Attachment attachment = Attachment::Open(Parameters());
  Transaction transaction(attachment);
  try {
    Statement bad(transaction, "select NOPE from ARTICLE");
    FAIL() << "prepared";
  } catch (const FirebirdError& error) {
    EXPECT_NE(std::string(error.what()).find("NOPE"), std::string::npos) << error.what();
  }
  Statement insert(transaction, "insert into ARTICLE (ID, NOM) values (:Id, :Nom)");
  insert.SetInteger("Id", 1);
  EXPECT_THROW(insert.SetString("Nom", std::string(31, 'x')), FirebirdError);
  EXPECT_THROW(insert.SetString("Other", "x"), FirebirdError);
  insert.Execute();
  try {
    insert.Execute();
    FAIL() << "a second row with the same key";
  } catch (const FirebirdError& error) {
    EXPECT_NE(std::string(error.what()).find("PRIMARY"), std::string::npos) << error.what();
  }
  EXPECT_THROW(Attachment::Open({folder_.File("missing.fdb"), "SYSDBA", "x", std::nullopt}),
               FirebirdError);
}

}  // namespace
}  // namespace skarvel::db
