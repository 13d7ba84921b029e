#include "tests/support/account_tables.h"

#include <set>
#include <sstream>
#include <stdexcept>

namespace skarvel::test {
namespace {

// The ids in the third field of an account or group table.
std::set<unsigned> Ids(const std::string& table) {
  std::set<unsigned> ids;
  std::istringstream lines(table);
  for (std::string line; std::getline(lines, line);) {
    std::istringstream fields(line);
    std::string name, password, id;
    if (std::getline(fields, name, ':') && std::getline(fields, password, ':') &&
        std::getline(fields, id, ':') && !id.empty() &&
        id.find_first_not_of("0123456789") == std::string::npos) {
      ids.insert(static_cast<unsigned>(std::stoul(id)));
    }
  }
  return ids;
}

}  // namespace

bool HasEntry(const std::string& table, const std::string& name) {
  return table.rfind(name + ":", 0) == 0 || table.find("\n" + name + ":") != std::string::npos;
}

std::string WithEntry(const std::string& table, const std::string& name, const std::string& entry) {
  std::istringstream lines(table);
  std::string result;
  for (std::string line; std::getline(lines, line);) {
    if (line.rfind(name + ":", 0) != 0) result += line + "\n";
  }
  return result + entry + "\n";
}

unsigned FreeSystemId(const std::string& passwd, const std::string& group) {
  const std::set<unsigned> users = Ids(passwd), groups = Ids(group);
  for (unsigned id = 999; id > 100; --id) {
    if (!users.count(id) && !groups.count(id)) return id;
  }
  throw std::runtime_error("no free system id for the tests' accounts");
}

}  // namespace skarvel::test
