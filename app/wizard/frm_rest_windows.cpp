#include "app/wizard/frm_rest_windows.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "app/wizard/centre.h"
#include "app/wizard/ui_frm_rest_windows.h"
#include "platform/qt_text.h"
#include "platform/translation.h"

namespace skarvel {

TfrmRestWindows::TfrmRestWindows(QWidget* parent) : QDialog(parent), ui_(new Ui::TfrmRestWindows) {
  ui_->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  Timer1.setInterval(1000);
  connect(&Timer1, &QTimer::timeout, this, &TfrmRestWindows::Timer1Timer);
  connect(ui_->btRestart, &QPushButton::clicked, this, &TfrmRestWindows::btRestartClick);
  connect(ui_->btClose, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmRestWindows::~TfrmRestWindows() = default;

void TfrmRestWindows::ShowModal(const RestartWindowTexts& texts, RestartCountdown& countdown,
                                const std::function<void(const std::string&)>& log) {
  countdown_ = &countdown;
  log_ = log;
  QStringList lines;
  for (const std::string& line : texts.lines) lines << FromAnsi(line);
  lines_ = lines.join(QLatin1Char('\n'));
  ui_->MemInfo->setPlainText(lines_);
  ui_->lblrestartin->setText(FromAnsi(texts.restart_in));
  ui_->btRestart->setText(FromAnsi(texts.restart_now));
  ui_->btClose->setText(FromAnsi(texts.close));
  setWindowTitle(FromAnsi(texts.title));
  ShowRefusal(false);
  countdown.Start();
  ShowCountdown();
  Timer1.start();
  // The seconds' label is empty until the first tick: its room is kept from the start, so the
  // countdown's words are never cut off when the number appears.
  ui_->lblSec->ensurePolished();  // its style sheet makes it bold
  ui_->lblSec->setMinimumWidth(
      ui_->lblSec->fontMetrics().horizontalAdvance(QStringLiteral("30 Sec.")) + 2);
  ui_->lblrestartin->setMinimumWidth(ui_->lblrestartin->sizeHint().width());
  adjustSize();
  setFixedSize(sizeHint().expandedTo(QSize(fontMetrics().averageCharWidth() * 80, 0)));
  CentreOnDesktop(*this);
  exec();
  Timer1.stop();
  countdown_ = nullptr;
  log_ = nullptr;
}

bool TfrmRestWindows::Closable() const {
  return countdown_ == nullptr || !countdown_->Refusal().empty();
}

void TfrmRestWindows::AfterRequest() {
  if (countdown_ == nullptr || countdown_->Refusal().empty()) return;
  if (log_) log_("the restart was refused: " + countdown_->Refusal());
  // The countdown has stopped: its lines, which say that the computer restarts by itself, give
  // way to the advice.
  Timer1.stop();
  ui_->MemInfo->setPlainText(FromAnsi(RestartCountdown::RefusalAdvice(countdown_->Refusal())));
  // The title said that the computer restarts; it does not.
  setWindowTitle(FromAnsi(Tr("Program", "The computer was not restarted")));
  ShowRefusal(true);
}

void TfrmRestWindows::ShowRefusal(bool refused) {
  ui_->lblrestartin->setVisible(!refused);
  ui_->lblSec->setVisible(!refused);
  ui_->btClose->setVisible(refused);
  ui_->btRestart->setDefault(!refused);
  ui_->btClose->setDefault(refused);
  if (refused) ui_->btClose->setFocus(Qt::OtherFocusReason);
}

void TfrmRestWindows::ShowCountdown() {
  ui_->ProgressBar1->setValue(countdown_->Position());
  ui_->lblSec->setText(QString::fromStdString(countdown_->SecondsLabel()));
}

void TfrmRestWindows::Timer1Timer() {
  if (countdown_ == nullptr) return;
  countdown_->Tick();
  ShowCountdown();
  if (!countdown_->TimerEnabled()) {
    Timer1.stop();
    AfterRequest();
  }
}

void TfrmRestWindows::btRestartClick() {
  if (countdown_ == nullptr) return;
  countdown_->RestartNow();
  AfterRequest();
}

// Until a restart is refused this window ends only with the restart.
void TfrmRestWindows::closeEvent(QCloseEvent* event) {
  if (Closable()) {
    QDialog::closeEvent(event);
  } else {
    event->ignore();
  }
}

void TfrmRestWindows::keyPressEvent(QKeyEvent* event) {
  // Escape would reject the dialog.
  if (event->key() != Qt::Key_Escape || Closable()) QDialog::keyPressEvent(event);
}

}  // namespace skarvel
