#include "service/web.h"

#include <chrono>

#include <curl/curl.h>

#include "platform/translation.h"
#include "service/url_text.h"

namespace skarvel {
namespace {

constexpr int kPollMilliseconds = 100;

void InitialiseCurlOnce() {
  static const CURLcode code = curl_global_init(CURL_GLOBAL_DEFAULT);
  if (code != CURLE_OK) throw WebError(Tr("Service", "libcurl could not be initialised"));
}

struct MultiDeleter {
  void operator()(CURLM* multi) const { curl_multi_cleanup(multi); }
};
struct EasyDeleter {
  void operator()(CURL* easy) const { curl_easy_cleanup(easy); }
};

std::size_t AppendBody(char* data, std::size_t size, std::size_t count, void* body) {
  static_cast<std::string*>(body)->append(data, size * count);
  return size * count;
}

}  // namespace

struct TWeb::Transfer {
  Transfer(EventPump& event_pump, WebLimits web_limits) : pump(event_pump), limits(web_limits) {}

  EventPump& pump;
  WebLimits limits;
  std::unique_ptr<CURLM, MultiDeleter> multi;
  std::unique_ptr<CURL, EasyDeleter> easy;
  bool running = false;
  std::string url;
  std::string body;
  long status = 0;
  std::string failure;
  NetworkCause cause = NetworkCause::kNone;
  std::string ca_file;
  std::optional<CertificateInfo> certificate;
  char error_buffer[CURL_ERROR_SIZE] = {};
  SilentPeerWatch* watch = nullptr;
  SilentPeer peer;
  // When a byte last moved either way; the bytes moved by then.
  std::chrono::steady_clock::time_point last_activity;
  curl_off_t moved = 0;

  static int OnProgress(void* self, curl_off_t, curl_off_t downloaded, curl_off_t,
                        curl_off_t uploaded) {
    auto& t = *static_cast<Transfer*>(self);
    if (downloaded + uploaded != t.moved) {
      t.moved = downloaded + uploaded;
      t.last_activity = std::chrono::steady_clock::now();
    }
    return 0;
  }
  std::chrono::milliseconds Silence() const {
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 last_activity);
  }

  bool Secure() const { return url.rfind("https://", 0) == 0; }

  void Configure(CURL* handle) {
    curl_easy_setopt(handle, CURLOPT_URL, url.c_str());
    curl_easy_setopt(handle, CURLOPT_HTTPGET, 1L);
    // An https service is reached over TLS or not at all.
    curl_easy_setopt(handle, CURLOPT_PROTOCOLS_STR, Secure() ? "https" : "http,https");
    ApplyTransportSecurity(handle, {Secure(), ca_file}, TransferProtocol::kHttp);
    curl_easy_setopt(handle, CURLOPT_NOSIGNAL, 1L);
    curl_easy_setopt(handle, CURLOPT_CONNECTTIMEOUT_MS, static_cast<long>(limits.connect.count()));
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_LIMIT, 1L);
    curl_easy_setopt(handle, CURLOPT_LOW_SPEED_TIME, static_cast<long>(limits.stall.count()));
    curl_easy_setopt(handle, CURLOPT_WRITEFUNCTION, AppendBody);
    curl_easy_setopt(handle, CURLOPT_WRITEDATA, &body);
    curl_easy_setopt(handle, CURLOPT_ERRORBUFFER, error_buffer);
    curl_easy_setopt(handle, CURLOPT_NOPROGRESS, 0L);
    curl_easy_setopt(handle, CURLOPT_XFERINFOFUNCTION, OnProgress);
    curl_easy_setopt(handle, CURLOPT_XFERINFODATA, this);
  }

  // Ends the transfer; a failed one leaves no answer, not half of one.
  void Finish(CURLcode result) {
    // Before the handle leaves the transfer: libcurl forgets the certificate with it.
    if (result == CURLE_OK && Secure()) certificate = PeerCertificate(easy.get());
    curl_multi_remove_handle(multi.get(), easy.get());
    running = false;
    if (result == CURLE_OK) {
      curl_easy_getinfo(easy.get(), CURLINFO_RESPONSE_CODE, &status);
      return;
    }
    body.clear();
    failure = error_buffer[0] != '\0' ? error_buffer : curl_easy_strerror(result);
    cause = CauseOfTransfer(easy.get(), result, failure);
  }

  void CollectFinished() {
    int queued = 0;
    while (CURLMsg* message = curl_multi_info_read(multi.get(), &queued)) {
      if (message->msg == CURLMSG_DONE) Finish(message->data.result);
    }
  }
};

