#pragma once

#include <filesystem>
#include <string>

namespace skarvel::test {

// A temporary folder of this test process's own, made under the machine's temporary folder and
// removed with everything in it when the object goes. While it lives, it is the working folder,
// TMPDIR names it (so every TempFolder of the process lies in it) and FIREBIRD_LOCK names a
// folder in it (so the embedded database engine of this process keeps its lock tables apart from
// every other's), and FIREBIRD a root folder in it whose clients find no server on this computer
// (a test's own server points them at itself). As root, in a mount namespace of this process's
// own, which its programs share, the machine's database log folder is one of this folder's, and
// the till accounts are lent (LendTillAccounts). Make it before anything uses a temporary folder
// or the database engine, and before any thread starts.
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
