#include "platform/work_beside.h"

#include <stdexcept>
#include <unistd.h>

#include <gtest/gtest.h>

namespace skarvel {
namespace {

// Work that blocks until a byte arrives on its pipe, as libcurl blocks on a socket.
class BlockedWork {
 public:
  BlockedWork() { EXPECT_EQ(::pipe(ends_), 0); }
  ~BlockedWork() {
    ::close(ends_[0]);
    ::close(ends_[1]);
  }
  void Run() {
    char byte = 0;
    returned = ::read(ends_[0], &byte, 1) == 1;
  }
  void Release() {
    ++interrupted;
    EXPECT_EQ(::write(ends_[1], "x", 1), 1);
  }
  bool returned = false;
  int interrupted = 0;

 private:
  int ends_[2] = {-1, -1};
};

// The caller keeps ticking while the work blocks, and a tick that says stop interrupts it once.
TEST(RunBesideTest, TicksWhileTheWorkBlocksAndInterruptsItOnce) {
  BlockedWork work;
  int ticks = 0;
  RunBeside([&] { work.Run(); }, [&] { return ++ticks < 3; }, [&] { work.Release(); },
            std::chrono::milliseconds(5));
  EXPECT_EQ(ticks, 3);
  EXPECT_EQ(work.interrupted, 1);
  EXPECT_TRUE(work.returned);
}

// What a tick throws interrupts the work and reaches the caller only once the work has ended.
TEST(RunBesideTest, WhatATickThrowsComesBackAfterTheWorkEnded) {
  BlockedWork work;
  EXPECT_THROW(RunBeside([&] { work.Run(); }, []() -> bool { throw std::runtime_error("cancel"); },
                         [&] { work.Release(); }, std::chrono::milliseconds(5)),
               std::runtime_error);
  EXPECT_EQ(work.interrupted, 1);
  EXPECT_TRUE(work.returned);
}

}  // namespace
}  // namespace skarvel
