#pragma once

#include <optional>
#include <string>

namespace skarvel::db {

// Where a database text points: the server's host and port, and the file on that server.
// "host:file", "host/port:file" and "[address]/port:file" name a server; a plain file (or one with
// a drive letter, "C:\...") is opened by the embedded engine, without a server.
struct DatabaseLocation {
  std::string host;         // empty: no server
  std::optional<int> port;  // when the text names one
  std::string file;
};
DatabaseLocation ParseDatabaseLocation(const std::string& database_text);

// The port the client reaches a server on when the text names none: RemoteServicePort of the
// client's configuration ($FIREBIRD/firebird.conf, else the system's), else 3050.
int ClientServerPort();

// "host" or "host/port", as the service manager is addressed.
std::string ServerAddress(const DatabaseLocation& location);

}  // namespace skarvel::db
