#pragma once

#include <string>

#include "app/install_operations.h"
#include "app/install_state.h"
#include "app/wizard_view.h"

namespace skarvel {

// True when the work folder holds archive. One that is gone since the download step (a
// cleaner, a person) is fetched again from remote_folder first, and the information text says
// so: the step goes on instead of failing for good. False when it could not be fetched; the
// download's cause is then the operations' failure.
bool ArchiveInWorkFolder(InstallOperations& operations, WizardView& view, const InstallState& state,
                         const std::string& remote_folder, const std::string& archive);

// The message the information text shows for such an archive.
std::string FetchedAgainMessage(const std::string& archive);

}  // namespace skarvel
