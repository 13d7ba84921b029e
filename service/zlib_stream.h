#pragma once

#include <cstddef>
#include <stdexcept>
#include <string>
#include <string_view>

namespace skarvel {

class ZlibError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// Inflates one zlib stream (RFC 1950). Bytes after the end of the stream are ignored. Throws
// ZlibError with zlib's reason when the data is not a complete stream, and when it would inflate
// to more than limit bytes (so a hostile answer cannot make us allocate without bound).
std::string ZlibInflate(std::string_view compressed, std::size_t limit);

// A zlib stream at zlib's default compression level.
std::string ZlibDeflate(std::string_view plain);

}  // namespace skarvel
