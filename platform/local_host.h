#pragma once

#include <string>

namespace skarvel {

// Whether a server named host is this computer: "localhost", a loopback address, this
// computer's host name, or a name or address that resolves to one of its own addresses. May
// wait for name resolution.
bool IsThisComputer(const std::string& host);

}  // namespace skarvel
