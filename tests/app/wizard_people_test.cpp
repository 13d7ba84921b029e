// The wizard as people use it (offscreen): they close the window with its close box, cancel
// while the service keeps them waiting, meet a computer that refuses to restart, and read the
// error window to learn what went wrong.

#include <filesystem>
#include <fstream>
#include <memory>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "app/wizard/ui_frm_errwindow.h"
#include "app/wizard/ui_frm_rest_windows.h"
#include "app/wizard/ui_frm_skarvel.h"
#include "app/wizard/wizard_windows.h"
#include "platform/qt_event_pump.h"
#include "tests/support/ftp_server_process.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/process_folder.h"
#include "tests/support/recording_operations.h"
#include "tests/support/reference_service_process.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/sockets.h"
#include "tests/support/temp_folder.h"

namespace skarvel {

using test::Click;
using test::ModalWatcher;

class WizardPeopleTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::ReferenceServiceProcess> service_;
  std::unique_ptr<test::TempFolder> folder_;
  std::unique_ptr<test::FtpServerProcess> ftp_;
  std::vector<std::unique_ptr<test::ScopedEnvironment>> environment_;
  std::unique_ptr<QtEventPump> pump_;
  std::unique_ptr<RunLog> log_;
  std::unique_ptr<WizardWindows> windows_;
  std::unique_ptr<QSignalSpy> ended_;

  // The wizard as the program entry makes it: it ends when the wizard says it has ended.
  void Create() {
    DeploymentSettings settings;
    settings.service_host = service_->host();
    settings.ftp_port = ftp_ ? ftp_->port() : test::RefusingPort();
    pump_ = std::make_unique<QtEventPump>();
    windows_ = std::make_unique<WizardWindows>(settings, *pump_, *log_, std::vector<std::string>{});
    ended_ = std::make_unique<QSignalSpy>(&windows_->form, &TfrmSkarvel::wizardEnded);
    windows_->form.show();
  }
  void Start() {
    Create();
    QTRY_VERIFY(!windows_->session.state.FirstActivation);
  }
  Ui::TfrmSkarvel& ui() { return windows_->form.ui(); }
  void StandOnPage3(const char* code, const char* status) {
    service_->SetField(code, "cp_ps_code", status);
    ui().dxBarCode->setText(QString::fromLatin1(code));
    ui().btCode->click();
    ui().btvolgende->click();
    QCOMPARE(ui().dxPageControl1->currentIndex(), 2);
  }
  std::vector<std::string> Reports() {
    std::vector<std::string> statuses;
    for (const auto& request : service_->Requests("UpdateStatus")) {
      statuses.push_back(request["params"]["status"].get<std::string>());
    }
    return statuses;
  }
  std::string LogText() {
    std::ifstream file(folder_->File("skarvel.log"));
    return std::string((std::istreambuf_iterator<char>(file)), std::istreambuf_iterator<char>());
  }

 private slots:
  void initTestCase() { QApplication::setQuitOnLastWindowClosed(false); }

  void init() {
    service_ = std::make_unique<test::ReferenceServiceProcess>();
    folder_ = std::make_unique<test::TempFolder>();
    log_ = std::make_unique<RunLog>(folder_->File("skarvel.log"));
    for (const char* name : {"XDG_CACHE_HOME", "HOME", "XDG_CONFIG_DIRS", "XDG_CONFIG_HOME",
                             "XDG_STATE_HOME", "XDG_DATA_HOME"}) {
      environment_.push_back(std::make_unique<test::ScopedEnvironment>(name, folder_->File(name)));
    }
    for (const char* code : {"5412345000013", "5412345000020", "5412345000037"}) {
      service_->SetField(code, "PPA_POSPATH", folder_->File("till/"));
    }
  }

  void cleanup() {
    ended_.reset();
    windows_.reset();
    ftp_.reset();
    environment_.clear();
    folder_.reset();
    service_.reset();
  }

  // The close box during a run asks the run's question; yes ends the run after the step in
  // progress, and then the wizard, without a completion window.
  void theCloseBoxDuringARunAsksAndEndsAfterTheStep() {
    Start();
    StandOnPage3("5412345000037", "20");
    QString question;
    ModalWatcher watcher([&](QWidget& window) {
      if (auto* text = window.findChild<QLabel*>(QStringLiteral("text"))) question = text->text();
      Click(window, "Yes");
    });
    // The close box is pressed at the run's first pass, where the window is pumped.
    QTimer::singleShot(0, &windows_->form, [this] { windows_->form.close(); });
    ui().btvolgende->click();
    QCOMPARE(question, QStringLiteral("An installation is running. Stop it and leave Skarvel?"));
    QCOMPARE(Reports(), std::vector<std::string>{"29"});  // the step in progress, no other
    QCOMPARE(watcher.count, 1);                           // no completion or error window
    QCOMPARE(ended_->count(), 1);
    QVERIFY(!windows_->form.isVisible());
  }

