#pragma once

#include <string>

namespace skarvel::fixtures {

// How many rows the large tables of a generated central database get.
struct CentralSizes {
  int customers = 40;
  int cards = 20;
  int products = 60;
  int linked_products = 25;
  int promotions = 25;
};

// The central and till databases of the tests, the benchmark and the demo.

// Runs a script of tests/fixtures on the database with Firebird's isql (embedded); throws
// std::runtime_error with isql's output when it fails.
void RunFixtureScript(const std::string& database, const std::string& script);

// A central database with the fixture schema and realistic rows drawn from the seed: accented
// Windows-1252 names, customers with and without cards, blank and NULL values where the copy
// has rules for them, a central version of 2030500.
void MakeCentralDatabase(const std::string& path, const CentralSizes& sizes, unsigned seed);

// An empty prepared till database ("LUMTRAK15.FDB" / "LUMTRAK25.FDB").
void MakeTillDatabase(const std::string& path);

}  // namespace skarvel::fixtures
