#include "workstation/process_control.h"

#include "platform/ansi_text.h"
#include "platform/command_line.h"
#include "platform/file_system.h"
#include "platform/folder_path.h"
#include "platform/translation.h"
#include "workstation/zip_directory.h"

namespace skarvel {
namespace {

std::string FileNamePart(const std::string& path) {
  const std::size_t separator = path.find_last_of("/\\");
  return separator == std::string::npos ? path : path.substr(separator + 1);
}

bool MatchesProgram(const std::string& path, const std::string& upper_name) {
  if (path.empty()) return false;
  return UpperCase(FileNamePart(path)) == upper_name || UpperCase(path) == upper_name;
}

// Why the archive was not unpacked, for the person: what the tool wrote to its error stream, on
// one line ("System ERROR: errno=28 : No space left on device"). A tool that says the same of
// every file has its first lines said and the rest counted: its whole error stream is in the log.
constexpr std::size_t kCauseWords = 160;

std::string UnpackFailure(const std::string& archive, const ChildOutcome& outcome) {
  if (!outcome.started) {
    return Fill(Tr("Workstation",
                   "the archive %1 could not be unpacked (the archive tool could not be started)"),
                {archive});
  }
  std::string words;
  int more = 0;
  std::size_t start = 0;
  while (start < outcome.errors.size()) {
    const std::size_t end = std::min(outcome.errors.find('\n', start), outcome.errors.size());
    const std::string line = Trim(outcome.errors.substr(start, end - start));
    start = end + 1;
    if (line.empty()) continue;
    if (words.empty()) {
      words = line;
    } else if (more == 0 && words.size() + line.size() < kCauseWords) {
      words += " " + line;
    } else {
      ++more;
    }
  }
  if (more > 0) {
    words = Fill(Tr("Workstation", "%1, and %2 more in the log"), {words, std::to_string(more)});
  }
  if (words.empty()) {
    return Fill(Tr("Workstation", "the archive %1 could not be unpacked (exit code %2)"),
                {archive, std::to_string(outcome.exit_code)});
  }
  return Fill(Tr("Workstation", "the archive %1 could not be unpacked (%2)"), {archive, words});
}

// The log never shows the archive password.
std::string WithoutPassword(std::string text) {
  const std::string password = kArchivePassword;
  for (std::size_t at = text.find(password); at != std::string::npos;
       at = text.find(password, at)) {
    text.replace(at, password.size(), "********");
  }
  return text;
}

}  // namespace

ProcessControl::ProcessControl(ChildPrograms& programs, ProcessTable& processes, EventPump& pump,
                               LogSink log)
    : programs_(programs), processes_(processes), pump_(pump), log_(std::move(log)) {}

ChildOutcome ProcessControl::Run(const std::string& program, const std::string& parameters,
                                 const std::string& start_folder,
                                 const ChildPrograms::OutputSink& on_output) {
  const std::string shown = WithoutPassword(program + " " + parameters);
  const ChildOutcome outcome = InAnsiText(
      on_output ? programs_.RunAndWatch(program, SplitCommandLine(parameters), start_folder, pump_,
                                        on_output)
                : programs_.RunAndWait(program, SplitCommandLine(parameters), start_folder, pump_));
  if (!outcome.started) {
    log_("could not start " + shown);
  } else if (!outcome.ended) {
    log_("stopped waiting for " + shown + ": the application is closing");
  } else {
    log_(shown + " ended with exit code " + std::to_string(outcome.exit_code));
    if (outcome.exit_code != 0 && !outcome.output.empty()) {
      log_("its last output: " + WithoutPassword(WithoutProgressReports(outcome.output)));
    }
    if (!outcome.errors.empty()) log_("its error stream: " + WithoutPassword(outcome.errors));
  }
  return outcome;
}

bool ProcessControl::ExecAndWait(const std::string& program, const std::string& parameters,
                                 const std::string& start_folder) {
  return Run(program, parameters, start_folder).started;
}

bool ProcessControl::UnzipPackage(const std::string& archive, const std::string& folder,
                                  const std::string& destination) {
  const std::string tool_folder = WithTrailingSeparator(folder);
  if (!FileExists(tool_folder + archive) || !FolderExists(folder)) {
    log_("cannot unpack " + tool_folder + archive + ": the archive or its folder is missing");
    last_failure_ =
        Fill(Tr("Workstation", "the archive %1 is missing from the work folder"), {archive});
    return false;
  }
  // Each path stays one argument even with a blank in it, as the short path form achieved.
  // -bsp1: the tool reports its progress on standard output, where it is read as it comes.
  ArchiveProgressReader reader([this, &archive](const ArchiveProgress& progress) {
    if (on_unpack_progress) on_unpack_progress(archive, progress);
  });
  const ChildOutcome outcome =
      Run(kArchiveTool,
          "x " + QuotedIfBlank(tool_folder + archive) + " -tzip -r -y -bsp1 -p" + kArchivePassword +
              " -o" + QuotedIfBlank(destination),
          "", [&reader](const std::string& piece) { reader.Add(piece); });
  const bool unpacked = outcome.ended && (outcome.exit_code == 0 || outcome.exit_code == 1);
  last_failure_ = unpacked ? "" : UnpackFailure(archive, outcome);
  if (outcome.started && !unpacked) log_("could not unpack " + tool_folder + archive);
  return unpacked;
}

bool ProcessControl::ZipFiles(const std::string& archive, const std::string& archive_folder,
                              const std::string& file_list, const std::string&) {
  const std::string path = WithTrailingSeparator(archive_folder) + archive;
  // -ssc-: the masks match "SRTICKET.TXT" as the design's platform matches it.
  const ChildOutcome outcome =
      Run(kArchiveTool, "a -tzip -ssc- \"" + path + "\"  " + file_list + " ", "");
  if (!outcome.ended || outcome.exit_code != 0) {
    log_("could not pack " + path);
    return false;
  }
  const std::optional<long> entries = ZipEntryCount(path);
  if (entries.value_or(0) == 0) {
    log_(path + (entries ? " holds no file: nothing matched " : " was not made from ") + file_list);
    return false;
  }
  return true;
}

bool ProcessControl::KillProcess(const std::string& name) {
  const std::string wanted = UpperCase(Trim(name));
  if (wanted.empty()) return false;
  bool result = false;
  for (const RunningProcess& process : processes_.Snapshot()) {
    if (process.id == processes_.OwnId()) continue;
    if (!MatchesProgram(process.executable, wanted) &&
        !MatchesProgram(process.first_argument, wanted)) {
      continue;
    }
    result = processes_.Terminate(process.id);
    log_((result ? "ended " : "could not end ") + name + " (process " + std::to_string(process.id) +
         ")");
  }
  return result;
}

}  // namespace skarvel
