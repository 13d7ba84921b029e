#pragma once

#include <map>
#include <string>
#include <vector>

namespace skarvel {

// The command line of a program as QCommandLineParser reads it: "--name" or "-n" for an option
// (short ones may be written together, "-hv"), "--name=value" or "--name value" for one that
// takes a value, and "--", after which every word is an argument. Options may stand before or
// after the arguments.
struct ProgramOption {
  std::vector<std::string> names;  // "h", "help"
  bool takes_value = false;
};

struct ProgramCommandLine {
  // Each option given, by its first name, with its value ("" for one that takes none).
  std::map<std::string, std::string> given;
  std::vector<std::string> arguments;  // the words that are no options, UTF-8 as given
  // What is wrong, in a sentence (UTF-8): "unknown option --code=5412345000013" names the word
  // as written; empty when nothing is.
  std::string error;
};

// Reads the arguments after the program's name (UTF-8). An unknown option, a value given to an
// option that takes none and an option without its value are errors; what could be read is
// read all the same.
ProgramCommandLine ReadCommandLine(const std::vector<std::string>& arguments,
                                   const std::vector<ProgramOption>& options);

}  // namespace skarvel
