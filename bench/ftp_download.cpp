// Download throughput of DownloadFolder against the curl command line, both from the test FTP
// server on loopback, in one run: a 200 MB file, then a folder of 2,000 small files, in passive
// and in active mode, each client against a server of its own.

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

// curl fetching the same files over one connection, as its own command line allows, in the
// same mode as ours. Debian's curl (libcurl 7.88) waits up to a second before many passive data
// connections, so it gets a time limit and is measured on the files it finished.
CurlRun RunCurl(int port, bool passive, const std::string& folder,
                const std::vector<std::string>& names, const std::string& into) {
  const std::string config = into + "/curl.config";
  {
    std::ofstream out(config);
    for (const std::string& name : names) {
      out << "url = \"ftp://127.0.0.1:" << port << "/" << folder << "/" << name << "\"\n"
          << "output = \"" << into << "/" << name << "\"\n";
    }
  }
  std::vector<std::string> command{"/usr/bin/timeout", "60", "/usr/bin/curl", "-s", "--user",
                                   "skarvel:730518"};
  if (!passive) command.insert(command.end(), {"-P", "-"});
  command.insert(command.end(), {"-K", config});
  const auto start = Start();
  const auto result = skarvel::test::RunProgram(command);
  CurlRun run{Seconds(start), 0};
  if (result.exit_code != 0) std::fprintf(stderr, "curl ended with %d\n", result.exit_code);
  for (const std::string& name : names) {
    std::error_code error;
    if (fs::exists(into + "/" + name, error)) ++run.files;
  }
  if (run.files < static_cast<int>(names.size())) {
    std::printf("  (curl finished %d of %zu files in its %.0f s; its time is scaled up)\n",
                run.files, names.size(), run.seconds);
  }
  // curl's time scaled to the whole set when it did not finish.
  run.seconds = run.seconds * static_cast<double>(names.size()) / std::max(run.files, 1);
  return run;
}

void Report(const char* what, double bytes, double ours, double curl) {
  std::printf(
      "  %-22s DownloadFolder %8.1f MB/s (%6.2f s)   curl %8.1f MB/s (%6.2f s)   "
      "ratio %.2f\n",
      what, bytes / ours / 1e6, ours, bytes / curl / 1e6, curl, curl / ours);
}

// One download set in one mode: ours from a fresh server, then curl from another fresh one.
class Measurement {
 public:
  explicit Measurement(const std::string& remote) : remote_(remote) {}

  void Run(bool passive, const char* what, const char* folder,
           const std::vector<std::string>& names, std::uintmax_t bytes) {
    const std::string ours = local_.File("ours"), curl = local_.File("curl");
    for (const std::string& into : {ours, curl}) {
      fs::remove_all(into);
      fs::create_directories(into);
    }
    double ours_seconds = 0;
    {
      skarvel::test::FtpServerProcess server(remote_);
      skarvel::NullEventPump pump;
      skarvel::DownloadContext context{pump, nullptr};
      const auto start = Start();
      if (!skarvel::DownloadFolder(context, folder, ours + "/", server.Account(passive), nullptr)) {
        std::fprintf(stderr, "DownloadFolder %s failed\n", folder);
      }
      ours_seconds = Seconds(start);
    }
    skarvel::test::FtpServerProcess server(remote_);
    const CurlRun run = RunCurl(server.port(), passive, folder, names, curl);
    Report(what, static_cast<double>(bytes), ours_seconds, run.seconds);
  }

 private:
  std::string remote_;
  skarvel::test::TempFolder local_;
};

}  // namespace

int main() {
  std::setvbuf(stdout, nullptr, _IOLBF, 0);
  skarvel::test::TempFolder remote;
  MakeTree(remote.path());
  std::vector<std::string> small_names;
  for (int i = 0; i < kSmallFiles; ++i) small_names.push_back("file" + std::to_string(i) + ".txt");

  Measurement measurement(remote.path());
  for (const bool passive : {true, false}) {
    std::printf("%s mode\n", passive ? "passive (PASV)" : "active (PORT)");
    measurement.Run(passive, "one 200 MB file", "big", {"package.zip"}, kBigFile);
    measurement.Run(passive, "2,000 files of 4 KiB", "small", small_names,
                    static_cast<std::uintmax_t>(kSmallFiles) * kSmallSize);
  }
  return 0;
}
