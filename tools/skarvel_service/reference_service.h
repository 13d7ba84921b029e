#pragma once

#include <memory>
#include <string>

#include <httplib.h>

#include "tools/skarvel_service/fault_plan.h"
#include "tools/skarvel_service/request_log.h"
#include "tools/skarvel_service/service_data.h"

namespace skarvel::reference {

// The configuration service's operations under "/skv/skv.dll", answered from ServiceData, plus
// the control operations under "/control" that tests use to inject faults and read state:
//   /control/fault?op=OPERATION&answer=ANSWER[&file=PATH][&delay_ms=N][&times=N]
//   /control/reset                      (forget every fault)
//   /control/customer?code=CODE         (the customer's row as JSON)
// Over HTTPS when given a certificate and its key (PEM files); throws when they cannot be used.
class ReferenceService {
 public:
  ReferenceService(ServiceData& data, RequestLog& log, const std::string& certificate = "",
                   const std::string& key = "");
  httplib::Server& server() { return *server_; }

 private:
  void Answer(const httplib::Request& request, httplib::Response& response);
  void Control(const httplib::Request& request, httplib::Response& response);

  ServiceData& data_;
  RequestLog& log_;
  FaultPlan faults_;
  std::unique_ptr<httplib::Server> server_;
};

}  // namespace skarvel::reference
