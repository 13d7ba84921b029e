#include "workstation/folder_guard.h"

#include <algorithm>

#include "platform/ansi_text.h"
#include "platform/file_system.h"
#include "platform/translation.h"

namespace skarvel {
namespace {

// The till's own files: what a previous till installation left.
constexpr const char* kTillFiles[] = {"LUMTRAK.pos", "lumcaisse.exe"};
// What the till programs' step puts beside the package's files, from outside the package: a
// step interrupted after one of them must not leave a folder that is never emptied again.
constexpr const char* kBesideThePackage[] = {"midas.dll", "midas_old.dll", "dvcaisse.dll"};

// True when folder is inside (or is) outer; both resolved.
bool Within(const std::string& folder, const std::string& outer) {
  return folder == outer || folder.rfind(outer + "/", 0) == 0;
}

bool Holds(const std::vector<FolderEntry>& entries, const std::string& name) {
  return std::any_of(entries.begin(), entries.end(),
                     [&](const FolderEntry& entry) { return SameText(entry.name, name); });
}

// How many names the reason lists.
constexpr std::size_t kListed = 10;

// The entries of folder (its path below the till folder: prefix) whose names the package
// folder does not hold, the subfolders both hold walked alike; the first kListed named, the
// others counted in more. A link is judged by its name alone and never followed.
void ForeignEntries(const std::string& folder, const std::string& package,
                    const std::string& prefix, std::vector<std::string>& foreign,
                    std::size_t& more) {
  const std::vector<FolderEntry> theirs = ListFolder(package);
  for (const FolderEntry& entry : ListFolder(folder)) {
    const auto match = std::find_if(theirs.begin(), theirs.end(), [&](const FolderEntry& own) {
      return SameText(own.name, entry.name);
    });
    const std::string shown = prefix + entry.name + (entry.directory ? "/" : "");
    const bool beside = prefix.empty() && !entry.directory &&
                        std::any_of(std::begin(kBesideThePackage), std::end(kBesideThePackage),
                                    [&](const char* name) { return SameText(entry.name, name); });
    // A folder where the package has a file holds what the package cannot account for.
    const bool folder_for_file =
        match != theirs.end() && entry.directory && !entry.link && !match->directory;
    if ((match == theirs.end() && !beside) || folder_for_file) {
      foreign.size() < kListed ? foreign.push_back(shown) : void(++more);
    } else if (match != theirs.end() && entry.directory && !entry.link && !match->link) {
      ForeignEntries(folder + "/" + entry.name, package + "/" + match->name, shown, foreign, more);
    }
  }
}

}  // namespace

std::string WhyNeverDelete(const std::string& folder, const std::string& home_folder) {
  const std::string real = RealPath(folder);
  if (real.empty() || real == "/") return Tr("Workstation", "it is the root folder");
  if (real.find('/', 1) == std::string::npos) {
    return Tr("Workstation", "it is a top-level folder of the system");
  }
  if (Within(RealPath(home_folder), real)) {
    return Tr("Workstation", "it is the home folder, or holds it");
  }
  return "";
}

std::string WhyNotATillFolder(const std::string& till_folder, const std::string& home_folder,
                              const std::string& work_folder, const std::string& package_folder) {
  if (const std::string why = WhyNeverDelete(till_folder, home_folder); !why.empty()) return why;
  const std::string real = RealPath(till_folder);
  if (!work_folder.empty() && Within(RealPath(work_folder), real)) {
    return Tr("Workstation", "it is the work folder, or holds it");
  }
  if (!FolderExists(real)) return "";
  const std::vector<FolderEntry> entries = ListFolder(real);
  for (const char* name : kTillFiles) {
    if (Holds(entries, name)) return "";
  }
  std::vector<std::string> foreign;
  std::size_t more = 0;
  ForeignEntries(real, package_folder, "", foreign, more);
  if (foreign.empty()) return "";
  std::string list;
  for (const std::string& name : foreign) list += (list.empty() ? "" : ", ") + name;
  if (more > 0) list = Fill(Tr("Workstation", "%1 and %2 more"), {list, std::to_string(more)});
  return Fill(Tr("Workstation",
                 "it holds no till installation (neither LUMTRAK.pos nor the till program) and "
                 "what is not the till package's: %1"),
              {list});
}

}  // namespace skarvel
