#pragma once

#include <stdexcept>
#include <string>

namespace skarvel {

// Where this deployment's configuration service and download server are. The design leaves the
// hosts to the deployment; they are read once at start-up from the environment:
//   SKARVEL_SERVICE_HOST  host or host:port of the configuration service (default "localhost");
//                         the download server is the same host
//   SKARVEL_FTP_PORT      port of the download server (default 21)
//   SKARVEL_FIREBIRD_ROOT the database server's folder (default /opt/firebird): where its
//                         function libraries and console are copied and the first folder
//                         whose older server is removed; its own setup program decides where
//                         it installs. An absolute path
//   SKARVEL_SYSTEMD_ROOT  the root folder whose systemd unit files say which services are
//                         installed (default /); an absolute path
struct DeploymentSettings {
  std::string service_host = "localhost";
  int ftp_port = 21;
  std::string firebird_root = "/opt/firebird";
  std::string systemd_root = "/";

  // The download server's host: the service's host name without its port.
  std::string DownloadHost() const;
};

class SettingsError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Throws SettingsError, naming the variable and what it must hold, when a value is unusable.
DeploymentSettings ReadDeploymentSettings();

// The value of an environment variable; empty when it is not set.
std::string EnvironmentVariable(const char* name);

// "http://" + host + "/skv/skv.dll".
std::string ServiceBaseUrlFor(const std::string& service_host);

}  // namespace skarvel
