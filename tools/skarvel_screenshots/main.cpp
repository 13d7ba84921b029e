// skarvel-screenshots: drives the wizard against a configuration service and saves a picture of
// each page and of the error and restart windows, for the README.

#include <iostream>

#include <QApplication>
#include <QDir>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTimer>

#include "app/wizard/ui_frm_skarvel.h"
#include "app/wizard/wizard_windows.h"
#include "platform/qt_event_pump.h"
#include "platform/qt_translations.h"
#include "service/message_table.h"

namespace {

using skarvel::RestartCountdown;

// The restart window is shown for its picture only.
class NoReboot final : public skarvel::RebootAction {
 public:
  bool Reboot() override { return false; }
  std::string LastRefusal() const override { return "not restarted for a picture"; }
};

void Save(QWidget& window, const QString& folder, const char* name) {
  const QString path = folder + QLatin1Char('/') + QString::fromLatin1(name);
  if (!window.grab().save(path)) std::cerr << "cannot save " << path.toStdString() << "\n";
  std::cout << path.toStdString() << "\n";
}

// Runs action once the next modal window is up, then closes it.
void OnNextModal(std::function<void(QWidget&)> action) {
  QTimer::singleShot(300, [action] {
    if (QWidget* modal = QApplication::activeModalWidget()) {
      action(*modal);
      if (auto* dialog = qobject_cast<QDialog*>(modal)) dialog->done(0);
    }
  });
}

}  // namespace

int main(int argc, char** argv) {
  QApplication application(argc, argv);
  QApplication::setApplicationName(QStringLiteral("Lumtrak Install"));
  skarvel::UseCompiledTranslations();
  if (argc != 3) {
    std::cerr << "usage: skarvel-screenshots FOLDER CODE\n";
    return 64;
  }
  const QString folder = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(folder);
  skarvel::RunLog log("");
  skarvel::QtEventPump pump;
  skarvel::WizardWindows windows(skarvel::ReadDeploymentSettings(), pump, log, {});
  skarvel::TfrmSkarvel& form = windows.form;
  form.show();
  QApplication::processEvents();
  windows.session.flow.FormActivate();
  Save(form, folder, "wizard-1-code.png");

  // A code the service does not know: the error window as the code step shows it.
  OnNextModal([&](QWidget& window) { Save(window, folder, "error-window.png"); });
  form.ui().dxBarCode->setText(QStringLiteral("0000000000000"));
  form.ui().btCode->click();

  form.ui().dxBarCode->setText(QString::fromLatin1(argv[2]));
  form.ui().btCode->click();
  Save(form, folder, "wizard-2-customer.png");
  form.ui().btvolgende->click();
  Save(form, folder, "wizard-3-steps.png");

  // No download server answers here: the run stops at the downloads, and the error window says
  // which step failed and why.
  OnNextModal([&](QWidget& window) {
    Save(form, folder, "wizard-4-run.png");
    Save(window, folder, "error-window-failed-step.png");
  });
  form.ui().btvolgende->click();

  NoReboot no_reboot;
  RestartCountdown countdown(no_reboot);
  windows.restart_window.Timer1.setInterval(100);
  OnNextModal([&](QWidget& window) { Save(window, folder, "restart-window.png"); });
  form.ShowRestartWindow(skarvel::RestartWindowFor(windows.session.context.PosMessages), countdown);
  return 0;
}
