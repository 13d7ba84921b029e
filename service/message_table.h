#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace skarvel {

// One entry of the message table the service delivers per language ("POS_1" … "POS_47").
struct pos_Messages {
  std::string code;  // trimmed
  std::string text;
  std::string language;
};

using MessageTable = std::vector<pos_Messages>;

// The text of the first entry whose code equals code without regard to case; empty when none.
std::string LookupMessage(const MessageTable& table, std::string_view code);

// The table counts as loaded from two entries on; before that every window shows its built-in
// texts.
bool MessagesLoaded(const MessageTable& table);

}  // namespace skarvel
