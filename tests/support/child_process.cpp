#include "tests/support/child_process.h"

#include <array>
#include <cstring>
#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <spawn.h>
#include <stdexcept>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

extern char** environ;

namespace skarvel::test {
namespace {

struct Pipe {
  int read = -1;
  int write = -1;
  Pipe() {
    int fds[2];
    if (pipe2(fds, O_CLOEXEC) != 0) throw std::runtime_error("pipe failed");
    read = fds[0];
    write = fds[1];
  }
};

std::vector<std::string> Environment(const std::map<std::string, std::string>& extra) {
  std::vector<std::string> env;
  for (char** entry = environ; *entry != nullptr; ++entry) {
    const std::string text = *entry;
    if (extra.count(text.substr(0, text.find('='))) == 0) env.push_back(text);
  }
  for (const auto& [name, value] : extra) env.push_back(name + "=" + value);
  return env;
}

std::vector<char*> Pointers(std::vector<std::string>& texts) {
  std::vector<char*> pointers;
  for (std::string& text : texts) pointers.push_back(text.data());
  pointers.push_back(nullptr);
  return pointers;
}

pid_t Spawn(const std::vector<std::string>& argv, const std::map<std::string, std::string>& env,
            int out_fd, int err_fd, bool own_group = false) {
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  if (own_group) {
    posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
    posix_spawnattr_setpgroup(&attributes, 0);
  }
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, 0, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(&actions, out_fd, 1);
  if (err_fd >= 0) posix_spawn_file_actions_adddup2(&actions, err_fd, 2);
  std::vector<std::string> args = argv;
  std::vector<std::string> environment = Environment(env);
  pid_t pid = -1;
  const int error = posix_spawn(&pid, args.front().c_str(), &actions, &attributes,
                                Pointers(args).data(), Pointers(environment).data());
  posix_spawn_file_actions_destroy(&actions);
  posix_spawnattr_destroy(&attributes);
  if (error != 0) throw std::runtime_error("cannot start " + argv.front() + ": " + strerror(error));
  return pid;
}

// Waits on the process's pidfd, so nothing polls in a loop.
bool EndsWithin(pid_t pid, int milliseconds) {
  // glibc 2.36 declares pidfd_open without C linkage, so call the kernel directly.
  const int fd = static_cast<int>(syscall(SYS_pidfd_open, pid, 0));
  if (fd < 0) return false;
  pollfd ready{fd, POLLIN, 0};
  const bool ended = poll(&ready, 1, milliseconds) > 0;
  close(fd);
  return ended;
}

int ExitCode(int status) {
  return WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
}

}  // namespace

ChildProcess::ChildProcess(const std::vector<std::string>& argv,
                           const std::map<std::string, std::string>& env, bool own_group)
    : own_group_(own_group) {
  Pipe out;
  pid_ = Spawn(argv, env, out.write, -1, own_group);
  close(out.write);
  stdout_fd_ = out.read;
}

ChildProcess::~ChildProcess() {
  if (pid_ > 0) Stop();
  if (stdout_fd_ >= 0) close(stdout_fd_);
}

std::string ChildProcess::ReadLine(std::chrono::seconds deadline) {
  const auto end = std::chrono::steady_clock::now() + deadline;
  for (;;) {
    const std::size_t newline = buffered_.find('\n');
    if (newline != std::string::npos) {
      std::string line = buffered_.substr(0, newline);
      buffered_.erase(0, newline + 1);
      return line;
    }
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(
        end - std::chrono::steady_clock::now());
    pollfd fd{stdout_fd_, POLLIN, 0};
    if (left.count() <= 0 || poll(&fd, 1, static_cast<int>(left.count())) <= 0) {
      throw std::runtime_error("the program printed no line in time");
    }
    std::array<char, 4096> chunk;
    const ssize_t got = read(stdout_fd_, chunk.data(), chunk.size());
    if (got <= 0) throw std::runtime_error("the program ended before printing a line");
    buffered_.append(chunk.data(), static_cast<std::size_t>(got));
  }
}

int ChildProcess::Stop() {
  // A stopped group would never act on TERM.
  if (own_group_) killpg(pid_, SIGCONT);
  kill(pid_, SIGTERM);
  // A program stuck in a handler gets five seconds to end before it is killed.
  if (!EndsWithin(pid_, 5000)) kill(pid_, SIGKILL);
  int status = 0;
  waitpid(pid_, &status, 0);
  // What the program started (a server's sessions) goes with it.
  if (own_group_) killpg(pid_, SIGKILL);
  pid_ = -1;
  return ExitCode(status);
}

void ChildProcess::Signal(int signal) { kill(pid_, signal); }

void ChildProcess::SignalGroup(int signal) { killpg(pid_, signal); }

std::optional<int> ChildProcess::Ended() {
  int status = 0;
  if (pid_ <= 0 || waitpid(pid_, &status, WNOHANG) != pid_) return std::nullopt;
  pid_ = -1;
  return ExitCode(status);
}

int ChildProcess::Wait() {
  int status = 0;
  waitpid(pid_, &status, 0);
  pid_ = -1;
  return ExitCode(status);
}

ProgramResult RunProgram(const std::vector<std::string>& argv,
                         const std::map<std::string, std::string>& env) {
  Pipe out;
  Pipe err;
  const pid_t pid = Spawn(argv, env, out.write, err.write);
  close(out.write);
  close(err.write);
  ProgramResult result;
  pollfd fds[2] = {{out.read, POLLIN, 0}, {err.read, POLLIN, 0}};
  std::string* targets[2] = {&result.out, &result.err};
  int open_streams = 2;
  while (open_streams > 0 && poll(fds, 2, -1) > 0) {
    for (int i = 0; i < 2; ++i) {
      if (fds[i].fd < 0 || fds[i].revents == 0) continue;
      std::array<char, 4096> chunk;
      const ssize_t got = read(fds[i].fd, chunk.data(), chunk.size());
      if (got > 0) {
        targets[i]->append(chunk.data(), static_cast<std::size_t>(got));
      } else {
        close(fds[i].fd);
        fds[i].fd = -1;
        --open_streams;
      }
    }
  }
  int status = 0;
  waitpid(pid, &status, 0);
  result.exit_code = ExitCode(status);
  return result;
}

}  // namespace skarvel::test
