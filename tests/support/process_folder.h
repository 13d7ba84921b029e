#pragma once

#include <filesystem>
#include <string>

namespace skarvel::test {

// A temporary folder of this test process's own, made under the machine's temporary folder and
// removed with everything in it when the object goes. While it lives, it is the working folder,
// TMPDIR names it (so every TempFolder of the process lies in it) and FIREBIRD_LOCK names a
// folder in it (so the embedded database engine of this process keeps its lock tables apart from
// every other's). Make it before anything uses a temporary folder or the database engine.
class ProcessFolder {
 public:
  ProcessFolder();
  ~ProcessFolder();
  ProcessFolder(const ProcessFolder&) = delete;
  ProcessFolder& operator=(const ProcessFolder&) = delete;

 private:
  std::string path_;
  std::filesystem::path started_in_;
};

}  // namespace skarvel::test
