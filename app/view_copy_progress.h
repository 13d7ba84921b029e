#pragma once

#include <string>

#include "app/wizard_view.h"
#include "app/work_progress.h"
#include "database/reference_copy.h"

namespace skarvel {

// The reference-data copy on the wizard's bars: pbfilldb is the whole copy and only grows,
// reaching its end only when the last table is done; pb1 is the table being copied, named on
// the bar, so that its restart at each table is not taken for the copy going backwards.
class ViewCopyProgress final : public db::CopyProgress {
 public:
  explicit ViewCopyProgress(WizardView& view) : view_(view) {}

  void ShowOverall(bool visible) override;
  void SetOverall(int position) override;
  void SetTable(int position, int maximum) override;
  void SetTableName(const std::string& name) override;
  void Label(const std::string& label, bool first) override;

 private:
  static constexpr int kCopiers = 14;
  // The overall bar moves on within a table too, so a long table does not stand still on it.
  static constexpr int kStepsPerTable = 100;

  void ShowOverallAt(int position);
  void EndTable();

  WizardView& view_;
  WorkProgress table_;        // the table being copied, for the terminal's and the JSON's progress
  bool table_shown_ = false;  // its rows were reported
  int tables_done_ = 0;
  int overall_ = -1;  // what the overall bar shows
};

}  // namespace skarvel
