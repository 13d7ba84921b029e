#include "platform/deployment_settings.h"

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <regex>
#include <unistd.h>

#include "platform/ansi_text.h"
#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

constexpr std::int32_t kNoPort = -1;

// A host name, an IPv4 address or a bracketed IPv6 address, with an optional port. Anything else
// could change the meaning of the URLs built on it.
bool IsHostAndPort(const std::string& text) {
  static const std::regex kHost(
      R"(^([A-Za-z0-9]([A-Za-z0-9.-]*[A-Za-z0-9])?|\[[0-9A-Fa-f:.]+\])(:[0-9]{1,5})?$)");
  return std::regex_match(text, kHost);
}

// The port after the host's last ":" outside brackets; none when the text names no port.
std::optional<std::string> PortPart(const std::string& host_and_port) {
  const std::size_t colon = host_and_port.rfind(':');
  if (colon == std::string::npos || host_and_port.find(']', colon) != std::string::npos) {
    return std::nullopt;
  }
  return host_and_port.substr(colon + 1);
}

// A port number 1 to 65535, or kNoPort.
int PortNumber(const std::string& text) {
  const int port = StrToIntDef(text, kNoPort);
  return port >= 1 && port <= 65535 ? port : kNoPort;
}

// The service's host and port from SKARVEL_SERVICE_HOST, or from SKARVEL_SERVICE_URL with its
// scheme; both at once would leave open whether the service is reached over TLS.
void ReadServiceSettings(DeploymentSettings& settings) {
  std::string host = EnvironmentVariable("SKARVEL_SERVICE_HOST");
  const std::string url = EnvironmentVariable("SKARVEL_SERVICE_URL");
  const char* variable = "SKARVEL_SERVICE_HOST";
  if (!url.empty()) {
    if (!host.empty()) {
      throw SettingsError(Tr("Settings",
                             "SKARVEL_SERVICE_URL and SKARVEL_SERVICE_HOST are both set: set "
                             "only one of them"));
    }
    static const std::regex kUrl(R"(^(https?)://([^/]+)/?$)", std::regex::icase);
    std::smatch parts;
    if (!std::regex_match(url, parts, kUrl)) {
      throw SettingsError(Fill(Tr("Settings",
                                  "SKARVEL_SERVICE_URL must be https://host[:port] (or "
                                  "http://host[:port]), not \"%1\""),
                               {AnsiFromUtf8(url)}));
    }
    settings.service_tls = parts[1].str().size() == 5;
    host = parts[2].str();
    variable = "SKARVEL_SERVICE_URL";
  }
  if (host.empty()) return;
  if (!IsHostAndPort(host)) {
    throw SettingsError(
        Fill(Tr("Settings",
                "%1 must be a host name or address, optionally followed by :port, not \"%2\""),
             {variable, AnsiFromUtf8(url.empty() ? host : url)}));
  }
  if (const auto port = PortPart(host); port && PortNumber(*port) == kNoPort) {
    throw SettingsError(Fill(
        Tr("Settings", "%1 must give a port number from 1 to 65535 after its \":\", not \"%2\""),
        {variable, AnsiFromUtf8(url.empty() ? host : url)}));
  }
  settings.service_host = host;
}

// SKARVEL_FTP_TLS: off or required.
bool ReadFtpTls() {
  const std::string value = UpperCase(EnvironmentVariable("SKARVEL_FTP_TLS"));
  if (value.empty() || value == "OFF") return false;
  if (value == "REQUIRED") return true;
  throw SettingsError(Fill(Tr("Settings", "SKARVEL_FTP_TLS must be off or required, not \"%1\""),
                           {AnsiFromUtf8(EnvironmentVariable("SKARVEL_FTP_TLS"))}));
}

// Whether the file holds at least one certificate in PEM, as the transfer library reads them.
bool HoldsPemCertificate(const std::string& file) {
  std::ifstream in(file);
  for (std::string line; std::getline(in, line);) {
    if (line.rfind("-----BEGIN CERTIFICATE-----", 0) == 0) return true;
  }
  return false;
}

// SKARVEL_CA_FILE: a file of certificates this user can read. A missing, empty or wrong one
// (a key, a certificate in DER) would fail every connection with no word of this setting.
std::string ReadCaFile() {
  const std::string file = EnvironmentVariable("SKARVEL_CA_FILE");
  if (file.empty()) return file;
  std::error_code error;
  if (file.front() != '/' || !std::filesystem::is_regular_file(file, error) ||
      ::access(file.c_str(), R_OK) != 0 || !HoldsPemCertificate(file)) {
    throw SettingsError(Fill(Tr("Settings",
                                "SKARVEL_CA_FILE must name a file of certificates in PEM this "
                                "user can read (an absolute path), not \"%1\""),
                             {AnsiFromUtf8(file)}));
  }
  return file;
}

// The variable's absolute folder, or the default when it is not set.
std::string AbsoluteFolder(const char* name, const std::string& default_folder) {
  const std::string folder = EnvironmentVariable(name);
  if (folder.empty()) return default_folder;
  if (folder.front() != '/') {
    throw SettingsError(Fill(Tr("Settings", "%1 must be an absolute folder, not \"%2\""),
                             {name, AnsiFromUtf8(folder)}));
  }
  return folder;
}

}  // namespace

std::string EnvironmentVariable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

std::string DeploymentSettings::DownloadHost() const {
  if (!service_host.empty() && service_host.front() == '[') {
    return service_host.substr(0, service_host.find(']') + 1);
  }
  return service_host.substr(0, service_host.find(':'));
}

DeploymentSettings ReadDeploymentSettings() {
  DeploymentSettings settings;
  ReadServiceSettings(settings);
  const std::string port = EnvironmentVariable("SKARVEL_FTP_PORT");
  if (!port.empty()) {
    settings.ftp_port = PortNumber(port);
    if (settings.ftp_port == kNoPort) {
      throw SettingsError(
          Fill(Tr("Settings", "SKARVEL_FTP_PORT must be a port number from 1 to 65535, not \"%1\""),
               {AnsiFromUtf8(port)}));
    }
  }
  settings.ftp_tls = ReadFtpTls();
  settings.ca_file = ReadCaFile();
  settings.firebird_root = AbsoluteFolder("SKARVEL_FIREBIRD_ROOT", settings.firebird_root);
  settings.systemd_root = AbsoluteFolder("SKARVEL_SYSTEMD_ROOT", settings.systemd_root);
  for (const char* name :
       {"SKARVEL_SERVICE_HOST", "SKARVEL_SERVICE_URL", "SKARVEL_FTP_PORT", "SKARVEL_FTP_TLS",
        "SKARVEL_CA_FILE", "SKARVEL_FIREBIRD_ROOT", "SKARVEL_SYSTEMD_ROOT"}) {
    const std::string value = EnvironmentVariable(name);
    if (!value.empty())
      settings.assignments.push_back(AnsiFromUtf8(std::string(name) + "=" + value));
  }
  return settings;
}

std::string DeploymentSettings::ServiceBaseUrl() const {
  return (service_tls ? "https://" : "http://") + service_host + "/skv/skv.dll";
}

std::string ServiceBaseUrlFor(const std::string& service_host) {
  return "http://" + service_host + "/skv/skv.dll";
}

}  // namespace skarvel
