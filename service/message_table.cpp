#include "service/message_table.h"

#include "platform/ansi_text.h"

namespace skarvel {

std::string LookupMessage(const MessageTable& table, std::string_view code) {
  for (const pos_Messages& entry : table) {
    if (SameText(entry.code, code)) return entry.text;
  }
  return std::string();
}

bool MessagesLoaded(const MessageTable& table) { return table.size() >= 2; }

}  // namespace skarvel
