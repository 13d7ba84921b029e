#include "app/wizard/frm_errwindow.h"

#include "app/wizard/centre.h"
#include "app/wizard/ui_frm_errwindow.h"
#include "platform/qt_text.h"

namespace skarvel {

TfrmErrwindow::TfrmErrwindow(QWidget* parent) : QDialog(parent), ui_(new Ui::TfrmErrwindow) {
  ui_->setupUi(this);
  // The title bar carries only the system menu (the close box on this desktop).
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                 Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
  connect(ui_->btClose, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmErrwindow::~TfrmErrwindow() = default;

int TfrmErrwindow::ShowModal(const ErrorWindowTexts& texts) {
  setWindowTitle(FromAnsi(texts.title));
  std::string text = texts.text;
  // The step that failed and why, on lines of their own after the design's text.
  for (const std::string* line : {&texts.step, &texts.cause}) {
    if (!line->empty()) text += "\n" + *line;
  }
  if (!texts.warnings.empty()) text += "\n\n" + NotDoneHeading();
  for (const std::string& warning : texts.warnings) text += "\n- " + warning;
  ui_->memInfo->setPlainText(FromAnsi(text));
  ui_->lblDetails->setText(FromAnsi(texts.details));
  ui_->lblDetails->setVisible(!texts.details.empty());
  ui_->btClose->setText(FromAnsi(texts.button));
  ui_->lblContactZv->setText(FromAnsi(texts.contact));
  ui_->lblContactZv->setVisible(!texts.contact.empty());
  adjustSize();
  setFixedSize(sizeHint().expandedTo(QSize(fontMetrics().averageCharWidth() * 70, 0)));
  CentreOnDesktop(*this);
  exec();
  return kModalResultCancel;
}

}  // namespace skarvel
