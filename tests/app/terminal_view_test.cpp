#include "app/terminal_view.h"

#include <sstream>

#include <gtest/gtest.h>

namespace skarvel {
namespace {

std::string Note(int seconds) {
  return "The download server 127.0.0.1 has not answered for " + std::to_string(seconds) + " s.";
}

// Without a terminal (a log, Ansible) a silent peer is printed at its first second and every
// tenth after it; on a terminal its one line is renewed in place, and either the next line
// starts below it or, once the peer answered, takes its place.
TEST(TerminalViewTest, ASilentPeerIsNamedWithoutALineASecond) {
  RunLog log("");
  std::ostringstream plain;
  TerminalView piped(plain, plain, false, log, "5412345000013", true);
  for (int second = 1; second <= 12; ++second) piped.SetSilenceNote(Note(second));
  piped.SetSilenceNote("");
  piped.SetSilenceNote(Note(1));
  EXPECT_EQ(plain.str(), "  " + Note(1) + "\n  " + Note(11) + "\n  " + Note(1) + "\n");

  std::ostringstream shown;
  TerminalView terminal(shown, shown, true, log, "5412345000013", true);
  terminal.SetSilenceNote(Note(1));
  terminal.SetSilenceNote(Note(2));
  terminal.Say("next");
  terminal.SetSilenceNote(Note(1));
  terminal.SetSilenceNote("");
  terminal.Say("answered");
  EXPECT_EQ(shown.str(), "\r  " + Note(1) + "\x1b[K\r  " + Note(2) + "\x1b[K\nnext\n\r  " +
                             Note(1) + "\x1b[K\r\x1b[Kanswered\n");
}

}  // namespace
}  // namespace skarvel
