#pragma once

#include <optional>
#include <string>

namespace skarvel {

// How many entries the zip archive at path (Windows-1252) says it holds, read from its end of
// central directory record; none when the file is missing or is no zip archive.
std::optional<long> ZipEntryCount(const std::string& path);

}  // namespace skarvel
