#pragma once

#include <string>

namespace skarvel {

// A new folder of this process's own under parent ("parent/prefixXXXXXX", made private), removed
// with everything in it when the object goes. Programs running side by side never share one.
class ScratchFolder {
 public:
  ScratchFolder(const std::string& parent, const std::string& prefix);
  ~ScratchFolder();
  ScratchFolder(const ScratchFolder&) = delete;
  ScratchFolder& operator=(const ScratchFolder&) = delete;

  // The folder, ending in "/"; empty when none could be made.
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace skarvel
