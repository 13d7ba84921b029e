#include "service/downloads.h"

#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "service/simple_ftp.h"
#include "tests/support/ftp_server_process.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/reference_service_process.h"
#include "tests/support/temp_folder.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;

std::string Contents(const fs::path& path) {
  std::ifstream file(path, std::ios::binary);
  std::stringstream text;
  text << file.rdbuf();
  return text.str();
}

void Write(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// A download server with the folders the installation fetches, and an empty local folder.
class DownloadsTest : public testing::Test {
 protected:
  DownloadsTest() {
    Write(Remote("srv/Serveurs.CFG"), "[SRV]\r\nsrv1=10.0.0.5\r\n");
    Write(Remote("zip/7za.exe"), std::string(100'000, 'z'));
    Write(Remote("zip/readme.txt"), "archive tool");
    Write(Remote("zip/NOEXTENSION"), "skipped");
    fs::create_directories(Remote("zip/subdir"));
    fs::create_directories(Remote("empty"));
    fs::create_directories(local_.path() + "/work");
  }
  fs::path Remote(const std::string& path) const { return fs::path(remote_.path()) / path; }
  std::string Work() const { return local_.path() + "/work/"; }
  std::vector<std::string> LocalFiles() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(Work()))
      names.push_back(entry.path().filename());
    std::sort(names.begin(), names.end());
    return names;
  }

  test::TempFolder remote_;
  test::TempFolder local_;
  test::CountingPump pump_;
  std::vector<std::string> log_;
  DownloadContext context_{pump_, [this](const std::string& line) { log_.push_back(line); }};
};

TEST_F(DownloadsTest, FetchFileFindsTheNameInAnyCaseAndKeepsTheServersSpelling) {
  test::FtpServerProcess server(remote_.path());
  for (bool passive : {true, false}) {
    fs::remove_all(Work());
    fs::create_directories(Work());
    std::vector<std::pair<int, int>> bar;
    EXPECT_TRUE(FetchFile(context_, "srv", Work(), server.Account(passive), "serveurs.cfg",
                          [&](int position, int maximum) { bar.emplace_back(position, maximum); }));
    EXPECT_EQ(LocalFiles(), std::vector<std::string>{"Serveurs.CFG"}) << passive;
    EXPECT_EQ(Contents(Work() + "Serveurs.CFG"), "[SRV]\r\nsrv1=10.0.0.5\r\n");
    ASSERT_FALSE(bar.empty());
    EXPECT_EQ(bar.back(), std::make_pair(100, 100));  // the last, empty notification completes it
  }
  EXPECT_GT(pump_.pumped, 0);
  // A folder without the file is no failure.
  EXPECT_TRUE(FetchFile(context_, "zip", Work(), server.Account(), "serveurs.cfg", nullptr));
  EXPECT_TRUE(FetchFile(context_, "empty", Work(), server.Account(), "serveurs.cfg", nullptr));
}

TEST_F(DownloadsTest, DownloadFolderTakesEveryFileWithAnExtension) {
  test::FtpServerProcess server(remote_.path());
  Write(Work() + "7za.exe", "old");
  EXPECT_TRUE(DownloadFolder(context_, "zip", Work(), server.Account(), nullptr));
  EXPECT_EQ(LocalFiles(), (std::vector<std::string>{"7za.exe", "readme.txt"}));
  EXPECT_EQ(fs::file_size(Work() + "7za.exe"), 100'000u);  // overwritten
}

TEST_F(DownloadsTest, AFolderThatCannotBeEnteredDownloadsNothing) {
  test::FtpServerProcess server(remote_.path());
  EXPECT_FALSE(DownloadFolder(context_, "missing", Work(), server.Account(), nullptr));
  EXPECT_FALSE(FetchFile(context_, "missing", Work(), server.Account(), "x.zip", nullptr));
  EXPECT_TRUE(LocalFiles().empty());
  EXPECT_NE(log_.back().find("cannot enter the folder missing"), std::string::npos);
}

TEST_F(DownloadsTest, AWrongPasswordOrNoServerFailsWithTheStateNotConnected) {
  test::FtpServerProcess server(remote_.path());
  TfTP wrong = server.Account();
  wrong.Password = "wrong";
  EXPECT_FALSE(DownloadFolder(context_, "zip", Work(), wrong, nullptr));
  const TfTP nobody{"127.0.0.1", test::UnusedPort(), "skarvel", "730518", true};
  // Each failure carries its own WinINet code, which the error's text shows.
  for (const auto& [account, text] :
       std::vector<std::pair<TfTP, std::string>>{{wrong, "Bad password connecting to 127.0.0.1"},
                                                 {nobody, "Unable to connect to 127.0.0.1"}}) {
    TSimpleFTP ftp(pump_, "test");
    UseAccount(ftp, account);
    ftp.SetConnectTimeout(5'000);
    EXPECT_FALSE(ftp.Connect());
    EXPECT_EQ(ftp.State(), TWinInetState::NotConnected);
    ftp.SilentExceptions = false;
    try {
      ftp.Connect();
      ADD_FAILURE() << "no error for " << text;
    } catch (const EWinInetError& error) {
      EXPECT_EQ(error.what(), text);
    }
  }
  for (const std::string& line : log_) EXPECT_EQ(line.find("wrong"), std::string::npos) << line;
}

// The notifications around connecting and closing drive the states, in WinINet's order, and
// the login's reply is the last response.
TEST_F(DownloadsTest, ConnectingAndClosingWalkTheStates) {
  test::FtpServerProcess server(remote_.path());
  TSimpleFTP ftp(pump_, "test");
  UseAccount(ftp, server.Account());
  std::vector<TWinInetState> states;
  ftp.OnStateChange = [&](TWinInetControl&, TWinInetState state) { states.push_back(state); };
  ASSERT_TRUE(ftp.Connect());
  EXPECT_EQ(ftp.LastResponseText().rfind("230", 0), 0u) << ftp.LastResponseText();
  ftp.Disconnect();
  EXPECT_EQ(states, (std::vector<TWinInetState>{TWinInetState::Resolving, TWinInetState::Resolved,
                                                TWinInetState::Connecting, TWinInetState::Connected,
                                                TWinInetState::Disconnecting,
                                                TWinInetState::NotConnected}));

  // A server that cannot be reached is tried as often as the retries say, then given up.
  states.clear();
  ftp.Port = static_cast<std::uint16_t>(test::UnusedPort());
  ftp.SetConnectRetries(2);
  EXPECT_FALSE(ftp.Connect());
  EXPECT_EQ(std::count(states.begin(), states.end(), TWinInetState::Connecting), 2);
  EXPECT_EQ(states.back(), TWinInetState::NotConnected);
}

TEST_F(DownloadsTest, ABrokenTransferLeavesNoFileUnderTheFinalName) {
  test::FtpServerProcess server(remote_.path(), {.cut_after = 50'000});
  EXPECT_FALSE(DownloadFolder(context_, "zip", Work(), server.Account(), nullptr));
  EXPECT_FALSE(fs::exists(Work() + "7za.exe"));
  EXPECT_FALSE(fs::exists(Work() + "7za.exe.part"));
  EXPECT_TRUE(fs::exists(Work() + "readme.txt"));  // short enough to arrive whole
}

TEST_F(DownloadsTest, AHostileNameNeverBecomesALocalPath) {
  Write(Remote("evil/..\\x.txt"), "outside");
  Write(Remote("evil/good.txt"), "inside");
  test::FtpServerProcess server(remote_.path());
  EXPECT_TRUE(DownloadFolder(context_, "evil", Work(), server.Account(), nullptr));
  EXPECT_EQ(LocalFiles(), std::vector<std::string>{"good.txt"});
  EXPECT_FALSE(fs::exists(local_.path() + "/x.txt"));
  EXPECT_NE(log_.front().find("skipped the listed name"), std::string::npos);
}

TEST_F(DownloadsTest, UploadPutsTheFileIntoTheRemoteFolder) {
  test::FtpServerProcess server(remote_.path());
  fs::create_directories(Remote("pos_templates/all"));
  Write(Work() + "5412345000013.zip", "templates");
  EXPECT_TRUE(
      UploadFile(context_, "pos_templates/all", Work(), "5412345000013.zip", server.Account()));
  EXPECT_EQ(Contents(Remote("pos_templates/all/5412345000013.zip")), "templates");
  EXPECT_FALSE(UploadFile(context_, "nowhere", Work(), "5412345000013.zip", server.Account()));
}

TEST(TranslateServerAliasTest, ReplacesTheServerThroughTheList) {
  test::TempFolder work;
  const std::string folder = work.path() + "/";
  EXPECT_EQ(TranslateServerAlias("SRV1:/data/central.fdb", folder), "SRV1:/data/central.fdb");
  Write(folder + "serveurs.cfg", "[SRV]\r\nsrv1=10.0.0.5\r\nSRV2=\r\n");
  EXPECT_EQ(TranslateServerAlias("SRV1:/data/SRV1.fdb", folder), "10.0.0.5:/data/10.0.0.5.fdb");
  EXPECT_EQ(TranslateServerAlias("OTHER:/data/central.fdb", folder), "OTHER:/data/central.fdb");
  EXPECT_EQ(TranslateServerAlias("/data/central.fdb", folder), "/data/central.fdb");
}

TEST(WinInetControlTest, KeepsItsDefaultsAndTexts) {
  test::CountingPump pump;
  TSimpleFTP ftp(pump, "test");
  EXPECT_EQ(ftp.Port, 21);
  EXPECT_EQ(ftp.ConnectTimeout(), 300'000u);
  ftp.SetConnectTimeout(0);
  EXPECT_EQ(ftp.ConnectTimeout(), 300'000u);
  EXPECT_EQ(ftp.ConnectRetries(), 3u);
  EXPECT_FALSE(ftp.EnableCache());
  EXPECT_EQ(ftp.LastResponseText(), "No error description available");
  ftp.HostName = "download.example";
  EXPECT_EQ(ftp.StateText(TWinInetState::Connected), "Connected to download.example");
  // Before connecting, a folder is remembered for the connect.
  EXPECT_TRUE(ftp.ChangeDir("zip"));
  EXPECT_EQ(ftp.CurrentDir(), "zip");
  ftp.SilentExceptions = false;
  ftp.UserName = "skarvel";
  EXPECT_THROW(ftp.HandleError(12013), EWinInetError);
  try {
    ftp.HandleError(12013);
  } catch (const EWinInetError& error) {
    EXPECT_STREQ(error.what(), "Bad user name: 'skarvel' connecting to download.example");
  }
  EXPECT_THROW(ftp.GetFile("a", "b"), ESimpleFTPError);
}

}  // namespace
}  // namespace skarvel
