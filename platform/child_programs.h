#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "platform/event_pump.h"

namespace skarvel {

// What became of a program started and waited for.
struct ChildOutcome {
  bool started = false;  // false: the system could not start it (no such program, no folder)
  bool ended = false;    // false: the wait was given up because the application is closing
  int exit_code = -1;    // once ended: the exit status, or 128 + the signal that ended it
  std::string output;    // the last few kilobytes it wrote to standard output (RunAndWait), or
                         // to standard output and error (RunShortProgram)
  std::string errors;    // RunAndWait: the last few kilobytes it wrote to standard error
  // Both as the program wrote them: the system's UTF-8, not yet the domain's Windows-1252.
};

// The outcome with its output and errors in Windows-1252, as the log and the person's sentences
// take them; converted once, where the outcome is read.
ChildOutcome InAnsiText(ChildOutcome outcome);

// Starting other programs. A program named without "/" is looked up on PATH, as the shell does.
// Paths and arguments are Windows-1252 text; the program reads no input and runs in a process
// group of its own, out of reach of the signals a terminal sends this program's group.
class ChildPrograms {
 public:
  virtual ~ChildPrograms() = default;

  // Starts the program in start_folder (empty: the current folder) and waits for its end,
  // pumping events without spinning; stops waiting once the application is terminating, and the
  // program then goes on running.
  virtual ChildOutcome RunAndWait(const std::string& program,
                                  const std::vector<std::string>& arguments,
                                  const std::string& start_folder, EventPump& pump) = 0;

  // What the program writes to standard output, piece by piece as it arrives.
  using OutputSink = std::function<void(const std::string& piece)>;
  // RunAndWait, handing its standard output to on_output while it runs (the progress it
  // reports, say). By default all of it at the end.
  virtual ChildOutcome RunAndWatch(const std::string& program,
                                   const std::vector<std::string>& arguments,
                                   const std::string& start_folder, EventPump& pump,
                                   const OutputSink& on_output) {
    ChildOutcome outcome = RunAndWait(program, arguments, start_folder, pump);
    if (on_output && !outcome.output.empty()) on_output(outcome.output);
    return outcome;
  }
};

// True when a program of that name is found on PATH.
bool ProgramOnPath(const std::string& name);

// Runs a short program (found on PATH) to its end: whether it started, its exit code and what it
// wrote to standard output and error. Not for programs that may take long: it does not pump
// events.
ChildOutcome RunShortProgram(const std::string& program, const std::vector<std::string>& arguments);

// The same, giving only what it wrote; none when it could not be started.
std::optional<std::string> CaptureProgramOutput(const std::string& program,
                                                const std::vector<std::string>& arguments);

// posix_spawn, with a pidfd to wait on.
class LinuxChildPrograms final : public ChildPrograms {
 public:
  ChildOutcome RunAndWait(const std::string& program, const std::vector<std::string>& arguments,
                          const std::string& start_folder, EventPump& pump) override {
    return RunAndWatch(program, arguments, start_folder, pump, nullptr);
  }
  ChildOutcome RunAndWatch(const std::string& program, const std::vector<std::string>& arguments,
                           const std::string& start_folder, EventPump& pump,
                           const OutputSink& on_output) override;
};

}  // namespace skarvel
