#include <csignal>
#include <filesystem>
#include <fstream>
#include <system_error>
#include <unistd.h>

#include "platform/process_table.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

std::string Executable(const fs::path& process) {
  std::error_code error;
  std::string target = fs::read_symlink(process / "exe", error).string();
  if (error) return {};
  // A program replaced or removed since it started.
  const std::string deleted = " (deleted)";
  if (target.size() > deleted.size() &&
      target.compare(target.size() - deleted.size(), deleted.size(), deleted) == 0) {
    target.resize(target.size() - deleted.size());
  }
  return AnsiFromUtf8(target);
}

std::string FirstArgument(const fs::path& process) {
  std::ifstream in(process / "cmdline", std::ios::binary);
  std::string first;
  std::getline(in, first, '\0');
  return AnsiFromUtf8(first);
}

}  // namespace

std::vector<RunningProcess> ProcFsProcessTable::Snapshot() {
  std::vector<RunningProcess> processes;
  std::error_code error;
  for (const fs::directory_entry& entry : fs::directory_iterator("/proc", error)) {
    const std::string name = entry.path().filename().string();
    if (name.empty() || name.find_first_not_of("0123456789") != std::string::npos) continue;
    processes.push_back({std::stoi(name), Executable(entry.path()), FirstArgument(entry.path())});
  }
  return processes;
}

bool ProcFsProcessTable::Terminate(int id) { return ::kill(id, SIGKILL) == 0; }

int ProcFsProcessTable::OwnId() const { return static_cast<int>(::getpid()); }

}  // namespace skarvel
