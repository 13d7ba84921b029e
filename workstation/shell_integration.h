#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/launchers.h"
#include "platform/windows_version.h"

namespace skarvel {

// Launchers named name for target, with target's folder as the working folder, on the desktop,
// in the applications menu and in Quick Launch, in that order. A target that is a Windows
// program (its file starts with "MZ") is run through wine, which log is told of; any other runs
// as it is. A place that does not exist on this system is skipped; a launcher that cannot be
// written in one that does makes the result false, with why (when given) saying which and the
// system's cause; the other places are still written.
bool CreateShortcuts(Launchers& launchers, const std::string& target, const std::string& name,
                     const std::function<void(const std::string&)>& log = nullptr,
                     std::string* why = nullptr);

// True when the file (Windows-1252 path) is a Windows program: it starts with "MZ".
bool IsWindowsProgram(const std::string& path);

// The design's small code for a Windows version record: 0 when there is none (as on Linux) or
// the version is not one of the table's.
int GetWindowsVersionCode(const std::optional<WindowsVersionRecord>& record);

// The firewall exception for the wizard exists only on the Windows versions with codes 7 to 9;
// elsewhere, here included, there is nothing to do. True when an exception would be made.
bool NeedsFirewallException(int version_code);

}  // namespace skarvel
