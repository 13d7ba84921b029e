#pragma once

#include <functional>
#include <memory>
#include <string>

#include <QDialog>
#include <QTimer>

#include "app/restart_countdown.h"
#include "app/window_texts.h"

namespace Ui {
class TfrmRestWindows;
}

namespace skarvel {

// The restart window: four lines, a bar that fills in thirty seconds, the seconds left, and the
// restart-now button. It offers no way to close it: it ends with the restart. When the system
// refuses the restart, the countdown stops, the advice to restart by hand replaces its lines and
// labels, and a close button (the default) lets the person close it.
class TfrmRestWindows : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmRestWindows(QWidget* parent = nullptr);
  ~TfrmRestWindows() override;

  // FormShow and the modal loop; returns only if something closes the window other than the
  // restart (which ends the program).
  // Every refusal goes to log with the system's own words.
  void ShowModal(const RestartWindowTexts& texts, RestartCountdown& countdown,
                 const std::function<void(const std::string&)>& log);

  Ui::TfrmRestWindows& ui() { return *ui_; }
  QTimer Timer1;

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Timer1Timer();
  void btRestartClick();
  void ShowCountdown();
  // After a request: a refusal is logged and told, and the window may be closed.
  void AfterRequest();
  // The countdown's labels, or the close button after a refusal; the default button with them.
  void ShowRefusal(bool refused);
  bool Closable() const;

  std::unique_ptr<Ui::TfrmRestWindows> ui_;
  RestartCountdown* countdown_ = nullptr;
  std::function<void(const std::string&)> log_;
  QString lines_;
};

}  // namespace skarvel
