#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/child_programs.h"
#include "platform/windows1252.h"

extern char** environ;

namespace skarvel {
namespace {

constexpr int kPollMilliseconds = 100;
constexpr std::size_t kOutputKept = 4096;

// Closes a descriptor when it goes out of scope.
class Descriptor {
 public:
  explicit Descriptor(int fd = -1) : fd_(fd) {}
  ~Descriptor() { Reset(); }
  Descriptor(Descriptor&& other) noexcept : fd_(other.Release()) {}
  Descriptor& operator=(Descriptor&&) = delete;
  int get() const { return fd_; }
  int Release() {
    const int fd = fd_;
    fd_ = -1;
    return fd;
  }
  void Reset() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }

 private:
  int fd_;
};

class SpawnActions {
 public:
  SpawnActions() { posix_spawn_file_actions_init(&actions_); }
  ~SpawnActions() { posix_spawn_file_actions_destroy(&actions_); }
  SpawnActions(const SpawnActions&) = delete;
  SpawnActions& operator=(const SpawnActions&) = delete;
  posix_spawn_file_actions_t* get() { return &actions_; }

 private:
  posix_spawn_file_actions_t actions_;
};

// Starts the program with its input from /dev/null and both outputs on output_fd; -1 when it
// could not be started.
pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments,
            const std::string& start_folder, int output_fd) {
  std::vector<std::string> texts{Utf8FromAnsi(program)};
  for (const std::string& argument : arguments) texts.push_back(Utf8FromAnsi(argument));
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);

  SpawnActions actions;
  posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(actions.get(), output_fd, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(actions.get(), output_fd, STDERR_FILENO);
  const std::string folder = Utf8FromAnsi(start_folder);
  if (!folder.empty()) posix_spawn_file_actions_addchdir_np(actions.get(), folder.c_str());
  posix_spawnattr_t attributes;
  posix_spawnattr_init(&attributes);
  // A process group of its own, so a terminal's Ctrl-C, sent to the whole foreground group, is
  // the cancel button for this program and never ends the tool in the middle of its work.
  posix_spawnattr_setflags(&attributes, POSIX_SPAWN_SETPGROUP);
  posix_spawnattr_setpgroup(&attributes, 0);
  pid_t pid = -1;
  const int error =
      posix_spawnp(&pid, argv.front(), actions.get(), &attributes, argv.data(), environ);
  posix_spawnattr_destroy(&attributes);
  return error == 0 ? pid : -1;
}

int ExitCodeOf(int status) {
  if (WIFEXITED(status)) return WEXITSTATUS(status);
  if (WIFSIGNALED(status)) return 128 + WTERMSIG(status);
  return -1;
}

// Reads what is waiting on the pipe into the kept tail; false at its end.
bool ReadOutput(int fd, std::string& tail) {
  char buffer[4096];
  const ssize_t count = ::read(fd, buffer, sizeof buffer);
  if (count == 0 || (count < 0 && errno != EINTR)) return false;
  if (count < 0) return true;
  tail.append(buffer, static_cast<std::size_t>(count));
  if (tail.size() > kOutputKept) tail.erase(0, tail.size() - kOutputKept);
  return true;
}

// Reads what the program left in the pipe without waiting for its end.
void DrainOutput(int fd, std::string& tail) {
  ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) | O_NONBLOCK);
  while (ReadOutput(fd, tail)) {
  }
}

// Drains the output and collects the end of a program nobody waits for any more, so that it
// neither blocks on a full pipe nor stays a zombie.
void CollectInBackground(pid_t pid, Descriptor output) {
  std::thread([pid, fd = output.Release()] {
    Descriptor owned(fd);
    std::string ignored;
    if (owned.get() >= 0) {
      while (ReadOutput(owned.get(), ignored)) ignored.clear();
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

}  // namespace

ChildOutcome LinuxChildPrograms::RunAndWait(const std::string& program,
                                            const std::vector<std::string>& arguments,
                                            const std::string& start_folder, EventPump& pump) {
  ChildOutcome outcome;
  int pipe_fds[2];
  if (::pipe2(pipe_fds, O_CLOEXEC) != 0) return outcome;
  Descriptor output(pipe_fds[0]);
  Descriptor write_end(pipe_fds[1]);
  const pid_t pid = Spawn(program, arguments, start_folder, write_end.get());
  write_end.Reset();
  if (pid < 0) return outcome;
  outcome.started = true;

  // Without a pidfd (kernels before 5.3) the end is noticed at the next poll time-out.
  Descriptor process(static_cast<int>(::syscall(SYS_pidfd_open, pid, 0)));
  bool output_open = true;
  for (;;) {
    pollfd watched[2] = {{output.get(), POLLIN, 0}, {process.get(), POLLIN, 0}};
    const nfds_t first = output_open ? 0 : 1;
    ::poll(watched + first, 2 - first, kPollMilliseconds);
    if (output_open && (watched[0].revents & (POLLIN | POLLHUP)) != 0) {
      output_open = ReadOutput(output.get(), outcome.output);
    }
    int status = 0;
    // The end of the program decides, not the end of its output: a program it started may
    // hold the pipe open long after.
    if (::waitpid(pid, &status, WNOHANG) == pid) {
      if (output_open) DrainOutput(output.get(), outcome.output);
      outcome.ended = true;
      outcome.exit_code = ExitCodeOf(status);
      return outcome;
    }
    pump.ProcessMessages();
    if (pump.Terminating()) {
      CollectInBackground(pid, std::move(output));
      return outcome;
    }
  }
}

}  // namespace skarvel

namespace skarvel {

bool ProgramOnPath(const std::string& name) {
  const char* path = std::getenv("PATH");
  std::string folders = path != nullptr ? path : "/usr/bin:/bin";
  for (std::size_t start = 0; start <= folders.size();) {
    const std::size_t end = std::min(folders.find(':', start), folders.size());
    const std::string folder = end > start ? folders.substr(start, end - start) : ".";
    if (::access((folder + "/" + Utf8FromAnsi(name)).c_str(), X_OK) == 0) return true;
    start = end + 1;
  }
  return false;
}

ChildOutcome RunShortProgram(const std::string& program,
                             const std::vector<std::string>& arguments) {
  ChildOutcome outcome;
  int pipe_fds[2];
  if (::pipe2(pipe_fds, O_CLOEXEC) != 0) return outcome;
  Descriptor output(pipe_fds[0]);
  Descriptor write_end(pipe_fds[1]);
  const pid_t pid = Spawn(program, arguments, "", write_end.get());
  write_end.Reset();
  if (pid < 0) return outcome;
  outcome.started = true;
  char buffer[4096];
  for (;;) {
    const ssize_t count = ::read(output.get(), buffer, sizeof buffer);
    if (count > 0) {
      outcome.output.append(buffer, static_cast<std::size_t>(count));
    } else if (count == 0 || errno != EINTR) {
      break;
    }
  }
  int status = 0;
  while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
  }
  outcome.ended = true;
  outcome.exit_code = ExitCodeOf(status);
  return outcome;
}

std::optional<std::string> CaptureProgramOutput(const std::string& program,
                                                const std::vector<std::string>& arguments) {
  ChildOutcome outcome = RunShortProgram(program, arguments);
  if (!outcome.started) return std::nullopt;
  return std::move(outcome.output);
}

}  // namespace skarvel
