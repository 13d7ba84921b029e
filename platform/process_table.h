#pragma once

#include <string>
#include <vector>

namespace skarvel {

// A running process as the system lists it. Texts are Windows-1252.
struct RunningProcess {
  int id = 0;
  std::string executable;      // the program file's full path; empty when the system hides it
  std::string first_argument;  // the name it was started under (for programs under a Windows
                               // compatibility layer, the Windows path of the program)
};

// The system's running processes, and ending one of them.
class ProcessTable {
 public:
  virtual ~ProcessTable() = default;
  virtual std::vector<RunningProcess> Snapshot() = 0;
  // Ends the process at once; false when it could not be ended.
  virtual bool Terminate(int id) = 0;
  virtual int OwnId() const = 0;
};

// /proc, and SIGKILL.
class ProcFsProcessTable final : public ProcessTable {
 public:
  std::vector<RunningProcess> Snapshot() override;
  bool Terminate(int id) override;
  int OwnId() const override;
};

}  // namespace skarvel
