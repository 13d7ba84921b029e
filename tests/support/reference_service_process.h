#pragma once

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <nlohmann/json.hpp>

#include "tests/support/child_process.h"
#include "tests/support/temp_folder.h"
#include "tests/support/test_certificates.h"

namespace skarvel::test {

// The reference configuration service, started on a free loopback port with the demo data and
// the test customers, and stopped at the end of the test.
class ReferenceServiceProcess {
 public:
  // Besides the demo data and the test customers, the customers of each of more_data (files in
  // the service's data format).
  // With a certificate, over HTTPS, presenting it (whatever its flaw: the tests' own requests to
  // the service do not verify it).
  explicit ReferenceServiceProcess(
      const std::vector<std::string>& more_data = {},
      const std::optional<ServerCertificate>& certificate = std::nullopt);

  // "127.0.0.1:PORT", as SKARVEL_SERVICE_HOST takes it.
  const std::string& host() const { return host_; }
  // "https://127.0.0.1:PORT" (or http://), as SKARVEL_SERVICE_URL takes it.
  std::string url() const { return scheme_ + "://" + host_; }
  std::string base_url() const { return url() + "/skv/skv.dll"; }

  // Makes the operation misbehave: answer is one of normal, error, EOF, empty, 404, garbage,
  // mismatch; times -1 means every later request.
  void Fault(const std::string& operation, const std::string& answer, int delay_ms = 0,
             int times = -1);
  // Makes the operation answer the bytes of a file.
  void AnswerWithFile(const std::string& operation, const std::string& path);
  // Changes one column of the customer's row, e.g. the till folder into the test's own.
  void SetField(const std::string& code, const std::string& field, const std::string& value);
  // The customer's row as the service now holds it.
  nlohmann::json Customer(const std::string& code);
  // The service goes away (its request log stays readable); nothing above may be asked of it
  // afterwards but the requests.
  void Stop();
  // Stops the service where it stands (SIGSTOP), as a host that stops answering: connections
  // still queue up in the kernel, but nothing is read or answered until Thaw. Thaw before the
  // end of the test.
  void Freeze();
  void Thaw();
  // Waits until the service has answered `count` requests of the operation, woken by its
  // request log; false when the deadline passes first.
  bool AwaitRequests(const std::string& operation, std::size_t count,
                     std::chrono::milliseconds deadline) const;
  // Every request answered so far, oldest first.
  std::vector<nlohmann::json> Requests() const;
  // The requests of one operation.
  std::vector<nlohmann::json> Requests(const std::string& operation) const;

 private:
  std::string Control(const std::string& path_and_query);

  TempFolder folder_;
  std::string scheme_ = "http";
  std::unique_ptr<ChildProcess> process_;
  std::string host_;
};

}  // namespace skarvel::test
