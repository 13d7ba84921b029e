#include "app/wizard/choice_dialog.h"

#include <QDialog>
#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

#include "platform/qt_text.h"

namespace skarvel {
namespace {

struct ButtonKind {
  DialogButton bit;
  QDialogButtonBox::StandardButton standard;
  const char* name;
  int result;
};

const ButtonKind kButtons[] = {
    {mbYes, QDialogButtonBox::Yes, "Yes", 6},
    {mbNo, QDialogButtonBox::No, "No", 7},
    {mbOK, QDialogButtonBox::Ok, "OK", 1},
    {mbCancel, QDialogButtonBox::Cancel, "Cancel", 2},
    {mbAbort, QDialogButtonBox::Abort, "Abort", 3},
    {mbRetry, QDialogButtonBox::Retry, "Retry", 4},
    {mbIgnore, QDialogButtonBox::Ignore, "Ignore", 5},
    {mbAll, QDialogButtonBox::YesToAll, "All", 8},
    {mbNoToAll, QDialogButtonBox::NoToAll, "NoToAll", 9},
    {mbYesToAll, QDialogButtonBox::SaveAll, "YesToAll", 10},
    {mbHelp, QDialogButtonBox::Help, "Help", 12},
};

QStyle::StandardPixmap IconOf(DialogType type) {
  switch (type) {
    case DialogType::Warning:
      return QStyle::SP_MessageBoxWarning;
    case DialogType::Error:
      return QStyle::SP_MessageBoxCritical;
    case DialogType::Information:
      return QStyle::SP_MessageBoxInformation;
    case DialogType::Confirmation:
    case DialogType::Custom:
      break;
  }
  return QStyle::SP_MessageBoxQuestion;
}

// The standard caption of a button kind, in the user's language, as Qt's own dialogs say it.
QString StandardCaption(QDialogButtonBox::StandardButton standard) {
  QDialogButtonBox box;
  return box.addButton(standard)->text();
}

}  // namespace

int ShowChoiceDialog(QWidget* parent, const std::string& text, DialogType type, unsigned buttons,
                     const std::vector<std::string>& captions, const std::string& caption,
                     const std::string& focus_name) {
  QDialog dialog(parent);
  dialog.setWindowTitle(FromAnsi(caption));
  dialog.setWindowFlag(Qt::WindowStaysOnTopHint);
  dialog.setWindowFlag(Qt::WindowContextHelpButtonHint, false);
  auto* icon = new QLabel;
  const int extent = dialog.style()->pixelMetric(QStyle::PM_MessageBoxIconSize);
  icon->setPixmap(dialog.style()->standardIcon(IconOf(type)).pixmap(extent, extent));
  if (type == DialogType::Custom) icon->hide();
  auto* message = new QLabel(FromAnsi(text));
  message->setWordWrap(true);
  message->setObjectName(QStringLiteral("text"));
  auto* upper = new QHBoxLayout;
  upper->addWidget(icon, 0, Qt::AlignTop);
  upper->addWidget(message, 1);
  // The buttons in the design's order, whatever order the desktop's own dialogs use: Yes
  // before No on every desktop.
  auto* row = new QHBoxLayout;
  row->addStretch(1);
  int result = kNoResult;
  std::size_t next_caption = 0;
  for (const ButtonKind& kind : kButtons) {
    if ((buttons & kind.bit) == 0) continue;
    auto* button =
        new QPushButton(next_caption < captions.size() ? FromAnsi(captions[next_caption++])
                                                       : StandardCaption(kind.standard));
    button->setObjectName(QString::fromLatin1(kind.name));
    // Enter activates the focused button, and the one focused first is the default, shown as
    // such: Enter alone gives its answer.
    button->setAutoDefault(true);
    if (focus_name == kind.name) {
      button->setDefault(true);
      button->setFocus();
    }
    QObject::connect(button, &QPushButton::clicked, &dialog, [&dialog, &result, kind] {
      result = kind.result;
      dialog.accept();
    });
    row->addWidget(button);
  }
  auto* layout = new QVBoxLayout(&dialog);
  layout->addLayout(upper);
  layout->addLayout(row);
  dialog.setFixedSize(dialog.sizeHint());
  dialog.exec();
  if (result != kNoResult) return result;
  return (buttons & mbCancel) != 0 ? 2 : kNoResult;
}

}  // namespace skarvel
