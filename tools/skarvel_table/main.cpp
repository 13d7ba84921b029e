// skarvel-table: shows a table answer of the configuration service as tab-separated text, for
// support staff who need to see what the service sent.

#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>

#include "platform/windows1252.h"
#include "service/dataset_error.h"
#include "service/memory_dataset.h"

namespace {

constexpr char kHelp[] = R"(Usage: skarvel-table decode [FILE]

Decodes a table answer of the configuration service (FILE, or standard input)
and prints it as tab-separated UTF-8 text: a line of column names, then one line
per row. Tabs, line feeds and carriage returns inside a value are shown as \t,
\n and \r. A malformed answer prints the decoder's error and exits with 1.
)";

std::string Cell(const std::string& value) {
  std::string out;
  for (char c : skarvel::Utf8FromAnsi(value)) {
    if (c == '\t')
      out += "\\t";
    else if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else
      out += c;
  }
  return out;
}

void Print(skarvel::TMemoryDataSet& table, std::ostream& out) {
  const auto& columns = table.Columns();
  for (std::size_t i = 0; i < columns.size(); ++i) {
    out << (i ? "\t" : "") << Cell(columns[i].def.name);
  }
  out << "\n";
  for (table.First(); !table.Eof(); table.Next()) {
    for (std::size_t i = 0; i < columns.size(); ++i) {
      out << (i ? "\t" : "") << Cell(table.FieldByName(columns[i].def.name).AsString());
    }
    out << "\n";
  }
}

bool ReadAll(const char* path, std::string& answer) {
  std::ifstream file;
  if (path != nullptr) {
    file.open(path, std::ios::binary);
    if (!file) return false;
  }
  std::istream& in = path != nullptr ? file : std::cin;
  answer.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  return !in.bad();
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2 || argc > 3 || std::string(argv[1]) != "decode") {
    const bool help =
        argc == 2 && (std::string(argv[1]) == "--help" || std::string(argv[1]) == "-h");
    (help ? std::cout : std::cerr) << kHelp;
    return help ? 0 : 64;
  }
  const char* path = argc == 3 ? argv[2] : nullptr;
  std::string answer;
  if (!ReadAll(path, answer)) {
    std::cerr << "skarvel-table: cannot read " << (path ? path : "standard input") << "\n";
    return 1;
  }
  try {
    skarvel::TMemoryDataSet table;
    table.LoadFromSerial(answer);
    if (!table.Active()) {
      std::cerr << "skarvel-table: the column widths do not add up to the declared row width; "
                   "the answer loads no rows\n";
    }
    std::ostringstream text;
    Print(table, text);
    std::cout << text.str();
  } catch (const skarvel::DataSetError& error) {
    std::cerr << "skarvel-table: " << error.what() << "\n";
    return 1;
  }
  return 0;
}
