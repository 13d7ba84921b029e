#pragma once

#include <memory>

#include <QDialog>
#include <QTimer>

#include "app/restart_countdown.h"
#include "app/window_texts.h"

namespace Ui {
class TfrmRestWindows;
}

namespace skarvel {

// The restart window: four lines, a bar that fills in thirty seconds, the seconds left, and the
// restart-now button. It offers no way to close it: it ends with the restart.
class TfrmRestWindows : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmRestWindows(QWidget* parent = nullptr);
  ~TfrmRestWindows() override;

  // FormShow and the modal loop; returns only if something closes the window other than the
  // restart (which ends the program).
  void ShowModal(const RestartWindowTexts& texts, RestartCountdown& countdown);

  Ui::TfrmRestWindows& ui() { return *ui_; }
  QTimer Timer1;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Timer1Timer();
  void btRestartClick();
  void ShowCountdown();

  std::unique_ptr<Ui::TfrmRestWindows> ui_;
  RestartCountdown* countdown_ = nullptr;
};

}  // namespace skarvel
