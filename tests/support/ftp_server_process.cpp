#include "tests/support/ftp_server_process.h"

#include <algorithm>
#include <chrono>
#include <csignal>
#include <filesystem>
#include <fstream>
#include <pwd.h>
#include <sstream>
#include <sys/stat.h>
#include <thread>
#include <unistd.h>

namespace skarvel::test {
namespace {

namespace fs = std::filesystem;

constexpr char kVsftpd[] = "/usr/sbin/vsftpd";
constexpr char kAccount[] = "skarvel";
constexpr char kPamService[] = "/etc/pam.d/skarvel-test-ftp";

// The inodes of the sockets the process holds open.
std::vector<std::string> SocketInodes(pid_t pid) {
  std::vector<std::string> inodes;
  std::error_code error;
  for (const auto& entry : fs::directory_iterator("/proc/" + std::to_string(pid) + "/fd", error)) {
    const std::string target = fs::read_symlink(entry.path(), error).string();
    if (target.rfind("socket:[", 0) == 0) inodes.push_back(target.substr(8, target.size() - 9));
  }
  return inodes;
}

// The port of a listening TCP socket the process holds, as the kernel lists it; 0 while none.
int ListeningPort(pid_t pid) {
  const std::vector<std::string> inodes = SocketInodes(pid);
  std::ifstream table("/proc/net/tcp");
  std::string line;
  std::getline(table, line);
  while (std::getline(table, line)) {
    std::istringstream fields(line);
    std::string slot, local, remote, state, queues, timer, retransmits, uid, timeout, inode;
    fields >> slot >> local >> remote >> state >> queues >> timer >> retransmits >> uid >>
        timeout >> inode;
    if (state != "0A") continue;  // LISTEN
    if (std::find(inodes.begin(), inodes.end(), inode) == inodes.end()) continue;
    return std::stoi(local.substr(local.find(':') + 1), nullptr, 16);
  }
  return 0;
}

// The processes started by pid, and by those, and so on.
std::vector<pid_t> Descendants(pid_t pid) {
  std::vector<std::pair<pid_t, pid_t>> parents;  // (process, its parent)
  std::error_code error;
  for (const auto& entry : fs::directory_iterator("/proc", error)) {
    const std::string name = entry.path().filename();
    if (name.find_first_not_of("0123456789") != std::string::npos) continue;
    std::ifstream stat(entry.path() / "stat");
    std::string line;
    std::getline(stat, line);
    const std::size_t end = line.rfind(')');  // the program name may hold blanks
    if (end == std::string::npos) continue;
    std::istringstream rest(line.substr(end + 2));
    std::string state;
    pid_t parent = 0;
    rest >> state >> parent;
    parents.emplace_back(std::stoi(name), parent);
  }
  std::vector<pid_t> found{pid};
  for (std::size_t i = 0; i < found.size(); ++i) {
    for (const auto& [process, parent] : parents) {
      if (parent == found[i]) found.push_back(process);
    }
  }
  found.erase(found.begin());
  return found;
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
                                const FtpServerOptions& options) {
  std::string text =
      "listen=YES\nlisten_ipv6=NO\nlisten_address=127.0.0.1\nlisten_port=0\nbackground=NO\n"
      "anonymous_enable=NO\nlocal_enable=YES\nwrite_enable=YES\nlocal_umask=022\n"
      "chroot_local_user=NO\nconnect_from_port_20=NO\nxferlog_enable=NO\n"
      "seccomp_sandbox=NO\nisolate=NO\nisolate_network=NO\n"
      "pam_service_name=skarvel-test-ftp\nftpd_banner=Skarvel test download server (vsftpd).\n";
  text += "local_root=" + root + "\nsecure_chroot_dir=" + empty + "\n";
  if (options.max_sessions > 0) text += "max_per_ip=" + std::to_string(options.max_sessions) + "\n";
  if (options.refuse_passive) text += "pasv_enable=NO\n";
  if (options.refuse_active) text += "port_enable=NO\n";
  if (options.send_rate > 0) text += "local_max_rate=" + std::to_string(options.send_rate) + "\n";
  return text;
}

}  // namespace

std::string WhyFtpServerUnavailable(FtpServerKind kind) {
  if (kind == FtpServerKind::kPyftpdlib) return "";
  if (::access(kVsftpd, X_OK) != 0) return "vsftpd is not installed (Debian package vsftpd)";
  if (::geteuid() != 0) return "vsftpd logs accounts in through PAM and must start as root";
  if (::getpwnam(kAccount) == nullptr || ::access(kPamService, R_OK) != 0) {
    return "the test account \"skarvel\" is missing: run ./run test as root once";
  }
  return "";
}

FtpServerProcess::FtpServerProcess(const std::string& root, const FtpServerOptions& options) {
  if (const std::string why = WhyFtpServerUnavailable(options.kind); !why.empty()) {
    throw FtpServerUnavailable(why);
  }
  if (options.kind == FtpServerKind::kVsftpd) {
    StartVsftpd(root, options);
  } else {
    StartPyftpdlib(root, options);
  }
}

void FtpServerProcess::StartPyftpdlib(const std::string& root, const FtpServerOptions& options) {
  std::vector<std::string> command{"/usr/bin/python3", SKARVEL_FTP_SERVER_SCRIPT,
                                   "--root",           root,
                                   "--cut-after",      std::to_string(options.cut_after),
                                   "--exit-after",     std::to_string(options.exit_after),
                                   "--send-rate",      std::to_string(options.send_rate),
                                   "--max-sessions",   std::to_string(options.max_sessions)};
  if (options.refuse_passive) command.push_back("--refuse-passive");
  if (options.refuse_active) command.push_back("--refuse-active");
  process_ = std::make_unique<ChildProcess>(command, std::map<std::string, std::string>{}, true);
  const std::string line = process_->ReadLine();
  const std::string prefix = "listening on 127.0.0.1:";
  if (line.rfind(prefix, 0) != 0) throw std::runtime_error("the FTP server said: " + line);
  port_ = std::stoi(line.substr(prefix.size()));
}

// vsftpd runs in the foreground from a configuration of the test's own (never the system's
// service), logs the account into root, which is not "/", and binds a port of its choosing.
void FtpServerProcess::StartVsftpd(const std::string& root, const FtpServerOptions& options) {
  const passwd* account = ::getpwnam(kAccount);
  const uid_t uid = account->pw_uid;
  const gid_t gid = account->pw_gid;
  GiveTo(root, uid, gid);
  OpenTheWayTo(root);
  login_folder_ = fs::canonical(root).string();
  configuration_ = std::make_unique<TempFolder>();
  const std::string empty = configuration_->File("empty");
  fs::create_directories(empty);
  const std::string file = configuration_->File("vsftpd.conf");
  std::ofstream(file) << VsftpdConfiguration(login_folder_, empty, options);
  process_ = std::make_unique<ChildProcess>(std::vector<std::string>{kVsftpd, file},
                                            std::map<std::string, std::string>{}, true);
  // vsftpd says nothing once it listens: the kernel's table of listening sockets tells.
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(10);
  while ((port_ = ListeningPort(process_->pid())) == 0) {
    if (const auto ended = process_->Ended()) {
      throw std::runtime_error("vsftpd ended at once with exit code " + std::to_string(*ended));
    }
    if (std::chrono::steady_clock::now() > deadline)
      throw std::runtime_error("vsftpd never listened");
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
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

TfTP FtpServerProcess::Account(bool passive) const {
  return TfTP{"127.0.0.1", port_, "skarvel", "730518", passive};
}

}  // namespace skarvel::test
