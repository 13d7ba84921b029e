#include "database/server_location.h"

#include <sstream>

#include "platform/ansi_text.h"
#include "platform/deployment_settings.h"
#include "platform/file_system.h"

namespace skarvel::db {
namespace {

constexpr int kStandardPort = 3050;
constexpr const char* kSystemConfiguration = "/etc/firebird/3.0/firebird.conf";

std::optional<int> ConfiguredPort(const std::string& path) {
  const std::optional<std::string> text = ReadFileText(path);
  if (!text) return std::nullopt;
  std::istringstream lines(*text);
  for (std::string line; std::getline(lines, line);) {
    line = Trim(line.substr(0, line.find('#')));
    const std::size_t equals = line.find('=');
    if (equals == std::string::npos || !SameText(Trim(line.substr(0, equals)), "RemoteServicePort"))
      continue;
    const int port = StrToIntDef(Trim(line.substr(equals + 1)), 0);
    if (port > 0 && port < 65536) return port;
  }
  return std::nullopt;
}

// "inet://host[:port]/file" (also inet4://, inet6://), the URL form of a server's database.
std::optional<DatabaseLocation> ParseUrl(const std::string& text) {
  const std::size_t scheme = text.find("://");
  if (scheme == std::string::npos) return std::nullopt;
  const std::string protocol = text.substr(0, scheme);
  if (!SameText(protocol, "inet") && !SameText(protocol, "inet4") && !SameText(protocol, "inet6")) {
    return std::nullopt;
  }
  const std::string rest = text.substr(scheme + 3);
  const std::size_t slash = rest.find('/');
  if (slash == std::string::npos) return std::nullopt;
  DatabaseLocation location{rest.substr(0, slash), std::nullopt, rest.substr(slash + 1)};
  const std::size_t colon = location.host.rfind(':');
  if (colon != std::string::npos && location.host.find(']', colon) == std::string::npos) {
    if (const int port = StrToIntDef(location.host.substr(colon + 1), 0); port > 0) {
      location.port = port;
    }
    location.host = location.host.substr(0, colon);
  }
  return location;
}

}  // namespace

DatabaseLocation ParseDatabaseLocation(const std::string& database_text) {
  if (std::optional<DatabaseLocation> url = ParseUrl(database_text)) return *url;
  DatabaseLocation location{"", std::nullopt, database_text};
  std::size_t colon = std::string::npos;
  if (!database_text.empty() && database_text.front() == '[') {
    const std::size_t close = database_text.find(']');
    if (close != std::string::npos) colon = database_text.find(':', close);
  } else {
    colon = database_text.find(':');
  }
  // A drive letter is no server.
  if (colon == std::string::npos || colon < 2) return location;
  std::string server = database_text.substr(0, colon);
  if (server.find('\\') != std::string::npos) return location;
  if (const std::size_t slash = server.rfind('/');
      slash != std::string::npos && server.find(']', slash) == std::string::npos) {
    const int port = StrToIntDef(server.substr(slash + 1), 0);
    if (port > 0) location.port = port;
    server = server.substr(0, slash);
  }
  location.host = server;
  location.file = database_text.substr(colon + 1);
  return location;
}

int ClientServerPort() {
  if (const std::string root = EnvironmentVariable("FIREBIRD"); !root.empty()) {
    if (const std::optional<int> port = ConfiguredPort(root + "/firebird.conf")) {
      return *port;
    }
  }
  return ConfiguredPort(kSystemConfiguration).value_or(kStandardPort);
}

std::string ServerAddress(const DatabaseLocation& location) {
  return location.port ? location.host + "/" + std::to_string(*location.port) : location.host;
}

}  // namespace skarvel::db
