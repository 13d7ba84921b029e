// The wizard's windows, driven by their controls against the reference service (offscreen).

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <set>

#include <QApplication>
#include <QCheckBox>
#include <QDialogButtonBox>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPointer>
#include <QProxyStyle>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include "app/step_boxes.h"
#include "app/wizard/choice_dialog.h"
#include "app/wizard/ui_frm_errwindow.h"
#include "app/wizard/ui_frm_rest_windows.h"
#include "app/wizard/ui_frm_skarvel.h"
#include "app/wizard/wizard_windows.h"
#include "platform/qt_event_pump.h"
#include "platform/qt_text.h"
#include "platform/qt_translations.h"
#include "platform/translation.h"
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

class WizardTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<test::ReferenceServiceProcess> service_;
  std::unique_ptr<test::TempFolder> folder_;
  std::vector<std::unique_ptr<test::ScopedEnvironment>> environment_;
  std::unique_ptr<QtEventPump> pump_ = std::make_unique<QtEventPump>();
  RunLog log_{""};
  std::unique_ptr<WizardWindows> windows_;
  int ftp_port_ = 21;

  void Start(const std::vector<std::string>& arguments = {}) {
    DeploymentSettings settings;
    settings.service_host = service_->host();
    settings.ftp_port = ftp_port_;
    pump_ = std::make_unique<QtEventPump>();
    windows_ = std::make_unique<WizardWindows>(settings, *pump_, log_, arguments);
    windows_->form.show();
    QTRY_VERIFY(!windows_->session.state.FirstActivation);
  }
  Ui::TfrmSkarvel& ui() { return windows_->form.ui(); }
  InstallState& state() { return windows_->session.state; }
  void EnterCode(const char* code) {
    ui().dxBarCode->setText(QString::fromLatin1(code));
    ui().btCode->click();
  }
  std::string LastReport() {
    const auto reports = service_->Requests("UpdateStatus");
    if (reports.empty()) return "";
    return reports.back()["params"]["status"].get<std::string>() + "/" +
           reports.back()["params"]["info"].get<std::string>();
  }

 private slots:
  void init() {
    service_ = std::make_unique<test::ReferenceServiceProcess>();
    folder_ = std::make_unique<test::TempFolder>();
    for (const char* name : {"TMPDIR", "XDG_CACHE_HOME", "HOME", "XDG_CONFIG_DIRS",
                             "XDG_CONFIG_HOME", "XDG_STATE_HOME"}) {
      environment_.push_back(std::make_unique<test::ScopedEnvironment>(name, folder_->File(name)));
    }
  }

  void cleanup() {
    UseLanguage(Language::kEnglish);
    ftp_port_ = 21;
    windows_.reset();
    environment_.clear();
    folder_.reset();
    service_.reset();
  }

  void captionsComeFromTheEnglishTable() {
    Start();
    QCOMPARE(windows_->form.windowTitle(), QStringLiteral("Skarvel V3 - Lumtrak 650"));
    QCOMPARE(ui().lblCode->text(), QStringLiteral("Enter or scan the 13-character customer code:"));
    QCOMPARE(ui().btEinde->text(), QStringLiteral("Cancel"));
    QCOMPARE(ui().btvolgende->text(), QStringLiteral("Next"));
    QCOMPARE(ui().dxPageControl1->currentIndex(), 0);
    QVERIFY(!ui().btvolgende->isEnabled());
    QVERIFY(!ui().btVorige->isEnabled());
  }

  // Without the table's captions the design's stay, Next's too: a blank button would not say
  // where it leads. Precedent, which has no page to go back to, cannot be pressed.
  void aOneEntryTableKeepsTheDesignCaptions() {
    service_->Fault("Getmessages", "error", 0, 1);
    Start();
    QCOMPARE(ui().btVorige->text(), QStringLiteral("Precedent "));
    QVERIFY(!ui().btVorige->isEnabled());
    QCOMPARE(ui().btvolgende->text(), QStringLiteral("Next"));
    EnterCode("TEST000000007");  // its language has one message
    QCOMPARE(ui().dxPageControl1->currentIndex(), 1);
    QCOMPARE(ui().rbNewInstall->text(), QStringLiteral("Nieuwe Installatie"));
    QCOMPARE(ui().paCustInfo->text(), QStringLiteral("..."));
    QCOMPARE(ui().btvolgende->text(), QStringLiteral("Next"));
    ui().btVorige->click();
    QCOMPARE(ui().btvolgende->text(), QStringLiteral("Next"));
  }

  void theCustomersLanguageFollowsTheCode() {
    Start();
    EnterCode("5412345000020");
    QCOMPARE(ui().btEinde->text(), QStringLiteral("Annuler"));
    QCOMPARE(ui().btvolgende->text(), QStringLiteral("Suivant"));
    QCOMPARE(ui().dxfCheckBox4->text(), QStringLiteral("Décompresser le paquet de caisse"));
    QCOMPARE(ui().memInfoKlant->toPlainText(),
             QStringLiteral("Boulangerie Dupré\nInstallation de la caisse Lumtrak\n"
                            "Numéro de poste : 3\nNuméro de caisse : 2"));
    QVERIFY(ui().dxfCheckBox3->isChecked());
    QVERIFY(!ui().dxfCheckBox4->isChecked());
    QVERIFY(!ui().paSteps->isEnabled());
  }

  void pagesGoForwardAndBack() {
    Start();
    EnterCode("5412345000037");
    QCOMPARE(ui().dxPageControl1->currentIndex(), 1);
    QVERIFY(ui().rbContInstall->isChecked());
    ui().btvolgende->click();
    QCOMPARE(ui().dxPageControl1->currentIndex(), 2);
    QCOMPARE(ui().btvolgende->text(), QStringLiteral("Install"));
    ui().btVorige->click();
    QCOMPARE(ui().dxPageControl1->currentIndex(), 1);
  }

  void theInstallTypeFollowsTheStatus() {
    Start();
    EnterCode("5412345000013");  // status 10
    QVERIFY(ui().rbNewInstall->isChecked());
    QVERIFY(!ui().rbContInstall->isEnabled());
    QVERIFY(!ui().rbDelInstall->isEnabled());
    state().CustPost().cp_ps_code = "19";
    windows_->session.flow.RefreshPage();
    QVERIFY(ui().rbContInstall->isChecked());
    QVERIFY(!ui().rbNewInstall->isChecked());
    QVERIFY(!ui().rbDelInstall->isEnabled());
    state().CustPost().cp_ps_code = "2000";
    windows_->session.flow.RefreshPage();
    QVERIFY(ui().rbContInstall->isChecked());
    QVERIFY(ui().rbContInstall->isEnabled());
  }

  void theCodeFieldTakesThirteenUpperCaseCharacters() {
    Start();
    QTest::keyClicks(ui().dxBarCode, QStringLiteral("test0000000071"));
    QCOMPARE(ui().dxBarCode->text(), QStringLiteral("TEST000000007"));
    QTest::keyClick(ui().dxBarCode, Qt::Key_Return);  // Enter is the OK button
    QCOMPARE(ui().dxPageControl1->currentIndex(), 1);
    QVERIFY(ui().btvolgende->isEnabled());
    ui().dxBarCode->setText(QStringLiteral("TEST00000000"));
    QVERIFY(!ui().btvolgende->isEnabled());
  }

  // The error window closes with Enter (Close is its default); the rejected code is then
  // selected, so that the next scan replaces it.
  void aRejectedCodeShowsTheErrorWindow() {
    Start();
    QString text;
    ModalWatcher watcher([&](QWidget& window) {
      text = windows_->error_window.ui().memInfo->toPlainText();
      QVERIFY(windows_->error_window.ui().lblContactZv->isVisibleTo(&window));
      QTest::keyClick(&window, Qt::Key_Return);
    });
    EnterCode("NOSUCHCODE000");
    QCOMPARE(watcher.count, 1);
    // The design's message, then why the code was refused.
    QCOMPARE(text,
             QStringLiteral("The customer code was not accepted. Check the code and try again.\n"
                            "the configuration service does not know the customer code "
                            "NOSUCHCODE000"));
    QCOMPARE(ui().dxPageControl1->currentIndex(), 0);
    QVERIFY(!windows_->error_window.isVisible());
    QCOMPARE(windows_->form.focusWidget(), ui().dxBarCode);
    QCOMPARE(ui().dxBarCode->selectedText(), QStringLiteral("NOSUCHCODE000"));
    QTest::keyClicks(ui().dxBarCode, QStringLiteral("5412345000037"));
    QCOMPARE(ui().dxBarCode->text(), QStringLiteral("5412345000037"));
    QTest::keyClick(ui().dxBarCode, Qt::Key_Return);
    QCOMPARE(ui().dxPageControl1->currentIndex(), 1);
  }

  // Each page shows its default button, and Enter activates it wherever the focus is, unless
  // the focus is on another button, which Enter then activates. On the code page, a code
  // scanned while the focus is elsewhere still reaches the code field.
  void enterActivatesTheDefaultButtonOfEachPage() {
    Start();
    QVERIFY(ui().btCode->isDefault());
    QVERIFY(!ui().btvolgende->isDefault());
    ui().btEinde->setFocus();
    QTest::keyClicks(ui().btEinde, QStringLiteral("5412345000037"));
    QCOMPARE(ui().dxBarCode->text(), QStringLiteral("5412345000037"));
    QTest::keyClick(windows_->form.focusWidget(), Qt::Key_Return);
    QCOMPARE(ui().dxPageControl1->currentIndex(), 1);
    QVERIFY(ui().btvolgende->isDefault());
    QVERIFY(!ui().btCode->isDefault());
    ui().rbContInstall->setFocus();
    QTest::keyClick(ui().rbContInstall, Qt::Key_Return);
    QCOMPARE(ui().dxPageControl1->currentIndex(), 2);
    QVERIFY(ui().btvolgende->isDefault());
    // Enter on the focused Precedent goes back, not forward.
    ui().btVorige->setFocus();
    QTest::keyClick(ui().btVorige, Qt::Key_Return);
    QCOMPARE(ui().dxPageControl1->currentIndex(), 1);
    // Enter on the focused Cancel asks; Enter in the question answers No.
    int questions = 0;
    ModalWatcher watcher([&](QWidget& window) {
      ++questions;
      QTest::keyClick(&window, Qt::Key_Return);
    });
    ui().btEinde->setFocus();
    QTest::keyClick(ui().btEinde, Qt::Key_Return);
    QCOMPARE(questions, 1);
    QVERIFY(windows_->form.isVisible());
  }

  void cancelAnsweredNoLeavesTheWizardAsItWas() {
    Start();
    QString question;
    QStringList buttons;
    ModalWatcher watcher([&](QWidget& window) {
      question = window.findChild<QLabel*>(QStringLiteral("text"))->text();
      for (const char* name : {"Yes", "No"}) {
        buttons << window.findChild<QPushButton*>(QString::fromLatin1(name))->text();
      }
      QCOMPARE(window.windowTitle(), QStringLiteral("SKARVEL"));
      // The safe answer has the focus, is the default, and Enter gives it.
      QCOMPARE(window.focusWidget(), window.findChild<QPushButton*>(QStringLiteral("No")));
      QVERIFY(window.findChild<QPushButton*>(QStringLiteral("No"))->isDefault());
      QTest::keyClick(&window, Qt::Key_Return);
    });
    ui().btEinde->click();
    QCOMPARE(question, QStringLiteral("Do you want to leave Skarvel?"));
    QCOMPARE(buttons, (QStringList{QStringLiteral("Yes"), QStringLiteral("No")}));
    QVERIFY(windows_->form.isVisible());
  }

  void undoFromSixtyUnticksTheLaterSteps() {
    Start();
    EnterCode("5412345000037");
    state().CustPost().cp_ps_code = "60";
    ShowDoneSteps(windows_->form, "60");
    windows_->session.flow.RefreshPage();
    QVERIFY(ui().rbDelInstall->isEnabled());
    ModalWatcher watcher([](QWidget& window) { Click(window, "Yes"); });
    ui().rbDelInstall->click();
    QCOMPARE(watcher.count, 1);
    QVERIFY(ui().dxfCheckBox1->isChecked());
    for (int box = 2; box <= 12; ++box) {
      QVERIFY(!windows_->form.findChild<QCheckBox*>(QStringLiteral("dxfCheckBox%1").arg(box))
                   ->isChecked());
    }
    QCOMPARE(LastReport(), std::string("19/19"));
    QVERIFY(ui().rbContInstall->isChecked());
  }

  void resumeModeLandsOnPageThreeAndRuns() {
    // The run starts from the first activation, inside Start.
    ModalWatcher watcher([](QWidget& window) { Click(window, "btClose"); });
    Start({"5412345000037"});
    QTRY_COMPARE(watcher.count, 1);  // step 3 cannot download yet
    QCOMPARE(ui().dxPageControl1->currentIndex(), 2);
    QCOMPARE(service_->Requests("UpdateStatus").front()["params"]["status"], "29");
    QVERIFY(ui().dxfCheckBox2->isChecked());
    QVERIFY(ui().btvolgende->isEnabled());
  }

  // A French customer's step fails: what the wizard says of its own in the error window, the
  // cause, the helpdesk line and the button, is French like the service's text above it.
  void aFrenchCustomersFailureIsExplainedInFrench() {
    UseCompiledTranslations();
    ftp_port_ = test::RefusingPort();
    QString button, info, contact;
    ModalWatcher watcher([&](QWidget& window) {
      button = window.findChild<QPushButton*>(QStringLiteral("btClose"))->text();
      info = window.findChild<QPlainTextEdit*>(QStringLiteral("memInfo"))->toPlainText();
      contact = window.findChild<QLabel*>(QStringLiteral("lblContactZv"))->text();
      Click(window, "btClose");
    });
    Start({"5412345000020"});  // status 40: the till package is downloaded again, and cannot be
    QTRY_COMPARE(watcher.count, 1);
    QCOMPARE(LanguageInUse(), Language::kFrench);
    QCOMPARE(button, FromAnsi(Tr("Window", "Close")));
    QVERIFY(button != QStringLiteral("Close"));
    QCOMPARE(contact, FromAnsi(Tr("Window", "Please Contact Helpdesk  Zelvane !!!")));
    QVERIFY(contact != QStringLiteral("Please Contact Helpdesk  Zelvane !!!"));
    const QString refused =
        FromAnsi(Tr("Network", "The download server %1 refuses the connection."));
    QVERIFY(refused != QStringLiteral("The download server %1 refuses the connection."));
    for (const QString& piece : refused.split(QStringLiteral("%1"))) {
      QVERIFY2(info.contains(piece.trimmed()), qPrintable(info));
    }
  }

  // The service falls silent (SIGSTOP) as the installation starts: MemInfo names it and how long
  // it has been silent, renewed every second; the cancel button then ends the wait at once,
  // not at the silence limit.
  void aSilentServiceIsNamedInTheInformationAndCancelEndsTheWait() {
    Start();
    EnterCode("5412345000037");
    ui().btvolgende->click();
    const QString note = QStringLiteral("The configuration service at %1 has not answered for ")
                             .arg(QString::fromStdString(service_->base_url()));
    QString first_note;
    int longest = 0;
    QTimer look;
    connect(&look, &QTimer::timeout, [&] {
      const QString text = ui().MemInfo->toPlainText();
      const int at = text.indexOf(note);
      if (at < 0) return;
      longest =
          std::max(longest, text.mid(at + note.size()).section(QLatin1Char(' '), 0, 0).toInt());
      if (!first_note.isEmpty()) return;
      first_note = text.mid(at);
      ui().btEinde->click();
    });
    look.start(20);
    // The question to stop, then the error window of the pass the service did not answer.
    ModalWatcher watcher([](QWidget& window) {
      Click(window, window.findChild<QPushButton*>(QStringLiteral("Yes")) ? "Yes" : "btClose");
    });
    service_->Freeze();
    ui().btvolgende->click();
    service_->Thaw();
    QCOMPARE(first_note, note + QStringLiteral("1 s."));
    QVERIFY2(longest < 5, "the wait ended at the cancel, not at the silence limit");
    QVERIFY(state().AbortRequested);
    QVERIFY(!windows_->form.isVisible());
  }

  // Every transfer of the code step and the download step is shown on pb10 to its end. The
  // server lacks the "firebird" folder, so the step fails after the other three downloads.
  void theDownloadStepShowsEachTransferOnItsBar() {
    std::filesystem::create_directories(folder_->File("TMPDIR"));  // the remote folder's home
    test::TempFolder remote;
    for (const auto& [file, size] :
         std::vector<std::pair<std::string, std::size_t>>{{"srv/serveurs.cfg", 20},
                                                          {"zip/7za.exe", 768 << 10},
                                                          {"lumtrak650/lumtrak650.zip", 1000},
                                                          {"templates/tickets.zip", 1000}}) {
      std::filesystem::create_directories(std::filesystem::path(remote.File(file)).parent_path());
      std::ofstream(remote.File(file), std::ios::binary) << std::string(size, 'x');
    }
    // A slow line: the archive tool takes a few seconds, so the bar moves during it.
    test::FtpServerProcess ftp(remote.path(), {.send_rate = 256 << 10});
    ftp_port_ = ftp.port();
    Start();
    int completions = 0;
    std::set<int> values;
    connect(ui().pb10, &QProgressBar::valueChanged, [&](int value) {
      values.insert(value);
      if (ui().pb10->maximum() > 0 && value == ui().pb10->maximum()) ++completions;
    });
    EnterCode("5412345000037");
    QCOMPARE(completions, 1);  // the server list
    ui().btvolgende->click();
    ModalWatcher watcher([](QWidget& window) { Click(window, "btClose"); });
    ui().btvolgende->click();
    QTRY_COMPARE(watcher.count, 1);
    QCOMPARE(completions, 4);
    QVERIFY2(values.size() > 2, "the bar moves during a transfer, not only at its ends");
    QCOMPARE(QString::fromStdString(LastReport()), QStringLiteral("38/40"));
    QVERIFY(std::filesystem::exists(folder_->File("XDG_STATE_HOME") + "/skarvel/work/tickets.zip"));
  }

  // The database server the till uses does not answer at the database step: the person is asked
  // to start it, then to check it, and the step fails.
  void aDatabaseServerThatDoesNotAnswerShowsBothMessages() {
    const char* code = "5412345000037";
    const std::string till = folder_->File("till");
    service_->SetField(code, "PPA_POSPATH", till + "/");
    service_->SetField(code, "PPA_POSPATH2",
                       "127.0.0.1/" + std::to_string(test::RefusingPort()) + ":" + till);
    service_->SetField(code, "cp_ps_code", "90");
    QStringList messages;
    ModalWatcher watcher([&](QWidget& window) {
      if (auto* box = qobject_cast<QMessageBox*>(&window)) {
        messages << box->text();
        box->button(QMessageBox::Ok)->click();
      } else {
        Click(window, "btClose");  // the error window after the failed step
      }
    });
    Start({code});
    QTRY_COMPARE(watcher.count, 3);
    QCOMPARE(messages.size(), 2);
    QCOMPARE(messages[0], QStringLiteral("Le service Firebird ne semble pas démarré, veuillez le "
                                         "démarrer manuellement et ensuite appuyez sur OK"));
    QCOMPARE(messages[1], QStringLiteral("Connexion impossible, merci de vérifier Firebird avant "
                                         "de continuer."));
    QCOMPARE(LastReport(), std::string("98/error_connect"));
  }

  void theRestartWindowCountsDownAndRestarts() {
    Start();
    test::RecordingReboot reboot;
    RestartCountdown countdown(reboot);
    TfrmRestWindows& window = windows_->restart_window;
    window.Timer1.setInterval(5);
    QStringList seconds;
    connect(&window.Timer1, &QTimer::timeout, this, [&] {
      seconds << window.ui().lblSec->text();
      if (reboot.requests > 0) window.done(0);
    });
    windows_->form.ShowRestartWindow(RestartWindowFor(state().PosMessages()), countdown);
    QCOMPARE(seconds.size(), 30);
    QCOMPARE(seconds.front(), QStringLiteral("29 Sec."));
    QCOMPARE(seconds.back(), QStringLiteral("0 Sec."));
    QCOMPARE(reboot.requests, 1);
    QCOMPARE(window.ui().ProgressBar1->value(), 30);
    QCOMPARE(window.ui().btRestart->text(), QStringLiteral("Restart now"));
  }

  void theErrorWindowReturnsCancelHoweverItCloses() {
    Start();
    TfrmErrwindow& window = windows_->error_window;
    ModalWatcher by_frame([](QWidget& modal) { modal.close(); });
    QCOMPARE(window.ShowModal(SetKind(ErrorKind::InstallDone, state().PosMessages())), 2);
    QVERIFY(!window.ui().lblContactZv->isVisibleTo(&window));
    QCOMPARE(window.windowTitle(), QStringLiteral("Information"));
  }

  // The table bar names the table it runs over beside its percentage; the overall bar shows its
  // percentage too.
  void theCopyBarsSayWhatTheyShow() {
    Start();
    windows_->form.SetProgressText(ProgressBar::pb1, "client");
    windows_->form.SetProgress(ProgressBar::pb1, 9, 20);
    QCOMPARE(ui().pb1->text(), QStringLiteral("client 45%"));
    windows_->form.SetProgress(ProgressBar::pbfilldb, 700, 1400);
    QVERIFY(ui().pbfilldb->isTextVisible());
    QCOMPARE(ui().pbfilldb->text(), QStringLiteral("50%"));
    windows_->form.SetProgressText(ProgressBar::pb1, "");
    QCOMPARE(ui().pb1->text(), QStringLiteral("45%"));
  }

  // The completion window of a run that could not do everything names what it could not do.
  void theCompletionWindowNamesWhatWasNotDone() {
    Start();
    ErrorWindowTexts texts = SetKind(ErrorKind::InstallDone, state().PosMessages());
    texts.warnings = {PrinterNotAdded("BONPRINTER", "no printing system answers")};
    QString shown;
    ModalWatcher watcher([&](QWidget& modal) {
      shown = windows_->error_window.ui().memInfo->toPlainText();
      modal.close();
    });
    windows_->form.ShowErrorWindow(texts);
    QVERIFY2(shown.startsWith(QString::fromStdString(texts.text)), qPrintable(shown));
    QVERIFY2(
        shown.contains(QStringLiteral("Not everything could be done:\n- the receipt printer "
                                      "BONPRINTER was not added (no printing system answers)")),
        qPrintable(shown));
  }

  void theChoiceDialogTakesItsCaptionsInButtonOrder() {
    // A desktop whose dialogs put No before Yes (GNOME's order) changes nothing here.
    class GnomeOrder final : public QProxyStyle {
     public:
      int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                    QStyleHintReturn* data) const override {
        if (hint == SH_DialogButtonLayout) return QDialogButtonBox::GnomeLayout;
        return QProxyStyle::styleHint(hint, option, widget, data);
      }
    };
    QApplication::setStyle(new GnomeOrder);
    QStringList texts;
    QList<int> lefts;
    int result = 0;
    {
      ModalWatcher watcher([&](QWidget& window) {
        for (const char* name : {"Yes", "No", "Cancel"}) {
          auto* button = window.findChild<QPushButton*>(QString::fromLatin1(name));
          texts << button->text();
          lefts << button->mapTo(&window, QPoint(0, 0)).x();
        }
        Click(window, "No");
      });
      result = ShowChoiceDialog(nullptr, "Sure?", DialogType::Warning, mbYes | mbNo | mbCancel,
                                {"Ja", "Nee"}, "SKARVEL", "No");
    }
    QCOMPARE(result, 7);
    QCOMPARE(texts.mid(0, 2), (QStringList{QStringLiteral("Ja"), QStringLiteral("Nee")}));
    // On the screen: Yes, then No, then Cancel, from left to right.
    QVERIFY2(lefts[0] < lefts[1] && lefts[1] < lefts[2], "the buttons left to right");
    QCOMPARE(texts[2], QMessageBox().addButton(QMessageBox::Cancel)->text());  // Qt's own
    {
      // Enter on a focused button gives that button's answer, not the default's.
      ModalWatcher watcher([](QWidget& window) {
        auto* yes = window.findChild<QPushButton*>(QStringLiteral("Yes"));
        yes->setFocus();
        QTest::keyClick(yes, Qt::Key_Return);
      });
      result = ShowChoiceDialog(nullptr, "Sure?", DialogType::Warning, mbYes | mbNo,
                                {"Ja", "Nee", "Extra"}, "SKARVEL", "No");
    }
    QCOMPARE(result, 6);
    {
      ModalWatcher watcher([](QWidget& window) { window.close(); });
      result =
          ShowChoiceDialog(nullptr, "Sure?", DialogType::Warning, mbYes | mbNo, {}, "SKARVEL", "");
    }
    QVERIFY(result != 6);
  }
};

}  // namespace skarvel

int main(int argc, char** argv) {
  const skarvel::test::ProcessFolder folder;  // before anything is made in a temporary folder
  QApplication application(argc, argv);
  skarvel::WizardTest test;
  return QTest::qExec(&test, argc, argv);
}
#include "wizard_test.moc"
