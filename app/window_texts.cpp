#include "app/window_texts.h"

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
    {"POS_23", "Error", "POS_19", "There was a error found when installing Lumtrak:", nullptr},
    {"POS_23", "Error", "POS_20",
     "No valid customer code was entered. Check the code and try again.", "POS_47"},
    {"POS_23", "Error", "POS_21", "Skarvel cannot connect to webservers(Zelvane)", "POS_47"},
    {"POS_24", "Info", "POS_22", "Installation Done!", "POS_47"},
};

}  // namespace

ErrorWindowTexts SetKind(ErrorKind kind, const MessageTable& messages) {
  const KindTexts& texts = kKinds[static_cast<int>(kind)];
  const bool loaded = MessagesLoaded(messages);
  ErrorWindowTexts window;
  window.kind = kind;
  window.title = loaded ? LookupMessage(messages, texts.title_code) : texts.built_in_title;
  window.text = loaded ? LookupMessage(messages, texts.text_code) : texts.built_in_text;
  window.button =
      loaded && texts.button_code != nullptr ? LookupMessage(messages, texts.button_code) : "Close";
  window.contact_visible = kind != ErrorKind::InstallDone;
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

std::string AskingTheService(const std::string& url) {
  return "Asking the configuration service at " + url + " ...";
}

std::string WizardOpenElsewhere(const std::string& where, const std::string& holder) {
  return "The installation wizard is open already on " + where +
         (holder.empty() ? std::string() : " (" + holder + ")") +
         ". Go on with the installation there, or close it there first.";
}

std::string RunsWithoutAWindow(const std::string& program) {
  if (program.empty()) return "";
  if (program == "skarvel") return " Its window could not be brought to the front from here.";
  return " It runs in " + program +
         ", which has no window: let it end, or end it where it was started.";
}

std::string PrinterNotAdded(const std::string& printer, const std::string& cause) {
  return "the receipt printer " + printer + " was not added" +
         (cause.empty() ? std::string() : " (" + cause + ")") +
         "; add it in the computer's printer settings before the till prints receipts";
}

ChoiceQuestion QuestionFor(const char* code, const MessageTable& messages) {
  return {LookupMessage(messages, code),
          {LookupMessage(messages, "POS_39"), LookupMessage(messages, "POS_40")}};
}

}  // namespace skarvel
