#pragma once

#include <string>

#include "platform/deployment_settings.h"
#include "service/ftp_account.h"
#include "service/service_operations.h"

namespace skarvel {

// The process-wide state of the wizard: created once at start-up, alive until exit. The service
// context holds the service's address, the customer record, the shared table, the message table
// and the status list.
struct InstallState {
  explicit InstallState(ServiceContext& service_context) : service(service_context) {}

  ServiceContext& service;
  std::string WorkFolder;  // temporary folder + "skarvel/"
  std::string TillFolder;  // PPA_POSPATH of the last accepted code
  bool ResumeMode = false;
  bool FirstActivation = true;
  bool AbortRequested = false;
  bool Busy = false;
  TfTP FtpAccount;

  cust_post& CustPost() { return service.CustPost; }
  const MessageTable& PosMessages() const { return service.PosMessages; }
};

// The download account: the deployment's download host and port, the fixed user and password,
// passive until a customer's record says otherwise.
TfTP DefaultFtpAccount(const std::string& host, int port);
// The default account on the deployment's download server, reached as its settings say (plain,
// or over TLS with their authorities).
TfTP DownloadAccount(const DeploymentSettings& settings);

}  // namespace skarvel

namespace skarvel {

class WizardView;

// Busy marks a running installation loop; while it holds, btvolgende and btVorige are disabled
// so no second run starts inside the first.
void SetBusy(InstallState& state, WizardView& view, bool flag);

}  // namespace skarvel
