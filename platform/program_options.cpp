#include "platform/program_options.h"

#include <QCommandLineParser>

#include "platform/translation.h"
#include "platform/windows1252.h"

namespace skarvel {
namespace {

QString Wide(const std::string& utf8) { return QString::fromUtf8(utf8.data(), std::ssize(utf8)); }

std::string Narrow(const QString& text) { return text.toUtf8().toStdString(); }

// The option a word names ("--json=1" and "-j" name "json" and "j"; "-xv" names "x" and "v"
// together); empty for an argument.
std::string NameIn(const std::string& word) {
  if (word.size() < 2 || word[0] != '-') return "";
  const std::string bare = word.substr(word[1] == '-' ? 2 : 1);
  return bare.substr(0, bare.find('='));
}

// The word of the command line that gave the unknown option name, as the person wrote it
// ("--code=5412345000013" for "code"); before "--" only.
std::string WordOf(const QString& unknown, const std::vector<std::string>& arguments) {
  const std::string name = Narrow(unknown);
  for (const std::string& argument : arguments) {
    if (argument == "--") break;
    const std::string named = NameIn(argument);
    if (named.empty()) continue;
    // "-xv" gives the short names one by one.
    const bool long_form = argument[1] == '-';
    if (long_form ? named == name : named.find(name) != std::string::npos) return argument;
  }
  return "-" + name;
}

const ProgramOption* Find(const std::vector<ProgramOption>& options, const std::string& name) {
  for (const ProgramOption& option : options) {
    for (const std::string& candidate : option.names) {
      if (candidate == name) return &option;
    }
  }
  return nullptr;
}

// What is wrong in the person's language: an unknown option named as it was written, a value
// given to an option that takes none, an option whose value is missing. Only a case the
// parser knows and these do not keeps its own (English) sentence.
std::string ErrorOf(const QCommandLineParser& parser, const std::vector<std::string>& arguments,
                    const std::vector<ProgramOption>& options) {
  const auto said = [](const std::string& pattern, const std::string& word) {
    return Utf8FromAnsi(Fill(pattern, {AnsiFromUtf8(word)}));
  };
  const QStringList unknown = parser.unknownOptionNames();
  if (!unknown.isEmpty()) {
    return said(Tr("Program", "unknown option %1"), WordOf(unknown.front(), arguments));
  }
  for (std::size_t i = 0; i < arguments.size() && arguments[i] != "--"; ++i) {
    const ProgramOption* option = Find(options, NameIn(arguments[i]));
    if (option == nullptr) continue;
    const bool valued = arguments[i].find('=') != std::string::npos;
    if (valued && !option->takes_value) {
      return said(Tr("Program", "the option %1 takes no value"), arguments[i]);
    }
    if (!valued && option->takes_value && i + 1 == arguments.size()) {
      return said(Tr("Program", "the option %1 needs a value"), arguments[i]);
    }
  }
  return Narrow(parser.errorText());
}

}  // namespace

ProgramCommandLine ReadCommandLine(const std::vector<std::string>& arguments,
                                   const std::vector<ProgramOption>& options) {
  QCommandLineParser parser;
  for (const ProgramOption& option : options) {
    QStringList names;
    for (const std::string& name : option.names) names << Wide(name);
    QCommandLineOption parsed(names);
    if (option.takes_value) parsed.setValueName(QStringLiteral("value"));
    parser.addOption(parsed);
  }
  // The parser takes the program's name first.
  QStringList words{QStringLiteral("program")};
  for (const std::string& argument : arguments) words << Wide(argument);
  ProgramCommandLine read;
  if (!parser.parse(words)) read.error = ErrorOf(parser, arguments, options);
  for (const ProgramOption& option : options) {
    const QString name = Wide(option.names.front());
    if (!parser.isSet(name)) continue;
    read.given[option.names.front()] = option.takes_value ? Narrow(parser.value(name)) : "";
  }
  for (const QString& word : parser.positionalArguments()) read.arguments.push_back(Narrow(word));
  return read;
}

}  // namespace skarvel
