#include "tools/skarvel_service/reference_service.h"

#include <fstream>
#include <iterator>
#include <sstream>
#include <stdexcept>
#include <thread>
#include <utility>
#include <vector>

#include "platform/ansi_text.h"
#include "platform/windows1252.h"
#include "tools/skarvel_service/table_answer.h"

namespace skarvel::reference {
namespace {

using nlohmann::ordered_json;

constexpr char kBasePath[] = "/skv/skv.dll/";
constexpr char kTextPlain[] = "text/plain";

// What an operation answers: a word, or table rows to encode.
struct Reply {
  std::string word;
  std::optional<ordered_json> rows;
  bool known = true;
};

// In the order of the query.
using Params = std::vector<std::pair<std::string, std::string>>;

// The query's parameters, percent-decoded to the Windows-1252 bytes the client sent. A value
// ends at the next "&" and may hold "=" (httplib's own parser keeps only the text after the last
// "=" of a pair).
Params QueryParams(const httplib::Request& request) {
  Params params;
  const std::size_t question = request.target.find('?');
  if (question == std::string::npos) return params;
  std::stringstream query(request.target.substr(question + 1));
  for (std::string pair; std::getline(query, pair, '&');) {
    const std::size_t equals = pair.find('=');
    const std::string name = httplib::detail::decode_url(pair.substr(0, equals), true);
    params.emplace_back(name, equals == std::string::npos
                                  ? std::string()
                                  : httplib::detail::decode_url(pair.substr(equals + 1), true));
  }
  return params;
}

std::string Param(const httplib::Request& request, const char* name) {
  for (const auto& [key, value] : QueryParams(request)) {
    if (key == name) return value;
  }
  return std::string();
}

Reply Word(std::string word, bool known = true) { return {std::move(word), std::nullopt, known}; }

Reply TableOr(std::optional<ordered_json> rows) {
  if (!rows) return Word("EOF");
  return {"", std::move(rows)};
}

Reply Operate(ServiceData& data, const std::string& operation, const httplib::Request& request) {
  if (operation == "CheckStatus") return Word("OK");
  if (operation == "getcustinfo") {
    const auto customer = data.Customer(Utf8FromAnsi(Param(request, "code")));
    return TableOr(customer ? std::optional(ordered_json::array({*customer})) : std::nullopt);
  }
  if (operation == "Getmessages") return TableOr(data.Messages(Param(request, "lang")));
  if (operation == "GetStatus2") return TableOr(data.Statuses(Param(request, "LANG")));
  if (operation == "UpdateStatus") {
    const bool stored = data.SetStatus(Utf8FromAnsi(Param(request, "cust")),
                                       Utf8FromAnsi(Param(request, "status")));
    return Word(stored ? "OKOK" : "error");
  }
  if (operation == "createtemplate") return Word("OK");
  return Word("unknown operation", false);
}

std::string FileContents(const std::string& path) {
  std::ifstream file(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
}

std::string Body(const Reply& reply, const Fault& fault) {
  switch (fault.answer) {
    case FaultAnswer::kFile:
      return FileContents(fault.file);
    case FaultAnswer::kError:
      return "error";
    case FaultAnswer::kEof:
      return "EOF";
    case FaultAnswer::kEmpty:
      return "";
    case FaultAnswer::kGarbage:
      return "this is not a table";
    case FaultAnswer::kMismatch:
      return reply.rows ? EncodeMismatchedTable(*reply.rows) : "this is not a table";
    case FaultAnswer::kNormal:
    case FaultAnswer::kNotFound:
      break;
  }
  return reply.rows ? EncodeTable(*reply.rows) : reply.word;
}

ordered_json LoggedParams(const httplib::Request& request) {
  ordered_json params = ordered_json::object();
  for (const auto& [name, value] : QueryParams(request)) params[name] = Utf8FromAnsi(value);
  return params;
}

}  // namespace

ReferenceService::ReferenceService(ServiceData& data, RequestLog& log,
                                   const std::string& certificate, const std::string& key)
    : data_(data), log_(log) {
  if (certificate.empty()) {
    server_ = std::make_unique<httplib::Server>();
  } else {
    auto secure = std::make_unique<httplib::SSLServer>(certificate.c_str(), key.c_str());
    if (!secure->is_valid()) {
      throw std::runtime_error("the certificate " + certificate + " or its key " + key +
                               " cannot be used");
    }
    server_ = std::move(secure);
  }
  server_->Get(R"(/skv/skv\.dll/([A-Za-z0-9]+))",
               [this](const httplib::Request& request, httplib::Response& response) {
                 Answer(request, response);
               });
  server_->Get(R"(/control/([a-z]+))",
               [this](const httplib::Request& request, httplib::Response& response) {
                 Control(request, response);
               });
}

void ReferenceService::Answer(const httplib::Request& request, httplib::Response& response) {
  const std::string operation = request.matches[1];
  const Fault fault = faults_.Take(operation);
  std::this_thread::sleep_for(fault.delay);
  const Reply reply = Operate(data_, operation, request);
  response.status = fault.answer == FaultAnswer::kNotFound || !reply.known ? 404 : 200;
  response.set_content(Body(reply, fault), kTextPlain);
  ordered_json entry = {{"op", operation}, {"params", LoggedParams(request)}};
  if (reply.rows && fault.answer == FaultAnswer::kNormal) {
    entry["rows"] = reply.rows->size();
  } else {
    entry["answer"] = Utf8FromAnsi(response.body.size() <= 64 ? response.body : "<binary>");
  }
  entry["http_status"] = response.status;
  entry["fault"] = FaultAnswerName(fault.answer);
  log_.Write(std::move(entry));
}

void ReferenceService::Control(const httplib::Request& request, httplib::Response& response) {
  const std::string action = request.matches[1];
  if (action == "reset") {
    faults_.Clear();
    return response.set_content("OK", kTextPlain);
  }
  if (action == "customer") {
    const auto customer = data_.Customer(Param(request, "code"));
    response.status = customer ? 200 : 404;
    return response.set_content(customer ? customer->dump() : "no such customer",
                                "application/json");
  }
  if (action == "set") {
    const bool set =
        data_.SetField(Param(request, "code"), Param(request, "field"), Param(request, "value"));
    response.status = set ? 200 : 404;
    return response.set_content(set ? "OK" : "no such customer or field", kTextPlain);
  }
  const auto answer =
      ParseFaultAnswer(Param(request, "answer").empty() ? "normal" : Param(request, "answer"));
  if (action != "fault" || Param(request, "op").empty() || !answer) {
    response.status = 400;
    return response.set_content(
        "usage: /control/fault?op=OPERATION&answer=normal|error|EOF|"
        "empty|404|garbage|mismatch|file[&file=PATH][&delay_ms=N]"
        "[&times=N], /control/set?code=CODE&field=FIELD&value=VALUE, "
        "/control/customer?code=CODE, /control/reset",
        kTextPlain);
  }
  Fault fault{*answer, std::chrono::milliseconds(StrToIntDef(Param(request, "delay_ms"), 0)),
              StrToIntDef(Param(request, "times"), -1), Param(request, "file")};
  faults_.Set(Param(request, "op"), fault);
  response.set_content("OK", kTextPlain);
}

}  // namespace skarvel::reference
