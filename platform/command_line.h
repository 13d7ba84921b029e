#pragma once

#include <string>
#include <vector>

namespace skarvel {

// A Windows command line's parameter text as a program receives it: blanks (spaces and tabs)
// separate arguments, double quotes group blanks into one argument and are removed, "" gives
// an empty argument.
std::vector<std::string> SplitCommandLine(const std::string& text);

// The argument in double quotes when it holds a blank, so that SplitCommandLine gives it back
// whole; otherwise as it is.
std::string QuotedIfBlank(const std::string& argument);

}  // namespace skarvel
