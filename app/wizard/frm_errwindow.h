#pragma once

#include <memory>

#include <QDialog>

#include "app/window_texts.h"

namespace Ui {
class TfrmErrwindow;
}

namespace skarvel {

// The error and information window. Its texts come from the flow (SetKind).
class TfrmErrwindow : public QDialog {
  Q_OBJECT

 public:
  explicit TfrmErrwindow(QWidget* parent = nullptr);
  ~TfrmErrwindow() override;

  // Shows the texts modally, centred on the desktop; the cancel result (2), whether the window is
  // closed with its button or its frame.
  int ShowModal(const ErrorWindowTexts& texts);

  Ui::TfrmErrwindow& ui() { return *ui_; }

 private:
  std::unique_ptr<Ui::TfrmErrwindow> ui_;
};

}  // namespace skarvel
