#pragma once

#include <string>

namespace skarvel {

// Why a folder must never be deleted or emptied: the root, a top-level folder of the system
// ("/etc", "/usr", "/home"), the home folder or a folder holding it. Empty when it is none of
// these. The folder is resolved first (".", "..", symbolic links), so no spelling slips past.
std::string WhyNeverDelete(const std::string& folder, const std::string& home_folder);

// Why the folder a customer's record names as the till folder must not be emptied: a folder
// WhyNeverDelete names, the work folder or a folder holding it, or a folder that holds anything
// else than a till's. It may be emptied when it is empty or does not exist, when it holds a
// previous till installation (the settings file "LUMTRAK.pos" or the till program, in any
// case), or when everything in it, subfolders included, bears a name of the unpacked till
// package in package_folder (in any case), as a copy killed midway leaves it. Otherwise the
// reason lists what it holds that is not the till's.
std::string WhyNotATillFolder(const std::string& till_folder, const std::string& home_folder,
                              const std::string& work_folder, const std::string& package_folder);

}  // namespace skarvel
