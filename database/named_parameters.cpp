#include "database/named_parameters.h"

#include <cctype>

namespace skarvel::db {
namespace {

bool IsNameChar(char c) {
  return std::isalnum(static_cast<unsigned char>(c)) != 0 || c == '_' || c == '$';
}

// The index just past the quoted text or comment that starts at i, or i when none starts there.
std::size_t SkipLiteral(const std::string& sql, std::size_t i) {
  const char c = sql[i];
  if (c == '\'' || c == '"') {
    // A doubled quote inside is part of the text.
    for (std::size_t j = i + 1; j < sql.size(); ++j) {
      if (sql[j] != c) continue;
      if (j + 1 < sql.size() && sql[j + 1] == c) {
        ++j;
        continue;
      }
      return j + 1;
    }
    return sql.size();
  }
  if (c == '-' && i + 1 < sql.size() && sql[i + 1] == '-') {
    const std::size_t end = sql.find('\n', i);
    return end == std::string::npos ? sql.size() : end;
  }
  if (c == '/' && i + 1 < sql.size() && sql[i + 1] == '*') {
    const std::size_t end = sql.find("*/", i + 2);
    return end == std::string::npos ? sql.size() : end + 2;
  }
  return i;
}

}  // namespace

PositionalStatement RewriteNamedParameters(const std::string& sql) {
  PositionalStatement result;
  for (std::size_t i = 0; i < sql.size();) {
    const std::size_t past = SkipLiteral(sql, i);
    if (past != i) {
      result.sql.append(sql, i, past - i);
      i = past;
      continue;
    }
    if (sql[i] == ':' && i + 1 < sql.size() && IsNameChar(sql[i + 1])) {
      std::size_t end = i + 1;
      while (end < sql.size() && IsNameChar(sql[end])) ++end;
      result.names.push_back(sql.substr(i + 1, end - i - 1));
      result.sql += '?';
      i = end;
      continue;
    }
    result.sql += sql[i++];
  }
  return result;
}

}  // namespace skarvel::db
