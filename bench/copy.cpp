// The reference-data copy of a generated central database through CopyReferenceData, side by
// side with the limit: a minimal loop on the Firebird OO API running the copy's selects and
// inserts for the large tables, fetching each row straight into the insert's message and
// committing in the same batches. Each measurement runs in a process of its own, so that its
// peak memory is its own; three sizes show whether the peak grows with the rows. Each side
// keeps its best time of three rounds, since the disk's write-back makes single runs vary widely.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <functional>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <firebird/Interface.h>

#include "database/data_module.h"
#include "database/reference_copy.h"
#include "database/registration.h"
#include "platform/event_pump.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/temp_folder.h"
#include "tools/demo_databases/demo_databases.h"

namespace {

namespace fs = std::filesystem;
using namespace skarvel;
using Clock = std::chrono::steady_clock;

class QuietProgress final : public db::CopyProgress {
 public:
  void ShowOverall(bool) override {}
  void SetOverall(int) override {}
  void SetTable(int, int) override {}
  void SetTableName(const std::string&) override {}
  void Label(const std::string&, bool) override {}
};

struct Result {
  double seconds = 0;
  long rows = 0;
  long peak_kib = 0;
};

// Times the copy alone: opening the databases before it and checking the till after it are the
// same on both sides and not part of what is compared.
class Stopwatch {
 public:
  void Start() { start_ = Clock::now(); }
  void Stop() { seconds_ = std::chrono::duration<double>(Clock::now() - start_).count(); }
  double seconds() const { return seconds_; }

