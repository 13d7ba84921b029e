#include "app/view_copy_progress.h"

#include <algorithm>

namespace skarvel {

void ViewCopyProgress::ShowOverall(bool visible) {
  view_.SetProgressVisible(ProgressBar::pbfilldb, visible);
  if (visible) {
    tables_done_ = 0;
    overall_ = -1;
    ShowOverallAt(0);
  } else {
    view_.SetProgressText(ProgressBar::pb1, "");
  }
}

void ViewCopyProgress::SetOverall(int position) {
  tables_done_ = position;
  ShowOverallAt(position * kStepsPerTable);
  // Called once a table's copy has ended.
  EndTable();
}

// A table that never had a bar (nothing of it to copy) has no end to tell either.
void ViewCopyProgress::EndTable() {
  if (table_.name.empty() || !table_shown_) return;
  table_.ended = true;
  view_.ShowWorkProgress(table_);
  table_shown_ = false;
}

void ViewCopyProgress::SetTable(int position, int maximum) {
  // A bar of no length would run as a busy bar; a table without rows is done.
  if (maximum > 0) {
    view_.SetProgress(ProgressBar::pb1, position, maximum);
  } else {
    view_.SetProgress(ProgressBar::pb1, 1, 1);
  }
  table_.done = static_cast<std::uint64_t>(std::max(position, 0));
  table_.total = static_cast<std::uint64_t>(std::max(maximum, 0));
  table_shown_ = true;
  view_.ShowWorkProgress(table_);
  if (maximum <= 0) return;
  // A table's rows bring the overall bar up to, never onto, the next table's mark: only the
  // table's end (SetOverall) gets it there.
  const long long share = static_cast<long long>(kStepsPerTable) * std::clamp(position, 0, maximum);
  const int within = std::min(kStepsPerTable - 1, static_cast<int>(share / maximum));
  ShowOverallAt(tables_done_ * kStepsPerTable + within);
}

// A copier that copies a second table after its own (the customers, then their cards) names
// it on the bar: the first table ends there and the rows that follow are the second's.
void ViewCopyProgress::SetTableName(const std::string& name) {
  view_.SetProgressText(ProgressBar::pb1, name);
  if (name == table_.name) return;
  EndTable();
  table_ = {WorkProgress::Kind::kTable, name, "", 0, 0, false};
}

void ViewCopyProgress::Label(const std::string& label, bool first) {
  first ? view_.SetMemInfo(label) : view_.AddMemInfoLine(label);
  table_ = {WorkProgress::Kind::kTable, label, "", 0, 0, false};
  table_shown_ = false;
}

// A table whose bar starts again (the customers, then their cards) never takes the whole copy
// back.
void ViewCopyProgress::ShowOverallAt(int position) {
  if (position <= overall_) return;
  overall_ = position;
  view_.SetProgress(ProgressBar::pbfilldb, overall_, kCopiers * kStepsPerTable);
}

}  // namespace skarvel
