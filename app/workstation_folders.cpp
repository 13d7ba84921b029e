// The installation's folders and files on this workstation: the work and till folders, the
// delete guard, stray settings files, copies, and the till's settings file.

#include <exception>

#include "app/workstation_operations.h"
#include "platform/ansi_text.h"
#include "platform/file_access.h"
#include "platform/file_system.h"
#include "platform/folder_path.h"
#include "platform/private_folder.h"
#include "platform/profile_file.h"
#include "platform/system_account.h"
#include "platform/translation.h"
#include "platform/trash.h"
#include "workstation/find_file.h"
#include "workstation/folder_guard.h"
#include "workstation/till_settings.h"

namespace skarvel {
namespace {

std::string WithoutTrailingSeparator(std::string folder) {
  while (folder.size() > 1 && folder.back() == kFolderSeparator) folder.pop_back();
  return folder;
}

// A search of a large home folder takes a while: the window is kept alive at each folder.
std::vector<std::string> FindSettingsFiles(const std::string& root, EventPump& pump) {
  TFindFile finder;
  finder.Recurse = true;
  finder.Directory = root;
  finder.Filter = "lumtrak.pos";
  finder.OnNewPath = [&pump](TFindFile&, const std::string&, bool&) { pump.ProcessMessages(); };
  finder.Execute();
  return finder.Files;
}

// Deletes the file, then lets the window handle what came meanwhile.
void DeleteVirtualized(const std::string& path, EventPump& pump) {
  DeleteFile(path);
  pump.ProcessMessages();
}

// Judged by the part below the folder searched: a home folder such as /home/virtanen would
// otherwise make the till's own settings file in it look like a stray copy.
bool IsVirtualized(const std::string& path, const std::string& root) {
  const std::string below = path.rfind(root, 0) == 0 ? path.substr(root.size()) : path;
  return UpperCase(below).find("VIRT") != std::string::npos;
}

}  // namespace

bool WorkstationOperations::DeleteFolderTree(const std::string& folder, std::string* why) {
  const std::string target = WithoutTrailingSeparator(folder);
  if (const std::string never = WhyNeverDelete(target, HomeFolder()); !never.empty()) {
    log_.Write("refused to delete the folder \"" + folder + "\": " + never);
    if (why != nullptr)
      *why = Fill(Tr("Steps", "the folder %1 is never deleted: %2"), {folder, never});
    return false;
  }
  if (!skarvel::FolderExists(target)) return false;
  if (MoveToTrash(target)) return true;
  log_.Write("the trash did not take " + target + "; deleting it");
  return DeleteTree(target, why);
}

bool WorkstationOperations::PrepareFolder(const std::string& folder, bool delete_first) {
  try {
    const std::string with = WithTrailingSeparator(folder);
    const std::string without = WithoutTrailingSeparator(folder);
    const bool private_folder = !private_folder_.empty() && with == private_folder_;
    // Another user's folder is neither emptied nor used.
    if (private_folder && !PrivateFolderUsable(with)) return false;
    std::string why;
    if (delete_first) {
      RemoveEmptyFolder(without);
      DeleteFolderTree(without, &why);
      // Old files left where new ones go would be taken for the new ones.
      if (skarvel::FolderExists(without) && !ListFolder(without).empty()) {
        Failed(why.empty() ? Fill(Tr("Steps", "could not empty the folder %1"), {with}) : why);
        return false;
      }
    }
    if (private_folder) return PrivateFolderUsable(with);
    if (CreateFolders(with, &why)) return true;
    // Where this user may not write, an administrator may make it.
    if (NeedsAdministratorToMake(with)) return MakeFolderAsAdministrator(with);
    Failed(why);
    return false;
  } catch (const std::exception& error) {
    Failed(Fill(Tr("Steps", "could not prepare the folder %1: %2"), {folder, error.what()}));
    return false;
  }
}

bool WorkstationOperations::NeedsAdministratorToMake(const std::string& folder) const {
  if (RunningAsAdministrator()) return false;
  std::string above = WithoutTrailingSeparator(folder);
  while (!skarvel::FolderExists(above) && above.find('/') != std::string::npos && above != "/") {
    above = above.substr(0, std::max<std::size_t>(above.rfind('/'), 1));
  }
  return skarvel::FolderExists(above) && !AccountMay(CurrentAccount(), above, kWrite | kSearch);
}

bool WorkstationOperations::MakeFolderAsAdministrator(const std::string& folder) {
  const AdminOutcome outcome =
      administrator_.Run("make-till-folder", {WithoutTrailingSeparator(folder)},
                         Fill(Tr("Steps", "making the till folder %1"), {folder}));
  if (!outcome.done) Failed(outcome.problem);
  if (outcome.done) log_.Write("the administrator's part made the folder " + folder);
  return outcome.done && skarvel::FolderExists(folder);
}

bool WorkstationOperations::MayEmptyTillFolder(const std::string& till_folder,
                                               const std::string& package_folder) {
  const std::string why =
      WhyNotATillFolder(till_folder, HomeFolder(), private_folder_, package_folder);
  if (why.empty()) return true;
  notifier_.ShowMessage(Fill(Tr("Steps",
                                "The till folder %1 is not emptied: %2. Nothing was moved or "
                                "deleted; check the till folder the service holds for this "
                                "customer (PPA_POSPATH)."),
                             {till_folder, why}));
  Failed(Fill(Tr("Steps", "the till folder %1 is not emptied: %2"), {till_folder, why}));
  return false;
}

bool WorkstationOperations::PrivateFolderUsable(const std::string& folder) {
  const std::string why = MakePrivateFolder(folder);
  if (!why.empty()) {
    Failed(Fill(Tr("Steps", "the work folder %1 cannot be used: %2"), {folder, why}));
  }
  return why.empty();
}

bool WorkstationOperations::RemoveVirtualizedSettings() {
  try {
    pump_.ProcessMessages();
    bool handled = false;
    std::string root = OwnProgramFolder();
    std::vector<std::string> found = FindSettingsFiles(root, pump_);
    // The design's second root, the whole system drive, is the user's home folder here.
    if (found.empty()) {
      root = HomeFolder();
      found = FindSettingsFiles(root, pump_);
      handled = true;
    }
    for (const std::string& path : found) {
      if (IsVirtualized(path, root)) {
        DeleteVirtualized(path, pump_);
        handled = true;
      }
    }
    if (!handled) {
      for (const std::string& path : FindSettingsFiles(HomeFolder(), pump_)) {
        if (IsVirtualized(path, HomeFolder())) DeleteVirtualized(path, pump_);
      }
    }
    return true;
  } catch (const std::exception& error) {
    notifier_.ShowMessage(error.what());
    return false;
  }
}

bool WorkstationOperations::CopyFolderFiles(const std::string& source,
                                            const std::string& destination) {
  const std::string from = WithTrailingSeparator(Trim(source));
  // Nothing to copy is no failure: a till package without pictures has no "bmp" folder.
  if (!skarvel::FolderExists(from)) {
    log_.Write("nothing to copy: there is no folder " + from);
    return true;
  }
  std::string why;
  if (CopyFolderContents(from, Trim(destination), &why)) return true;
  Failed(why);
  return false;
}

bool WorkstationOperations::FolderExists(const std::string& folder) {
  return skarvel::FolderExists(folder);
}

bool WorkstationOperations::FileExists(const std::string& file) {
  return skarvel::FileExists(file);
}

bool WorkstationOperations::RenameFile(const std::string& from, const std::string& to) {
  std::string why;
  if (skarvel::RenameFile(from, to, &why)) return true;
  Failed(why);
  return false;
}

bool WorkstationOperations::CopyFile(const std::string& from, const std::string& to) {
  std::string why;
  if (CopyFileOver(from, to, &why)) return true;
  Failed(why);
  return false;
}

bool WorkstationOperations::WriteDefaultTillSettings(const std::string& till_folder) {
  std::string why;
  try {
    if (skarvel::WriteDefaultTillSettings(till_folder, &why)) return true;
  } catch (const ProfileError& error) {
    why = error.what();
  }
  Failed(why);
  return false;
}

bool WorkstationOperations::WriteCustomerTillSettings(const std::string& till_folder,
                                                      const cust_post& record) {
  std::string why;
  if (skarvel::WriteCustomerTillSettings(till_folder, record, &why)) return true;
  Failed(why);
  return false;
}

}  // namespace skarvel