 private:
  Clock::time_point start_ = Clock::now();
  double seconds_ = 0;
};

// Runs work in a child process and brings back its time, rows and peak memory.
Result InChild(const std::function<long(Stopwatch&)>& work) {
  int fds[2];
  if (::pipe(fds) != 0) return {};
  const pid_t child = ::fork();
  if (child == 0) {
    ::close(fds[0]);
    Stopwatch stopwatch;
    const long rows = work(stopwatch);
    Result result{stopwatch.seconds(), rows, 0};
    rusage usage{};
    ::getrusage(RUSAGE_SELF, &usage);
    result.peak_kib = usage.ru_maxrss;
    if (::write(fds[1], &result, sizeof result) != sizeof result) ::_exit(1);
    ::_exit(0);
  }
  ::close(fds[1]);
  Result result;
  if (::read(fds[0], &result, sizeof result) != sizeof result) std::fprintf(stderr, "no result\n");
  ::close(fds[0]);
  ::waitpid(child, nullptr, 0);
  return result;
}

cust_post Record(const std::string& folder) {
  cust_post record;
  record.PPA_POSPATH = folder + "/till/";
  record.PPA_POSPATH2 = folder + "/till/";
  record.PPA_POSDB = "LUMTRAK.FDB";
  record.cus_base_pos = folder + "/central.fdb";
  record.CP_VERS_FB = "2.5";
  record.cp_pv_code = "7199";
  return record;
}

long CountRows(db::Attachment& till) {
  db::Transaction transaction(till);
  long rows = 0;
  for (const char* table :
       {"DEVISES", "CAISSIERES", "CONFCAISSE", "TVA", "RAYON", "CONDITIONS", "REMISE", "CLIENT",
        "CLIENT_CARD", "CIVILITE", "ZVTYPE", "APPELPRIX", "PRODUITSLIES", "APPROMO"}) {
    db::Statement count(transaction, std::string("select count(*) from ") + table);
    db::ResultSet result = count.Open();
    if (result.Next()) rows += static_cast<long>(result.Row().AsInteger(0));
  }
  return rows;
}

long OurCopy(const std::string& folder, Stopwatch& stopwatch) {
  const cust_post record = Record(folder);
  test::RecordingNotifier notifier;
  NullEventPump pump;
  QuietProgress progress;
  db::TDmskarvel module(notifier);
  if (!module.ConnectDatabases(record)) return -1;
  db::RegisterTill(module, record.PPA_POSPATH, 3, "1001");
  db::CopyContext context{module, progress, pump, notifier, record.cp_pv_code};
  stopwatch.Start();
  if (!db::CopyReferenceData(context, 3)) std::fprintf(stderr, "the copy reported an error\n");
  stopwatch.Stop();
  module.DisconnectDatabases();
  db::Attachment till = db::Attachment::Open(
      {record.PPA_POSPATH2 + "LUMTRAK.FDB", db::kDatabaseUser, db::kDatabasePassword, "WIN1252"});
  return CountRows(till);
}

// The large tables' selects, their columns in the order of the inserts' parameters.
struct LimitTable {
  const char* select;
  const char* insert;
};
const LimitTable kLimitTables[] = {
    {"select * from (SELECT Num_client, Num_carteFidelite,Nbr_articles, nbr_tickets, "
     "MTT_DIVIDENDES,MTT_ACHATS, DATE_VALIDITE, POINTS, cl.NOM_CONDITIONS, "
     "CL.NUM_COMPTECLIENT, co.COMPTE_LISTROUGE,cl.CODE_CIVILITE, cl.NOM_CLIENT, "
     "cl.PRN_CLIENT,cl.TEL_REC_CLIENT,cl.NOM_ORGANISATION, cl.EMAIL_CLIENT, cl.ADR_LIVRAISON, "
     "cl.VILLE_LIVRAISON, cl.CPOST_LIVRAISON,cl.PAYS_LIVRAISON, co.NOM_CONDITION condLiv, "
     "co.REM_CLIENT FROM client cl LEFT OUTER JOIN COMPTE co ON "
     "(cl.NUM_COMPTECLIENT=co.NUM_COMPTECLIENT) WHERE not cl.NUM_CARTEFIDELITE is null AND "
     "cl.NUM_CARTEFIDELITE <>'' or (exists (select * from client_card cc where cc.num_client = "
     "cl.num_client)) ORDER by cl.num_modif_client)",
     "INSERT INTO Client (Num_client, Num_carteFidelite,Nbr_articles, nbr_tickets, "
     "MTT_DIVIDENDES,MTT_ACHATS, DATE_VALIDITE, POINTS, NOM_CONDITIONS, NUM_COMPTECLIENT, "
     "COMPTE_LISTROUGE,CODE_CIVILITE, NOM_CLIENT, PRN_CLIENT,TEL_REC_CLIENT,NOM_ORGANISATION, "
     "EMAIL,ADR_LIVRAISON,VILLE_LIVRAISON, CPOST_LIVRAISON, PAYS_LIVRAISON, NOM_COND_LIV, "
     "REM_CLIENT) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"},
    {"select c.num_client, c.num_card, c.tcc_role from client_card c ",
     "INSERT INTO client_card (Num_client, num_card,tcc_role) VALUES (?,?,?)"},
    {"select GCD_INTERNE, CODE_COURT, LIB_PRODUIT, CODE_RAYON, PRIX_VTE_PUB, PRIX_PROMOTION, "
     "DATE_DEBPROMOTION, DATE_FINPROMOTION, CODE_TVA, REMISEADMIS, REMISEPCTVAL, REMISEMTT, "
     "REMISEQTE, CODE_TYPEPRODUIT, GCD_FABRICANT, REF_FOURNISSEUR, CODE_SERIEL, MULTI_TVA, "
     "MULTI_TVA_T0, MULTI_TVA_T1, MULTI_TVA_T2 from (SELECT g.GCD_INTERNE, p.CODE_COURT, "
     "p.LIB_PRODUIT, g.CODE_RAYON,p.PRIX_VTE_PUB,p.PRIX_PROMOTION, p.DATE_DEBPROMOTION,"
     "p.DATE_FINPROMOTION,p.code_tva, p.REMISEADMIS,p.REMISEPCTVAL,p.REMISEMTT,p.REMISEQTE, "
     "p.code_typeproduit,p.GCD_FABRICANT,p.num_modification, p.ref_fournisseur, p.code_seriel, "
     "p.multi_tva, p.multi_tva_t0, p.multi_tva_t1, p.multi_tva_t2 FROM gestion g, produit p "
     "WHERE g.gcd_fabricant=p.gcd_fabricant ORDER BY p.NUM_MODIFICATION)",
     "INSERT INTO AppelPrix (GCD_INTERNE, CODE_COURT, LIB_PRODUIT, CODE_RAYON,PRIX_VTECLI_TTC, "
     "PRIX_VTECLIPRO_TTC,DATE_DEBPROMOTION,DATE_FINPROMOTION,Code_TVA, REMISEADMIS,REMISEPCTVAL,"
     "REMISEMTT,REMISEQTE,CODE_TYPEPRODUIT, GCD_FABRICANT,REF_FOURNISSEUR,CODE_SERIEL,MULTI_TVA,"
     "MULTI_TVA_T0, MULTI_TVA_T1,MULTI_TVA_T2) VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"},
    {"SELECT * from PRODUITSLIES P ORDER BY P.NUM_MODIF",
     "INSERT INTO PRODUITSLIES VALUES (?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?,?)"},
    {"SELECT * from APPROMO A ORDER BY A.NUM_MODIF_APP",
     "INSERT INTO APPROMO VALUES (?,?,?,?,?,?,?,?,?,?,?)"},
};

void Check(Firebird::CheckStatusWrapper& status, const char* what) {
  if (status.getState() & Firebird::IStatus::STATE_ERRORS) {
    char text[1024];
    db::Master()->getUtilInterface()->formatStatus(text, sizeof text, &status);
    std::fprintf(stderr, "%s: %s\n", what, text);
    ::_exit(2);
  }
}

long LimitCopy(const std::string& folder, Stopwatch& stopwatch) {
  using namespace Firebird;
  const cust_post record = Record(folder);
  db::Attachment central = db::Attachment::Open(
      {record.cus_base_pos, db::kDatabaseUser, db::kDatabasePassword, std::nullopt});
  db::Attachment till = db::Attachment::Open(
      {record.PPA_POSPATH2 + "LUMTRAK25.FDB", db::kDatabaseUser, db::kDatabasePassword, "WIN1252"});
  CheckStatusWrapper status(db::Master()->getStatus());
  long rows = 0;
  stopwatch.Start();
  for (const LimitTable& table : kLimitTables) {
    ITransaction* read = central.get()->startTransaction(&status, 0, nullptr);
    ITransaction* write = till.get()->startTransaction(&status, 0, nullptr);
    IStatement* insert = till.get()->prepare(&status, write, 0, table.insert, 3, 0);
    Check(status, table.insert);
    IMessageMetadata* message = insert->getInputMetadata(&status);
    IResultSet* cursor = central.get()->openCursor(&status, read, 0, table.select, 3, nullptr,
                                                   nullptr, message, nullptr, 0);
    Check(status, table.select);
    std::vector<unsigned char> buffer(message->getMessageLength(&status));
    int pending = 0;
    while (cursor->fetchNext(&status, buffer.data()) == IStatus::RESULT_OK) {
      insert->execute(&status, write, message, buffer.data(), nullptr, nullptr);
      Check(status, table.insert);
      ++rows;
      if (++pending > 5000) {
        write->commit(&status);
        write = till.get()->startTransaction(&status, 0, nullptr);
        pending = 0;
      }
    }
    cursor->close(&status);
    write->commit(&status);
    read->commit(&status);
    message->release();
    insert->free(&status);
    Check(status, "closing");
  }
  stopwatch.Stop();
  status.dispose();
  return rows;
}

// Two rounds' results in one (the newer one's rows): the least time, since load on the machine
// only ever adds to it, and the highest peak, since memory is what must never run out.
Result Best(const Result& a, const Result& b) {
  return {std::min(a.seconds, b.seconds), b.rows, std::max(a.peak_kib, b.peak_kib)};
}

// Both sides copy the same pristine databases, in turn, kRounds times; each keeps its best.
constexpr int kRounds = 3;

void Measure(const char* size_name, const fixtures::CentralSizes& sizes) {
  test::TempFolder folder;
  const std::string root = folder.path();
  fs::create_directories(root + "/till");
  fs::create_directories(root + "/pristine");
  InChild([&](Stopwatch&) {
    fixtures::MakeCentralDatabase(root + "/pristine/central.fdb", sizes, 2026);
    fixtures::MakeTillDatabase(root + "/pristine/LUMTRAK25.FDB");
    return 0L;
  });
  const auto restore = [&] {
    fs::remove_all(root + "/till");
    fs::create_directories(root + "/till");
    fs::copy_file(root + "/pristine/LUMTRAK25.FDB", root + "/till/LUMTRAK25.FDB");
    fs::copy_file(root + "/pristine/central.fdb", root + "/central.fdb",
                  fs::copy_options::overwrite_existing);
    ::sync();
  };
  Result ours{1e9, 0, 0}, limit = ours;
  for (int round = 0; round < kRounds; ++round) {
    restore();
    limit = Best(limit, InChild([&](Stopwatch& watch) { return LimitCopy(root, watch); }));
    restore();
    ours = Best(ours, InChild([&](Stopwatch& watch) { return OurCopy(root, watch); }));
  }
  const double ours_rate = static_cast<double>(ours.rows) / ours.seconds;
  const double limit_rate = static_cast<double>(limit.rows) / limit.seconds;
  std::printf(
      "%-7s CopyReferenceData %8ld rows %7.2f s %9.0f rows/s peak %6ld KiB | "
      "limit %8ld rows %7.2f s %9.0f rows/s peak %6ld KiB | ratio %.2f, peak above the limit's "
      "%ld KiB\n",
      size_name, ours.rows, ours.seconds, ours_rate, ours.peak_kib, limit.rows, limit.seconds,
      limit_rate, limit.peak_kib, ours_rate / limit_rate, ours.peak_kib - limit.peak_kib);
}

}  // namespace

int main(int argc, char** argv) {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  const int divisor = argc > 1 ? std::max(1, std::atoi(argv[1])) : 1;
  fixtures::CentralSizes full{50000 / divisor, 50000 / divisor, 200000 / divisor, 20000 / divisor,
                              20000 / divisor};
  fixtures::CentralSizes tenth{full.customers / 10, full.cards / 10, full.products / 10,
                               full.linked_products / 10, full.promotions / 10};
  fixtures::CentralSizes twice{full.customers * 2, full.cards * 2, full.products * 2,
                               full.linked_products * 2, full.promotions * 2};
  Measure("tenth", tenth);
  Measure("full", full);
  // The engine's page caches and sort space have fixed limits: the peak levels off above them.
  Measure("twice", twice);
  return 0;
}
