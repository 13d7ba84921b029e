#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/curl_transport.h"
#include "platform/event_pump.h"
#include "service/silent_peer.h"

namespace skarvel {

// How long a request may take before it counts as failed (the service is then unreachable).
struct WebLimits {
  std::chrono::milliseconds connect{15'000};
  std::chrono::seconds stall{60};  // no byte moved for this long
};

class WebError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// One HTTP GET to the configuration service. Use in this order: Get, WaitForAnswer, then any
// number of AnswerText calls and StatusCode. A failed connection, an unreachable host, a
// transfer that stalls beyond the limits, a wait that ends because the application terminates
// or one the person gave up all leave an empty answer and status code 0; none of them throws.
class TWeb {
 public:
  explicit TWeb(EventPump& pump, WebLimits limits = {});
  ~TWeb();
  TWeb(const TWeb&) = delete;
  TWeb& operator=(const TWeb&) = delete;

  // Normalises the URL (NormaliseUrl), remembers it and starts the request; returns at once.
  // Throws WebError when a request is still running or the request cannot be started.
  void Get(const std::string& url);

  // Who the wait tells of the service's silence (peer names it), and asks whether the person
  // gave the wait up; none by default.
  void WatchSilence(SilentPeerWatch* watch, SilentPeer peer);
  // The authorities that vouch for an https service's certificate (a PEM file), instead of the
  // system's store; before Get. The chain and the host name are always verified.
  void UseAuthorities(std::string ca_file);

  // Returns when the request has ended. Pumps the event pump between polls of at most 100 ms,
  // so the window stays alive and no processor time is burnt.
  void WaitForAnswer();

  // The whole body received, byte for byte.
  std::string AnswerText() const;
  // The HTTP status of the answer; 0 when none arrived.
  long StatusCode() const;
  // The normalised URL of the last request.
  const std::string& Url() const;
  // Why the last request failed, in libcurl's words; empty when it did not.
  const std::string& FailureText() const;
  // The same, as the person is told it; kNone when it did not fail.
  NetworkCause FailureCause() const;
  // The certificate an https service presented; none over plain HTTP or after a failure.
  const std::optional<CertificateInfo>& Certificate() const;

 private:
  struct Transfer;
  std::unique_ptr<Transfer> transfer_;
};

}  // namespace skarvel
