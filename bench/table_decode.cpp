// Decoding throughput of the service's table answers: a message-table-like answer of many rows is
// written once, then loaded and read field by field repeatedly.

#include <chrono>
#include <cstdio>
#include <string>

#include "service/memory_dataset.h"

namespace {

constexpr int kRows = 50'000;
constexpr int kRounds = 10;

std::string BuildAnswer() {
  skarvel::TMemoryDataSet table;
  table.SetColumns({{"MSG_CODE", skarvel::FieldType::ftString, 0, 10},
                    {"MSG_NAME", skarvel::FieldType::ftString, 0, 255},
                    {"MSG_LNG_CODE", skarvel::FieldType::ftString, 0, 3},
                    {"MSG_ID", skarvel::FieldType::ftInteger, 0, 0}});
  for (int row = 0; row < kRows; ++row) {
    table.Append();
    table.FieldByName("MSG_CODE").SetAsString("POS_" + std::to_string(row % 47 + 1));
    table.FieldByName("MSG_NAME").SetAsString("Message text number " + std::to_string(row));
    table.FieldByName("MSG_LNG_CODE").SetAsString("ENG");
    table.FieldByName("MSG_ID").SetAsInteger(row);
  }
  return table.SaveToSerial();
}

}  // namespace

int main() {
  const std::string answer = BuildAnswer();
  std::size_t characters = 0;
  const auto start = std::chrono::steady_clock::now();
  for (int round = 0; round < kRounds; ++round) {
    skarvel::TMemoryDataSet table;
    table.LoadFromSerial(answer);
    for (table.First(); !table.Eof(); table.Next()) {
      characters += table.FieldByName("MSG_CODE").AsString().size();
      characters += table.FieldByName("MSG_NAME").AsString().size();
      characters += table.FieldByName("MSG_LNG_CODE").AsString().size();
      characters += static_cast<std::size_t>(table.FieldByName("MSG_ID").AsInteger() >= 0);
    }
  }
  const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - start;
  const double rows = static_cast<double>(kRows) * kRounds;
  std::printf("answer: %zu bytes compressed, %d rows of 277 bytes\n", answer.size(), kRows);
  std::printf("decode + read every field: %.0f rows/s (%.1f ms per answer, %zu characters read)\n",
              rows / elapsed.count(), 1000 * elapsed.count() / kRounds, characters);
  return 0;
}
