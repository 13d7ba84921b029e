#include "app/json_report.h"

#include <cmath>
#include <type_traits>
#include <utility>
#include <variant>

#include <nlohmann/json.hpp>

#include "platform/windows1252.h"

namespace skarvel {
namespace {

using Json = nlohmann::ordered_json;

Json Text(const std::string& ansi_text) { return Utf8FromAnsi(ansi_text); }

Json Texts(const std::vector<std::string>& ansi_texts) {
  Json array = Json::array();
  for (const std::string& text : ansi_texts) array.push_back(Text(text));
  return array;
}

// Seconds and speeds to a thousandth: more is noise.
Json Rounded(double number) {
  if (!std::isfinite(number)) return nullptr;
  return std::round(number * 1000) / 1000;
}

Json Optional(const std::optional<double>& number) {
  return number ? Rounded(*number) : Json(nullptr);
}

Json Event(const char* name) { return Json{{"event", name}}; }

const char* SeverityName(Severity severity) {
  return severity == Severity::kError ? "error" : "info";
}

// A piece of work's kind, and the unit of its amounts.
std::pair<const char*, const char*> KindAndUnit(WorkProgress::Kind kind) {
  switch (kind) {
    case WorkProgress::Kind::kUnpack:
      return {"unpack", "percent"};
    case WorkProgress::Kind::kTable:
      return {"table", "rows"};
    case WorkProgress::Kind::kDownload:
      break;
  }
  return {"download", "bytes"};
}

Json Details(const CheckResult& check) {
  Json details = Json::object();
  for (const auto& [name, fact] : check.facts) {
    std::visit(
        [&details, &name](const auto& value) {
          using Value = std::decay_t<decltype(value)>;
          if constexpr (std::is_same_v<Value, std::string>) {
            details[name] = Text(value);
          } else {
            details[name] = value;
          }
        },
        fact);
  }
  return details;
}

void Write(std::ostream& out, const Json& line) {
  // A text that is no valid UTF-8 never breaks the line: its bytes become U+FFFD.
  out << line.dump(-1, ' ', false, Json::error_handler_t::replace) << std::endl;
}

// {"tls":true,"certificate":{"subject":…,"names":[…],"issuer":…,"valid_until":…}} or
// {"tls":false}.
Json ConnectionObject(const ConnectionReport& connection) {
  Json object{{"tls", connection.tls}};
  if (const auto& certificate = connection.certificate) {
    object["certificate"] = Json{{"subject", Text(certificate->subject)},
                                 {"names", Texts(certificate->names)},
                                 {"issuer", Text(certificate->issuer)},
                                 {"valid_until", Text(certificate->valid_until)}};
  }
  return object;
}

}  // namespace

void JsonReport::Start(const std::string& mode, const std::string& code,
                       const std::string& service) {
  Json line = Event("start");
  line["format"] = kFormat;
  line["program"] = "skarvel-cli";
  line["version"] = SKARVEL_VERSION;
  line["mode"] = mode;
  line["code"] = Text(code);
  line["service"] = Text(service);
  Write(out_, line);
}

void JsonReport::Step(const StepReport& report) {
  Json line = Event("step");
  line["step"] = report.step;
  line["step_caption"] = Text(report.caption);
  line["status"] = report.status;
  line["outcome"] = report.Failed() ? "failed" : "done";
  line["acknowledged"] = report.acknowledged;
  line["seconds"] = Rounded(report.seconds);
  line["package"] = Text(report.package);
  Write(out_, line);
}

void JsonReport::Check(const CheckResult& check) {
  Json line = Event("check");
  line["check"] = Text(check.name);
  line["ok"] = check.ok;
  line["blocking"] = check.blocking;
  line["detail"] = Text(check.detail);
  line["details"] = Details(check);
  if (check.connection) line["connection"] = ConnectionObject(*check.connection);
  Write(out_, line);
}

void JsonReport::Message(const std::string& text, Severity severity, const Reason& reason) {
  Json line = Event("message");
  line["severity"] = SeverityName(severity);
  line["text"] = Text(text);
  if (!reason.step.empty()) line["step_caption"] = Text(reason.step);
  if (!reason.cause.empty()) line["cause"] = Text(reason.cause);
  if (!reason.details.empty()) line["details"] = Text(reason.details);
  Write(out_, line);
}

void JsonReport::Progress(int step, const MeasuredProgress& progress) {
  const WorkProgress& work = progress.work;
  Json line = Event("progress");
  line["step"] = step;
  const auto [kind, unit] = KindAndUnit(work.kind);
  line["kind"] = kind;
  line["name"] = Text(work.name);
  if (work.kind != WorkProgress::Kind::kTable) line["file"] = Text(work.item);
  line["unit"] = unit;
  line["done"] = work.done;
  line["total"] = work.total > 0 ? Json(work.total) : Json(nullptr);
  line["per_second"] = Optional(progress.per_second);
  line["seconds_left"] = Optional(progress.seconds_left);
  line["ended"] = work.ended;
  Write(out_, line);
}

void JsonReport::End(const CliOutcome& outcome) {
  Json line = Event("end");
  line["exit_code"] = outcome.exit_code;
  line["status"] = outcome.status ? Json(*outcome.status) : Json(nullptr);
  line["advice"] = Text(outcome.advice);
  line["changed"] = outcome.changed;
  line["warnings"] = Texts(outcome.warnings);
  if (!outcome.cause.empty()) line["cause"] = Text(outcome.cause);
  Write(out_, line);
}

}  // namespace skarvel
