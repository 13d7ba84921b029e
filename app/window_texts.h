#pragma once

#include <array>
#include <string>
#include <vector>

#include "service/message_table.h"

namespace skarvel {

// The four kinds of the error and information window.
enum class ErrorKind { InstallError = 0, CodeRejected = 1, NoService = 2, InstallDone = 3 };

inline constexpr int kModalResultCancel = 2;
inline constexpr int kResultYes = 6;
inline constexpr int kResultNo = 7;

struct ErrorWindowTexts {
  ErrorKind kind = ErrorKind::InstallError;
  std::string title;
  std::string text;
  std::string button;
  std::string contact;  // the line that sends the person to the helpdesk; empty: none
  // What a finished installation could not do, each a sentence; shown after the text.
  std::vector<std::string> warnings;
  // For a failure: the step that failed (its caption), why in a sentence for the person, and
  // the technical detail (status numbers, reply and exit codes) for a details line; each shown
  // after the text when not empty.
  std::string step;
  std::string cause;
  std::string details;
};

// The line before a finished installation's warnings.
std::string NotDoneHeading();

// The window's words as lines of text, as the terminal prints them and the run log keeps them:
// title and text, then the step, the cause, the details and, after the heading, the warnings.
std::vector<std::string> ErrorWindowLines(const ErrorWindowTexts& texts);

// The warning for a receipt printer the run could not add; cause may be empty.
std::string PrinterNotAdded(const std::string& printer, const std::string& cause);

// The wizard's own sentences for the person, where no message of the table says it.

// The status line while the first activation waits for the service at url.
std::string AskingTheService(const std::string& url);
// A second start of the wizard while the wizard runs where this one cannot bring it to the
// front: where (ThisDisplay's words of the running one), and the lock's holder ("process 4242").
std::string WizardOpenElsewhere(const std::string& where, const std::string& holder);
// Added to the second start's message when no wizard answered: what the lock's holder is
// (program: the name it runs under, empty when unknown).
std::string RunsWithoutAWindow(const std::string& program);
// Said once the person has confirmed the stop of a running installation.
std::string StopsAfterThisStep();

// What the error window shows for a kind: the message table's texts once it is loaded, the
// built-in ones before.
ErrorWindowTexts SetKind(ErrorKind kind, const MessageTable& messages);

struct RestartWindowTexts {
  std::array<std::string, 4> lines;
  std::string restart_in;   // lblrestartin
  std::string restart_now;  // btRestart
  std::string title;
  std::string close;  // btClose, offered once a restart was refused
};

RestartWindowTexts RestartWindowFor(const MessageTable& messages);

// The yes/no question of the cancel and undo actions.
struct ChoiceQuestion {
  std::string text;
  std::array<std::string, 2> captions;  // Yes, No
  std::string caption = "SKARVEL";
  // Each question stops or undoes something: the safe answer has the focus first, so that an
  // Enter pressed without reading (or sent by a scanner) changes nothing.
  std::string focus = "No";
};

ChoiceQuestion QuestionFor(const char* code, const MessageTable& messages);

}  // namespace skarvel
