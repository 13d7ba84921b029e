#pragma once

#include <string>
#include <vector>

namespace skarvel {

// Values of freedesktop desktop entries (launchers, autostart entries), in UTF-8, written so that
// desktop environments read them back unchanged.

// A string value: a backslash written "\\", line ends and tabs as their escapes, a leading blank
// as "\s".
std::string DesktopStringValue(const std::string& text);

// The Exec value running the program arguments[0] with the other arguments: each argument that
// holds a reserved character in double quotes, with '"', '`', '$' and '\' escaped inside them,
// '%' doubled (no field code is meant), then written as a string value.
std::string DesktopExecValue(const std::vector<std::string>& arguments);

}  // namespace skarvel
