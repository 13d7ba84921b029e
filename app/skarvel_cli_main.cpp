// skarvel-cli: the unattended run of the installation flow, for technicians and scripts.

#include <iostream>
#include <optional>
#include <string>
#include <vector>

#include "app/cli_options.h"
#include "app/json_report.h"
#include "app/unattended_check.h"
#include "app/unattended_install.h"
#include "platform/qt_translations.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

constexpr char kHelp[] =
    R"(Usage: skarvel-cli [--json] [--no-restart] [--undo] CODE
       skarvel-cli [--json] --check [--undo] CODE
       skarvel-cli --help | --version

Installs the till of the 13-character customer CODE without a window: looks the
customer up on the configuration service, then runs the installation from the
step the service holds for the customer, reporting every step, exactly as the
wizard does when it is started with the code.

  --no-restart  when the installation needs the computer restarted, say so and
                stop instead of restarting; start skarvel-cli CODE again after
                the restart to continue
  --undo        undo the customer's previous installation first (as the wizard's
                choice to undo it does), then install again from step 2; the way
                on after a step failed, once its cause is put right; with
                --check, check the installation as it would run after the undo
  --check       only check whether the installation can run here, changing
                nothing and reporting nothing to the service: the service
                answers, the code is accepted (and the step the next run starts
                at), the download server takes the login and lists every
                package, the central database opens (and its version), the
                disks have room, 7za is there, a printing system answers when
                the customer has a receipt printer; one line for each check,
                ok, FAIL, or WARN for what the installation does without
  --json        write one JSON object a line on standard output (the start, each
                step or check, each message, the end with the exit code, the
                status the service holds and what a finished installation could
                not do) and the human text on standard error;
                skarvel-cli(1) lists the fields

It never waits for a person. The wizard's questions are answered thus: Ctrl-C
is the cancel button; during an installation the question whether to stop it
is answered yes, and the installation stops after the step in progress (press
Ctrl-C again to stop at once: the programs it runs end first). Before the
restart the program arranges the resume (autostart entry "runskarvel" starting
skarvel CODE). A finished installation that could not do everything (a receipt
printer) ends with 0 and says what was not done in its last lines ("Warning:").

Settings (environment):
  SKARVEL_SERVICE_HOST  host or host:port (1-65535) of the configuration service,
                        over plain HTTP (default localhost); the download server is
                        the same host
  SKARVEL_SERVICE_URL   instead, the service as https://host[:port]: over TLS, its
                        certificate and name verified
  SKARVEL_FTP_PORT      port of the download server (default 21)
  SKARVEL_FTP_TLS       off (default) or required: explicit TLS (AUTH TLS) for
                        every download, upload and listing, data included; a
                        server without it fails the step
  SKARVEL_CA_FILE       the authorities (PEM) that vouch for both servers'
                        certificates; default: the system's store
  SKARVEL_FIREBIRD_ROOT the database server's folder (default /opt/firebird): its
                        libraries and console go there; its setup decides where it
                        installs
  SKARVEL_SYSTEMD_ROOT  the root whose systemd unit files say which services are
                        installed (default /)
  XDG_STATE_HOME        the state folder is its skarvel/ (default
                        ~/.local/state/skarvel/), this user's alone: the log
                        skarvel.log, the lock skarvel.lock and the work folder work/

Log: $XDG_STATE_HOME/skarvel/skarvel.log, every request, report and step
outcome; the wizard writes the same log.

Exit codes:
  0   the installation completed (the service holds status 120), or there was
      nothing to do (999); with --check, the installation can run (a WARN
      line says what it will do without)
  1   the installation stopped with an error
  2   the service did not accept the customer code
  3   the configuration service could not be reached, or stopped answering
  4   cancelled (Ctrl-C)
  5   the computer must restart to continue (the restart was arranged)
  6   an installation is running already for this user; nothing was done
  7   --check: a check failed (the installation would not succeed)
  64  wrong usage, an unusable setting, or a state or work folder others may
      write in (--check says so too)
)";

CliOutcome Dispatch(const CliOptions& options, JsonReport* json) {
  const bool check = options.action == CliOptions::Action::kCheck;
  std::ostream& human = options.json ? std::cerr : std::cout;
  DeploymentSettings settings;
  try {
    settings = ReadDeploymentSettings();
  } catch (const SettingsError& error) {
    if (json != nullptr) json->Start(check ? "check" : "install", options.code, "");
    return {kUsage, std::nullopt, error.what()};
  }
  if (json != nullptr) {
    json->Start(check ? "check" : "install", options.code, settings.ServiceBaseUrl());
  }
  return check ? RunUnattendedCheck(options, settings, human, json)
               : RunUnattendedInstall(options, settings, human, json);
}

int Run(int argc, char** argv) {
  UseCompiledTranslations();
  CliOptions options;
  try {
    options = ParseCliOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const UsageError& error) {
    std::cerr << "skarvel-cli: " << Utf8FromAnsi(error.what()) << "\n";
    return kUsage;
  }
  if (options.action == CliOptions::Action::kHelp) {
    std::cout << kHelp;
    return kCompleted;
  }
  if (options.action == CliOptions::Action::kVersion) {
    std::cout << "skarvel-cli " << SKARVEL_VERSION << "\n";
    return kCompleted;
  }
  std::optional<JsonReport> json;
  if (options.json) json.emplace(std::cout);
  const CliOutcome outcome = Dispatch(options, json ? &*json : nullptr);
  if (!outcome.advice.empty() && !outcome.advice_said) {
    std::cerr << "skarvel-cli: " << Utf8FromAnsi(outcome.advice) << "\n";
  }
  if (json) json->End(outcome);
  return outcome.exit_code;
}

}  // namespace
}  // namespace skarvel

int main(int argc, char** argv) { return skarvel::Run(argc, argv); }
