#include "tools/demo_databases/demo_databases.h"

#include <random>
#include <stdexcept>

#include "database/data_module.h"
#include "database/statement.h"
#include "platform/child_programs.h"

namespace skarvel::fixtures {
namespace {

using db::Attachment;
using db::DateTime;
using db::Decimal;
using db::Statement;
using db::Transaction;

db::ConnectionParameters Admin(const std::string& path) {
  return {path, db::kDatabaseUser, db::kDatabasePassword, std::string("WIN1252")};
}

const char* const kFirstNames[] = {"H\xE9l\xE8ne", "Fran\xE7ois", "Ana\xEFs", "J\xFCrgen",
                                   "Zo\xE9",       "Beno\xEEt",   "Marie",    "Pieter"};
const char* const kLastNames[] = {"Lef\xE8vre", "M\xFCller", "Dupr\xE9",  "Van den Broeck",
                                  "Gar\xE7on",  "Peeters",   "Ma\xEEtre", "Janssens"};
const char* const kProducts[] = {
    "Cr\xE8me fra\xEE"
    "che",
    "P\xE2t\xE9 de campagne",
    "Bi\xE8re blonde",
    "Caf\xE9 moulu",
    "Gl\xE2"
    "ce vanille",
    "Pain complet"};

class Filler {
 public:
  Filler(const std::string& path, unsigned seed)
      : attachment_(Attachment::Open(Admin(path))), transaction_(attachment_), random_(seed) {}

  // Runs the insert once per row made by fill(statement, row).
  template <typename Fill>
  void Rows(const std::string& sql, int count, Fill fill) {
    Statement insert(transaction_, sql);
    for (int row = 0; row < count; ++row) {
      fill(insert, row);
      insert.Execute();
      if (row % 10000 == 9999) transaction_.Commit();
    }
    transaction_.Commit();
  }
  int Pick(int below) { return static_cast<int>(random_() % static_cast<unsigned>(below)); }
  void Sql(const std::string& sql) { attachment_.ExecuteImmediate(sql); }

