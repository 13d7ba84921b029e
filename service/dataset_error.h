#pragma once

#include <stdexcept>

namespace skarvel {

// A table answer that cannot be decoded, or a field that cannot be read as asked. The text is
// shown to the user as it stands, so it says what was wrong in the service's words.
class DataSetError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

}  // namespace skarvel
