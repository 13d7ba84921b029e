#pragma once

#include <string>

namespace skarvel {

// The places where the design puts a shortcut to the till program.
enum class LauncherPlace { kDesktop, kStartMenu, kQuickLaunch };

// Launchers for a program in the user's desktop and menus.
class Launchers {
 public:
  virtual ~Launchers() = default;
  // Writes (or overwrites) the launcher name in the place, starting target in working_folder;
  // false when the place does not exist here or the file could not be written.
  virtual bool Create(LauncherPlace place, const std::string& name, const std::string& target,
                      const std::string& working_folder) = 0;
};

// freedesktop.org launchers (name + ".desktop"): the desktop folder and the applications menu
// folder ($XDG_DATA_HOME/applications). There is no Quick Launch folder on Linux.
class XdgLaunchers final : public Launchers {
 public:
  bool Create(LauncherPlace place, const std::string& name, const std::string& target,
              const std::string& working_folder) override;
};

}  // namespace skarvel
