#pragma once

#include <optional>
#include <string>
#include <vector>

namespace skarvel {

// The questions the database server's installation asks about the system's services.
class ServiceManager {
 public:
  virtual ~ServiceManager() = default;
  // The display names of the installed services; none when the manager cannot be asked.
  virtual std::optional<std::vector<std::string>> DisplayNames() = 0;
  // True when the service runs; false when it does not, or nobody can say.
  virtual bool IsRunning(const std::string& service) = 0;
};

// systemd through systemctl: a unit's description is its display name. Where systemd is not
// running (a container, a chroot) the manager cannot be asked: no names, nothing runs.
class SystemdServiceManager final : public ServiceManager {
 public:
  std::optional<std::vector<std::string>> DisplayNames() override;
  bool IsRunning(const std::string& service) override;
};

}  // namespace skarvel
