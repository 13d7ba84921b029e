// skarvel: the installation wizard.

#include <iostream>
#include <optional>
#include <string_view>

#include <QApplication>
#include <QIcon>
#include <QMessageBox>

#include "app/install_session.h"
#include "app/wizard/centre.h"
#include "app/wizard/picture_strip.h"
#include "app/wizard/running_wizard.h"
#include "app/wizard/wizard_windows.h"
#include "app/wizard_options.h"
#include "database/engine_shutdown.h"
#include "platform/engine_lock_folder.h"
#include "platform/instance_lock.h"
#include "platform/login_session.h"
#include "platform/qt_event_pump.h"
#include "platform/qt_text.h"
#include "platform/qt_translations.h"
#include "platform/system_info_linux.h"
#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

constexpr int kAlreadyRunning = 6;
constexpr int kUsage = 64;

// The arguments the toolkit left (it takes its own, "-platform", "-style"), UTF-8.
std::vector<std::string> Arguments() {
  std::vector<std::string> arguments;
  const QStringList given = QApplication::arguments();
  for (qsizetype i = 1; i < given.size(); ++i) arguments.push_back(given[i].toStdString());
  return arguments;
}

// Help and version need no display: they are answered before the toolkit starts. Other words
// are judged once the toolkit has taken out its own options ("-platform", "-style").
std::optional<int> AnsweredWithoutDisplay(int argc, char** argv) {
  WizardOptions options;
  try {
    options = ParseWizardOptions(std::vector<std::string>(argv + 1, argv + argc));
  } catch (const UsageError&) {
  }
  if (options.action == WizardOptions::Action::kHelp) {
    std::cout << WizardHelp();
    return 0;
  }
  if (options.action == WizardOptions::Action::kVersion) {
    std::cout << "skarvel " << SKARVEL_VERSION << "\n";
    return 0;
  }
  return std::nullopt;
}

// The deployment's settings, or the reason (said on standard error and in a window) why the
// wizard cannot start with them.
// Why the wizard does not start, on standard error and in a window: whoever started it, from a
// terminal or from the desktop, is told.
void TellOnStart(const std::string& ansi_text, QMessageBox::Icon icon) {
  std::cerr << "skarvel: " << Utf8FromAnsi(ansi_text) << "\n";
  QMessageBox(icon, QApplication::applicationName(), FromAnsi(ansi_text)).exec();
}

std::optional<DeploymentSettings> UsableSettings() {
  std::string why;
  try {
    DeploymentSettings settings = ReadDeploymentSettings();
    why = WorkFolderProblem();
    if (why.empty()) return settings;
  } catch (const SettingsError& error) {
    why = error.what();
  }
  TellOnStart(why, QMessageBox::Critical);
  return std::nullopt;
}

// The running wizard comes to the front; only where it cannot is the person told where the
// installation runs.
int SecondStart(const InstanceLock& lock) {
  const std::string where =
      SecondStartMessage(RunningWizardSocketPath(), lock.Holder(), lock.HolderId());
  if (!where.empty()) TellOnStart(where, QMessageBox::Information);
  return kAlreadyRunning;
}

int RunWizard(QApplication& application, const DeploymentSettings& settings,
              const WizardOptions& options) {
  const EngineLockFolder engine_locks(LinuxSystemInfo().TemporaryFolder());
  const db::EngineShutdown engine;  // goes before the lock folder, after every connection
  RunLog log(RunLog::DefaultPath());
  // Resumed with the code, the run's code is known from the start.
  const std::string code = options.arguments.size() == 1 ? options.arguments.front() : "";
  OpenRunLog(log, "skarvel", code, code, settings);
  QtEventPump pump;
  WizardWindows windows(settings, pump, log, options.arguments);
  const RunningWizardListener listener(RunningWizardSocketPath(),
                                       [&windows] { windows.form.BringToFront(); });
  // The program ends with the wizard, not with its last window: a window the wizard still shows
  // after the main one closed (the error window of a cancelled run) waits for the person.
  QApplication::setQuitOnLastWindowClosed(false);
  QObject::connect(&windows.form, &TfrmSkarvel::wizardEnded, &application, &QApplication::quit,
                   Qt::QueuedConnection);
  CentreOnDesktop(windows.form);
  windows.form.show();
  const int result = QApplication::exec();
  pump.RequestTermination();
  log.EndRun(result);
  return result;
}

// Without a display the toolkit would abort with words of its own: the person is told where
// the wizard runs, and what runs without one.
bool CanShowWindows(int argc, char** argv) {
  for (int i = 1; i < argc; ++i) {
    // The toolkit takes its options with one dash or two.
    const std::string_view argument(argv[i]);
    if (argument == "-platform" || argument == "--platform") return true;
  }
  return DisplayNamed();
}

int Run(int argc, char** argv) {
  if (const std::optional<int> answered = AnsweredWithoutDisplay(argc, argv)) return *answered;
  if (!CanShowWindows(argc, argv)) {
    UseCompiledTranslations();
    std::cerr << "skarvel: "
              << Utf8FromAnsi(Tr("Program",
                                 "there is no display to show the wizard on: start it in the "
                                 "desktop session of the till's user, or install with skarvel-cli "
                                 "on a terminal."))
              << "\n";
    return kUsage;
  }
  QApplication application(argc, argv);
  UseCompiledTranslations();
  WizardOptions options;
  try {
    options = ParseWizardOptions(Arguments());
  } catch (const UsageError& error) {
    std::cerr << "skarvel: " << Utf8FromAnsi(error.what()) << "\n";
    return kUsage;
  }
  QApplication::setApplicationName(QStringLiteral("Lumtrak Install"));
  QApplication::setWindowIcon(QIcon(WizardIcon(64)));
  const std::optional<DeploymentSettings> settings = UsableSettings();
  if (!settings) return kUsage;
  const InstanceLock lock(InstanceLockPath());
  if (!lock.Held()) return SecondStart(lock);
  return RunWizard(application, *settings, options);
}

}  // namespace
}  // namespace skarvel

int main(int argc, char** argv) { return skarvel::Run(argc, argv); }
