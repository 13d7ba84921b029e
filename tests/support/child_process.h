#pragma once

#include <chrono>
#include <map>
#include <optional>
#include <string>
#include <sys/types.h>
#include <vector>

namespace skarvel::test {

// A program the test runs: started with the given arguments and extra environment, its standard
// output read through a pipe. The destructor stops it (TERM, then KILL) and reaps it.
class ChildProcess {
 public:
  // With own_group, the program and whatever it starts form a process group of their own, which
  // Stop, SignalGroup and the destructor reach as a whole.
  ChildProcess(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
               bool own_group = false);
  ~ChildProcess();
  ChildProcess(const ChildProcess&) = delete;
  ChildProcess& operator=(const ChildProcess&) = delete;

  // The next line of standard output, without its line end; throws when the program ends or
  // stays silent past the deadline.
  std::string ReadLine(std::chrono::seconds deadline = std::chrono::seconds(30));

  // Sends TERM and returns the exit status once it has ended.
  int Stop();
  // Sends a signal without waiting.
  void Signal(int signal);
  // Sends a signal to the program's whole process group (own_group only), as a terminal does.
  void SignalGroup(int signal);
  pid_t pid() const { return pid_; }
  // The exit status once the program has ended; none while it runs.
  std::optional<int> Ended();
  // Waits for the end and returns the exit status.
  int Wait();

 private:
  pid_t pid_ = -1;
  bool own_group_ = false;
  int stdout_fd_ = -1;
  std::string buffered_;
};

struct ProgramResult {
  int exit_code = -1;
  std::string out;
  std::string err;
};

// Runs a program to its end, feeding it no input, and collects its output.
ProgramResult RunProgram(const std::vector<std::string>& argv,
                         const std::map<std::string, std::string>& env = {});

}  // namespace skarvel::test
