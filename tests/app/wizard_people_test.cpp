// The wizard as people use it (offscreen): they close the window with its close box, cancel
// while the service keeps them waiting, meet a computer that refuses to restart, and read the
// error window to learn what went wrong.

#include <atomic>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <optional>
#include <thread>

#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalSpy>
#include <QTimer>
#include <QtTest>

#include "app/window_texts.h"
#include "app/wizard/running_wizard.h"
#include "app/wizard/step_box.h"
#include "app/wizard/ui_frm_errwindow.h"
#include "app/wizard/ui_frm_rest_windows.h"
#include "app/wizard/ui_frm_skarvel.h"
#include "app/wizard/wizard_windows.h"
#include "platform/qt_event_pump.h"
#include "platform/qt_text.h"
#include "platform/translation.h"
#include "tests/support/child_process.h"
#include "tests/support/ftp_server_process.h"
#include "tests/support/modal_watcher.h"
#include "tests/support/process_folder.h"
#include "tests/support/recording_operations.h"
#include "tests/support/reference_service_process.h"
#include "tests/support/scoped_environment.h"
#include "tests/support/sockets.h"
#include "tests/support/temp_folder.h"
#include "tests/support/wait_for_path.h"

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
  // How many pixels of the error colour the box shows where its tick would be.
  static int CrossPixels(StepBox& box) {
    const QImage image = box.grab().toImage();
    const QRect area = box.CrossArea() & image.rect();
    int count = 0;
    for (int y = area.top(); y <= area.bottom(); ++y) {
      for (int x = area.left(); x <= area.right(); ++x) {
        const QColor pixel = image.pixelColor(x, y);
        count += pixel.red() > 150 && pixel.green() < 80 && pixel.blue() < 80 ? 1 : 0;
      }
    }
    return count;
  }
  // A second start's request, from a thread of its own: it blocks while this one's event loop
  // answers.
  static std::optional<std::string> AskAsASecondStart(const std::string& path) {
    std::optional<std::string> where;
    std::atomic<bool> answered = false;
    std::thread second([&] {
      where = AskRunningWizardToTheFront(path, std::chrono::seconds(10));
      answered = true;
    });
    const bool in_time = QTest::qWaitFor([&] { return answered.load(); }, 15'000);
    second.join();
    return in_time ? where : std::nullopt;
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

  // Yes to the stop keeps the window while the step in progress ends: it says that the
  // installation stops after that step, Cancel is done with, the close box asks nothing more,
  // and the log records the stop. The wizard ends once the step has.
  void aConfirmedStopKeepsTheWindowUntilTheStepHasEnded() {
    Start();
    StandOnPage3("5412345000037", "20");
    service_->Fault("UpdateStatus", "normal", 800, 1);  // the step's report takes its time
    bool no_had_the_focus = false;
    ModalWatcher watcher([&](QWidget& window) {
      no_had_the_focus =
          window.focusWidget() == window.findChild<QPushButton*>(QStringLiteral("No"));
      Click(window, "Yes");
    });
    struct {
      bool looked = false, visible = false, cancel = true, next = true, previous = true;
      std::size_t reports = 99;
    } seen;
    QTimer look;  // looks once the stop is said, while the step still waits on its report
    connect(&look, &QTimer::timeout, [&] {
      if (seen.looked ||
          ui().lblStatus->text() != QString::fromLatin1(StopsAfterThisStep().c_str())) {
        return;
      }
      seen = {true,
              windows_->form.isVisible(),
              ui().btEinde->isEnabled(),
              ui().btvolgende->isEnabled(),
              ui().btVorige->isEnabled(),
              Reports().size()};
      windows_->form.close();
    });
    look.start(20);
    QTimer::singleShot(0, &windows_->form, [this] { ui().btEinde->click(); });
    ui().btvolgende->click();
    QVERIFY(seen.looked);
    QVERIFY(seen.visible);
    QCOMPARE(seen.reports, std::size_t{0});
    QVERIFY(!seen.cancel && !seen.next && !seen.previous);
    QCOMPARE(watcher.count, 1);  // one question: the close box asked nothing more
    QVERIFY(no_had_the_focus);
    QCOMPARE(Reports(), std::vector<std::string>{"29"});
    QCOMPARE(ended_->count(), 1);
    QVERIFY(!windows_->form.isVisible());
    QVERIFY(LogText().find(kStoppedByPersonLog) != std::string::npos);
  }

  // A failed step shows a cross in its box, not a tick, in the error colour, and keeps it after
  // the error window and when Install stops at the failure again.
  void aFailedStepShowsACrossThatStays() {
    Start();
    StandOnPage3("5412345000037", "40");  // nothing was downloaded: the unpack fails
    auto* failed = windows_->form.findChild<StepBox*>(QStringLiteral("dxfCheckBox4"));
    // The error window is one window shown again: each showing gets a watcher of its own.
    for (int run = 1; run <= 2; ++run) {
      ModalWatcher watcher([](QWidget& window) { Click(window, "btClose"); });
      ui().btvolgende->click();
      QCOMPARE(watcher.count, 1);
      QVERIFY(ui().dxfCheckBox3->isChecked());
      QVERIFY(!failed->isChecked());
      QVERIFY(failed->Failed());
      QVERIFY2(CrossPixels(*failed) > 4, "a cross is drawn in the box");
      QCOMPARE(CrossPixels(*ui().dxfCheckBox3), 0);
    }
    QCOMPARE(Reports(), std::vector<std::string>{"48"});
    // The log keeps the operation's failure as a warning and the whole window for support, the
    // cause the run found itself among it.
    const std::string logged = LogText();
    QVERIFY2(logged.find("WARN  failed: The download server 127.0.0.1 refuses the connection.") !=
                 std::string::npos,
             logged.c_str());
    QVERIFY2(logged.find("ERROR |   the installation stopped at this step before: The download "
                         "server 127.0.0.1 refuses the connection; put") != std::string::npos,
             logged.c_str());
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

  // A service that does not answer at the start: the status line says what is awaited, whole,
  // and Cancel ends the wait and the wizard at once, with no window afterwards.
  void aStartWaitingOnTheServiceShowsItAndCancelEndsIt() {
    service_->Fault("CheckStatus", "normal", 20'000, 1);
    QString status;
    QString shown;
    QTimer::singleShot(500, [&] {
      status = ui().lblStatus->text();
      shown = ui().lblStatus->Shown();
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
    QCOMPARE(shown, status);
    QCOMPARE(watcher.count, 0);
    QVERIFY(!windows_->form.isVisible());
  }

  // A code scanned while the wizard waits for the service at its start waits too: the field,
  // OK, Next and Previous are disabled, the scan and its Enter go nowhere, and the wait ends in
  // one window, which says what the service did.
  void aScanDuringTheStartWaitStartsNoSecondWait() {
    service_->Fault("CheckStatus", "error", 1000, 1);
    bool all_waiting = false;
    QTimer::singleShot(300, [&] {
      all_waiting = !ui().dxBarCode->isEnabled() && !ui().btCode->isEnabled() &&
                    !ui().btvolgende->isEnabled() && !ui().btVorige->isEnabled() &&
                    ui().btEinde->isEnabled();
      QTest::keyClicks(&windows_->form, QStringLiteral("5412345000037"));
      QTest::keyClick(&windows_->form, Qt::Key_Return);
    });
    QStringList texts;
    ModalWatcher watcher([&](QWidget& window) {
      texts << windows_->error_window.ui().memInfo->toPlainText();
      QTest::keyClick(&window, Qt::Key_Return);  // Close is the default
    });
    Create();
    QTRY_COMPARE(ended_->count(), 1);
    QVERIFY(all_waiting);
    QCOMPARE(texts.size(), 1);
    // The service answered, wrongly: the window says so rather than that it did not answer.
    QVERIFY2(texts[0].startsWith(QStringLiteral("There was a error found when installing Lumtrak:\n"
                                                "The configuration service at 127.0.0.1:")),
             qPrintable(texts[0]));
    QVERIFY2(texts[0].endsWith(QStringLiteral(" answered, but not that it is ready.")),
             qPrintable(texts[0]));

    QCOMPARE(ui().dxBarCode->text(), QString());
    QVERIFY(service_->Requests("getcustinfo").empty());
  }

  // A status line wider than the window keeps its beginning and its end, with an ellipsis
  // between, and the whole text as its tool tip: never cut off at the edge.
  void theStatusLineElidesInTheMiddle() {
    Start();
    const QString text = QStringLiteral("Asking the configuration service at http://") +
                         QString(300, QLatin1Char('a')) + QStringLiteral(".example:8080 ...");
    windows_->form.SetStatusLine(text.toStdString());
    const QString shown = ui().lblStatus->Shown();
    QVERIFY2(shown.startsWith(QStringLiteral("Asking the configuration service at http://")),
             qPrintable(shown));
    QVERIFY2(shown.endsWith(QStringLiteral(".example:8080 ...")), qPrintable(shown));
    QVERIFY(shown.contains(QChar(0x2026)));
    QVERIFY(ui().lblStatus->fontMetrics().horizontalAdvance(shown) <=
            ui().lblStatus->contentsRect().width());
    QCOMPARE(windows_->form.width(), windows_->form.minimumWidth());  // the window did not grow
    ui().lblStatus->grab();  // painted: its tool tip holds the whole text
    QCOMPARE(ui().lblStatus->toolTip(), text);
  }

  // The computer refuses the restart asked for with the button, in a French window: the
  // countdown stops there, the advice replaces the lines that said the computer restarts by
  // itself and the countdown's labels, the log has the system's words, and Close (the default,
  // so Enter) takes the person back to the steps page, whose information text keeps the advice.
  void aRefusedRestartIsToldAndTheWindowCloses() {
    Start();
    ui().dxBarCode->setText(QStringLiteral("5412345000020"));
    ui().btCode->click();
    test::RecordingReboot reboot;
    reboot.accept = false;
    RestartCountdown countdown(reboot);
    auto& rest = windows_->restart_window.ui();
    QString text;
    bool counting = true;
    bool labels_shown = true;
    bool close_is_default = false;
    QString title_before, title_after;
    ModalWatcher watcher([&](QWidget& window) {
      title_before = window.windowTitle();
      Click(window, "btRestart");
      title_after = window.windowTitle();
      text = rest.MemInfo->toPlainText();
      counting = windows_->restart_window.Timer1.isActive();
      labels_shown = rest.lblrestartin->isVisible() || rest.lblSec->isVisible();
      close_is_default =
          rest.btClose->isVisible() && rest.btClose->isDefault() && !rest.btRestart->isDefault();
      QTest::keyClick(&window, Qt::Key_Return);
    });
    windows_->form.ShowRestartWindow(RestartWindowFor(windows_->session.context.PosMessages),
                                     countdown);
    QCOMPARE(reboot.requests, 1);
    QCOMPARE(text, QString::fromStdString(RestartCountdown::RefusalAdvice("Access denied")));
    QVERIFY(!counting);
    QVERIFY(!labels_shown);
    QVERIFY(close_is_default);
    QCOMPARE(rest.btClose->text(), QStringLiteral("Fermer"));
    // The title no longer says that the computer restarts.
    QVERIFY(title_after != title_before);
    QCOMPARE(title_after, FromAnsi(Tr("Program", "The computer was not restarted")));
    QVERIFY(!windows_->restart_window.isVisible());
    QCOMPARE(ui().MemInfo->toPlainText(), text);
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

  // A second start brings the running wizard to the front, minimised or behind another window,
  // and is told where the wizard shows, which is where it runs itself; a window manager that
  // minimises the wizard all the same does not lose it.
  void aSecondStartBringsTheRunningWizardToTheFront() {
    Start();
    const std::string path = folder_->File("front.socket");
    const RunningWizardListener listener(path, [this] { windows_->form.BringToFront(); });
    QVERIFY(listener.Listening());
    windows_->form.setWindowState(Qt::WindowMinimized);
    QTRY_VERIFY(!windows_->form.isMinimized());
    QWidget other;
    other.show();
    other.activateWindow();
    QTRY_COMPARE(QApplication::activeWindow(), &other);
    QCOMPARE(AskAsASecondStart(path), std::optional<std::string>(ThisDisplay()));
    QTRY_COMPARE(QApplication::activeWindow(), static_cast<QWidget*>(&windows_->form));
    QVERIFY(LogText().find("a second start brought the wizard to the front") != std::string::npos);
  }

  // A wizard that was killed leaves its socket file behind: the next wizard, which holds the
  // lock and so knows that nobody listens there, takes the place over and is found.
  void aSocketLeftByAKilledWizardIsTakenOver() {
    const std::string path = folder_->File("left.socket");
    std::ofstream(path) << "";
    int fronts = 0;
    const RunningWizardListener listener(path, [&fronts] { ++fronts; });
    QVERIFY(listener.Listening());
    QCOMPARE(AskAsASecondStart(path), std::optional<std::string>(ThisDisplay()));
    QCOMPARE(fronts, 1);
  }

  // The programs themselves: a second skarvel brings the first to the front and ends with 6,
  // saying nothing, since the person sees the wizard come up.
  void theSecondProgramBringsTheFirstToTheFront() {
    // A runtime folder of their own, or Qt warns on standard error that there is none.
    const std::string runtime = folder_->File("runtime");
    std::filesystem::create_directory(runtime);
    std::filesystem::permissions(runtime, std::filesystem::perms::owner_all);
    const std::map<std::string, std::string> environment = {
        {"SKARVEL_SERVICE_HOST", service_->host()},
        {"QT_QPA_PLATFORM", "offscreen"},
        {"XDG_RUNTIME_DIR", runtime}};
    test::ChildProcess first({SKARVEL_WIZARD_PROGRAM}, environment);
    const std::string state = folder_->File("XDG_STATE_HOME") + "/skarvel/";
    QVERIFY(test::WaitForPath(state + "skarvel.socket", std::chrono::seconds(30)));
    const test::ProgramResult second = test::RunProgram({SKARVEL_WIZARD_PROGRAM}, environment);
    QCOMPARE(second.exit_code, 6);
    QCOMPARE(QString::fromStdString(second.err), QString());
    std::ifstream log(state + "skarvel.log");
    const std::string logged((std::istreambuf_iterator<char>(log)),
                             std::istreambuf_iterator<char>());
    QVERIFY2(logged.find("a second start brought the wizard to the front") != std::string::npos,
             logged.c_str());
  }

  // Where no wizard answers (the installation runs in a program without a window), the second
  // start says which program runs it.
  void aSecondStartWithoutAWizardSaysWhereTheInstallationRuns() {
    test::ChildProcess holder({"/bin/sleep", "60"}, {});
    const std::string process = "process " + std::to_string(holder.pid());
    const std::string message =
        SecondStartMessage(folder_->File("nobody.socket"), process, holder.pid());
    QVERIFY2(message.find("(" + process + ")") != std::string::npos, message.c_str());
    QVERIFY2(message.find("It runs in sleep, which has no window") != std::string::npos,
             message.c_str());
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
