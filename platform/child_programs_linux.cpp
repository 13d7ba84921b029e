#include <cerrno>
#include <cstdlib>
#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

#include "platform/child_groups.h"
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
  Descriptor& operator=(Descriptor&& other) noexcept {
    if (this != &other) {
      Reset();
      fd_ = other.Release();
    }
    return *this;
  }
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

// Starts the program with its input from /dev/null, its standard output on output_fd and its
// standard error on error_fd; -1 when it could not be started.
pid_t Spawn(const std::string& program, const std::vector<std::string>& arguments,
            const std::string& start_folder, int output_fd, int error_fd) {
  std::vector<std::string> texts{Utf8FromAnsi(program)};
  for (const std::string& argument : arguments) texts.push_back(Utf8FromAnsi(argument));
  std::vector<char*> argv;
  for (std::string& text : texts) argv.push_back(text.data());
  argv.push_back(nullptr);

  SpawnActions actions;
  posix_spawn_file_actions_addopen(actions.get(), STDIN_FILENO, "/dev/null", O_RDONLY, 0);
  posix_spawn_file_actions_adddup2(actions.get(), output_fd, STDOUT_FILENO);
  posix_spawn_file_actions_adddup2(actions.get(), error_fd, STDERR_FILENO);
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

// Reads what is waiting on the pipe into the kept tail, and hands it to sink; false at its end.
bool ReadOutput(int fd, std::string& tail, const ChildPrograms::OutputSink* sink = nullptr) {
  char buffer[4096];
  const ssize_t count = ::read(fd, buffer, sizeof buffer);
  if (count == 0 || (count < 0 && errno != EINTR)) return false;
  if (count < 0) return true;
  tail.append(buffer, static_cast<std::size_t>(count));
  if (tail.size() > kOutputKept) tail.erase(0, tail.size() - kOutputKept);
  if (sink != nullptr && *sink) (*sink)(std::string(buffer, static_cast<std::size_t>(count)));
  return true;
}

// A pipe from the program: its read end, the tail of what came through it, and who is handed
// each piece as it comes (none: nobody).
struct Stream {
  Descriptor fd;
  std::string* tail;
  const ChildPrograms::OutputSink* sink = nullptr;
  bool open = true;
};

// Reads what the program left in the pipe without waiting for its end.
void DrainOutput(Stream& stream) {
  ::fcntl(stream.fd.get(), F_SETFL, ::fcntl(stream.fd.get(), F_GETFL) | O_NONBLOCK);
  while (ReadOutput(stream.fd.get(), *stream.tail, stream.sink)) {
  }
}

// Reads what is waiting on the streams that poll found ready, without blocking.
void ReadReady(Stream* streams, const pollfd* watched, int count) {
  for (int i = 0; i < count; ++i) {
    if (streams[i].open && (watched[i].revents & (POLLIN | POLLHUP)) != 0) {
      streams[i].open = ReadOutput(streams[i].fd.get(), *streams[i].tail, streams[i].sink);
    }
  }
}

// Drains the outputs and collects the end of a program nobody waits for any more, so that it
// neither blocks on a full pipe nor stays a zombie.
void CollectInBackground(pid_t pid, Descriptor output, Descriptor errors) {
  std::thread([pid, out = output.Release(), err = errors.Release()] {
    std::string ignored;
    Stream streams[2] = {{Descriptor(out), &ignored}, {Descriptor(err), &ignored}};
    while (streams[0].open || streams[1].open) {
      pollfd watched[2];
      for (int i = 0; i < 2; ++i)
        watched[i] = {streams[i].open ? streams[i].fd.get() : -1, POLLIN, 0};
      ::poll(watched, 2, -1);
      ReadReady(streams, watched, 2);
      ignored.clear();
    }
    int status = 0;
    while (::waitpid(pid, &status, 0) < 0 && errno == EINTR) {
    }
  }).detach();
}

}  // namespace

ChildOutcome LinuxChildPrograms::RunAndWatch(const std::string& program,
                                             const std::vector<std::string>& arguments,
                                             const std::string& start_folder, EventPump& pump,
                                             const OutputSink& on_output) {
  ChildOutcome outcome;
  int output_fds[2];
  int error_fds[2];
  if (::pipe2(output_fds, O_CLOEXEC) != 0) return outcome;
  Stream streams[2] = {{Descriptor(output_fds[0]), &outcome.output, &on_output},
                       {Descriptor(), &outcome.errors}};
  Descriptor output_end(output_fds[1]);
  if (::pipe2(error_fds, O_CLOEXEC) != 0) return outcome;
  streams[1].fd = Descriptor(error_fds[0]);
  Descriptor error_end(error_fds[1]);
  const pid_t pid = Spawn(program, arguments, start_folder, output_end.get(), error_end.get());
  output_end.Reset();
  error_end.Reset();
  if (pid < 0) return outcome;
  outcome.started = true;
  NoteChildGroup(pid);
  const struct Noted {
    pid_t group;
    ~Noted() { ForgetChildGroup(group); }
  } noted{pid};

  // Without a pidfd (kernels before 5.3) the end is noticed at the next poll time-out.
  Descriptor process(static_cast<int>(::syscall(SYS_pidfd_open, pid, 0)));
  for (;;) {
    // poll passes over the negative descriptors of closed streams.
    pollfd watched[3] = {{streams[0].open ? streams[0].fd.get() : -1, POLLIN, 0},
                         {streams[1].open ? streams[1].fd.get() : -1, POLLIN, 0},
                         {process.get(), POLLIN, 0}};
    ::poll(watched, 3, kPollMilliseconds);
    ReadReady(streams, watched, 2);
    int status = 0;
    // The end of the program decides, not the end of its output: a program it started may
    // hold the pipe open long after.
    if (::waitpid(pid, &status, WNOHANG) == pid) {
      for (Stream& stream : streams) {
        if (stream.open) DrainOutput(stream);
      }
      outcome.ended = true;
      outcome.exit_code = ExitCodeOf(status);
      return outcome;
    }
    pump.ProcessMessages();
    if (pump.Terminating()) {
      CollectInBackground(pid, std::move(streams[0].fd), std::move(streams[1].fd));
      return outcome;
    }
  }
}

}  // namespace skarvel

namespace skarvel {

ChildOutcome InAnsiText(ChildOutcome outcome) {
  outcome.output = AnsiFromUtf8(outcome.output);
  outcome.errors = AnsiFromUtf8(outcome.errors);
  return outcome;
}

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
  const pid_t pid = Spawn(program, arguments, "", write_end.get(), write_end.get());
  write_end.Reset();
  if (pid < 0) return outcome;
  outcome.started = true;
  NoteChildGroup(pid);
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
  ForgetChildGroup(pid);
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
