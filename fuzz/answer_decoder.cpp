// The table answer decoder against any bytes the service, or something posing as it, may send:
// it must refuse what it cannot decode, never crash, and a table it accepts must read back and
// write out again.

#include <cstddef>
#include <cstdint>
#include <string_view>

#include "service/dataset_error.h"
#include "service/memory_dataset.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view answer(reinterpret_cast<const char*>(data), size);
  skarvel::TMemoryDataSet dataset;
  try {
    dataset.LoadFromSerial(answer);
  } catch (const skarvel::DataSetError&) {
    return 0;
  }
  for (dataset.First(); !dataset.Eof(); dataset.Next()) {
    for (const auto& column : dataset.Columns()) dataset.FieldByName(column.def.name).AsString();
  }
  dataset.SaveToSerial();
  return 0;
}
