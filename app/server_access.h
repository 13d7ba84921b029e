#pragma once

#include <string>

#include "platform/service_manager.h"

namespace skarvel {

// The database server on this computer through which a database text is opened, and the
// account it runs as.
struct LocalServer {
  bool local = false;   // the text names a server, and that server is this computer
  std::string address;  // "host" or "host/port"
  int port = 0;         // where it listens
  std::string file;     // the database file on this computer
  std::string account;  // the server's account; "root" needs nothing given
  std::string found;    // how the account was found, for the log
};

// The account is the User= of the database server's service (the installed service of the
// guardian's display name), else the owner of the socket listening on the server's port, else
// "firebird", the account distributions give the server.
LocalServer FindLocalServer(const std::string& database_text, ServiceManager& services,
                            const std::string& server_display_name);

// Why the local server's account cannot read and write its database file, and what to do;
// empty when it can, or will once GiveServerItsFile has given it the entries this user may
// give. Nothing is changed.
std::string ServerAccessProblem(const LocalServer& server);
// Gives the server's account read and write on its file and search on the folders above it that
// it cannot pass (access control entries, set by the owner). Empty when the account can now use
// the file; otherwise why not, naming the account, the file and what to do.
std::string GiveServerItsFile(const LocalServer& server);

}  // namespace skarvel
