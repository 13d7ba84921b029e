#include "service/download_choice.h"

namespace skarvel {

EntryChoice ChooseEntry(const std::string& name) {
  if (name == "." || name == "..") return EntryChoice::kSkip;
  // Joined to the local folder, such a name would name a file elsewhere on this disk.
  if (name.find_first_of("/\\") != std::string::npos) return EntryChoice::kRefuse;
  // A NUL would cut the local name short of what the listing said.
  if (name.find('\0') != std::string::npos) return EntryChoice::kRefuse;
  return name.find('.') != std::string::npos ? EntryChoice::kFetch : EntryChoice::kSkip;
}

}  // namespace skarvel
