// Listing entries as the transfer library hands them over (names with "/", "\", "..", control
// bytes, any size), straight into our listing and download decisions, thousands of inputs a
// second: no name may become a path outside the work folder, and no size may break the progress.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "service/download_choice.h"
#include "service/simple_ftp.h"

namespace {

using skarvel::wininet::FindData;

// Reads the input as entries: a flags byte (bit 0: a folder), eight bytes of size, a length
// byte and that many bytes of name. What is left over drives the progress notifications.
class Input {
 public:
  Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

  bool NextEntry(FindData& entry) {
    if (left() < 10) return false;
    entry.directory = (data_[at_++] & 1) != 0;
    std::uint64_t file_size = 0;
    for (int byte = 0; byte < 8; ++byte) file_size |= std::uint64_t{data_[at_++]} << (8 * byte);
    entry.nFileSize = file_size;
    const std::size_t length = std::min<std::size_t>(data_[at_++], left());
    entry.cFileName.assign(reinterpret_cast<const char*>(data_ + at_), length);
    at_ += length;
    return true;
  }
  bool NextCount(unsigned long& count) {
    if (left() < 4) return false;
    count = 0;
    for (int byte = 0; byte < 4; ++byte) count |= static_cast<unsigned long>(data_[at_++]) << (8 * byte);
    return true;
  }

 private:
  std::size_t left() const { return size_ - at_; }
  const std::uint8_t* data_;
  std::size_t size_;
  std::size_t at_ = 0;
};

void Check(bool condition) {
  if (!condition) std::abort();
}

// A name the download keeps must name a file right inside the work folder.
void CheckLocalTarget(const std::string& name) {
  namespace fs = std::filesystem;
  const fs::path work = "/work/skarvel";
  const fs::path target = (work / name).lexically_normal();
  Check(target.parent_path() == work);
  Check(target.filename() == fs::path(name));
}

void CheckProgress(const FindData& entry, Input& input) {
  skarvel::TFTPProgressInfo progress;
  progress.file_size = static_cast<std::int32_t>(entry.nFileSize & 0xFFFFFFFF);
  unsigned long count = 0;
  for (int notice = 0; notice < 8 && input.NextCount(count); ++notice) {
    skarvel::AddTransferredBytes(progress, count);
    const int percent = skarvel::MinorProgressPercent(progress);
    Check(percent >= 0 && percent <= 100);
    Check(progress.file_size <= 0 || progress.bytes_done <= progress.file_size);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  Input input(data, size);
  std::vector<FindData> entries;
  for (FindData entry; entries.size() < 64 && input.NextEntry(entry);) entries.push_back(entry);
  if (entries.empty()) return 0;
  skarvel::wininet::FindHandle rest(entries);
  const skarvel::TSimpleFTP::Listing listing =
      skarvel::CollectListing(entries.front(), rest, "/home/skarvel/zip/", false);
  Check(listing.size() == entries.size());
  for (const auto& [name, entry] : listing) {
    const skarvel::EntryChoice choice = skarvel::ChooseEntry(name);
    if (choice == skarvel::EntryChoice::kFetch) {
      CheckLocalTarget(name);
      CheckProgress(entry, input);
    }
  }
  return 0;
}
