#include "database/server_location.h"

#include <gtest/gtest.h>

namespace skarvel::db {
namespace {

struct Case {
  const char* text;
  const char* host;
  int port;  // 0: none given
  const char* file;
};

// The forms a record or a server list gives a database in, as the client reads them.
TEST(ServerLocationTest, TellsTheServerAndItsFileApart) {
  const Case cases[] = {
      {"/var/lumtrak/LUMTRAK.FDB", "", 0, "/var/lumtrak/LUMTRAK.FDB"},
      {"C:\\Lumtrak\\LUMTRAK.FDB", "", 0, "C:\\Lumtrak\\LUMTRAK.FDB"},
      {"localhost:/home/kassa/till/LUMTRAK.FDB", "localhost", 0, "/home/kassa/till/LUMTRAK.FDB"},
      {"LocalHost:C:\\Lumtrak\\LUMTRAK.FDB", "LocalHost", 0, "C:\\Lumtrak\\LUMTRAK.FDB"},
      {"10.0.0.5/3051:/srv/central.fdb", "10.0.0.5", 3051, "/srv/central.fdb"},
      {"[::1]/3052:/srv/central.fdb", "[::1]", 3052, "/srv/central.fdb"},
      {"[fe80::1]:/srv/central.fdb", "[fe80::1]", 0, "/srv/central.fdb"},
      {"inet://shop-server:3053//srv/central.fdb", "shop-server", 3053, "/srv/central.fdb"},
      {"INET4://localhost/employee", "localhost", 0, "employee"},
      {"\\\\server\\share\\LUMTRAK.FDB", "", 0, "\\\\server\\share\\LUMTRAK.FDB"},
  };
  for (const Case& c : cases) {
    const DatabaseLocation location = ParseDatabaseLocation(c.text);
    EXPECT_EQ(location.host, c.host) << c.text;
    EXPECT_EQ(location.port.value_or(0), c.port) << c.text;
    EXPECT_EQ(location.file, c.file) << c.text;
  }
  EXPECT_EQ(ServerAddress(ParseDatabaseLocation("10.0.0.5/3051:/srv/central.fdb")),
            "10.0.0.5/3051");
}

}  // namespace
}  // namespace skarvel::db
