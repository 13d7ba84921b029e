#pragma once

#include <string>
#include <vector>

class QWidget;

namespace skarvel {

enum class DialogType { Warning = 0, Error = 1, Information = 2, Confirmation = 3, Custom = 4 };

// The buttons, laid out in this order.
enum DialogButton : unsigned {
  mbYes = 1u << 0,
  mbNo = 1u << 1,
  mbOK = 1u << 2,
  mbCancel = 1u << 3,
  mbAbort = 1u << 4,
  mbRetry = 1u << 5,
  mbIgnore = 1u << 6,
  mbAll = 1u << 7,
  mbNoToAll = 1u << 8,
  mbYesToAll = 1u << 9,
  mbHelp = 1u << 10,
};

// Results: the closing button's code (OK 1, Cancel 2, Abort 3, Retry 4, Ignore 5, Yes 6, No 7,
// All 8, No to all 9, Yes to all 10, Help 12); closing from the window frame gives Cancel when the
// dialog has that button and 0 otherwise.
inline constexpr int kNoResult = 0;

// A message dialog whose window caption and button captions are given: the captions go to the
// push buttons in the order above, which is their order on the screen on every desktop (Yes
// before No, whatever the desktop's own dialogs do); fewer captions leave the remaining buttons
// with Qt's own, extra captions are ignored. The button whose name ("Yes",
// "No", "OK", …) equals focus_name has the focus first. The dialog stays on top. Blocks until it
// is closed; text and captions are Windows-1252.
int ShowChoiceDialog(QWidget* parent, const std::string& text, DialogType type, unsigned buttons,
                     const std::vector<std::string>& captions, const std::string& caption,
                     const std::string& focus_name);

}  // namespace skarvel
