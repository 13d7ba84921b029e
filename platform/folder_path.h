#pragma once

#include <string>
#include <string_view>

namespace skarvel {

// The folder separator of the system: where the design joins a folder and a file with a
// backslash, the code joins them with this.
inline constexpr char kFolderSeparator = '/';

// The text unchanged when it ends in "/", otherwise the text with "/" appended (an empty text
// gives "/"). Backslashes are ordinary characters here.
std::string WithTrailingSeparator(std::string_view folder);

}  // namespace skarvel
