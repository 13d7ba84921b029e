#include "tests/support/in_account.h"

#include <grp.h>
#include <pwd.h>
#include <stdexcept>
#include <sys/wait.h>
#include <unistd.h>

namespace skarvel::test {

std::string InAccount(const std::string& account, const std::function<std::string()>& work) {
  const passwd* entry = ::getpwnam(account.c_str());
  if (entry == nullptr) throw std::runtime_error("no account " + account);
  const uid_t uid = entry->pw_uid;
  const gid_t gid = entry->pw_gid;
  int pipe_fds[2];
  if (::pipe(pipe_fds) != 0) throw std::runtime_error("no pipe");
  const pid_t pid = ::fork();
  if (pid < 0) throw std::runtime_error("no child process");
  if (pid == 0) {
    // The child never returns into the test: whatever happens, it ends here.
    ::close(pipe_fds[0]);
    if (::initgroups(account.c_str(), gid) != 0 || ::setresgid(gid, gid, gid) != 0 ||
        ::setresuid(uid, uid, uid) != 0) {
      ::_exit(1);
    }
    try {
      const std::string answer = work();
      const ssize_t written = ::write(pipe_fds[1], answer.data(), answer.size());
      ::_exit(written == static_cast<ssize_t>(answer.size()) ? 0 : 1);
    } catch (...) {
      ::_exit(1);
    }
  }
  ::close(pipe_fds[1]);
  std::string answer;
  char buffer[4096];
  for (ssize_t count; (count = ::read(pipe_fds[0], buffer, sizeof buffer)) > 0;) {
    answer.append(buffer, static_cast<std::size_t>(count));
  }
  ::close(pipe_fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    throw std::runtime_error("the work as " + account + " did not end well");
  }
  return answer;
}

}  // namespace skarvel::test
