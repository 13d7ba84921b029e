#include "app/wizard/frm_skarvel.h"

#include <algorithm>

#include <QAbstractButton>
#include <QApplication>
#include <QCloseEvent>
#include <QKeyEvent>
#include <QLabel>
#include <QProgressBar>
#include <QTimer>

#include "app/wizard/centre.h"
#include "app/wizard/choice_dialog.h"
#include "app/wizard/frm_errwindow.h"
#include "app/wizard/frm_rest_windows.h"
#include "app/wizard/step_box.h"
#include "app/wizard/ui_frm_skarvel.h"
#include "platform/qt_text.h"

namespace skarvel {

TfrmSkarvel::TfrmSkarvel(RunLog& log, QWidget* parent)
    : QWidget(parent), ui_(new Ui::TfrmSkarvel), log_(log) {
  ui_->setupUi(this);
  ui_->pbfilldb->setVisible(false);
  // Fixed-size, with only the system menu and the close box in the title bar.
  setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  FixSize();
}

// Sized by the system font, so larger fonts get a larger window, and by the largest page, so the
// buttons stay where they are from page to page.
void TfrmSkarvel::FixSize() {
  const int current = ui_->dxPageControl1->currentIndex();
  // Room for the longer captions of other languages, which the pages then wrap or share.
  QSize size(fontMetrics().averageCharWidth() * 115, fontMetrics().height() * 40);
  // The hidden overall bar takes room when the copy shows it.
  ui_->pbfilldb->setVisible(true);
  for (int page = 0; page < ui_->dxPageControl1->count(); ++page) {
    ui_->dxPageControl1->setCurrentIndex(page);
    size = size.expandedTo(sizeHint());
  }
  ui_->pbfilldb->setVisible(false);
  ui_->dxPageControl1->setCurrentIndex(current);
  setFixedSize(size);
}

TfrmSkarvel::~TfrmSkarvel() = default;

void TfrmSkarvel::SetWindows(TfrmErrwindow* error_window, TfrmRestWindows* restart_window) {
  error_window_ = error_window;
  restart_window_ = restart_window;
}

void TfrmSkarvel::SetFlow(WizardFlow* flow) {
  flow_ = flow;
  const auto on = [this](FlowHandler handler) { return [this, handler] { RunFlow(handler); }; };
  // Enter in the code field reaches the code page's default button, btCode.
  connect(ui_->btCode, &QPushButton::clicked, this, [this] {
    RunFlow(&WizardFlow::btCodeClick);
    ReadyForAnotherCode();
  });
  connect(ui_->dxBarCode, &QLineEdit::textEdited, this, &TfrmSkarvel::UpperCaseCode);
  connect(ui_->dxBarCode, &QLineEdit::textChanged, this, on(&WizardFlow::dxBarCodeChange));
  connect(ui_->btvolgende, &QPushButton::clicked, this, on(&WizardFlow::btvolgendeClick));
  connect(ui_->btVorige, &QPushButton::clicked, this, on(&WizardFlow::btVorigeClick));
  connect(ui_->btEinde, &QPushButton::clicked, this, on(&WizardFlow::btEindeClick));
  connect(ui_->rbDelInstall, &QRadioButton::clicked, this, [this](bool checked) {
    if (checked) RunFlow(&WizardFlow::rbDelInstallClick);
  });
}

void TfrmSkarvel::RunFlow(FlowHandler handler) {
  ++flow_depth_;
  (flow_->*handler)();
  --flow_depth_;
  EndWhenIdle();
}

void TfrmSkarvel::EndWhenIdle() {
  if (closed_ && flow_depth_ == 0) emit wizardEnded();
}

void TfrmSkarvel::closeEvent(QCloseEvent* event) {
  if (!close_confirmed_ && flow_ != nullptr) {
    event->ignore();
    // After this close has been refused: the flow's own close comes from inside the handler.
    QTimer::singleShot(0, this, [this] { RunFlow(&WizardFlow::btEindeClick); });
    return;
  }
  QWidget::closeEvent(event);
  closed_ = true;
  if (flow_ != nullptr && !flow_->Running() && on_idle_close_) on_idle_close_();
  EndWhenIdle();
}

void TfrmSkarvel::ReadyForAnotherCode() {
  if (closed_ || ui_->dxPageControl1->currentIndex() != 0) return;
  ui_->dxBarCode->setFocus(Qt::OtherFocusReason);
  ui_->dxBarCode->selectAll();
}

// The code field takes upper case only, whether typed or scanned.
void TfrmSkarvel::UpperCaseCode(const QString& text) {
  const QString upper = text.toUpper();
  if (upper == text) return;
  const int cursor = ui_->dxBarCode->cursorPosition();
  ui_->dxBarCode->setText(upper);
  ui_->dxBarCode->setCursorPosition(cursor);
}

QPushButton* TfrmSkarvel::DefaultButton() const {
  return ui_->dxPageControl1->currentIndex() == 0 ? ui_->btCode : ui_->btvolgende;
}

void TfrmSkarvel::keyPressEvent(QKeyEvent* event) {
  if (event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) {
    auto* focused = qobject_cast<QPushButton*>(focusWidget());
    QPushButton* button = focused != nullptr ? focused : DefaultButton();
    if (button->isEnabled()) button->click();
    return;
  }
  const bool typed = !event->text().isEmpty() && event->text().front().isPrint() &&
                     (event->modifiers() & ~Qt::ShiftModifier) == Qt::NoModifier;
  if (typed && ui_->dxPageControl1->currentIndex() == 0 && ui_->dxBarCode->isEnabled()) {
    ui_->dxBarCode->setFocus(Qt::OtherFocusReason);
    QApplication::sendEvent(ui_->dxBarCode, event);
    return;
  }
  QWidget::keyPressEvent(event);
}

void TfrmSkarvel::changeEvent(QEvent* event) {
  QWidget::changeEvent(event);
  if (event->type() != QEvent::WindowStateChange || !isMinimized() || closed_) return;
  QTimer::singleShot(0, this, [this] {
    if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  });
}

void TfrmSkarvel::BringToFront() {
  if (closed_) return;
  if (isMinimized()) setWindowState(windowState() & ~Qt::WindowMinimized);
  show();
  raise();
  activateWindow();
  // A window the wizard waits on (a question, the error window) comes to the front with it.
  if (QWidget* modal = QApplication::activeModalWidget(); modal != nullptr && modal != this) {
    modal->raise();
    modal->activateWindow();
  }
  log_.Write("a second start brought the wizard to the front");
}

bool TfrmSkarvel::event(QEvent* event) {
  if (event->type() == QEvent::WindowActivate) FormActivate();
  return QWidget::event(event);
}

void TfrmSkarvel::showEvent(QShowEvent* event) {
  QWidget::showEvent(event);
  // Where no window manager activates the window, the first activation happens all the same.
  QTimer::singleShot(0, this, &TfrmSkarvel::FormActivate);
}

void TfrmSkarvel::FormActivate() {
  // Activation events arrive again while the first activation waits for the service.
  if (activating_ || flow_ == nullptr || closed_) return;
  activating_ = true;
  RunFlow(&WizardFlow::FormActivate);
  activating_ = false;
}

QWidget* TfrmSkarvel::Widget(Control control) const {
  switch (control) {
    case Control::Form:
      return const_cast<TfrmSkarvel*>(this);
    case Control::paWelcome:
      return ui_->paWelcome;
    case Control::lblCode:
      return ui_->lblCode;
    case Control::dxBarCode:
      return ui_->dxBarCode;
    case Control::btCode:
      return ui_->btCode;
    case Control::paCustInfo:
      return ui_->paCustInfo;
    case Control::lblWelcome:
      return ui_->lblWelcome;
    case Control::rbNewInstall:
      return ui_->rbNewInstall;
    case Control::rbContInstall:
      return ui_->rbContInstall;
    case Control::rbDelInstall:
      return ui_->rbDelInstall;
    case Control::paInstInfo:
      return ui_->paInstInfo;
    case Control::lblInformatie:
      return ui_->lblInformatie;
    case Control::btEinde:
      return ui_->btEinde;
    case Control::btVorige:
      return ui_->btVorige;
    case Control::btvolgende:
      return ui_->btvolgende;
  }
  return nullptr;
}

QProgressBar* TfrmSkarvel::Bar(ProgressBar bar) const {
  switch (bar) {
    case ProgressBar::pb10:
      return ui_->pb10;
    case ProgressBar::pbfilldb:
      return ui_->pbfilldb;
    case ProgressBar::pb1:
      return ui_->pb1;
  }
  return ui_->pb10;
}

StepBox* TfrmSkarvel::Box(int box) const {
  return findChild<StepBox*>(QStringLiteral("dxfCheckBox%1").arg(box));
}

void TfrmSkarvel::SetCaption(Control control, const std::string& caption) {
  const QString text = FromAnsi(caption);
  QWidget* widget = Widget(control);
  if (control == Control::Form) {
    setWindowTitle(text);
  } else if (auto* label = qobject_cast<QLabel*>(widget)) {
    label->setText(text);
  } else if (auto* button = qobject_cast<QAbstractButton*>(widget)) {
    button->setText(text);
  }
}

void TfrmSkarvel::SetEnabled(Control control, bool enabled) {
  QWidget* widget = Widget(control);
  if (control != Control::dxBarCode) return widget->setEnabled(enabled);
  // A disabled field hands its focus on to the next button, Cancel, where a scanner's Enter
  // would stop the wizard: while the field waits, the window itself keeps the focus, and Enter
  // finds no button to press.
  QWidget* focused = focusWidget();
  if (!enabled && (focused == nullptr || focused == widget || focused == ui_->btCode)) {
    setFocus(Qt::OtherFocusReason);
  }
  widget->setEnabled(enabled);
  if (enabled && focusWidget() == this) widget->setFocus(Qt::OtherFocusReason);
}

void TfrmSkarvel::SetChecked(Control control, bool checked) {
  if (auto* button = qobject_cast<QAbstractButton*>(Widget(control))) {
    // Radio buttons of one group cannot all be unchecked by setChecked alone.
    button->setAutoExclusive(checked);
    button->setChecked(checked);
    button->setAutoExclusive(true);
  }
}

void TfrmSkarvel::ShowPage(int page) {
  ui_->dxPageControl1->setCurrentIndex(page);
  // The page's default button is shown as such; Enter activates it (keyPressEvent).
  for (QPushButton* button : {ui_->btCode, ui_->btvolgende}) {
    button->setDefault(button == DefaultButton());
  }
  if (page == 0) ui_->dxBarCode->setFocus(Qt::OtherFocusReason);
  // A page that shows up has not run anything yet: its bars are empty.
  for (QProgressBar* bar : {ui_->pb10, ui_->pb1}) {
    bar->setRange(0, 100);
    bar->setValue(0);
  }
}

std::string TfrmSkarvel::CustomerCode() const { return ToAnsi(ui_->dxBarCode->text()); }

void TfrmSkarvel::SetCustomerCode(const std::string& code) {
  ui_->dxBarCode->setText(FromAnsi(code).toUpper().left(ui_->dxBarCode->maxLength()));
}

void TfrmSkarvel::SetCustomerSummary(const std::vector<std::string>& lines) {
  QStringList text;
  for (const std::string& line : lines) text << FromAnsi(line);
  ui_->memInfoKlant->setPlainText(text.join(QLatin1Char('\n')));
}

void TfrmSkarvel::SetStepCaption(int box, const std::string& caption) {
  if (StepBox* check = Box(box)) check->setText(FromAnsi(caption));
}

void TfrmSkarvel::SetStepTicked(int box, bool ticked) {
  if (StepBox* check = Box(box)) {
    check->SetFailed(false);
    check->setChecked(ticked);
  }
}

void TfrmSkarvel::SetStepFailed(int box) {
  if (StepBox* check = Box(box)) check->SetFailed(true);
}

void TfrmSkarvel::SetMemInfo(const std::string& text) {
  mem_info_ = FromAnsi(text);
  ui_->MemInfo->setPlainText(mem_info_);
  log_.Write(text);
}

void TfrmSkarvel::AddMemInfoLine(const std::string& line) {
  mem_info_ += (mem_info_.isEmpty() ? QString() : QStringLiteral("\n")) + FromAnsi(line);
  ui_->MemInfo->setPlainText(mem_info_);
  log_.Write(line);
}

void TfrmSkarvel::SetSilenceNote(const std::string& text) {
  if (ui_->dxPageControl1->currentIndex() != WizardFlow::kLastPage) {
    ui_->lblStatus->setText(FromAnsi(text));
    return;
  }
  ui_->MemInfo->setPlainText(text.empty() ? mem_info_
                                          : mem_info_ + QStringLiteral("\n\n") + FromAnsi(text));
}

void TfrmSkarvel::SetProgress(ProgressBar bar, int position, int maximum) {
  // Qt shows a bar of maximum 0 as an endless busy animation; the design's is empty.
  if (maximum <= 0) {
    Bar(bar)->setRange(0, 1);
    Bar(bar)->setValue(0);
    return;
  }
  Bar(bar)->setRange(0, maximum);
  Bar(bar)->setValue(std::clamp(position, 0, maximum));
}

void TfrmSkarvel::SetProgressVisible(ProgressBar bar, bool visible) {
  Bar(bar)->setVisible(visible);
}

void TfrmSkarvel::SetProgressText(ProgressBar bar, const std::string& text) {
  const QString percent = QStringLiteral("%p%");
  Bar(bar)->setFormat(text.empty() ? percent : FromAnsi(text) + QLatin1Char(' ') + percent);
}

int TfrmSkarvel::ShowErrorWindow(const ErrorWindowTexts& texts) {
  // One entry, whole: support reads the cause there, whatever the person did with the window.
  std::string entry;
  for (const std::string& line : ErrorWindowLines(texts)) {
    entry += (entry.empty() ? "" : "\n") + line;
  }
  const RunLog::Level level = texts.kind != ErrorKind::InstallDone ? RunLog::Level::kError
                              : texts.warnings.empty()             ? RunLog::Level::kInfo
                                                                   : RunLog::Level::kWarning;
  log_.Write(level, entry);
  return error_window_->ShowModal(texts);
}

void TfrmSkarvel::ShowRestartWindow(const RestartWindowTexts& texts, RestartCountdown& countdown) {
  log_.Write("restart window shown");
  restart_window_->ShowModal(texts, countdown,
                             [this](const std::string& line) { log_.Write(line); });
  // Back on the steps page, the information text keeps what to do.
  if (!countdown.Refusal().empty() && !countdown.Restarting()) {
    SetMemInfo(RestartCountdown::RefusalAdvice(countdown.Refusal()));
  }
}

int TfrmSkarvel::ShowChoiceDialog(const ChoiceQuestion& question) {
  return skarvel::ShowChoiceDialog(this, question.text, DialogType::Warning, mbYes | mbNo,
                                   {question.captions[0], question.captions[1]}, question.caption,
                                   question.focus);
}

void TfrmSkarvel::CloseMainForm() {
  close_confirmed_ = true;
  close();
}

void TfrmSkarvel::SetStatusLine(const std::string& text) {
  ui_->lblStatus->setText(FromAnsi(text));
}

void TfrmSkarvel::SetStopNote(const std::string& text) {
  log_.Write(kStoppedByPersonLog);
  ui_->lblStatus->setText(FromAnsi(text));
}

}  // namespace skarvel
