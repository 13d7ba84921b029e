#pragma once

#include <map>
#include <string>

namespace skarvel {

// The system's log (the systemd journal), for what an administrator audits: one entry with a
// message and fields of the caller's ("SKARVEL_USER"), under the program's name. Nothing
// happens where no journal runs; the entry never stops the work it records.
void WriteSystemLog(const std::string& identifier, bool error, const std::string& message,
                    const std::map<std::string, std::string>& fields);

}  // namespace skarvel
