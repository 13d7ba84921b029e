#include "platform/system_log.h"

#include <syslog.h>
#include <systemd/sd-journal.h>
#include <vector>

#include "platform/windows1252.h"

namespace skarvel {

void WriteSystemLog(const std::string& identifier, bool error, const std::string& message,
                    const std::map<std::string, std::string>& fields) {
  std::vector<std::string> lines{"MESSAGE=" + Utf8FromAnsi(message),
                                 "SYSLOG_IDENTIFIER=" + identifier,
                                 "PRIORITY=" + std::to_string(error ? LOG_ERR : LOG_NOTICE)};
  for (const auto& [name, value] : fields) lines.push_back(name + "=" + Utf8FromAnsi(value));
  std::vector<iovec> parts;
  for (std::string& line : lines) parts.push_back({line.data(), line.size()});
  sd_journal_sendv(parts.data(), static_cast<int>(parts.size()));
}

}  // namespace skarvel
