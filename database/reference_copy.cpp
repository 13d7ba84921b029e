#include "database/reference_copy.h"

#include <ctime>

#include "database/copier.h"
#include "database/reference_copiers.h"
#include "platform/ansi_text.h"

namespace skarvel::db {
namespace {

DateTime Now() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900,
          local.tm_mon + 1,
          local.tm_mday,
          local.tm_hour,
          local.tm_min,
          local.tm_sec,
          0};
}

// The central database's date; asked as the design asks it, not used by the copy.
void GetServerDate(TDmskarvel& module) {
  if (!module.DV_SERVER.Open()) return;
  Transaction& transaction = module.DV_SERVER.Procedure();
  try {
    OpenWork(transaction);
    Statement call(transaction, "execute procedure SelectDate");
    call.Execute();
    call.Output().AsDateTime(call.Output().IndexOf("d"));
    transaction.Commit();
  } catch (const std::exception&) {
    try {
      transaction.Rollback();
    } catch (const FirebirdError&) {
    }
  }
}

// The central database's change counters as they stand when the copy is taken; the till's row in
// POSTES gets them so that its later updates start from this copy.
struct ChangeCounters {
  std::int64_t client = 0;        // ModifClient
  std::int64_t modification = 0;  // NumModif
  std::int64_t linked = 0;        // NUMMODIFPRODL
  std::int64_t promo = 0;         // NUMMODIFAPPROMO
};

// Each counter that cannot be read stays 0 and counts as one error.
int ReadChangeCounters(CopyContext& context, ChangeCounters& counters) {
  const std::pair<const char*, std::int64_t*> reads[] = {
      {"SELECT GEN_ID(GEN_MODIF_CLIENT,0) FROM CONFIGURATION", &counters.client},
      {"select gen_id(gen_modification,0) from CONFIGURATION", &counters.modification},
      {"select gen_id(GEN_PRODL_MODIF,0) from CONFIGURATION", &counters.linked},
      {"select gen_id(gen_modif_appromo,0) from CONFIGURATION", &counters.promo}};
  int errors = 0;
  for (const auto& [sql, counter] : reads) {
    const bool read = RunCentralWork(
        context.module,
        [&, sql = sql, counter = counter](Transaction& central) {
          Statement query(central, sql);
          ResultSet rows = query.Open();
          *counter = rows.Next() ? rows.Row().AsInteger(0) : 0;
        },
        [&context](const std::string& text) { context.notifier.ShowMessage(text); });
    if (!read) {
      *counter = 0;
      ++errors;
    }
  }
  return errors;
}

bool RecordCopyOnTill(CopyContext& context, int till_number, const ChangeCounters& counters) {
  return RunCentralWork(
      context.module,
      [&](Transaction& central) {
        Statement update(
            central,
            Lines({"UPDATE postes", "SET num_modification=:NumModif",
                   ",DATE_MODIF_PRIS = :ServerDate", ",NUM_MODIF_CLIENT =:ModifClient",
                   ",NUM_MODIF_APPROMO =:NUMMODIFAPPROMO", ",NUM_MODIF_PRODL =:NUMMODIFPRODL",
                   ",VERSI = :VERSION", "WHERE num_poste=:NumPoste"}));
        update.SetInteger("NumModif", counters.modification);
        update.SetInteger("ModifClient", counters.client);
        update.SetInteger("NUMMODIFAPPROMO", counters.promo);
        update.SetInteger("NUMMODIFPRODL", counters.linked);
        update.SetDateTime("ServerDate", Now());
        update.SetString("VERSION", context.version_code);
        update.SetInteger("NumPoste", till_number);
        update.Execute();
      },
      [&context](const std::string& text) { context.notifier.ShowMessage(text); });
}

// Versions 6370 to 6390 keep no module counter. A failure here is neither shown nor counted
// against the copy.
void RecordModuleCounter(CopyContext& context, int till_number) {
  const std::string code = Trim(context.version_code);
  if (code == "6370" || code == "6380" || code == "6390") return;
  RunCentralWork(
      context.module,
      [&](Transaction& central) {
        Statement update(central,
                         Lines({"UPDATE postes", "SET NUM_MODIF_MOD=gen_id(gen_num_modif,0)",
                                "WHERE num_poste=:NumPoste"}));
        update.SetInteger("NumPoste", till_number);
        update.Execute();
      },
      nullptr);
}

}  // namespace

bool UsesNewPriceLayout(const std::string& version_code) {
  return StrToIntDef(Trim(version_code), -1) > 7199;
}

bool CopyReferenceData(CopyContext& context, int till_number) {
  context.progress.ShowOverall(true);
  context.progress.SetOverall(0);
  int errors = 0;
  int done = 0;
  const auto run = [&](const Copier& copier) {
    context.progress.Label(copier.label, done == 0);
    if (!RunCopier(context, copier)) ++errors;
    context.progress.SetOverall(++done);
  };
  GetServerDate(context.module);

  bool cards_copied = false;
  for (const Copier& copier :
       {Devises(), Caissieres(), ConfCaisse(), Tva(), Rayon(), Conditions(), Remise()}) {
    run(copier);
  }
  run(Client(context, cards_copied));
  run(ClientCard(cards_copied));
  run(Civilite());
  run(ZvType());

  ChangeCounters counters;
  errors += ReadChangeCounters(context, counters);

  run(Gestion(UsesNewPriceLayout(context.version_code)));
  run(ProduitsLies());
  run(ApPromo());

  if (!RecordCopyOnTill(context, till_number, counters)) ++errors;
  RecordModuleCounter(context, till_number);
  context.progress.ShowOverall(false);
  return errors == 0;
}

}  // namespace skarvel::db
