#pragma once

#include <string>
#include <vector>

namespace skarvel {

// The entry that starts the wizard again after the restart, so the installation resumes
// ("runskarvel").
class Autostart {
 public:
  virtual ~Autostart() = default;
  // Makes the system run the program arguments[0] with the other arguments (Windows-1252) at the
  // next log-on. Empty when written; otherwise why no entry could be written.
  virtual std::string WriteEntry(const std::string& name,
                                 const std::vector<std::string>& arguments) = 0;
  // Removes the entry wherever it was written; a missing entry is no error.
  virtual void RemoveEntry(const std::string& name) = 0;
};

// XDG autostart files: name + ".desktop" in the system-wide autostart folder (the first folder
// of $XDG_CONFIG_DIRS, default /etc/xdg, + "/autostart"), or, where that cannot be written, in
// the user's ($XDG_CONFIG_HOME, default ~/.config, + "/autostart").
class XdgAutostart final : public Autostart {
 public:
  std::string WriteEntry(const std::string& name,
                         const std::vector<std::string>& arguments) override;
  void RemoveEntry(const std::string& name) override;
};

}  // namespace skarvel
