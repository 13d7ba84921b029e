#include "service/silent_peer.h"

#include <utility>

namespace skarvel {
namespace {

constexpr std::chrono::seconds kSilentAfter{1};

}  // namespace

std::string DownloadServerPeer(const std::string& host) { return "The download server " + host; }

std::string ServicePeer(const std::string& base_url) {
  return "The configuration service at " + base_url;
}

PeerSilence::PeerSilence(SilentPeerWatch* watch, std::string peer)
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
    watch_->Silent(peer_ + " has not answered for " + std::to_string(seconds) + " s.");
  }
  return true;
}

}  // namespace skarvel
