#pragma once

#include <string>
#include <vector>

namespace skarvel::db {

// A statement with ":Name" parameters as Firebird prepares it: each name replaced by "?", the
// names in their order (a name used twice appears twice). Text in single or double quotes and
// comments are left alone, so a colon there is no parameter.
struct PositionalStatement {
  std::string sql;
  std::vector<std::string> names;
};

PositionalStatement RewriteNamedParameters(const std::string& sql);

}  // namespace skarvel::db
