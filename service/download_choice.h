#pragma once

#include <string>

namespace skarvel {

// What a folder download does with one name of the server's listing.
enum class EntryChoice {
  kFetch,   // a file name with an extension: downloaded
  kSkip,    // ".", "..", or a name without "." (sub-folders, files without extension)
  kRefuse,  // a name that would leave the local folder ("/" or "\" in it): skipped and logged
};

EntryChoice ChooseEntry(const std::string& name);

}  // namespace skarvel
