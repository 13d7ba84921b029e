#include "service/service_operations.h"

#include <exception>

#include "platform/ansi_text.h"
#include "platform/translation.h"
#include "service/url_text.h"

namespace skarvel {
namespace {

constexpr int kFirstStepCode = 10;
constexpr int kLastStepCode = kStatusInstalled;

// The service's own failure words.
bool IsAnswer(const std::string& text) { return !text.empty() && text != "error" && text != "EOF"; }

// The body of a GET, or empty text when the request could not be made.
struct Answer {
  std::string text;
  long status_code = 0;
};

// What the log shows of an answer: a word as it is, a table by its size.
std::string Loggable(const Answer& answer, const std::string& failure) {
  if (!failure.empty()) return "no answer (" + failure + ")";
  bool word = answer.text.size() <= 64;
  for (char c : answer.text) word = word && static_cast<unsigned char>(c) >= ' ';
  std::string shown =
      word ? "\"" + answer.text + "\"" : "<table " + std::to_string(answer.text.size()) + " bytes>";
  if (answer.status_code != 200) shown += " (HTTP " + std::to_string(answer.status_code) + ")";
  return shown;
}

constexpr long kNotFound = 404;

// What the person is told of a request that got no answer, or "not found".
NetworkFailure FailureOf(const ServiceContext& context, const TWeb& web, const Answer& answer) {
  const std::string host = ServiceHostOf(context.ServiceBaseUrl);
  if (!web.FailureText().empty()) {
    return {ServiceFailureSentence(web.FailureCause(), host), web.FailureText()};
  }
  if (answer.status_code == kNotFound) {
    return {ServiceFailureSentence(NetworkCause::kNotFound, host),
            Fill(Tr("Service", "HTTP %1 for %2"), {std::to_string(kNotFound), web.Url()})};
  }
  return {};
}

Answer Request(ServiceContext& context, const std::string& url) {
  TWeb web(context.pump, context.limits);
  web.WatchSilence(context.silence, ServicePeer(context.ServiceBaseUrl));
  web.UseAuthorities(context.ca_file);
  web.Get(url);
  web.WaitForAnswer();
  Answer answer{web.AnswerText(), web.StatusCode()};
  context.last_request_answered = web.FailureText().empty();
  context.last_problem = FailureOf(context, web, answer);
  context.certificate = web.Certificate();
  if (context.on_answer) context.on_answer(web.Url(), Loggable(answer, web.FailureText()));
  return answer;
}

void StoreMessages(TMemoryDataSet& table, MessageTable& messages) {
  messages.assign(static_cast<std::size_t>(table.RecordCount()), pos_Messages{});
  std::size_t row = 0;
  for (table.First(); !table.Eof(); table.Next(), ++row) {
    pos_Messages& entry = messages[row];
    entry.code = Trim(table.FieldByName("MSG_CODE").AsString());
    entry.text = table.FieldByName("MSG_NAME").AsString();
    entry.language = table.FieldByName("MSG_LNG_CODE").AsString();
  }
}

void StoreStatuses(TMemoryDataSet& table, StatusList& statuses) {
  statuses.clear();
  for (table.First(); !table.Eof(); table.Next()) {
    pos_status& entry = statuses.emplace_back();
    entry.ps_code = table.FieldByName("ps_code").AsString();
    entry.ps_name = table.FieldByName("ps_name").AsString();
    entry.psl_name = table.FieldByName("psl_name").AsString();
    entry.psl_info = table.FieldByName("psl_info").AsString();
  }
}

void PassCaptions(const StatusList& statuses, const StepCaptionSink& captions) {
  if (!captions) return;
  for (const pos_status& entry : statuses) {
    const int code = StrToIntDef(entry.ps_code, 0);
    if (code >= kFirstStepCode && code <= kLastStepCode && code % 10 == 0) {
      captions(code / 10, entry.psl_name);
    }
  }
}

}  // namespace

bool CheckStatus(ServiceContext& context, const std::string& base_url) {
  try {
    const Answer answer = Request(context, base_url + "/CheckStatus");
    if (answer.text == "OK") return true;
    if (context.last_problem.empty()) {
      context.last_problem = {
          ServiceFailureSentence(NetworkCause::kUnexpectedAnswer, ServiceHostOf(base_url)),
          Fill(Tr("Service", "CheckStatus answered %1"), {Loggable(answer, "")})};
    }
    return false;
  } catch (const std::exception& error) {
    context.last_problem = {ServiceFailureSentence(NetworkCause::kOther, ServiceHostOf(base_url)),
                            error.what()};
    return false;
  }
}

void FetchDataSet(ServiceContext& context, const std::string& url, tserialdataset& result) {
  result = tserialdataset{};
  try {
    const Answer answer = Request(context, url);
    if (answer.status_code == 404 || !IsAnswer(answer.text)) return;
    context.ServiceDataSet.LoadFromSerial(answer.text);
    std::string serial = context.ServiceDataSet.SaveToSerial();
    if (!serial.empty()) result = {std::move(serial), 1, &context.ServiceDataSet};
  } catch (const std::exception& error) {
    result = tserialdataset{};
    context.notifier.ShowMessage(error.what());
  }
}

bool GetCustInfo(ServiceContext& context, const std::string& code) {
  if (!CheckStatus(context, context.ServiceBaseUrl)) return false;
  tserialdataset result;
  FetchDataSet(context, context.ServiceBaseUrl + "/getcustinfo?code=" + QueryValue(UpperCase(code)),
               result);
  if (result.status != 1) return false;
  try {
    FillCustPost(context.ServiceDataSet, context.CustPost);
  } catch (const std::exception& error) {
    context.notifier.ShowMessage(error.what());
    return false;
  }
  context.ServiceDataSet.EmptyRows();
  return true;
}

void GetMessages(ServiceContext& context, const std::string& language) {
  tserialdataset result;
  FetchDataSet(context, context.ServiceBaseUrl + "/Getmessages?lang=" + QueryValue(language),
               result);
  try {
    if (result.status == 1) StoreMessages(context.ServiceDataSet, context.PosMessages);
  } catch (const std::exception& error) {
    context.notifier.ShowMessage(error.what());
  }
  context.ServiceDataSet.EmptyRows();
}

void GetStatus2(ServiceContext& context, const std::string& language,
                const StepCaptionSink& captions) {
  tserialdataset result;
  FetchDataSet(context, context.ServiceBaseUrl + "/GetStatus2?LANG=" + QueryValue(language),
               result);
  if (result.status != 1) return;
  try {
    StoreStatuses(context.ServiceDataSet, context.PosStatuses);
    PassCaptions(context.PosStatuses, captions);
  } catch (const std::exception& error) {
    context.notifier.ShowMessage(error.what());
  }
}

std::string UpdateStatus(ServiceContext& context, const std::string& url) {
  try {
    std::string answer = Request(context, url).text;
    return IsAnswer(answer) ? answer : std::string();
  } catch (const std::exception&) {
    return std::string();
  }
}

std::string ServiceProblem(const ServiceContext& context) {
  if (!context.last_problem.empty()) return context.last_problem.cause;
  return ServiceFailureSentence(
      context.last_request_answered ? NetworkCause::kUnexpectedAnswer : NetworkCause::kOther,
      ServiceHostOf(context.ServiceBaseUrl));
}

std::string ServiceHostOf(const std::string& base_url) {
  const std::size_t scheme = base_url.find("://");
  const std::size_t start = scheme == std::string::npos ? 0 : scheme + 3;
  return base_url.substr(start, base_url.find('/', start) - start);
}

std::string StatusReportUrl(const std::string& base_url, const std::string& key,
                            const std::string& status, const std::string& info) {
  return base_url + "/UpdateStatus?cust=" + QueryValue(key) + "&status=" + QueryValue(status) +
         "&info=" + QueryValue(info);
}

}  // namespace skarvel
