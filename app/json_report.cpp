#include "app/json_report.h"

#include "app/json_line.h"

namespace skarvel {

void JsonReport::Write(const std::string& line) { out_ << line << std::endl; }

void JsonReport::Start(const std::string& mode, const std::string& code,
                       const std::string& service) {
  Write(JsonLine()
            .Add("event", "start")
            .Add("program", "skarvel-cli")
            .Add("version", SKARVEL_VERSION)
            .Add("mode", mode)
            .Add("code", code)
            .Add("service", service)
            .Text());
}

void JsonReport::Step(int step, int status, bool acknowledged, double seconds) {
  Write(JsonLine()
            .Add("event", "step")
            .Add("step", step)
            .Add("status", status)
            .Add("outcome", status % 10 == 8 ? "failed" : "done")
            .Add("acknowledged", acknowledged)
            .Add("seconds", seconds)
            .Text());
}

namespace {

// {"tls":true,"certificate":{"subject":…,"names":[…],"issuer":…,"valid_until":…}} or
// {"tls":false}.
JsonLine ConnectionObject(const ConnectionReport& connection) {
  JsonLine object;
  object.Add("tls", connection.tls);
  if (const auto& certificate = connection.certificate) {
    object.Add("certificate", JsonLine()
                                  .Add("subject", certificate->subject)
                                  .Add("names", certificate->names)
                                  .Add("issuer", certificate->issuer)
                                  .Add("valid_until", certificate->valid_until));
  }
  return object;
}

}  // namespace

void JsonReport::Check(const CheckResult& check) {
  JsonLine line;
  line.Add("event", "check")
      .Add("check", check.name)
      .Add("ok", check.ok)
      .Add("detail", check.detail);
  if (check.connection) line.Add("connection", ConnectionObject(*check.connection));
  Write(line.Text());
}

void JsonReport::Message(const std::string& text, const Reason& reason) {
  JsonLine line;
  line.Add("event", "message").Add("text", text);
  if (!reason.step.empty()) line.Add("step_caption", reason.step);
  if (!reason.cause.empty()) line.Add("cause", reason.cause);
  if (!reason.details.empty()) line.Add("details", reason.details);
  Write(line.Text());
}

void JsonReport::End(int exit_code, std::optional<int> status, const std::string& advice,
                     const std::vector<std::string>& warnings, const std::string& cause) {
  JsonLine line;
  line.Add("event", "end")
      .Add("exit_code", exit_code)
      .Add("status", status)
      .Add("advice", advice)
      .Add("warnings", warnings);
  if (!cause.empty()) line.Add("cause", cause);
  Write(line.Text());
}

}  // namespace skarvel
