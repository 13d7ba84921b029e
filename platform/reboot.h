#pragma once

#include <string>
#include <utility>

namespace skarvel {

// Restarts the computer: the Linux side of the restart the installation needs after its first
// step. Privileges need no adjusting first, as they do on Windows.
class RebootAction {
 public:
  virtual ~RebootAction() = default;
  // False when the system refused; true means the restart is under way.
  virtual bool Reboot() = 0;
  // Why the last request was refused, in the system's own words.
  virtual std::string LastRefusal() const = 0;
};

// `systemctl reboot`; program names the systemctl to run (a test's stand-in by its path, so that
// no search of the PATH can ever reach the real one).
class SystemdReboot final : public RebootAction {
 public:
  explicit SystemdReboot(std::string program = "systemctl") : program_(std::move(program)) {}
  bool Reboot() override;
  std::string LastRefusal() const override { return refusal_; }

 private:
  std::string program_;
  std::string refusal_;
};

}  // namespace skarvel
