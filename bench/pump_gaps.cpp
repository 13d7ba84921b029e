// How long the window goes without its messages handled during the installation's long waits:
// a large download, a download server that falls silent after a file's data, a service that
// stops answering, and the archive tool unpacking a large package. Each wait pumps through a
// pump that notes the time between its calls; the longest gap and the 99th percentile are
// printed. The window's promise is a tenth of a second.

#include <algorithm>
#include <chrono>
#include <csignal>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <random>
#include <string>
#include <vector>

#include "platform/child_programs.h"
#include "platform/event_pump.h"
#include "platform/notifier.h"
#include "platform/process_table.h"
#include "service/downloads.h"
#include "service/service_operations.h"
#include "tests/support/child_process.h"
#include "tests/support/ftp_server_process.h"
#include "tests/support/reference_service_process.h"
#include "tests/support/temp_folder.h"
#include "workstation/process_control.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::uintmax_t kLargeFile = 300ull * 1024 * 1024;
constexpr std::uintmax_t kSlowFile = 10ull * 1024 * 1024;

class GapPump final : public skarvel::EventPump {
 public:
  void ProcessMessages() override {
    const Clock::time_point now = Clock::now();
    if (last_) gaps_.push_back(std::chrono::duration<double, std::milli>(now - *last_).count());
    last_ = now;
  }
  bool Terminating() const override { return false; }

  void Report(const char* what, double seconds) {
    std::sort(gaps_.begin(), gaps_.end());
    if (gaps_.empty()) {
      std::printf("  %-44s no pump at all in %.1f s\n", what, seconds);
      return;
    }
    const double p99 = gaps_[gaps_.size() * 99 / 100];
    std::printf("  %-44s %6.1f s  %7zu pumps  longest gap %6.1f ms  99%% below %6.1f ms\n", what,
                seconds, gaps_.size() + 1, gaps_.back(), p99);
  }

 private:
  std::optional<Clock::time_point> last_;
  std::vector<double> gaps_;
};

class QuietNotifier final : public skarvel::Notifier {
 public:
  void ShowMessage(const std::string&) override {}
};

double Since(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

void WriteRandomFile(const std::string& path, std::uintmax_t bytes) {
  fs::create_directories(fs::path(path).parent_path());
  std::ofstream out(path, std::ios::binary);
  std::mt19937_64 random(11);
  std::vector<std::uint64_t> block(1 << 16);
  for (std::uintmax_t written = 0; written < bytes; written += block.size() * 8) {
    for (auto& word : block) word = random();
    out.write(reinterpret_cast<const char*>(block.data()),
              static_cast<std::streamsize>(block.size() * 8));
  }
}

void Download(const char* what, const std::string& remote, const std::string& local,
              const char* folder, std::uintmax_t size, int send_rate) {
  skarvel::test::FtpServerOptions options;
  options.send_rate = send_rate;
  skarvel::test::FtpServerProcess server(remote, options);
  GapPump pump;
  skarvel::DownloadContext context{pump, nullptr};
  const Clock::time_point start = Clock::now();
  if (!skarvel::DownloadFolder(context, folder, local + "/", server.Account(true), nullptr) ||
      fs::file_size(local + "/package.bin") != size) {
    std::fprintf(stderr, "the download of %s failed\n", folder);
  }
  pump.Report(what, Since(start));
}

void SilentAfterData(const std::string& remote, const std::string& local) {
  skarvel::test::FtpServerOptions options;
  options.silent_after_data = true;
  skarvel::test::FtpServerProcess server(remote, options);
  GapPump pump;
  skarvel::DownloadContext context{pump, nullptr};
  context.silence_limit = std::chrono::seconds(5);
  const Clock::time_point start = Clock::now();
  if (skarvel::FetchFile(context, "small", local + "/", server.Account(true), "note.txt",
                         nullptr)) {
    std::fprintf(stderr, "the silent server's download did not fail\n");
  }
  pump.Report("server silent after the data (5 s limit)", Since(start));
}

void FrozenService() {
  skarvel::test::ReferenceServiceProcess service;
  service.Freeze();
  GapPump pump;
  QuietNotifier notifier;
  skarvel::ServiceContext context(service.base_url(), pump, notifier);
  context.limits.stall = std::chrono::seconds(5);
  const Clock::time_point start = Clock::now();
  skarvel::CheckStatus(context, context.ServiceBaseUrl);
  pump.Report("service that stops answering (5 s limit)", Since(start));
  service.Thaw();
}

void Unpacking(const std::string& remote, const std::string& local) {
  const std::string archive_folder = remote + "/archive/";
  skarvel::test::RunProgram({"/usr/bin/7za", "a", "-tzip", "-mx1",
                             "-p" + std::string(skarvel::kArchivePassword),
                             archive_folder + "package.zip", remote + "/big"});
  skarvel::LinuxChildPrograms programs;
  skarvel::ProcFsProcessTable processes;
  GapPump pump;
  skarvel::ProcessControl control(programs, processes, pump, [](const std::string&) {});
  const Clock::time_point start = Clock::now();
  if (!control.UnzipPackage("package.zip", archive_folder, local + "/unpacked/")) {
    std::fprintf(stderr, "the unpacking failed: %s\n", control.LastFailure().c_str());
  }
  pump.Report("unpacking 300 MB with 7za", Since(start));
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  skarvel::test::TempFolder remote, local;
  WriteRandomFile(remote.File("big/package.bin"), kLargeFile);
  WriteRandomFile(remote.File("slow/package.bin"), kSlowFile);
  fs::create_directories(remote.File("small"));
  std::ofstream(remote.File("small/note.txt")) << "a note\n";
  for (const char* folder : {"download", "slow", "silent", "unpacked"}) {
    fs::create_directories(local.File(folder));
  }
  Download("download of 300 MB (PASV)", remote.path(), local.File("download"), "big", kLargeFile,
           0);
  Download("download of 10 MB at 2 MB/s (PASV)", remote.path(), local.File("slow"), "slow",
           kSlowFile, 2'000'000);
  SilentAfterData(remote.path(), local.File("silent"));
  FrozenService();
  Unpacking(remote.path(), local.path());
  return 0;
}
