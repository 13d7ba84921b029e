#pragma once

#include <chrono>
#include <string>

namespace skarvel {

// Told while the run waits on a peer (the download server, the configuration service) that sends
// nothing, and asked whether the person has given the wait up.
class SilentPeerWatch {
 public:
  virtual ~SilentPeerWatch() = default;
  // At each whole second the peer has sent nothing, from the first: what to show the person
  // ("The download server 127.0.0.1 has not answered for 12 s.").
  virtual void Silent(const std::string& text) = 0;
  // The peer spoke again, or the wait ended: nothing to show any more.
  virtual void Answered() = 0;
  // True once the person asked to stop: a wait on a peer that is silent then ends at once, while
  // one on a peer that sends goes on to its end.
  virtual bool WaitGivenUp() = 0;
};

// A peer a wait may find silent: the sentence the person is shown, in the person's language
// (%1 the peer's name, %2 the seconds), and the name. Kept apart so that one pass fills both and
// nothing in a name (a URL's %1F) is read as a placeholder.
struct SilentPeer {
  std::string sentence;
  std::string name;
};
SilentPeer DownloadServerPeer(const std::string& host);
SilentPeer ServicePeer(const std::string& base_url);

// One wait on a peer, told at each poll how long the peer has sent nothing. A peer counts as
// silent once it has sent nothing for a second.
class PeerSilence {
 public:
  // watch may be null: nothing is shown and nothing is given up. peer: from the functions above.
  PeerSilence(SilentPeerWatch* watch, SilentPeer peer);
  // Clears what the wait showed.
  ~PeerSilence();
  PeerSilence(const PeerSilence&) = delete;
  PeerSilence& operator=(const PeerSilence&) = delete;

  // False when the person gave the wait up while the peer was silent.
  bool Waited(std::chrono::milliseconds silent);

 private:
  SilentPeerWatch* watch_;
  SilentPeer peer_;
  long shown_seconds_ = 0;  // 0: nothing shown
};

}  // namespace skarvel
