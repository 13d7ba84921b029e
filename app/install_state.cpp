#include "app/install_state.h"

#include "app/wizard_view.h"

namespace skarvel {

TfTP DefaultFtpAccount(const std::string& host, int port) {
  return TfTP{host, port, "skarvel", "730518", true};
}

TfTP DownloadAccount(const DeploymentSettings& settings) {
  TfTP account = DefaultFtpAccount(settings.DownloadHost(), settings.ftp_port);
  account.Tls = settings.ftp_tls;
  account.CaFile = settings.ca_file;
  return account;
}

void SetBusy(InstallState& state, WizardView& view, bool flag) {
  state.Busy = flag;
  view.SetEnabled(Control::btvolgende, !flag);
  view.SetEnabled(Control::btVorige, !flag);
}

}  // namespace skarvel
