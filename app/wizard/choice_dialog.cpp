#include "app/wizard/choice_dialog.h"

#include <QAbstractButton>
#include <QMessageBox>
#include <QPushButton>

#include "platform/qt_text.h"

namespace skarvel {
namespace {

struct ButtonKind {
  DialogButton bit;
  QMessageBox::StandardButton standard;
  const char* name;
  int result;
};

const ButtonKind kButtons[] = {
    {mbYes, QMessageBox::Yes, "Yes", 6},
    {mbNo, QMessageBox::No, "No", 7},
    {mbOK, QMessageBox::Ok, "OK", 1},
    {mbCancel, QMessageBox::Cancel, "Cancel", 2},
    {mbAbort, QMessageBox::Abort, "Abort", 3},
    {mbRetry, QMessageBox::Retry, "Retry", 4},
    {mbIgnore, QMessageBox::Ignore, "Ignore", 5},
    {mbAll, QMessageBox::YesToAll, "All", 8},
    {mbNoToAll, QMessageBox::NoToAll, "NoToAll", 9},
    {mbYesToAll, QMessageBox::SaveAll, "YesToAll", 10},
    {mbHelp, QMessageBox::Help, "Help", 12},
};

QMessageBox::Icon IconOf(DialogType type) {
  switch (type) {
    case DialogType::Warning:
      return QMessageBox::Warning;
    case DialogType::Error:
      return QMessageBox::Critical;
    case DialogType::Information:
      return QMessageBox::Information;
    case DialogType::Confirmation:
      return QMessageBox::Question;
    case DialogType::Custom:
      break;
  }
  return QMessageBox::NoIcon;
}

}  // namespace

int ShowChoiceDialog(QWidget* parent, const std::string& text, DialogType type, unsigned buttons,
                     const std::vector<std::string>& captions, const std::string& caption,
                     const std::string& focus_name) {
  QMessageBox dialog(IconOf(type), FromAnsi(caption), FromAnsi(text), QMessageBox::NoButton,
                     parent);
  dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
  std::size_t next_caption = 0;
  for (const ButtonKind& kind : kButtons) {
    if ((buttons & kind.bit) == 0) continue;
    QPushButton* button = dialog.addButton(kind.standard);
    button->setObjectName(QString::fromLatin1(kind.name));
    button->setProperty("skarvelResult", kind.result);
    if (next_caption < captions.size()) button->setText(FromAnsi(captions[next_caption++]));
    if (focus_name == kind.name) dialog.setDefaultButton(button);
  }
  dialog.exec();
  if (dialog.clickedButton() != nullptr)
    return dialog.clickedButton()->property("skarvelResult").toInt();
  return (buttons & mbCancel) != 0 ? 2 : kNoResult;
}

}  // namespace skarvel
