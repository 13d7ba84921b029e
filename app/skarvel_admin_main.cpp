// skarvel-admin: the administrator's part of a till's installation, run as root through pkexec
// for the till's own user, or directly by root. It knows a closed list of operations, checks
// every argument before anything runs, and records each request with who asked in the system's
// log. Exit codes: 0 done, 1 the operation failed, 2 refused. An optional first argument
// --language=NL|FR|EN names the language of its refusals (the caller's run's).

#include <cstdint>
#include <iostream>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/admin_operations.h"
#include "platform/ansi_text.h"
#include "platform/deployment_settings.h"
#include "platform/qt_translations.h"
#include "platform/system_account.h"
#include "platform/system_log.h"
#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

constexpr int kFailed = 1;
constexpr int kRefused = 2;
constexpr char kName[] = "skarvel-admin";

// pkexec names the user who asked; run by root directly, root asked.
std::optional<SystemAccount> Caller() {
  const std::string asked_by = EnvironmentVariable("PKEXEC_UID");
  if (asked_by.empty()) return CurrentAccount();
  const std::int32_t uid = StrToIntDef(asked_by, -1);
  if (uid < 0) return std::nullopt;
  return FindAccount(static_cast<unsigned>(uid));
}

std::string Described(const AdminRequest& request) {
  std::string text = request.operation;
  for (const std::string& argument : request.arguments) text += " \"" + argument + "\"";
  return text;
}

// One entry of the system's log: who asked for what, and how it stands.
void Record(const SystemAccount& caller, const AdminRequest& request, const std::string& state,
            bool error) {
  WriteSystemLog(kName, error,
                 caller.name + " (uid " + std::to_string(caller.uid) + ") asked " +
                     Described(request) + ": " + state,
                 {{"SKARVEL_USER", caller.name},
                  {"SKARVEL_UID", std::to_string(caller.uid)},
                  {"SKARVEL_OPERATION", request.operation}});
}

int End(const SystemAccount& caller, const AdminRequest& request, const std::string& outcome,
        int exit_code) {
  Record(caller, request, exit_code == 0 ? "done" : outcome, exit_code != 0);
  if (exit_code != 0) std::cerr << kName << ": " << Utf8FromAnsi(outcome) << "\n";
  return exit_code;
}

int Run(int argc, char** argv) {
  UseCompiledTranslations();
  int first = 1;
  constexpr std::string_view kLanguage = "--language=";
  if (argc > 1 && std::string_view(argv[1]).substr(0, kLanguage.size()) == kLanguage) {
    UseLanguageOfCode(argv[1] + kLanguage.size());
    first = 2;
  }
  if (!RunningAsAdministrator()) {
    std::cerr << kName << ": " << Utf8FromAnsi(Tr("Program", "runs as root only, through pkexec"))
              << "\n";
    return kRefused;
  }
  const std::optional<SystemAccount> caller = Caller();
  if (!caller) {
    std::cerr << kName << ": " << Utf8FromAnsi(Tr("Program", "the user who asked is unknown"))
              << "\n";
    return kRefused;
  }
  AdminRequest request;
  if (argc > first) request.operation = AnsiFromUtf8(argv[first]);
  for (int i = first + 1; i < argc; ++i) request.arguments.push_back(AnsiFromUtf8(argv[i]));
  DeploymentSettings settings;
  try {
    settings = ReadDeploymentSettings();
  } catch (const SettingsError& error) {
    return End(*caller, request, error.what(), kFailed);
  }
  if (const std::string why = WhyRefused(request, *caller, settings); !why.empty()) {
    return End(*caller, request, Fill(Tr("Program", "refused: %1"), {why}), kRefused);
  }
  // Recorded before it runs: an operation that never ends still leaves its trace.
  Record(*caller, request, "running", false);
  const std::string failure = RunAdminRequest(request, *caller, settings);
  return End(*caller, request, failure, failure.empty() ? 0 : kFailed);
}

}  // namespace
}  // namespace skarvel

int main(int argc, char** argv) { return skarvel::Run(argc, argv); }
