// Download throughput of DownloadFolder against the curl command line, both from the test FTP
// server on loopback, in one run: a 200 MB file, then a folder of 2,000 small files.

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <unistd.h>
#include <vector>

#include "platform/event_pump.h"
#include "service/downloads.h"
#include "tests/support/child_process.h"
#include "tests/support/ftp_server_process.h"
#include "tests/support/temp_folder.h"

namespace {

namespace fs = std::filesystem;
using Clock = std::chrono::steady_clock;

constexpr std::uintmax_t kBigFile = 200ull * 1024 * 1024;
constexpr int kSmallFiles = 2000;
constexpr int kSmallSize = 4096;

void MakeTree(const std::string& root) {
  fs::create_directories(root + "/big");
  fs::create_directories(root + "/small");
  {
    std::ofstream big(root + "/big/package.zip", std::ios::binary);
    std::vector<char> block(1 << 20);
    for (std::size_t i = 0; i < block.size(); ++i) block[i] = static_cast<char>(i * 131 % 251);
    for (std::uintmax_t written = 0; written < kBigFile; written += block.size()) {
      big.write(block.data(), static_cast<std::streamsize>(block.size()));
    }
  }
  const std::string small(kSmallSize, 's');
  for (int i = 0; i < kSmallFiles; ++i) {
    std::ofstream(root + "/small/file" + std::to_string(i) + ".txt", std::ios::binary) << small;
  }
}

// Every measurement starts with nothing left to write back: the 200 MB just written would
// otherwise slow whichever client runs next.
Clock::time_point Start() {
  ::sync();
  return Clock::now();
}

double Seconds(Clock::time_point start) {
  return std::chrono::duration<double>(Clock::now() - start).count();
}

struct CurlRun {
  double seconds = 0;
  int files = 0;  // files curl finished within its time limit
};

// curl fetching the same files over one connection, as its own command line allows. Debian's
// curl (libcurl 7.88) can wait a second before each passive data connection, so it gets a
// time limit and is measured on the files it finished.
CurlRun RunCurl(int port, const std::string& folder, const std::vector<std::string>& names,
                const std::string& into) {
  const std::string config = into + "/curl.config";
  {
    std::ofstream out(config);
    for (const std::string& name : names) {
      out << "url = \"ftp://127.0.0.1:" << port << "/" << folder << "/" << name << "\"\n"
          << "output = \"" << into << "/" << name << "\"\n";
    }
  }
  const auto start = Start();
  const auto result = skarvel::test::RunProgram(
      {"/usr/bin/timeout", "60", "/usr/bin/curl", "-s", "--user", "skarvel:730518", "-K", config});
  CurlRun run{Seconds(start), 0};
  if (result.exit_code != 0) std::fprintf(stderr, "curl ended with %d\n", result.exit_code);
  for (const std::string& name : names) {
    std::error_code error;
    if (fs::exists(into + "/" + name, error)) ++run.files;
  }
  if (run.files < static_cast<int>(names.size())) {
    std::printf("(curl finished %d of %zu files in its %.0f s)\n", run.files, names.size(),
                run.seconds);
  }
  return run;
}

void Report(const char* what, double bytes, double ours, double curl) {
  std::printf("%-28s DownloadFolder %8.1f MB/s   curl %8.1f MB/s   ratio %.2f\n", what,
              bytes / ours / 1e6, bytes / curl / 1e6, curl / ours);
}

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  skarvel::test::TempFolder remote;
  skarvel::test::TempFolder local;
  MakeTree(remote.path());
  // Each measurement gets a server of its own: after a session of the curl command line,
  // pyftpdlib was seen to leave the next client's data connections waiting.
  auto server = std::make_unique<skarvel::test::FtpServerProcess>(remote.path());
  const auto fresh_server = [&] {
    server.reset();
    server = std::make_unique<skarvel::test::FtpServerProcess>(remote.path());
    return server->port();
  };
  skarvel::NullEventPump pump;
  skarvel::DownloadContext context{pump, nullptr};

  std::vector<std::string> small_names;
  for (int i = 0; i < kSmallFiles; ++i) small_names.push_back("file" + std::to_string(i) + ".txt");

  for (const char* folder : {"ours", "curl"}) fs::create_directories(local.File(folder));
  auto start = Start();
  if (!skarvel::DownloadFolder(context, "big", local.File("ours") + "/", server->Account(),
                               nullptr)) {
    std::fprintf(stderr, "DownloadFolder big failed\n");
  }
  const double ours_big = Seconds(start);
  const CurlRun curl_big = RunCurl(fresh_server(), "big", {"package.zip"}, local.File("curl"));
  Report("one 200 MB file", static_cast<double>(kBigFile), ours_big,
         curl_big.files == 1 ? curl_big.seconds : 1e9);

  start = Start();
  if (!skarvel::DownloadFolder(context, "small", local.File("ours") + "/", server->Account(),
                               nullptr)) {
    std::fprintf(stderr, "DownloadFolder small failed\n");
  }
  const double ours_small = Seconds(start);
  const CurlRun curl_small = RunCurl(fresh_server(), "small", small_names, local.File("curl"));
  // curl's time scaled to the whole folder when it did not finish.
  const double curl_whole = curl_small.seconds * kSmallFiles / std::max(curl_small.files, 1);
  Report("2,000 files of 4 KiB", static_cast<double>(kSmallFiles) * kSmallSize, ours_small,
         curl_whole);
  std::printf("(2,000 files: DownloadFolder %.2f s, curl %.2f s for %d)\n", ours_small,
              curl_small.seconds, curl_small.files);
  return 0;
}
