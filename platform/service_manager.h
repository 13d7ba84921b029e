#pragma once

#include <optional>
#include <string>
#include <vector>

namespace skarvel {

// An installed service: its name for the service manager, its display name, and the account
// it runs as (empty: the administrator's, root).
struct InstalledService {
  std::string name;
  std::string display_name;
  std::string account;
};

// The questions the database server's installation asks about the system's services.
class ServiceManager {
 public:
  virtual ~ServiceManager() = default;
  // The installed services; none when the manager cannot be asked.
  virtual std::optional<std::vector<InstalledService>> Services() = 0;
  // True when the service runs; false when it does not, or nobody can say.
  virtual bool IsRunning(const std::string& service) = 0;

  // The display names of the installed services; none when the manager cannot be asked.
  std::optional<std::vector<std::string>> DisplayNames();
  // The installed service of that display name (without regard to case); none when there is
  // none, or the manager cannot be asked.
  std::optional<InstalledService> FindService(const std::string& display_name);
};

// systemd: the installed services are its service unit files in every state (enabled,
// disabled, static, masked), listed by systemctl, which reads them also where systemd does not
// run; a unit's description is its display name, its User= the account. Whether a service runs
// is asked of the running systemd; without one nothing runs. root is the system's root folder
// ("/"), or that of a system image, whose services are installed but never run.
class SystemdServiceManager final : public ServiceManager {
 public:
  explicit SystemdServiceManager(std::string root = "/");
  // None when systemctl cannot be run.
  std::optional<std::vector<InstalledService>> Services() override;
  bool IsRunning(const std::string& service) override;

 private:
  std::string root_;
};

}  // namespace skarvel
