#pragma once

#include <functional>
#include <optional>
#include <string>

#include "platform/event_pump.h"
#include "platform/notifier.h"
#include "service/cust_post.h"
#include "service/memory_dataset.h"
#include "service/message_table.h"
#include "service/network_failure.h"
#include "service/silent_peer.h"
#include "service/status_list.h"
#include "service/web.h"

namespace skarvel {

// What the service operations share for the whole run: where the service is, how a wait keeps
// the window alive, where decoding errors are shown, and the process-wide state the operations
// fill. Only one operation may run at a time.
struct ServiceContext {
  ServiceContext(std::string base_url, EventPump& event_pump, Notifier& message_box)
      : ServiceBaseUrl(std::move(base_url)), pump(event_pump), notifier(message_box) {}

  std::string ServiceBaseUrl;  // "http://" or "https://" + host + "/skv/skv.dll"
  EventPump& pump;
  Notifier& notifier;
  WebLimits limits;
  TMemoryDataSet ServiceDataSet;  // every table answer lands here
  cust_post CustPost;
  MessageTable PosMessages;
  StatusList PosStatuses;
  // Told of every request and its answer ("<table N bytes>" for a table), for the run log.
  std::function<void(const std::string& url, const std::string& answer)> on_answer;
  // False when the last request got no answer at all (the service could not be reached, or
  // stopped sending, or the person gave the wait up), as opposed to an answer of any kind.
  bool last_request_answered = true;
  // Why the last request failed, one sentence for the person and the detail for the log: no
  // answer at all (a name not found, a refused connection, a time-out, a certificate refused),
  // or an answer that is no answer ("not found"; a CheckStatus that is not "OK"). Empty after
  // an answer.
  NetworkFailure last_problem;
  // The authorities that vouch for an https service's certificate (a PEM file); empty: the
  // system's store.
  std::string ca_file;
  // The certificate an https service presented at the last answered request; none over HTTP.
  std::optional<CertificateInfo> certificate;
  // Told while a request waits on a silent service, and asked whether the person gave up; none
  // by default.
  SilentPeerWatch* silence = nullptr;
};

// The result of FetchDataSet: the loaded table written back as an answer, status 1 when a table
// was decoded and 0 otherwise, and the shared table.
struct tserialdataset {
  std::string serial;
  int status = 0;
  TMemoryDataSet* table = nullptr;
};

// Receives the caption of step box 1..12.
using StepCaptionSink = std::function<void(int box, const std::string& caption)>;

// True exactly when base_url + "/CheckStatus" answers "OK". Never shows anything; when false,
// last_problem says why.
bool CheckStatus(ServiceContext& context, const std::string& base_url);

// Why the service's last request came to nothing, as a sentence for the person: it did not
// answer (and the transfer's words), or it answered, but not as the service does.
std::string ServiceProblem(const ServiceContext& context);

// Fetches url and decodes a table answer into ServiceDataSet. An answer that is 404, "error",
// "EOF" or empty gives status 0; a decoding or request error is shown through the notifier and
// gives status 0.
void FetchDataSet(ServiceContext& context, const std::string& url, tserialdataset& result);

// Looks the code up (in upper case) and fills CustPost from the answer's first row. False when
// the service is unreachable, the answer is no table, or a column is missing (shown).
bool GetCustInfo(ServiceContext& context, const std::string& code);

// Replaces PosMessages by the service's table for the language. A failed fetch keeps the table
// as it was.
void GetMessages(ServiceContext& context, const std::string& language);

// Replaces PosStatuses by the service's status list for the language and passes the captions of
// the codes 10, 20, … 120 to the boxes 1 … 12. A failed fetch keeps the list as it was.
void GetStatus2(ServiceContext& context, const std::string& language,
                const StepCaptionSink& captions);

// The statuses with nothing left to do: the last step done, or no installation wanted.
constexpr int kStatusInstalled = 120;
constexpr int kStatusNothingToDo = 999;
inline bool InstallationComplete(int status) {
  return status == kStatusInstalled || status == kStatusNothingToDo;
}
// The status an undo sends an installation back to (step 1 done), and whether a status has a
// previous installation to undo: anything after the restart step.
constexpr int kStatusUndone = 19;
inline bool HasInstallationToUndo(int status) { return status > 10 && status != kStatusUndone; }

// Sends a report (or any request whose answer is a word); the answer, or empty text when it is
// "error", "EOF", empty or the request failed. Never shows anything.
std::string UpdateStatus(ServiceContext& context, const std::string& url);

// base_url + "/UpdateStatus?cust=" + key + "&status=" + status + "&info=" + info.
std::string StatusReportUrl(const std::string& base_url, const std::string& key,
                            const std::string& status, const std::string& info);

// Why the service's last request came to nothing, one sentence for the person (the name cannot
// be found, the connection is refused, "not found", nothing came back in time, a certificate
// refused); never empty. The technical detail is in last_problem.details.
std::string ServiceProblem(const ServiceContext& context);

// The service's host (and port) in base_url: "config.example.org:8443".
std::string ServiceHostOf(const std::string& base_url);

}  // namespace skarvel
