#include "workstation/zip_directory.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include "platform/windows1252.h"

namespace skarvel {
namespace {

constexpr std::size_t kRecordSize = 22;  // the end record without its comment
constexpr std::size_t kLongestComment = 0xFFFF;
constexpr unsigned char kSignature[] = {'P', 'K', 5, 6};

unsigned ReadLittle16(const unsigned char* at) { return at[0] | (unsigned{at[1]} << 8); }

}  // namespace

std::optional<long> ZipEntryCount(const std::string& path) {
  std::ifstream file(Utf8FromAnsi(path), std::ios::binary | std::ios::ate);
  if (!file) return std::nullopt;
  const auto size = static_cast<std::size_t>(file.tellg());
  if (size < kRecordSize) return std::nullopt;
  const std::size_t tail_size = std::min(size, kRecordSize + kLongestComment);
  std::vector<unsigned char> tail(tail_size);
  file.seekg(static_cast<std::streamoff>(size - tail_size));
  if (!file.read(reinterpret_cast<char*>(tail.data()), static_cast<std::streamsize>(tail_size))) {
    return std::nullopt;
  }
  // The record is the last one with its signature; a comment may follow it.
  for (std::size_t at = tail_size - kRecordSize + 1; at-- > 0;) {
    if (!std::equal(std::begin(kSignature), std::end(kSignature), tail.begin() + at)) continue;
    // Total entries, at offset 10; 0xFFFF sends the reader to the zip64 record: many.
    return static_cast<long>(ReadLittle16(&tail[at + 10]));
  }
  return std::nullopt;
}

}  // namespace skarvel
