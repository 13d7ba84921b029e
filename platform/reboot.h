#pragma once

namespace skarvel {

// Restarts the computer: the Linux side of the restart the installation needs after its first
// step. Privileges need no adjusting first, as they do on Windows.
class RebootAction {
 public:
  virtual ~RebootAction() = default;
  // False when the system refused; true means the restart is under way.
  virtual bool Reboot() = 0;
};

// `systemctl reboot`.
class SystemdReboot final : public RebootAction {
 public:
  bool Reboot() override;
};

}  // namespace skarvel
