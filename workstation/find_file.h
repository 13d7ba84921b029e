#pragma once

#include <cstdint>
#include <functional>
#include <set>
#include <string>
#include <vector>

namespace skarvel {

enum class TAttrOption { ffReadOnly, ffHidden, ffSystem, ffVolumeID, ffDirectory, ffArchive };

// Searches a folder, or a folder tree level by level, for the files whose names match a pattern
// ("*" and "?", without regard to case; "*.*" matches every name). An entry is skipped when it is
// hidden (its name starts with ".") or a folder and Attributes does not include that; read-only,
// archive, system and volume label never apply here. Symbolic links to folders are listed but
// never descended into, so a link that points back up the tree cannot make the search endless.
class TFindFile {
 public:
  using TNewPathEvent =
      std::function<void(TFindFile& sender, const std::string& path, bool& abort)>;
  using TNotifyEvent = std::function<void(TFindFile& sender)>;

  std::string Directory;
  std::string Filter = "*.*";
  bool Recurse = false;
  std::set<TAttrOption> Attributes = {TAttrOption::ffReadOnly, TAttrOption::ffHidden,
                                      TAttrOption::ffSystem, TAttrOption::ffArchive};
  std::vector<std::string> Files;  // full paths of the last search
  TNotifyEvent BeforeExecute;
  TNotifyEvent AfterExecute;
  TNewPathEvent OnNewPath;

  void Execute();

  std::uint32_t FolderCount() const { return folders_; }
  std::uint32_t FileCount() const { return files_; }
  std::uint32_t TotalSize() const { return size_; }

 private:
  // False when OnNewPath asked to stop.
  bool SearchFolder(const std::string& folder);
  void SearchTree();

  std::uint32_t folders_ = 0;
  std::uint32_t files_ = 0;
  std::uint32_t size_ = 0;
};

}  // namespace skarvel
