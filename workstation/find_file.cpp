#include "workstation/find_file.h"

#include <deque>

#include "platform/file_system.h"
#include "platform/folder_path.h"
#include "platform/name_pattern.h"

namespace skarvel {
void TFindFile::Execute() {
  Files.clear();
  folders_ = files_ = size_ = 0;
  if (BeforeExecute) BeforeExecute(*this);
  if (!Directory.empty()) {
    if (Recurse) {
      SearchTree();
    } else {
      SearchFolder(Directory);
    }
  }
  if (AfterExecute) AfterExecute(*this);
}

bool TFindFile::SearchFolder(const std::string& given) {
  const std::string folder = WithTrailingSeparator(given);
  bool abort = false;
  if (OnNewPath) OnNewPath(*this, folder, abort);
  if (abort) return false;
  const bool with_hidden = Attributes.count(TAttrOption::ffHidden) != 0;
  const bool with_folders = Attributes.count(TAttrOption::ffDirectory) != 0;
  for (const FolderEntry& entry : ListFolder(folder)) {
    if ((entry.hidden && !with_hidden) || (entry.directory && !with_folders)) continue;
    if (!MatchesPattern(entry.name, Filter)) continue;
    Files.push_back(folder + entry.name);
    ++(entry.directory ? folders_ : files_);
    size_ += static_cast<std::uint32_t>(entry.size);
  }
  return true;
}

void TFindFile::SearchTree() {
  std::deque<std::string> pending = {WithTrailingSeparator(Directory)};
  while (!pending.empty()) {
    const std::string folder = pending.front();
    for (const FolderEntry& entry : ListFolder(folder)) {
      if (entry.directory && !entry.link) pending.push_back(folder + entry.name + "/");
    }
    if (!SearchFolder(folder)) return;
    pending.pop_front();
  }
}

}  // namespace skarvel
