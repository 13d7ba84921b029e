#include "app/window_texts.h"

#include "platform/translation.h"

namespace skarvel {
namespace {

struct KindTexts {
  const char* title_code;
  const char* built_in_title;
  const char* text_code;
  const char* built_in_text;
  const char* button_code;  // nullptr: always "Close"
};

const KindTexts kKinds[] = {
    {"POS_23", SKARVEL_TEXT("Window", "Error"), "POS_19",
     SKARVEL_TEXT("Window", "There was a error found when installing Lumtrak:"), nullptr},
    {"POS_23", SKARVEL_TEXT("Window", "Error"), "POS_20",
     SKARVEL_TEXT("Window", "No valid customer code was entered. Check the code and try again."),
     "POS_47"},
    {"POS_23", SKARVEL_TEXT("Window", "Error"), "POS_21",
     SKARVEL_TEXT("Window", "Skarvel cannot connect to webservers(Zelvane)"), "POS_47"},
    {"POS_24", SKARVEL_TEXT("Window", "Info"), "POS_22",
     SKARVEL_TEXT("Window", "Installation Done!"), "POS_47"},
};

}  // namespace

ErrorWindowTexts SetKind(ErrorKind kind, const MessageTable& messages) {
  const KindTexts& texts = kKinds[static_cast<int>(kind)];
  const bool loaded = MessagesLoaded(messages);
  ErrorWindowTexts window;
  window.kind = kind;
  window.title =
      loaded ? LookupMessage(messages, texts.title_code) : Tr("Window", texts.built_in_title);
  window.text =
      loaded ? LookupMessage(messages, texts.text_code) : Tr("Window", texts.built_in_text);
  window.button = loaded && texts.button_code != nullptr
                      ? LookupMessage(messages, texts.button_code)
                      : Tr("Window", "Close");
  // The window's fixed line, in the person's language like the rest of the project's texts.
  if (kind != ErrorKind::InstallDone) {
    window.contact = Tr("Window", "Please Contact Helpdesk  Zelvane !!!");
  }
  return window;
}

RestartWindowTexts RestartWindowFor(const MessageTable& messages) {
  if (!MessagesLoaded(messages)) {
    return {{"De Lumtrak-installatie heeft enkele wijzigingen uitgevoerd op uw systeem.",
             "De computer wordt nu automatisch opgestart.", "",
             "Hierna wordt de Lumtrak-Installatie hervat."},
            "Windows zal opnieuw worden opgestart in",
            "Nu Opnieuw Opstarten",
            "Windows wordt opnieuw opgestart...",
            "Sluiten"};
  }
  return {{LookupMessage(messages, "POS_25"), LookupMessage(messages, "POS_26"),
           LookupMessage(messages, "POS_27"), LookupMessage(messages, "POS_28")},
          LookupMessage(messages, "POS_29"),
          LookupMessage(messages, "POS_30"),
          LookupMessage(messages, "POS_31"),
          LookupMessage(messages, "POS_47")};
}

std::string NotDoneHeading() { return Tr("Window", "Not everything could be done:"); }

std::vector<std::string> ErrorWindowLines(const ErrorWindowTexts& texts) {
  std::vector<std::string> lines{texts.title + ": " + texts.text};
  if (!texts.step.empty()) lines.push_back("  " + texts.step);
  if (!texts.cause.empty()) lines.push_back("  " + texts.cause);
  if (!texts.details.empty()) {
    lines.push_back("  " + Fill(Tr("Window", "(details: %1)"), {texts.details}));
  }
  if (texts.warnings.empty()) return lines;
  lines.push_back(NotDoneHeading());
  for (const std::string& warning : texts.warnings) {
    lines.push_back("  " + warning);
  }
  return lines;
}

std::string StopsAfterThisStep() {
  return Tr("Window",
            "The installation stops when the current step has ended. Skarvel then closes.");
}

std::string AskingTheService(const std::string& url) {
  return Fill(Tr("Window", "Asking the configuration service at %1 ..."), {url});
}

std::string WizardOpenElsewhere(const std::string& where, const std::string& holder) {
  return Fill(Tr("Window",
                 "The installation wizard is open already on %1. Go on with the installation "
                 "there, or close it there first."),
              {holder.empty() ? where : where + " (" + holder + ")"});
}

std::string RunsWithoutAWindow(const std::string& program) {
  if (program.empty()) return "";
  if (program == "skarvel") {
    return " " + Tr("Window", "Its window could not be brought to the front from here.");
  }
  return " " + Fill(Tr("Window",
                       "It runs in %1, which has no window: let it end, or end it where it was "
                       "started."),
                    {program});
}

std::string PrinterNotAdded(const std::string& printer, const std::string& cause) {
  return cause.empty() ? Fill(Tr("Window",
                                 "the receipt printer %1 was not added; add it in the computer's "
                                 "printer settings before the till prints receipts"),
                              {printer})
                       : Fill(Tr("Window",
                                 "the receipt printer %1 was not added (%2); add it in the "
                                 "computer's printer settings before the till prints receipts"),
                              {printer, cause});
}

ChoiceQuestion QuestionFor(const char* code, const MessageTable& messages) {
  return {LookupMessage(messages, code),
          {LookupMessage(messages, "POS_39"), LookupMessage(messages, "POS_40")}};
}

}  // namespace skarvel
