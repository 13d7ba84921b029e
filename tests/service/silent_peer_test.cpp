#include "service/silent_peer.h"

#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace skarvel {
namespace {

using std::chrono::milliseconds;

class RecordingWatch : public SilentPeerWatch {
 public:
  void Silent(const std::string& text) override { shown.push_back(text); }
  void Answered() override { shown.push_back("(answered)"); }
  bool WaitGivenUp() override { return given_up; }

  std::vector<std::string> shown;
  bool given_up = false;
};

// The person sees each new whole second once, the peer named as it is, even when its name holds
// what looks like a placeholder; an answer clears what was shown.
TEST(PeerSilenceTest, ShowsEachSecondOfSilenceWithThePeerAsNamed) {
  RecordingWatch watch;
  {
    PeerSilence silence(&watch, ServicePeer("http://127.0.0.1:8080/a%1F%2"));
    EXPECT_TRUE(silence.Waited(milliseconds(400)));
    EXPECT_TRUE(silence.Waited(milliseconds(1'100)));
    EXPECT_TRUE(silence.Waited(milliseconds(1'900)));
    EXPECT_TRUE(silence.Waited(milliseconds(2'000)));
    EXPECT_TRUE(silence.Waited(milliseconds(100)));
    EXPECT_TRUE(silence.Waited(milliseconds(1'000)));
  }
  const std::vector<std::string> expected = {
      "The configuration service at http://127.0.0.1:8080/a%1F%2 has not answered for 1 s.",
      "The configuration service at http://127.0.0.1:8080/a%1F%2 has not answered for 2 s.",
      "(answered)",
      "The configuration service at http://127.0.0.1:8080/a%1F%2 has not answered for 1 s.",
      "(answered)"};
  EXPECT_EQ(watch.shown, expected);
}

TEST(PeerSilenceTest, AGivenUpWaitEndsOnlyWhileThePeerIsSilent) {
  RecordingWatch watch;
  watch.given_up = true;
  PeerSilence silence(&watch, DownloadServerPeer("127.0.0.1"));
  EXPECT_TRUE(silence.Waited(milliseconds(500)));
  EXPECT_FALSE(silence.Waited(milliseconds(1'500)));
  EXPECT_TRUE(watch.shown.empty());
}

}  // namespace
}  // namespace skarvel
