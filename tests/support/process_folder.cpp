#include "tests/support/process_folder.h"

#include <cstdlib>
#include <filesystem>
#include <stdexcept>

namespace skarvel::test {

ProcessFolder::ProcessFolder() {
  std::string pattern = (std::filesystem::temp_directory_path() / "skarvel-tests-XXXXXX").string();
  if (::mkdtemp(pattern.data()) == nullptr) throw std::runtime_error("mkdtemp failed");
  path_ = pattern;
  // Programs the tests run under other accounts (a database server's, a shop's) pass it to
  // reach folders the tests give them; nobody else may list or change it.
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all |
                                          std::filesystem::perms::group_exec |
                                          std::filesystem::perms::others_exec);
  std::filesystem::create_directories(path_ + "/firebird-lock");
  ::setenv("TMPDIR", path_.c_str(), 1);
  ::setenv("FIREBIRD_LOCK", (path_ + "/firebird-lock").c_str(), 1);
  // A relative path a test writes lands here, not in the build tree the test was started in.
  std::error_code ignored;
  started_in_ = std::filesystem::current_path(ignored);
  std::filesystem::current_path(path_, ignored);
}

ProcessFolder::~ProcessFolder() {
  std::error_code ignored;
  if (!started_in_.empty()) std::filesystem::current_path(started_in_, ignored);
  std::filesystem::remove_all(path_, ignored);
}

}  // namespace skarvel::test
