#pragma once

#include <stdexcept>
#include <string>
#include <vector>

namespace skarvel {

// Where this deployment's configuration service and download server are, and how they are
// reached. The design leaves the hosts to the deployment; they are read once at start-up from the
// environment:
//   SKARVEL_SERVICE_HOST  host or host:port of the configuration service, over plain HTTP
//                         (default "localhost"); the download server is the same host
//   SKARVEL_SERVICE_URL   instead of it, the service as https://host[:port] (or http://): over
//                         https its certificate and name are verified, never plain HTTP
//   SKARVEL_FTP_PORT      port of the download server (default 21)
//   SKARVEL_FTP_TLS       off (default, the design's plain FTP) or required: explicit TLS for
//                         every download, upload and listing, data connections included; a
//                         server without it fails the step
//   SKARVEL_CA_FILE       the authorities that vouch for both servers' certificates (a PEM file,
//                         an absolute path); default: the system's store
//   SKARVEL_FIREBIRD_ROOT the database server's folder (default /opt/firebird): where its
//                         function libraries and console are copied and the first folder
//                         whose older server is removed; its own setup program decides where
//                         it installs. An absolute path
//   SKARVEL_SYSTEMD_ROOT  the root folder whose systemd unit files say which services are
//                         installed (default /); an absolute path
struct DeploymentSettings {
  std::string service_host = "localhost";
  bool service_tls = false;  // https
  int ftp_port = 21;
  bool ftp_tls = false;
  std::string ca_file;  // empty: the system's store
  std::string firebird_root = "/opt/firebird";
  std::string systemd_root = "/";
  // The variables above as they were set ("NAME=value", Windows-1252), for a later run of this
  // installation that the desktop starts, whose environment is the session's.
  std::vector<std::string> assignments;

  // The download server's host: the service's host name without its port.
  std::string DownloadHost() const;
  // "http://" or "https://" + the service's host + "/skv/skv.dll".
  std::string ServiceBaseUrl() const;
};

// Its message is a sentence for the person, in Windows-1252 and the language in use.
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
