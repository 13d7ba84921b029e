#pragma once

#include <functional>
#include <string>

#include "platform/child_programs.h"
#include "platform/event_pump.h"
#include "platform/process_table.h"
#include "workstation/archive_progress.h"

namespace skarvel {

// The package archives on the download server are protected with it.
inline constexpr const char* kArchivePassword = "m!rdo!ka";
// The system's archive tool (p7zip-full): the Windows tool that the "zip" folder brings cannot
// run here.
inline constexpr const char* kArchiveTool = "7za";

// Starting programs and waiting for them, the archive tool, stopping till programs. Results are
// the design's: a plain boolean, no message of its own; what happened goes to the log.
class ProcessControl {
 public:
  using LogSink = std::function<void(const std::string&)>;

  ProcessControl(ChildPrograms& programs, ProcessTable& processes, EventPump& pump, LogSink log);

  // Runs program with the parameter text (split as Windows splits a command line) in
  // start_folder and waits, keeping the window alive; false when it could not start. The exit
  // code is not reported, only logged.
  bool ExecAndWait(const std::string& program, const std::string& parameters,
                   const std::string& start_folder);

  // Unpacks folder + archive into destination with the fixed password, inner folders kept,
  // existing files overwritten. True only when the tool unpacked every item: exit code 0, or 1,
  // its non-fatal warning. A wrong password, a damaged archive or a full disk (exit code 2 and
  // above) give false, with the tool's own words from its error stream in LastFailure and the
  // log; a missing archive or folder gives false without starting anything.
  bool UnzipPackage(const std::string& archive, const std::string& folder,
                    const std::string& destination);
  // Packs the files of file_list (already quoted masks, matched without regard to case, as on the
  // design's platform) into archive_folder + archive. True only when the archive holds at least
  // one file and the tool read every file it matched (exit code 0): an archive without the
  // receipt files would still have templates made from nothing. tool_folder is where the design
  // finds its archive tool; the system tool serves here.
  bool ZipFiles(const std::string& archive, const std::string& archive_folder,
                const std::string& file_list, const std::string& tool_folder);

  // Told how far each unpack is, as the archive tool reports it while it runs; the archive is
  // UnzipPackage's. Must not throw.
  std::function<void(const std::string& archive, const ArchiveProgress& progress)>
      on_unpack_progress;

  // Why the last unpack or pack failed, in words for the person; empty after a success.
  const std::string& LastFailure() const { return last_failure_; }

  // Linux needs no privilege to end the user's own processes.
  void EnableDebugPrivilege() {}
  // Ends every process whose program file name, or the name it was started under, is name
  // without regard to case, or whose whole path is; never this process. The result of the
  // last attempt; false when nothing matched.
  bool KillProcess(const std::string& name);

 private:
  ChildPrograms& programs_;
  ChildOutcome Run(const std::string& program, const std::string& parameters,
                   const std::string& start_folder,
                   const ChildPrograms::OutputSink& on_output = nullptr);

  ProcessTable& processes_;
  EventPump& pump_;
  LogSink log_;
  std::string last_failure_;
};

}  // namespace skarvel