TWeb::TWeb(EventPump& pump, WebLimits limits) {
  InitialiseCurlOnce();
  transfer_ = std::make_unique<Transfer>(pump, limits);
  transfer_->multi.reset(curl_multi_init());
  if (!transfer_->multi) throw WebError(Tr("Service", "libcurl could not create a transfer"));
}

TWeb::~TWeb() {
  if (transfer_->running) curl_multi_remove_handle(transfer_->multi.get(), transfer_->easy.get());
}

void TWeb::Get(const std::string& url) {
  Transfer& t = *transfer_;
  if (t.running) throw WebError(Fill(Tr("Service", "A request to %1 is still running."), {t.url}));
  t.url = NormaliseUrl(url);
  t.body.clear();
  t.status = 0;
  t.failure.clear();
  t.cause = NetworkCause::kNone;
  t.certificate.reset();
  t.error_buffer[0] = '\0';
  t.easy.reset(curl_easy_init());
  if (!t.easy)
    throw WebError(Fill(Tr("Service", "libcurl could not create a request for %1"), {t.url}));
  t.Configure(t.easy.get());
  if (curl_multi_add_handle(t.multi.get(), t.easy.get()) != CURLM_OK) {
    throw WebError(Fill(Tr("Service", "libcurl could not start the request for %1"), {t.url}));
  }
  t.running = true;
  t.moved = 0;
  t.last_activity = std::chrono::steady_clock::now();
}

void TWeb::WatchSilence(SilentPeerWatch* watch, SilentPeer peer) {
  transfer_->watch = watch;
  transfer_->peer = std::move(peer);
}

void TWeb::UseAuthorities(std::string ca_file) { transfer_->ca_file = std::move(ca_file); }

void TWeb::WaitForAnswer() {
  Transfer& t = *transfer_;
  PeerSilence silence(t.watch, t.peer);
  while (t.running) {
    t.pump.ProcessMessages();
    if (t.pump.Terminating()) {
      t.Finish(CURLE_ABORTED_BY_CALLBACK);
      break;
    }
    if (const auto silent = t.Silence(); !silence.Waited(silent)) {
      t.Finish(CURLE_ABORTED_BY_CALLBACK);
      t.failure =
          Fill(Tr("Service", "the wait was given up after the service sent nothing for %1 s"),
               {std::to_string(std::chrono::duration_cast<std::chrono::seconds>(silent).count())});
      break;
    }
    int still_running = 0;
    if (curl_multi_perform(t.multi.get(), &still_running) != CURLM_OK) {
      t.Finish(CURLE_FAILED_INIT);
      break;
    }
    t.CollectFinished();
    if (t.running) curl_multi_poll(t.multi.get(), nullptr, 0, kPollMilliseconds, nullptr);
  }
}

std::string TWeb::AnswerText() const { return transfer_->body; }

long TWeb::StatusCode() const { return transfer_->status; }

const std::string& TWeb::Url() const { return transfer_->url; }

const std::string& TWeb::FailureText() const { return transfer_->failure; }

NetworkCause TWeb::FailureCause() const { return transfer_->cause; }

const std::optional<CertificateInfo>& TWeb::Certificate() const { return transfer_->certificate; }

}  // namespace skarvel
