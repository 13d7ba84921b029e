#pragma once

#include <string>
#include <vector>

namespace skarvel {

// Why a folder must never be deleted or emptied: the root, a top-level folder of the system
// ("/etc", "/usr", "/home"), the home folder or a folder holding it. Empty when it is none of
// these. The folder is resolved first (".", "..", symbolic links), so no spelling slips past.
std::string WhyNeverDelete(const std::string& folder, const std::string& home_folder);

// Why the folder a customer's record names as the till folder must not be emptied: a folder
// WhyNeverDelete names, the work folder or a folder holding it, or a folder that holds files but
// is no till installation: neither the settings file "LUMTRAK.pos" nor the till program is in it
// (in any case), nor any file named as one of the till package's (as after a copy killed
// midway). Empty when it may be emptied, or does not exist.
std::string WhyNotATillFolder(const std::string& till_folder, const std::string& home_folder,
                              const std::string& work_folder,
                              const std::vector<std::string>& package_names);

}  // namespace skarvel
