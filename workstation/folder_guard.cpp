#include "workstation/folder_guard.h"

#include <algorithm>

#include "platform/ansi_text.h"
#include "platform/file_system.h"

namespace skarvel {
namespace {

// The till's own files: what a previous till installation left.
constexpr const char* kTillFiles[] = {"LUMTRAK.pos", "lumcaisse.exe"};

// True when folder is inside (or is) outer; both resolved.
bool Within(const std::string& folder, const std::string& outer) {
  return folder == outer || folder.rfind(outer + "/", 0) == 0;
}

bool Holds(const std::vector<FolderEntry>& entries, const std::string& name) {
  return std::any_of(entries.begin(), entries.end(),
                     [&](const FolderEntry& entry) { return SameText(entry.name, name); });
}

}  // namespace

std::string WhyNeverDelete(const std::string& folder, const std::string& home_folder) {
  const std::string real = RealPath(folder);
  if (real.empty() || real == "/") return "it is the root folder";
  if (real.find('/', 1) == std::string::npos) return "it is a top-level folder of the system";
  if (Within(RealPath(home_folder), real)) return "it is the home folder, or holds it";
  return "";
}

std::string WhyNotATillFolder(const std::string& till_folder, const std::string& home_folder,
                              const std::string& work_folder,
                              const std::vector<std::string>& package_names) {
  if (const std::string why = WhyNeverDelete(till_folder, home_folder); !why.empty()) return why;
  const std::string real = RealPath(till_folder);
  if (!work_folder.empty() && Within(RealPath(work_folder), real)) {
    return "it is the work folder, or holds it";
  }
  if (!FolderExists(real)) return "";
  const std::vector<FolderEntry> entries = ListFolder(real);
  if (entries.empty()) return "";
  for (const char* name : kTillFiles) {
    if (Holds(entries, name)) return "";
  }
  for (const std::string& name : package_names) {
    if (Holds(entries, name)) return "";
  }
  return "it holds files, but no till installation: neither LUMTRAK.pos nor the till program "
         "nor a file of the till package";
}

}  // namespace skarvel
