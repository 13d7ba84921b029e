#pragma once

#include <string>

namespace skarvel {

// The places where the design puts a shortcut to the till program.
enum class LauncherPlace { kDesktop, kStartMenu, kQuickLaunch };

// What a launcher starts.
struct Launcher {
  std::string name;
  std::string target;          // the program
  std::string working_folder;  // where it starts
  std::string runner;          // a program that runs target ("wine"); empty: target runs itself
};

// Launchers for a program in the user's desktop and menus. Texts are Windows-1252.
class Launchers {
 public:
  virtual ~Launchers() = default;
  // Writes (or overwrites) the launcher in the place; false when the place does not exist here
  // or the file could not be written.
  virtual bool Create(LauncherPlace place, const Launcher& launcher) = 0;
  // Why the last Create that failed could not write its file; empty when the place does not
  // exist on this system.
  virtual std::string LastError() const = 0;
};

// freedesktop.org launchers (name + ".desktop"): the desktop folder and the applications menu
// folder ($XDG_DATA_HOME/applications). There is no Quick Launch folder on Linux. Every value is
// written so that desktop environments read it back as it was, whatever the folder's name holds
// (blanks, "%", "$", quotes, backslashes).
class XdgLaunchers final : public Launchers {
 public:
  bool Create(LauncherPlace place, const Launcher& launcher) override;
  std::string LastError() const override { return last_error_; }

 private:
  std::string last_error_;
};

}  // namespace skarvel
