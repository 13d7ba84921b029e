#include "service/silent_peer.h"

#include <utility>

#include "platform/translation.h"

namespace skarvel {
namespace {

constexpr std::chrono::seconds kSilentAfter{1};

}  // namespace

SilentPeer DownloadServerPeer(const std::string& host) {
  return {Tr("Service", "The download server %1 has not answered for %2 s."), host};
}

SilentPeer ServicePeer(const std::string& base_url) {
  return {Tr("Service", "The configuration service at %1 has not answered for %2 s."), base_url};
}

PeerSilence::PeerSilence(SilentPeerWatch* watch, SilentPeer peer)
    : watch_(watch), peer_(std::move(peer)) {}

PeerSilence::~PeerSilence() {
  if (watch_ != nullptr && shown_seconds_ != 0) watch_->Answered();
}

bool PeerSilence::Waited(std::chrono::milliseconds silent) {
  if (watch_ == nullptr) return true;
  if (silent < kSilentAfter) {
    if (shown_seconds_ != 0) watch_->Answered();
    shown_seconds_ = 0;
    return true;
  }
  if (watch_->WaitGivenUp()) return false;
  const long seconds =
      static_cast<long>(std::chrono::duration_cast<std::chrono::seconds>(silent).count());
  if (seconds != shown_seconds_) {
    shown_seconds_ = seconds;
    watch_->Silent(Fill(peer_.sentence, {peer_.name, std::to_string(seconds)}));
  }
  return true;
}

}  // namespace skarvel
