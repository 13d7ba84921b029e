#include "app/unattended_check.h"

#include <iostream>

#include "app/install_session.h"
#include "app/logged_notifier.h"
#include "app/terminal_notifier.h"
#include "database/engine_shutdown.h"
#include "platform/engine_lock_folder.h"
#include "platform/interrupt_key.h"
#include "platform/run_log.h"
#include "platform/system_info_linux.h"
#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

// Thrown past every guard (they catch std::exception only): a check has nothing to finish.
struct Interrupted {};

class InterruptPump final : public EventPump {
 public:
  void ProcessMessages() override {
    if (InterruptKeyPressed()) throw Interrupted{};
  }
  bool Terminating() const override { return false; }
};

int ExitCodeOf(PreflightOutcome outcome) {
  switch (outcome) {
    case PreflightOutcome::kCanRun:
      return kCompleted;
    case PreflightOutcome::kServiceUnreachable:
      return kServiceUnreachable;
    case PreflightOutcome::kCodeRejected:
      return kCodeRejected;
    case PreflightOutcome::kCheckFailed:
      break;
  }
  return kCheckFailed;
}

std::string Advice(const PreflightResult& result, const std::string& code,
                   const ServiceContext& service) {
  switch (result.outcome) {
    case PreflightOutcome::kCanRun:
      return "";
    case PreflightOutcome::kServiceUnreachable:
      return ServiceUnreachableAdvice(ServiceProblem(service));
    case PreflightOutcome::kCodeRejected:
      return CodeRejectedAdvice(code);
    case PreflightOutcome::kCheckFailed:
      break;
  }
  std::string failed;
  for (const CheckResult& check : result.checks) {
    if (!check.ok && check.blocking) {
      failed += (failed.empty() ? "" : "; ") + check.name + ": " + check.detail;
    }
  }
  return Fill(
      Tr("Advice",
         "the installation of %1 would not succeed (%2). Put that right, then check again."),
      {code, failed});
}

}  // namespace

CliOutcome RunUnattendedCheck(const CliOptions& options, const DeploymentSettings& settings,
                              std::ostream& human, JsonReport* json) {
  const std::string& code = options.code;
  // A folder the installation would refuse is said as the installation says it.
  if (const std::string why = CheckedFolderProblem(); !why.empty()) {
    return {kUsage, std::nullopt, why};
  }
  const std::string temporary = LinuxSystemInfo().TemporaryFolder();
  const EngineLockFolder engine_locks(temporary);
  const db::EngineShutdown engine;  // goes before the lock folder, after every connection
  RunLog log(RunLog::DefaultPath());
  OpenRunLog(log, "skarvel-cli",
             std::string("--check ") + (options.undo ? "--undo " : "") + code + " against " +
                 settings.ServiceBaseUrl(),
             code, settings);
  InterruptPump pump;
  TerminalNotifier shown(std::cerr);
  if (json != nullptr) {
    shown.on_message = [json](const std::string& text) { json->Message(text, Severity::kError); };
  }
  LoggedNotifier notifier(shown, log);
  ServiceContext service(settings.ServiceBaseUrl(), pump, notifier);
  service.ca_file = settings.ca_file;
  service.on_answer = [&log](const std::string& url, const std::string& answer) {
    log.Write("GET " + url + " -> " + answer);
  };
  DownloadContext downloads{pump, [&log](const std::string& line) { log.Write(line); }};
  PreflightContext context{service,   downloads,   settings, DefaultWorkFolder(),
                           temporary, options.undo};
  CatchInterruptKey();
  CliOutcome outcome{kCancelled};
  try {
    const PreflightResult result = RunPreflight(context, code, [&](const CheckResult& check) {
      const std::string line = std::string(check.ok           ? "ok    "
                                           : IsWarning(check) ? "WARN  "
                                                              : "FAIL  ") +
                               check.name + "  " + check.detail;
      human << Utf8FromAnsi(line) << std::endl;
      log.Write(check.ok ? RunLog::Level::kInfo : RunLog::Level::kWarning, "check: " + line);
      if (json != nullptr) json->Check(check);
    });
    outcome = {ExitCodeOf(result.outcome), result.status, Advice(result, code, service)};
  } catch (const Interrupted&) {
    outcome.advice = Tr("Advice", "the check was cancelled.");
  }
  if (!outcome.advice.empty()) log.Write(outcome.advice);
  log.EndRun(outcome.exit_code);
  return outcome;
}

}  // namespace skarvel
