#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>

#include <gtest/gtest.h>

#include "platform/curl_transport.h"
#include "service/downloads.h"
#include "service/simple_ftp.h"
#include "tests/support/ftp_server_process.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_certificates.h"

namespace skarvel {
namespace {

namespace fs = std::filesystem;
using test::FtpServerKind;
using test::FtpServerOptions;

void Write(const fs::path& path, const std::string& text) {
  fs::create_directories(path.parent_path());
  std::ofstream(path, std::ios::binary) << text;
}

// The download server over explicit TLS: Debian's vsftpd with ssl_enable, the certificates of
// the tests' own authority.
class TlsDownloadsTest : public testing::Test {
 protected:
  TlsDownloadsTest() {
    Write(Remote("zip/7za.exe"), std::string(100'000, 'z'));
    Write(Remote("zip/readme.txt"), "archive tool");
    fs::create_directories(Remote("pos_templates/all"));
    fs::create_directories(local_.path() + "/work");
  }
  void SetUp() override {
    if (const std::string why = test::WhyFtpServerUnavailable(FtpServerKind::kVsftpd);
        !why.empty()) {
      GTEST_SKIP() << why;
    }
  }

  test::FtpServerProcess& Start(FtpServerOptions options) {
    server_ = std::make_unique<test::FtpServerProcess>(remote_.path(), options);
    return *server_;
  }
  // vsftpd requiring TLS for logins and data, presenting certificate.
  test::FtpServerProcess& StartWith(const test::ServerCertificate& certificate) {
    return Start({.kind = FtpServerKind::kVsftpd, .tls = certificate});
  }
  // The server's account over TLS, trusting ca_file (empty: the system's store).
  TfTP TlsAccount(const std::string& ca_file, bool passive = true) const {
    TfTP account = server_->Account(passive);
    account.Tls = true;
    account.CaFile = ca_file;
    return account;
  }

  fs::path Remote(const std::string& path) const { return fs::path(remote_.path()) / path; }
  std::string Work() const { return local_.path() + "/work/"; }
  bool WorkIsEmpty() const { return fs::is_empty(Work()); }
  std::string Log() const {
    std::string text;
    for (const std::string& line : log_) text += line + "\n";
    return text;
  }
  // The commands the server saw, the password and a data port as every run writes them.
  std::vector<std::string> Commands() const {
    std::vector<std::string> commands = server_->Commands();
    for (std::string& command : commands) {
      if (command.rfind("PASS ", 0) == 0) command = "PASS";
      if (command.rfind("PORT ", 0) == 0) command = "PORT";
    }
    return commands;
  }

  const test::TestCertificates& certificates_ = test::TestCertificates::Get();
  test::TempFolder remote_;
  test::TempFolder local_;
  std::unique_ptr<test::FtpServerProcess> server_;
  test::CountingPump pump_;
  std::vector<std::string> log_;
  DownloadContext context_{pump_, [this](const std::string& line) { log_.push_back(line); }};
};

// Inside TLS the server sees the design's commands and account, the data protected; downloads,
// the upload and the listing all take the same way.
TEST_F(TlsDownloadsTest, TheDesignsCommandsAndAccountTravelInsideTls) {
  StartWith(certificates_.Valid());
  const TfTP account = TlsAccount(certificates_.Authority());
  EXPECT_TRUE(DownloadFolder(context_, "zip", Work(), account, nullptr)) << Log();
  EXPECT_EQ(fs::file_size(Work() + "7za.exe"), 100'000u);
  EXPECT_EQ(Commands(),
            (std::vector<std::string>{"AUTH TLS", "USER skarvel", "PASS", "PBSZ 0", "PROT P", "PWD",
                                      "CWD zip", "PASV", "TYPE A", "LIST", "PASV", "TYPE I",
                                      "RETR 7za.exe", "PASV", "RETR readme.txt", "QUIT"}));
  Write(Work() + "5412345000013.zip", "templates");
  EXPECT_TRUE(UploadFile(context_, "pos_templates/all", Work(), "5412345000013.zip", account));
  std::ifstream uploaded(Remote("pos_templates/all/5412345000013.zip"));
  EXPECT_EQ(std::string(std::istreambuf_iterator<char>(uploaded), {}), "templates");
  const auto listed = ListPackageFolder(context_, "zip", account);
  ASSERT_TRUE(listed.has_value()) << Log();
  EXPECT_EQ(listed->size(), 2u);
  // The login's check names whom the certificate is made out for.
  const DownloadServerProbe probe = ProbeDownloadServer(context_, account);
  EXPECT_TRUE(probe.failure.empty()) << probe.failure.details;
  ASSERT_TRUE(probe.certificate.has_value());
  EXPECT_EQ(probe.certificate->Holder(), "127.0.0.1, localhost");
  EXPECT_NE(probe.certificate->issuer.find("Skarvel Test CA"), std::string::npos);
}

// This system's libcurl (7.88) cannot protect an active data connection: inside TLS the record's
// active mode becomes passive, and the log says so.
TEST_F(TlsDownloadsTest, AnActiveModeRecordStillDownloadsInsideTls) {
  StartWith(certificates_.Valid());
  EXPECT_TRUE(DownloadFolder(context_, "zip", Work(), TlsAccount(certificates_.Authority(), false),
                             nullptr))
      << Log();
  EXPECT_TRUE(fs::exists(Work() + "readme.txt"));
  const std::vector<std::string> commands = Commands();
  const bool protects = ActiveDataConnectionsProtected();
  EXPECT_EQ(std::count(commands.begin(), commands.end(), protects ? "PORT" : "PASV"), 3) << Log();
  EXPECT_EQ(Log().find("inside TLS the data connections are passive") != std::string::npos,
            !protects)
      << Log();
}

// A certificate that fails ends the connect before the account is sent: the step fails with the
// reason, and nothing is downloaded.
TEST_F(TlsDownloadsTest, EachBadCertificateFailsWithItsReasonAndDownloadsNothing) {
  const struct {
    const test::ServerCertificate& presented;
    std::string trusted;
    unsigned long code;
    std::string sentence;
  } cases[] = {
      {certificates_.Expired(), certificates_.Authority(), 12037,
       "The certificate of the download server 127.0.0.1 has expired."},
      {certificates_.OtherName(), certificates_.Authority(), 12038,
       "The certificate of the download server 127.0.0.1 is made out for another name."},
      {certificates_.Valid(), certificates_.OtherAuthority(), 12045,
       "The certificate of the download server 127.0.0.1 comes from an authority this computer "
       "does not trust."},
      {certificates_.Valid(), "", 12045,
       "The certificate of the download server 127.0.0.1 comes from an authority this computer "
       "does not trust."},
  };
  for (const auto& [presented, trusted, code, sentence] : cases) {
    StartWith(presented);
    std::vector<std::string> told;
    context_.failure = [&](const NetworkFailure& failure) {
      told.push_back(failure.cause);
      EXPECT_EQ(failure.details, context_.last_failure.details);
    };
    EXPECT_FALSE(DownloadFolder(context_, "zip", Work(), TlsAccount(trusted), nullptr));
    EXPECT_EQ(told, std::vector<std::string>{sentence});
    EXPECT_EQ(context_.last_failure.details.rfind("SSL", 0), 0u) << context_.last_failure.details;
    EXPECT_TRUE(WorkIsEmpty());
    const std::vector<std::string> commands = Commands();
    EXPECT_EQ(std::find(commands.begin(), commands.end(), "USER skarvel"), commands.end())
        << sentence;
    TSimpleFTP ftp(pump_, "test");
    UseAccount(ftp, TlsAccount(trusted));
    EXPECT_FALSE(ftp.Connect());
    EXPECT_EQ(ftp.LastError(), code) << ftp.LastErrorText();
  }
}

// "required" against a server that offers no TLS fails, whichever server it is, and the account
// never travels in plain.
TEST_F(TlsDownloadsTest, RequiredAgainstAPlainServerFailsWithoutSendingTheAccount) {
  for (const FtpServerKind kind : {FtpServerKind::kPyftpdlib, FtpServerKind::kVsftpd}) {
    Start({.kind = kind});
    EXPECT_FALSE(
        DownloadFolder(context_, "zip", Work(), TlsAccount(certificates_.Authority()), nullptr));
    EXPECT_EQ(context_.last_failure.cause,
              "The download server 127.0.0.1 does not offer the encrypted connection this "
              "computer requires.");
    EXPECT_TRUE(WorkIsEmpty());
    const std::vector<std::string> commands = Commands();
    ASSERT_FALSE(commands.empty());
    EXPECT_EQ(commands.front(), "AUTH TLS");
    EXPECT_EQ(std::find(commands.begin(), commands.end(), "USER skarvel"), commands.end());
  }
}

// "off" against a server that offers TLS (and does not require it) stays the design's plain FTP.
TEST_F(TlsDownloadsTest, OffAgainstATlsCapableServerStaysPlain) {
  Start({.kind = FtpServerKind::kVsftpd, .tls = certificates_.Valid(), .tls_required = false});
  EXPECT_TRUE(DownloadFolder(context_, "zip", Work(), server_->Account(true), nullptr)) << Log();
  EXPECT_TRUE(fs::exists(Work() + "7za.exe"));
  const std::vector<std::string> commands = Commands();
  EXPECT_EQ(commands.front(), "USER skarvel");
  EXPECT_EQ(std::find(commands.begin(), commands.end(), "AUTH TLS"), commands.end());
  const DownloadServerProbe probe = ProbeDownloadServer(context_, server_->Account(true));
  EXPECT_TRUE(probe.failure.empty());
  EXPECT_FALSE(probe.certificate.has_value());
}

}  // namespace
}  // namespace skarvel
