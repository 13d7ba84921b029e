#include "workstation/find_file.h"

#include <deque>

#include "platform/ansi_text.h"
#include "platform/file_system.h"
#include "platform/folder_path.h"

namespace skarvel {
namespace {

bool Matches(const char* name, const char* pattern) {
  for (; *pattern != '\0'; ++pattern, ++name) {
    if (*pattern == '*') {
      for (const char* rest = name;; ++rest) {
        if (Matches(rest, pattern + 1)) return true;
        if (*rest == '\0') return false;
      }
    }
    if (*name == '\0' || (*pattern != '?' && *pattern != *name)) return false;
  }
  return *name == '\0';
}

}  // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  // As on the design's platform, "*.*" means every name, with or without a dot.
  if (pattern == "*.*") return true;
  return Matches(UpperCase(name).c_str(), UpperCase(pattern).c_str());
}

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
