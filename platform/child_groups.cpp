#include "platform/child_groups.h"

#include <atomic>
#include <cerrno>
#include <signal.h>
#include <sys/wait.h>
#include <time.h>

namespace skarvel {
namespace {

// One program runs at a time; a few more slots for programs abandoned to the background.
constexpr int kSlots = 8;
// How long the programs get to end on TERM: 100 looks 20 ms apart.
constexpr int kGraceLooks = 100;

// Lock-free, so a signal handler may read them whatever the interrupted code was doing.
std::atomic<pid_t> groups[kSlots];
static_assert(std::atomic<pid_t>::is_always_lock_free);

bool Alive(pid_t group) { return ::kill(-group, 0) == 0 || errno == EPERM; }

void Pause() {
  const timespec pause{0, 20'000'000};
  ::nanosleep(&pause, nullptr);
}

// Waits for the group's last process: its leader is this program's child and is collected once
// it ended (a zombie still counts as a member), the others (programs it started) are watched.
void AwaitGroup(pid_t group) {
  for (int look = 0;; ++look) {
    ::waitpid(group, nullptr, WNOHANG);
    if (!Alive(group)) return;
    if (look == kGraceLooks) ::kill(-group, SIGKILL);
    Pause();
  }
}

}  // namespace

void NoteChildGroup(pid_t group) {
  for (std::atomic<pid_t>& slot : groups) {
    pid_t free_slot = 0;
    if (slot.compare_exchange_strong(free_slot, group)) return;
  }
}

void ForgetChildGroup(pid_t group) {
  for (std::atomic<pid_t>& slot : groups) {
    pid_t noted = group;
    if (slot.compare_exchange_strong(noted, 0)) return;
  }
}

void EndChildGroups() {
  for (std::atomic<pid_t>& slot : groups) {
    if (const pid_t group = slot.load(); group > 0) ::kill(-group, SIGTERM);
  }
  for (std::atomic<pid_t>& slot : groups) {
    if (const pid_t group = slot.exchange(0); group > 0) AwaitGroup(group);
  }
}

}  // namespace skarvel