 private:
  Attachment attachment_;
  Transaction transaction_;
  std::mt19937 random_;
};

void FillSmallTables(Filler& f) {
  f.Sql("insert into DEVISES values ('EUR', 'Euro', 1, 1, 0)");
  f.Sql("insert into DEVISES values ('USD', 'Dollar am\xE9ricain', 1.085, 1.1, 12.5)");
  f.Rows("insert into CAISSIERES values (:n, :nom, :clot, :mdp)", 3, [&](Statement& s, int i) {
    s.SetInteger("n", i + 1);
    s.SetString("nom", kFirstNames[i]);
    s.SetInteger("clot", 10 * i);
    s.SetString("mdp", "pw" + std::to_string(i));
  });
  f.Rows(
      "insert into CONFCAISSE (CODE_CLE, CAPTION, HINT, INDEX_DLL, MONTANT, DEVISE, CODE_TVA, "
      "SUPERVISOR) values (:k, :c, :h, :i, :m, 'EUR', :t, 0)",
      5, [&](Statement& s, int i) {
        s.SetString("k", "F" + std::to_string(i + 1));
        s.SetString("c", i == 0 ? "Esp\xE8"
                                  "ces"
                                : "Touche " + std::to_string(i));
        s.SetString("h", "");
        s.SetInteger("i", i);
        s.SetDecimal("m", {i * 250, -2});
        if (i % 2 == 0) {
          s.SetNull("t");
        } else {
          s.SetInteger("t", 1);
        }
      });
  f.Sql("insert into TVA values (1, 21)");
  f.Sql("insert into TVA values (2, 5.5)");
  f.Sql("insert into TVA values (3, 0)");
  f.Rows("insert into RAYON values (:r, :t, :n, 1)", 10, [&](Statement& s, int i) {
    s.SetInteger("r", i + 1);
    s.SetInteger("t", i % 3 + 1);
    s.SetString("n", i == 0 ? "Cr\xE8merie" : "Rayon " + std::to_string(i + 1));
  });
  f.Sql("insert into CONDITIONS values ('STANDARD', 0, 0, 0, 0, 0, 0, 0, 0)");
  f.Sql("insert into CONDITIONS values ('FID\xC8LE', 2.5, 5, 1, 1, 10, 100, 1, 2)");
  f.Sql("insert into REMISE values ('FID\xC8LE', 1, 2.5, 5, 1)");
  f.Sql("insert into REMISE values ('FID\xC8LE', 2, 3, 0, 0)");
  f.Sql("insert into COMPTE values ('C1', 'N', 'FID\xC8LE', 2.5)");
  f.Sql("insert into COMPTE values ('C2', '', 'STANDARD', 0)");
  f.Sql("insert into COMPTE values ('C3', null, '  ', null)");
  f.Sql("insert into CIVILITE values ('M', 'Monsieur')");
  f.Sql("insert into CIVILITE values ('MME', 'Madame')");
  f.Sql("insert into CIVILITE values ('MLLE', 'Mademoiselle')");
  f.Sql("insert into ZVTYPE values ('VERSI', 'Version de la centrale', 'SYSTEME', 2030500)");
  f.Sql("insert into ZVTYPE values ('TICKET', 'Largeur du ticket', 'CAISSE', 42)");
  f.Sql("set generator GEN_MODIF_CLIENT to 17");
  f.Sql("set generator GEN_MODIFICATION to 4242");
  f.Sql("set generator GEN_PRODL_MODIF to 99");
  f.Sql("set generator GEN_MODIF_APPROMO to 123");
  f.Sql("set generator GEN_NUM_MODIF to 555");
}

// Customer i: every third has a blank card number and a card row, every fifth no card at all,
// every seventh is inactive.
void FillCustomers(Filler& f, const CentralSizes& sizes) {
  f.Rows(
      "insert into CLIENT values (:n, :carte, :art, :tick, :div, :ach, :val, :pts, :cond, "
      ":compte, :civ, :nom, :prn, :tel, :org, :mail, :adr, :ville, :cp, :pays, :actif, :modif)",
      sizes.customers, [&](Statement& s, int i) {
        s.SetInteger("n", i + 1);
        if (i % 5 == 0) {
          s.SetNull("carte");
        } else {
          s.SetString("carte", i % 3 == 0 ? "  " : "2" + std::to_string(100000 + i));
        }
        s.SetInteger("art", f.Pick(500));
        s.SetInteger("tick", f.Pick(80));
        s.SetDecimal("div", {f.Pick(10000), -2});
        s.SetDecimal("ach", {f.Pick(1000000), -2});
        s.SetDateTime("val", {2027, 1 + f.Pick(12), 1 + f.Pick(28), 0, 0, 0, 0});
        s.SetInteger("pts", f.Pick(1000));
        s.SetString("cond", i % 2 ? "FID\xC8LE" : "");
        s.SetString("compte", "C" + std::to_string(1 + i % 3));
        s.SetString("civ", i % 2 ? "MME" : "M");
        s.SetString("nom", kLastNames[i % 8]);
        s.SetString("prn", kFirstNames[(i + 3) % 8]);
        s.SetString("tel", "04" + std::to_string(70000000 + i));
        s.SetString("org", "");
        s.SetString("mail", "client" + std::to_string(i) + "@example.be");
        s.SetString("adr", "Rue de l'\xC9glise " + std::to_string(i + 1));
        s.SetString("ville", i % 2 ? "Li\xE8ge" : "Namur");
        s.SetString("cp", "4000");
        s.SetString("pays", "Belgique");
        s.SetInteger("actif", i % 7 == 0 ? 0 : 1);
        s.SetInteger("modif", sizes.customers - i);
      });
  // Cards belong to the customers with a blank card number first, then to others.
  f.Rows("insert into CLIENT_CARD values (:n, :card, :role)", sizes.cards,
         [&](Statement& s, int i) {
           const int customer = (i * 3) % std::max(sizes.customers, 1);
           s.SetInteger("n", customer + 1);
           s.SetString("card", "9" + std::to_string(500000 + i));
           s.SetInteger("role", i % 2);
         });
}

void FillProducts(Filler& f, const CentralSizes& sizes) {
  f.Rows(
      "insert into PRODUIT values (:fab, :court, :lib, :pv, :pp, :dd, :df, :tva, 1, 0, 0, 0, "
      "1, :modif, :ref, :serie, 'N', 21, 6, 0, :pub)",
      sizes.products, [&](Statement& s, int i) {
        s.SetString("fab", "54" + std::to_string(10000000000 + i));
        s.SetString("court", std::to_string(i + 1));
        s.SetString("lib", std::string(kProducts[i % 6]) + " " + std::to_string(i));
        s.SetDecimal("pv", {100 + f.Pick(5000), -2});
        s.SetDecimal("pp", {f.Pick(100), -2});
        s.SetDateTime("dd", {2026, 12, 1, 8, 0, 0, 0});
        s.SetDateTime("df", {2026, 12, 31, 20, 0, 0, 0});
        s.SetInteger("tva", 1 + i % 3);
        s.SetInteger("modif", sizes.products - i);
        s.SetString("ref", "R" + std::to_string(i));
        s.SetString("serie", "");
        if (i % 4 == 0) {
          s.SetNull("pub");
        } else {
          s.SetDateTime("pub", {2026, 11, 1 + i % 28, 9, 30, 0, 0});
        }
      });
  f.Rows("insert into GESTION values (:gi, :fab, :rayon)", sizes.products,
         [&](Statement& s, int i) {
           s.SetString("gi", "I" + std::to_string(i));
           s.SetString("fab", "54" + std::to_string(10000000000 + i));
           s.SetInteger("rayon", 1 + i % 10);
         });
  f.Rows(
      "insert into PRODUITSLIES values (:k, :p, :fab, 'Fournisseur r\xE9gional', 'F1', 1, :o, "
      "6, 'carton', 'O', 'Li\xE9', '2026-01-01', '2026-12-31', 1, 99, :prix, 0, 'CAT', :m, "
      "'2025-06-01', '2026-06-01')",
      sizes.linked_products, [&](Statement& s, int i) {
        s.SetInteger("k", i + 1);
        s.SetString("p", "P" + std::to_string(i));
        s.SetString("fab", "54" + std::to_string(10000000000 + i));
        s.SetInteger("o", i);
        s.SetDecimal("prix", {12345 + i, -4});
        s.SetInteger("m", sizes.linked_products - i);
      });
  f.Rows(
      "insert into APPROMO values (:k, :gi, :fab, :lib, :prix, '2026-12-01', '2026-12-24', 2, "
      "10, :m, 'A')",
      sizes.promotions, [&](Statement& s, int i) {
        s.SetInteger("k", i + 1);
        s.SetString("gi", "I" + std::to_string(i));
        s.SetString("fab", "54" + std::to_string(10000000000 + i));
        s.SetString("lib", "Promo " + std::string(kProducts[i % 6]));
        s.SetDecimal("prix", {199 + i % 100, -2});
        s.SetInteger("m", i + 1);
      });
}

}  // namespace

void RunFixtureScript(const std::string& database, const std::string& script) {
  NullEventPump pump;
  const ChildOutcome result =
      LinuxChildPrograms().RunAndWait("/usr/bin/isql-fb",
                                      {"-q", "-user", db::kDatabaseUser, "-input",
                                       std::string(SKARVEL_FIXTURES) + "/" + script, database},
                                      "", pump);
  // isql answers 0 even when a statement failed; its messages say so.
  if (!result.ended || result.exit_code != 0 || !result.output.empty()) {
    throw std::runtime_error(script + " failed on " + database + ": " + result.output);
  }
}

void MakeCentralDatabase(const std::string& path, const CentralSizes& sizes, unsigned seed) {
  Attachment::Create(Admin(path), "WIN1252").Detach();
  RunFixtureScript(path, "central.sql");
  Filler filler(path, seed);
  FillSmallTables(filler);
  FillCustomers(filler, sizes);
  FillProducts(filler, sizes);
}

void MakeTillDatabase(const std::string& path) {
  Attachment::Create(Admin(path), "WIN1252").Detach();
  RunFixtureScript(path, "till.sql");
}

}  // namespace skarvel::fixtures
