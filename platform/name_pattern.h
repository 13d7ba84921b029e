#pragma once

#include <string>

namespace skarvel {

// Whether a file name matches a pattern as file names match on the design's platform: "*" any
// run of characters, "?" one character, letters without regard to case, and "*.*" every name,
// with or without a dot.
bool MatchesPattern(const std::string& name, const std::string& pattern);

}  // namespace skarvel
