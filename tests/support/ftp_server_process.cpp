#include "tests/support/ftp_server_process.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

#include "tests/support/account_tables.h"
#include "tests/support/file_contents.h"
#include "tests/support/sockets.h"

namespace skarvel::test {
namespace {

namespace fs = std::filesystem;

constexpr char kVsftpd[] = "/usr/sbin/vsftpd";
constexpr char kAccount[] = "skarvel";
// The installation's password, "730518", as the shadow file holds it (SHA-512 crypt).
constexpr char kPasswordHash[] =
    "$6$skarveltests$yTj86zP.ZFOrfDolUxgF6GzdXFZrVV4MzF/BwHK35p0IoVCMke8wBYhizQvep5PVAQ89unz0LycRV"
    "kkOLLP4F1";
constexpr int kNoMountNamespace = 99;

// The local account vsftpd logs in, as Debian's PAM sees one (pam_unix, the password in the
// shadow file), made in folder and shown to vsftpd alone: over /etc/passwd, /etc/shadow and
// /etc/pam.d in a mount namespace of its own, so the machine's accounts and PAM stay as they are.
// Its home is the served folder: vsftpd enters the home before the local root, and fails the
// login when it cannot. Returns the account's user id, which is also its group id.
unsigned WriteAccountFiles(const fs::path& folder, const fs::path& home) {
  const std::string passwd = Contents("/etc/passwd");
  const unsigned id = FreeSystemId(passwd, Contents("/etc/group"));
  std::ofstream(folder / "passwd")
      << WithEntry(passwd, kAccount,
                   std::string(kAccount) + ":x:" + std::to_string(id) + ":" + std::to_string(id) +
                       ":Skarvel test downloads:" + home.string() + ":/usr/sbin/nologin");
  std::ofstream(folder / "shadow") << kAccount << ":" << kPasswordHash << ":20000:0:99999:7:::\n";
  fs::permissions(folder / "shadow", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_directories(folder / "pam.d");
  std::ofstream(folder / "pam.d" / "skarvel-test-ftp")
      << "auth required pam_unix.so\naccount required pam_unix.so\nsession required "
         "pam_permit.so\n";
  return id;
}

std::vector<std::string> InOwnAccountNamespace(const fs::path& folder,
                                               const std::string& configuration) {
  return {"/usr/bin/unshare",
          "--mount",
          "/bin/sh",
          "-c",
          "for file in passwd shadow pam.d; do\n"
          "  mount --bind \"$0/$file\" \"/etc/$file\" || exit " +
              std::to_string(kNoMountNamespace) +
              "\n"
              "done\n"
              "exec " +
              kVsftpd + " \"$1\"",
          folder.string(),
          configuration};
}

// The account's processes must reach root: every folder above it must let others pass.
void OpenTheWayTo(const fs::path& root) {
  for (fs::path folder = root.parent_path(); folder != folder.root_path();
       folder = folder.parent_path()) {
    struct stat info {};
    if (::stat(folder.c_str(), &info) != 0 || (info.st_mode & S_IXOTH) != 0) continue;
    ::chmod(folder.c_str(), info.st_mode | S_IXOTH);
  }
}

void GiveTo(const fs::path& root, uid_t uid, gid_t gid) {
  if (::chown(root.c_str(), uid, gid) != 0)
    throw std::runtime_error("cannot chown " + root.string());
  for (const auto& entry : fs::recursive_directory_iterator(root)) {
    if (::lchown(entry.path().c_str(), uid, gid) != 0) {
      throw std::runtime_error("cannot chown " + entry.path().string());
    }
  }
}

std::string VsftpdConfiguration(const std::string& root, const std::string& empty,
                                const std::string& log, const FtpServerOptions& options) {
  std::string text =
      "listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\nlisten_port=0\nbackground=NO\n"
      "anonymous_enable=NO\nlocal_enable=YES\nwrite_enable=YES\nlocal_umask=022\n"
      "chroot_local_user=NO\nconnect_from_port_20=NO\n"
      "xferlog_enable=YES\nxferlog_std_format=NO\nlog_ftp_protocol=YES\n"
      "seccomp_sandbox=NO\nisolate=NO\nisolate_network=NO\n"
      "pam_service_name=skarvel-test-ftp\nftpd_banner=Skarvel test download server (vsftpd).\n";
  text += "local_root=" + root + "\nsecure_chroot_dir=" + empty + "\nvsftpd_log_file=" + log + "\n";
  if (options.max_sessions > 0) text += "max_per_ip=" + std::to_string(options.max_sessions) + "\n";
  if (options.refuse_passive) text += "pasv_enable=NO\n";
  if (options.refuse_active) text += "port_enable=NO\n";
  if (options.send_rate > 0) text += "local_max_rate=" + std::to_string(options.send_rate) + "\n";
  if (options.tls) {
    const std::string required = options.tls_required ? "YES" : "NO";
    text += "ssl_enable=YES\nssl_ciphers=HIGH\nrsa_cert_file=" + options.tls->certificate +
            "\nrsa_private_key_file=" + options.tls->key + "\nforce_local_logins_ssl=" + required +
            "\nforce_local_data_ssl=" + required + "\n";
  }
  return text;
}

}  // namespace

std::string WhyFtpServerUnavailable(FtpServerKind kind) {
  if (kind == FtpServerKind::kPyftpdlib) return "";
  if (::access(kVsftpd, X_OK) != 0) return "vsftpd is not installed (Debian package vsftpd)";
  if (::geteuid() != 0) return "vsftpd logs accounts in through PAM and must start as root";
  return "";
}

FtpServerProcess::FtpServerProcess(const std::string& root, const FtpServerOptions& options)
    : kind_(options.kind) {
  if (const std::string why = WhyFtpServerUnavailable(options.kind); !why.empty()) {
    throw FtpServerUnavailable(why);
  }
  if (options.tls && options.kind != FtpServerKind::kVsftpd) {
    throw std::logic_error("the tests' TLS download server is vsftpd");
  }
  configuration_ = std::make_unique<TempFolder>();
  if (options.kind == FtpServerKind::kVsftpd) {
    StartVsftpd(root, options);
  } else {
    StartPyftpdlib(root, options);
  }
}

void FtpServerProcess::StartPyftpdlib(const std::string& root, const FtpServerOptions& options) {
  std::vector<std::string> command{"/usr/bin/python3", SKARVEL_FTP_SERVER_SCRIPT,
                                   "--address",        options.address,
                                   "--root",           root,
                                   "--cut-after",      std::to_string(options.cut_after),
                                   "--exit-after",     std::to_string(options.exit_after),
                                   "--send-rate",      std::to_string(options.send_rate),
                                   "--max-sessions",   std::to_string(options.max_sessions)};
  if (options.refuse_passive) command.push_back("--refuse-passive");
  if (options.refuse_active) command.push_back("--refuse-active");
  if (options.silent_after_data) command.push_back("--silent-after-data");
  if (!options.pwd_answer.empty()) {
    command.insert(command.end(), {"--pwd-answer", options.pwd_answer});
  }
  command.insert(command.end(), {"--command-log", configuration_->File("commands.log")});
  process_ = std::make_unique<ChildProcess>(command, std::map<std::string, std::string>{}, true);
  const std::string line = process_->ReadLine();
  const std::string prefix = "listening on " + options.address + ":";
  if (line.rfind(prefix, 0) != 0) throw std::runtime_error("the FTP server said: " + line);
  port_ = std::stoi(line.substr(prefix.size()));
  if (options.address.find(':') != std::string::npos) host_ = "[" + options.address + "]";
}

// vsftpd runs in the foreground from a configuration of the test's own (never the system's
// service), logs the account into root, which is not "/", and binds a port of its choosing.
void FtpServerProcess::StartVsftpd(const std::string& root, const FtpServerOptions& options) {
  const unsigned id = WriteAccountFiles(configuration_->path(), root);
  GiveTo(root, id, id);
  OpenTheWayTo(root);
  login_folder_ = fs::canonical(root).string();
  const std::string empty = configuration_->File("empty");
  fs::create_directories(empty);
  const std::string file = configuration_->File("vsftpd.conf");
  std::ofstream(file) << VsftpdConfiguration(login_folder_, empty,
                                             configuration_->File("commands.log"), options);
  process_ = std::make_unique<ChildProcess>(InOwnAccountNamespace(configuration_->path(), file),
                                            std::map<std::string, std::string>{}, true);
  // vsftpd says nothing once it listens: the kernel's table of listening sockets tells.
  port_ = AwaitListeningPort(*process_, "vsftpd");
}

FtpServerProcess::~FtpServerProcess() {
  const std::vector<pid_t> sessions = Descendants(process_->pid());
  process_.reset();
  for (const pid_t session : sessions) ::kill(session, SIGKILL);
}

void FtpServerProcess::SignalAll(int signal) {
  process_->SignalGroup(signal);
  for (const pid_t session : Descendants(process_->pid())) ::kill(session, signal);
}

// vsftpd writes "... FTP command: Client "127.0.0.1", "CWD zip"" for each command; our server
// writes the command alone.
std::vector<std::string> FtpServerProcess::Commands() const {
  std::ifstream log(configuration_->File("commands.log"));
  std::vector<std::string> commands;
  const std::string marker = "FTP command: Client \"";
  for (std::string line; std::getline(log, line);) {
    const std::size_t at = line.find(marker);
    if (at == std::string::npos) {
      if (kind_ == FtpServerKind::kPyftpdlib) commands.push_back(line);
      continue;
    }
    const std::size_t start = line.find("\", \"", at + marker.size());
    if (start == std::string::npos || line.back() != '"') continue;
    commands.push_back(line.substr(start + 4, line.size() - start - 5));
  }
  return commands;
}

TfTP FtpServerProcess::Account(bool passive) const {
  return TfTP{host_, port_, "skarvel", "730518", passive};
}

}  // namespace skarvel::test
