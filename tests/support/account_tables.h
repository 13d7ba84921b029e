#pragma once

#include <string>

namespace skarvel::test {

// Editing copies of /etc/passwd and /etc/group, for accounts the tests lay over the machine's in
// a mount namespace of their own.

// Whether the table has a line for name.
bool HasEntry(const std::string& table, const std::string& name);
// The table without any line for name, with entry (a whole line, no newline) at its end.
std::string WithEntry(const std::string& table, const std::string& name, const std::string& entry);
// As useradd --system chooses: the highest system id free as a user's and as a group's.
unsigned FreeSystemId(const std::string& passwd, const std::string& group);

}  // namespace skarvel::test