  // Outside a run the close box asks whether to leave; no keeps the wizard as it was.
  void theCloseBoxOutsideARunAsksToLeave() {
    Start();
    {
      ModalWatcher watcher([](QWidget& window) { Click(window, "No"); });
      windows_->form.close();
      QTRY_COMPARE(watcher.count, 1);
    }
    QVERIFY(windows_->form.isVisible());
    QCOMPARE(ended_->count(), 0);
    ModalWatcher watcher([](QWidget& window) { Click(window, "Yes"); });
    windows_->form.close();
    QTRY_COMPARE(ended_->count(), 1);
  }

  // A service that does not answer at the start: the status line says what is awaited, and
  // Cancel ends the wait and the wizard at once, with no window afterwards.
  void aStartWaitingOnTheServiceShowsItAndCancelEndsIt() {
    service_->Fault("CheckStatus", "normal", 20'000, 1);
    QString status;
    QTimer::singleShot(500, [&] {
      status = ui().lblStatus->text();
      ui().btEinde->click();
    });
    ModalWatcher watcher([](QWidget& window) { Click(window, "btClose"); });
    QElapsedTimer clock;
    clock.start();
    Create();
    QTRY_COMPARE(ended_->count(), 1);
    QVERIFY2(clock.elapsed() < 10'000, "the wait ended with the cancel");
    QVERIFY2(status.startsWith(QStringLiteral("Asking the configuration service at http://")),
             qPrintable(status));
    QCOMPARE(watcher.count, 0);
    QVERIFY(!windows_->form.isVisible());
  }

  // The computer refuses to restart: the log has the system's words, the window says to restart
  // by hand, and it can be closed.
  void aRefusedRestartIsToldAndTheWindowCloses() {
    Start();
    test::RecordingReboot reboot;
    reboot.accept = false;
    RestartCountdown countdown(reboot);
    QString text;
    ModalWatcher watcher([&](QWidget& window) {
      Click(window, "btRestart");
      text = windows_->restart_window.ui().MemInfo->toPlainText();
      QTest::keyClick(&window, Qt::Key_Escape);
    });
    windows_->form.ShowRestartWindow(RestartWindowFor(windows_->session.context.PosMessages),
                                     countdown);
    QCOMPARE(reboot.requests, 1);
    QVERIFY2(text.contains(QStringLiteral("could not be restarted (Access denied)")),
             qPrintable(text));
    QVERIFY(text.contains(QStringLiteral("goes on by itself at the next log-on")));
    QVERIFY(LogText().find("the restart was refused: Access denied") != std::string::npos);
  }

  // The error window keeps the design's text and says, on the next lines, which step failed and
  // why: a package folder the download server does not have.
  void theErrorWindowNamesTheStepAndTheCause() {
    test::TempFolder remote;
    std::filesystem::create_directories(remote.File("srv"));
    std::ofstream(remote.File("srv/serveurs.cfg")) << "[SRV]\r\n";
    ftp_ = std::make_unique<test::FtpServerProcess>(remote.path());
    Start();
    StandOnPage3("5412345000037", "30");
    QString text;
    ModalWatcher watcher([&](QWidget& window) {
      text = windows_->error_window.ui().memInfo->toPlainText();
      Click(window, "btClose");
    });
    ui().btvolgende->click();
    QTRY_COMPARE(watcher.count, 1);
    const QStringList lines = text.split(QLatin1Char('\n'));
    QCOMPARE(lines.size(), 3);
    QCOMPARE(lines[0], QStringLiteral("There was an error installing Lumtrak:"));
    QCOMPARE(lines[1], QStringLiteral("Download the packages"));
    QCOMPARE(lines[2], QStringLiteral("The download server 127.0.0.1 refused the folder zip."));
    QCOMPARE(windows_->error_window.ui().btClose->text(), QStringLiteral("Close"));
  }

  // Cancel confirmed in a pass whose step also failed: the error window comes, and the wizard
  // waits for the person to close it before it ends.
  void aCancelledPassThatFailedStillShowsTheErrorWindow() {
    Start();
    StandOnPage3("5412345000037", "40");  // nothing was downloaded: the unpack fails
    int ended_while_shown = -1;
    ModalWatcher watcher([&](QWidget& window) {
      if (window.findChild<QPushButton*>(QStringLiteral("Yes")) != nullptr) {
        return Click(window, "Yes");
      }
      QTest::qWait(200);  // the window stays up, waiting for the person
      ended_while_shown = ended_->count();
      QVERIFY(window.isVisible());
      Click(window, "btClose");
    });
    QTimer::singleShot(0, &windows_->form, [this] { ui().btEinde->click(); });
    ui().btvolgende->click();
    QCOMPARE(watcher.count, 2);
    QCOMPARE(ended_while_shown, 0);
    QCOMPARE(ended_->count(), 1);
    QCOMPARE(Reports().back(), std::string("48"));
  }

  // A bar with nothing to show is empty, never Qt's endless busy animation, and the steps page
  // starts with empty bars.
  void barsWithNothingToShowAreEmpty() {
    test::TempFolder remote;
    std::filesystem::create_directories(remote.File("srv"));
    std::ofstream(remote.File("srv/serveurs.cfg")) << "[SRV]\r\n";
    ftp_ = std::make_unique<test::FtpServerProcess>(remote.path());
    Start();
    int highest = 0;
    connect(ui().pb10, &QProgressBar::valueChanged,
            [&](int value) { highest = std::max(highest, value); });
    ui().dxBarCode->setText(QStringLiteral("5412345000037"));
    ui().btCode->click();
    QCOMPARE(highest, 100);  // the server list arrived
    ui().btvolgende->click();
    QCOMPARE(ui().pb10->value(), 0);
    windows_->form.SetProgress(ProgressBar::pb10, 0, 0);
    windows_->form.SetProgress(ProgressBar::pb1, 0, 0);
    for (QProgressBar* bar : {ui().pb10, ui().pb1, ui().pbfilldb}) {
      QVERIFY2(bar->maximum() > bar->minimum(), qPrintable(bar->objectName()));
      QCOMPARE(bar->value(), 0);
    }
  }

  // Fixed size on every page, with no minimise or maximise button.
  void theWindowKeepsOneSizeWithoutMinimiseOrMaximise() {
    Start();
    const QSize first = windows_->form.size();
    ui().dxBarCode->setText(QStringLiteral("5412345000020"));  // French captions
    ui().btCode->click();
    QCOMPARE(windows_->form.size(), first);
    ui().btvolgende->click();
    QCOMPARE(ui().dxPageControl1->currentIndex(), 2);
    QCOMPARE(windows_->form.size(), first);
    QCOMPARE(windows_->form.minimumSize(), windows_->form.maximumSize());
    const Qt::WindowFlags flags = windows_->form.windowFlags();
    QVERIFY(!flags.testFlag(Qt::WindowMinimizeButtonHint));
    QVERIFY(!flags.testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(flags.testFlag(Qt::WindowSystemMenuHint));
  }

  void theRestartCountdownIsNotCutOff_data() {
    QTest::addColumn<QString>("code");
    QTest::newRow("Dutch") << QStringLiteral("5412345000013");
    QTest::newRow("French") << QStringLiteral("5412345000020");
  }

  void theRestartCountdownIsNotCutOff() {
    QFETCH(QString, code);
    Start();
    ui().dxBarCode->setText(code);
    ui().btCode->click();
    test::RecordingReboot reboot;
    reboot.accept = false;
    RestartCountdown countdown(reboot);
    windows_->restart_window.Timer1.setInterval(5);
    bool whole = false;
    QString shown;
    ModalWatcher watcher([&](QWidget& window) {
      QTest::qWait(100);  // the countdown's number has appeared
      auto& rest = windows_->restart_window.ui();
      shown = rest.lblrestartin->text() + QLatin1Char(' ') + rest.lblSec->text();
      whole = rest.lblrestartin->width() >= rest.lblrestartin->sizeHint().width() &&
              rest.lblSec->width() >= rest.lblSec->sizeHint().width();
      shown += QStringLiteral(" (%1/%2, %3/%4)")
                   .arg(rest.lblrestartin->width())
                   .arg(rest.lblrestartin->sizeHint().width())
                   .arg(rest.lblSec->width())
                   .arg(rest.lblSec->sizeHint().width());
      Click(window, "btRestart");
      window.close();
    });
    windows_->form.ShowRestartWindow(RestartWindowFor(windows_->session.context.PosMessages),
                                     countdown);
    QVERIFY2(whole, qPrintable(shown));
    QVERIFY2(shown.contains(QStringLiteral(" Sec. (")), qPrintable(shown));
  }
};

}  // namespace skarvel

int main(int argc, char** argv) {
  const skarvel::test::ProcessFolder folder;  // before anything is made in a temporary folder
  QApplication application(argc, argv);
  skarvel::WizardPeopleTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "wizard_people_test.moc"
