#include "app/work_folder_packages.h"

#include "platform/translation.h"

namespace skarvel {

std::string FetchedAgainMessage(const std::string& archive) {
  return Fill(
      Tr("Steps", "The package %1 is no longer in the work folder: it is downloaded again."),
      {archive});
}

bool ArchiveInWorkFolder(InstallOperations& operations, WizardView& view, const InstallState& state,
                         const std::string& remote_folder, const std::string& archive) {
  if (operations.FileExists(state.WorkFolder + archive)) return true;
  view.AddMemInfoLine(FetchedAgainMessage(archive));
  return operations.FetchFile(remote_folder, state.WorkFolder, state.FtpAccount, archive,
                              ProgressBar::pb10);
}

}  // namespace skarvel
