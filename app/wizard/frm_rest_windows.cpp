#include "app/wizard/frm_rest_windows.h"

#include <QCloseEvent>
#include <QKeyEvent>

#include "app/wizard/centre.h"
#include "app/wizard/ui_frm_rest_windows.h"
#include "platform/qt_text.h"

namespace skarvel {

TfrmRestWindows::TfrmRestWindows(QWidget* parent) : QDialog(parent), ui_(new Ui::TfrmRestWindows) {
  ui_->setupUi(this);
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
  Timer1.setInterval(1000);
  connect(&Timer1, &QTimer::timeout, this, &TfrmRestWindows::Timer1Timer);
  connect(ui_->btRestart, &QPushButton::clicked, this, &TfrmRestWindows::btRestartClick);
}

TfrmRestWindows::~TfrmRestWindows() = default;

void TfrmRestWindows::ShowModal(const RestartWindowTexts& texts, RestartCountdown& countdown) {
  countdown_ = &countdown;
  QStringList lines;
  for (const std::string& line : texts.lines) lines << FromAnsi(line);
  ui_->MemInfo->setPlainText(lines.join(QLatin1Char('\n')));
  ui_->lblrestartin->setText(FromAnsi(texts.restart_in));
  ui_->btRestart->setText(FromAnsi(texts.restart_now));
  setWindowTitle(FromAnsi(texts.title));
  countdown.Start();
  ShowCountdown();
  Timer1.start();
  adjustSize();
  setFixedSize(sizeHint().expandedTo(QSize(fontMetrics().averageCharWidth() * 80, 0)));
  CentreOnDesktop(*this);
  exec();
  Timer1.stop();
  countdown_ = nullptr;
}

void TfrmRestWindows::ShowCountdown() {
  ui_->ProgressBar1->setValue(countdown_->Position());
  ui_->lblSec->setText(QString::fromStdString(countdown_->SecondsLabel()));
}

void TfrmRestWindows::Timer1Timer() {
  if (countdown_ == nullptr) return;
  countdown_->Tick();
  ShowCountdown();
  if (!countdown_->TimerEnabled()) Timer1.stop();
}

void TfrmRestWindows::btRestartClick() {
  if (countdown_ != nullptr) countdown_->RestartNow();
}

void TfrmRestWindows::closeEvent(QCloseEvent* event) { event->ignore(); }

void TfrmRestWindows::keyPressEvent(QKeyEvent* event) {
  // Escape would reject the dialog: this window ends only with the restart.
  if (event->key() != Qt::Key_Escape) QDialog::keyPressEvent(event);
}

}  // namespace skarvel
