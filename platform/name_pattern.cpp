#include "platform/name_pattern.h"

#include "platform/ansi_text.h"

namespace skarvel {
namespace {

bool Matches(const char* name, const char* pattern) {
  for (; *pattern != '\0'; ++pattern, ++name) {
    if (*pattern == '*') {
      for (const char* rest = name;; ++rest) {
        if (Matches(rest, pattern + 1)) return true;
        if (*rest == '\0') return false;
      }
    }
    if (*name == '\0' || (*pattern != '?' && *pattern != *name)) return false;
  }
  return *name == '\0';
}

}  // namespace

bool MatchesPattern(const std::string& name, const std::string& pattern) {
  if (pattern == "*.*") return true;
  return Matches(UpperCase(name).c_str(), UpperCase(pattern).c_str());
}

}  // namespace skarvel
