#pragma once

#include <stdexcept>
#include <string>

namespace skarvel {

// A Windows profile (INI) file, with the semantics of the Windows profile functions: sections
// and keys match without regard to case and keep the spelling they were first written with (a
// backslash is part of a section name), values are raw Windows-1252 bytes without quoting or
// escaping, lines read key=value and end in CR LF. Every call loads the file once and, when it
// changes it, saves it once.

// A file that could not be read or written; what() names the file and the cause.
class ProfileError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// The value, as GetPrivateProfileString gives it: a missing file, section or key gives the
// default.
std::string ReadProfileString(const std::string& path, const std::string& section,
                              const std::string& key, const std::string& fallback);

// Writes one value, creating the file with the first write. The file is replaced as a whole
// (a temporary file in the same folder, then a rename), so a crash leaves the old file or the
// new one, never half of one. Throws ProfileError.
void WriteProfileString(const std::string& path, const std::string& section, const std::string& key,
                        const std::string& value);

// Removes the section with every key in it; a missing file or section changes nothing. Throws
// ProfileError.
void EraseProfileSection(const std::string& path, const std::string& section);

}  // namespace skarvel
