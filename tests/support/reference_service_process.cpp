#include "tests/support/reference_service_process.h"

#include <cctype>
#include <csignal>
#include <fstream>
#include <netinet/in.h>
#include <stdexcept>
#include <sys/socket.h>
#include <unistd.h>

#include <httplib.h>

#include "tests/support/wait_for_path.h"

namespace skarvel::test {

ReferenceServiceProcess::ReferenceServiceProcess(
    const std::vector<std::string>& more_data,
    const std::optional<ServerCertificate>& certificate) {
  std::vector<std::string> argv = {SKARVEL_SERVICE_PROGRAM,
                                   "--port",
                                   "0",
                                   "--data",
                                   SKARVEL_DEMO_DATA,
                                   "--data",
                                   SKARVEL_TEST_DATA "/test-customers.json",
                                   "--log",
                                   folder_.File("requests.jsonl")};
  for (const std::string& data : more_data) {
    argv.push_back("--data");
    argv.push_back(data);
  }
  if (certificate) {
    argv.insert(argv.end(), {"--cert", certificate->certificate, "--key", certificate->key});
    scheme_ = "https";
  }
  process_ = std::make_unique<ChildProcess>(argv, std::map<std::string, std::string>{});
  const std::string line = process_->ReadLine();
  const std::string prefix = "listening on " + scheme_ + "://";
  if (line.rfind(prefix, 0) != 0) throw std::runtime_error("skarvel-service said: " + line);
  host_ = line.substr(prefix.size(), line.find('/', prefix.size()) - prefix.size());
}

void ReferenceServiceProcess::Stop() { process_.reset(); }

void ReferenceServiceProcess::Freeze() { process_->Signal(SIGSTOP); }

void ReferenceServiceProcess::Thaw() { process_->Signal(SIGCONT); }

bool ReferenceServiceProcess::AwaitRequests(const std::string& operation, std::size_t count,
                                            std::chrono::milliseconds deadline) const {
  return WaitForChange(
      folder_.File("requests.jsonl"), [&] { return Requests(operation).size() >= count; },
      deadline);
}

std::string ReferenceServiceProcess::Control(const std::string& path_and_query) {
  httplib::Client client(url());
  client.enable_server_certificate_verification(false);
  const auto result = client.Get(path_and_query.c_str());
  if (!result) throw std::runtime_error("the reference service did not answer " + path_and_query);
  return result->body;
}

void ReferenceServiceProcess::Fault(const std::string& operation, const std::string& answer,
                                    int delay_ms, int times) {
  const std::string reply =
      Control("/control/fault?op=" + operation + "&answer=" + answer +
              "&delay_ms=" + std::to_string(delay_ms) + "&times=" + std::to_string(times));
  if (reply != "OK") throw std::runtime_error("fault not accepted: " + reply);
}

void ReferenceServiceProcess::SetField(const std::string& code, const std::string& field,
                                       const std::string& value) {
  std::string encoded;
  for (const unsigned char c : value) {
    static const char kHex[] = "0123456789ABCDEF";
    if (std::isalnum(c) || c == '/' || c == '.' || c == '-' || c == '_') {
      encoded += static_cast<char>(c);
    } else {
      encoded += {'%', kHex[c >> 4], kHex[c & 15]};
    }
  }
  const std::string reply =
      Control("/control/set?code=" + code + "&field=" + field + "&value=" + encoded);
  if (reply != "OK") throw std::runtime_error("field not set: " + reply);
}

void ReferenceServiceProcess::AnswerWithFile(const std::string& operation,
                                             const std::string& path) {
  const std::string reply = Control("/control/fault?op=" + operation + "&answer=file&file=" + path);
  if (reply != "OK") throw std::runtime_error("fault not accepted: " + reply);
}

nlohmann::json ReferenceServiceProcess::Customer(const std::string& code) {
  return nlohmann::json::parse(Control("/control/customer?code=" + code));
}

std::vector<nlohmann::json> ReferenceServiceProcess::Requests() const {
  std::vector<nlohmann::json> requests;
  std::ifstream log(folder_.File("requests.jsonl"));
  for (std::string line; std::getline(log, line);) requests.push_back(nlohmann::json::parse(line));
  return requests;
}

std::vector<nlohmann::json> ReferenceServiceProcess::Requests(const std::string& operation) const {
  std::vector<nlohmann::json> matching;
  for (auto& request : Requests()) {
    if (request["op"] == operation) matching.push_back(request);
  }
  return matching;
}

}  // namespace skarvel::test
