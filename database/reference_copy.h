#pragma once

#include <string>

#include "database/data_module.h"
#include "platform/event_pump.h"
#include "platform/notifier.h"

namespace skarvel::db {

// Where the copy shows how far it is: the overall bar (0 to 14), the per-table bar and the
// information memo's table labels.
class CopyProgress {
 public:
  virtual ~CopyProgress() = default;
  virtual void ShowOverall(bool visible) = 0;
  virtual void SetOverall(int position) = 0;
  virtual void SetTable(int position, int maximum) = 0;
  // The table the per-table bar runs over from now on.
  virtual void SetTableName(const std::string& name) = 0;
  // The first label replaces the memo's text; the others add a line.
  virtual void Label(const std::string& label, bool first) = 0;
};

// What the copy needs around the two connections.
struct CopyContext {
  TDmskarvel& module;
  CopyProgress& progress;
  EventPump& pump;
  Notifier& notifier;
  std::string version_code;  // the record's cp_pv_code
};

// Copies the fourteen reference tables from the central database into the till database, then
// records the central modification counters on the till's postes row. True when every copier,
// every counter and the row update succeeded; what was copied stays either way.
bool CopyReferenceData(CopyContext& context, int till_number);

// The price-lookup copy's layout: the version code as a whole number above 7199.
bool UsesNewPriceLayout(const std::string& version_code);

}  // namespace skarvel::db
