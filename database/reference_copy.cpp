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

  const auto show = [&context](const std::string& text) { context.notifier.ShowMessage(text); };
  std::int64_t counters[4] = {0, 0, 0, 0};  // ModifClient, NumModif, NUMMODIFPRODL, NUMMODIFAPPROMO
  const char* counter_sql[4] = {"SELECT GEN_ID(GEN_MODIF_CLIENT,0) FROM CONFIGURATION",
                                "select gen_id(gen_modification,0) from CONFIGURATION",
                                "select gen_id(GEN_PRODL_MODIF,0) from CONFIGURATION",
                                "select gen_id(gen_modif_appromo,0) from CONFIGURATION"};
  for (int i = 0; i < 4; ++i) {
    const bool read = RunCentralWork(
        context.module,
        [&](Transaction& central) {
          Statement query(central, counter_sql[i]);
          ResultSet rows = query.Open();
          counters[i] = rows.Next() ? rows.Row().AsInteger(0) : 0;
        },
        show);
    if (!read) {
      counters[i] = 0;
      ++errors;
    }
  }

  run(Gestion(UsesNewPriceLayout(context.version_code)));
  run(ProduitsLies());
  run(ApPromo());

  const bool updated = RunCentralWork(
      context.module,
      [&](Transaction& central) {
        Statement update(
            central,
            Lines({"UPDATE postes", "SET num_modification=:NumModif",
                   ",DATE_MODIF_PRIS = :ServerDate", ",NUM_MODIF_CLIENT =:ModifClient",
                   ",NUM_MODIF_APPROMO =:NUMMODIFAPPROMO", ",NUM_MODIF_PRODL =:NUMMODIFPRODL",
                   ",VERSI = :VERSION", "WHERE num_poste=:NumPoste"}));
        update.SetInteger("NumModif", counters[1]);
        update.SetInteger("ModifClient", counters[0]);
        update.SetInteger("NUMMODIFAPPROMO", counters[3]);
        update.SetInteger("NUMMODIFPRODL", counters[2]);
        update.SetDateTime("ServerDate", Now());
        update.SetString("VERSION", context.version_code);
        update.SetInteger("NumPoste", till_number);
        update.Execute();
      },
      show);
  if (!updated) ++errors;

  const std::string code = Trim(context.version_code);
  if (code != "6370" && code != "6380" && code != "6390") {
    RunCentralWork(
        context.module,
        [&](Transaction& central) {
          Statement update(central,
                           Lines({"UPDATE postes", "SET NUM_MODIF_MOD=gen_id(gen_num_modif,0)",
                                  "WHERE num_poste=:NumPoste"}));
          update.SetInteger("NumPoste", till_number);
          update.Execute();
        },
        nullptr);  // its failure is silent
  }
  context.progress.ShowOverall(false);
  return errors == 0;
}

}  // namespace skarvel::db
