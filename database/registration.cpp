#include "database/registration.h"

#include <ctime>
#include <functional>

#include "platform/ansi_text.h"
#include "platform/profile_file.h"
#include "workstation/till_settings.h"

namespace skarvel::db {
namespace {

DateTime Today() {
  const std::time_t now = std::time(nullptr);
  std::tm local{};
  localtime_r(&now, &local);
  return {local.tm_year + 1900, local.tm_mon + 1, local.tm_mday};
}

// A key that is not a whole number fails like the design's conversion.
std::int64_t KeyNumber(const std::string& key) {
  const std::string text = Trim(key);
  std::size_t used = 0;
  const long long value = std::stoll(text, &used);
  if (used != text.size()) throw std::invalid_argument("not a number: " + key);
  return value;
}

}  // namespace

bool RegisterTill(TDmskarvel& module, const std::string& till_folder, int till_number,
                  const std::string& key) {
  if (module.DV_SERVER.Open()) {
    RunCentralWork(
        module,
        [&](Transaction& t) {
          Statement remove(t, "delete from postes\nwhere num_poste = :numposte");
          remove.SetInteger("numposte", till_number);
          remove.Execute();
        },
        nullptr);
    RunCentralWork(
        module,
        [&](Transaction& t) {
          Statement insert(t, "insert into postes\n(num_poste) values (:numposte)");
          insert.SetInteger("numposte", till_number);
          insert.Execute();
        },
        nullptr);
    if (!key.empty()) {
      RunCentralWork(
          module,
          [&](Transaction& t) {
            Statement update(t, "update postes set pos_pkey=:ppkey where num_poste=:numposte");
            update.SetInteger("numposte", till_number);
            update.SetInteger("ppkey", KeyNumber(key));
            update.Execute();
          },
          nullptr);
    }
  }
  WriteTillSetting(till_folder, kOfficeSection, "Poste", std::to_string(till_number));
  return true;
}

namespace {

using Failure = std::function<void(const std::string&)>;

// The till's last closing in the central database; without history the till starts at 1.
struct LastClosing {
  std::int64_t number = 0;
  bool no_history = false;
};

LastClosing ReadLastClosing(TDmskarvel& module, int till_number, const Failure& fail) {
  LastClosing last;
  RunCentralWork(
      module,
      [&](Transaction& t) {
        Statement query(t,
                        "select max(num_cloture),count(num_cloture) from ticketscaisse where "
                        "num_postecaisse=:numposte");
        query.SetInteger("numposte", till_number);
        ResultSet rows = query.Open();
        if (!rows.Next()) {
          last.no_history = true;
          return;
        }
        last.number = rows.Row().AsInteger(0);
        last.no_history = rows.Row().AsInteger(1) == 0;
      },
      [&](const std::string& text) {
        last = LastClosing{};
        fail(text);
      });
  return last;
}

// A closing the central database has not recorded as centralised yet; also true when the
// question cannot be asked.
bool CentralisationMissing(TDmskarvel& module, int till_number, std::int64_t closing,
                           const Failure& fail) {
  bool missing = true;
  RunCentralWork(
      module,
      [&](Transaction& t) {
        Statement query(t,
                        "select * from centralisations where num_postecaisse=:num_postecaisse and "
                        "num_cloture=:num_cloture");
        query.SetInteger("num_postecaisse", till_number);
        query.SetInteger("num_cloture", closing);
        ResultSet rows = query.Open();
        missing = !rows.Next();
      },
      fail);
  return missing;
}

void RecordCentralisation(TDmskarvel& module, int till_number, std::int64_t closing,
                          const Failure& fail) {
  RunCentralWork(
      module,
      [&](Transaction& t) {
        Statement insert(t,
                         "insert into centralisations(num_postecaisse,jour,num_caissiere,"
                         "num_cloture) values(:num_postecaisse,:jour,:num_caissiere,:num_cloture)");
        insert.SetInteger("num_postecaisse", till_number);
        insert.SetDateTime("jour", Today());
        insert.SetInteger("num_caissiere", 0);
        insert.SetInteger("num_cloture", closing);
        insert.Execute();
      },
      fail);
}

}  // namespace

bool SyncClosingNumber(TDmskarvel& module, const cust_post& record, int till_number,
                       Notifier& notifier) {
  module.ConnectDatabases(record);
  bool result = true;
  const Failure fail = [&](const std::string& text) {
    notifier.ShowMessage(text);
    result = false;
  };
  const LastClosing last = ReadLastClosing(module, till_number, fail);
  if (!last.no_history && CentralisationMissing(module, till_number, last.number, fail)) {
    RecordCentralisation(module, till_number, last.number, fail);
  }
  // A till that is not told its next closing number would number its closings anew.
  if (std::string why;
      !WriteClosingNumber(record.PPA_POSPATH, static_cast<int>(last.number + 1), &why)) {
    fail(why);
  }
  module.DisconnectDatabases();
  return result;
}

bool WriteClosingNumber(const std::string& till_folder, int closing_number, std::string* why) {
  try {
    WriteTillSetting(till_folder, kTillSection, "NumCloture", std::to_string(closing_number));
    WriteTillSetting(till_folder, kClosingSection, "NumCloture", std::to_string(closing_number));
    return true;
  } catch (const ProfileError& error) {
    if (why != nullptr) *why = error.what();
    return false;
  }
}

}  // namespace skarvel::db
