#include "app/install_state.h"

#include "app/wizard_view.h"

namespace skarvel {

TfTP DefaultFtpAccount(const std::string& host, int port) {
  return TfTP{host, port, "skarvel", "730518", true};
}

void SetBusy(InstallState& state, WizardView& view, bool flag) {
  state.Busy = flag;
  view.SetEnabled(Control::btvolgende, !flag);
  view.SetEnabled(Control::btVorige, !flag);
}

}  // namespace skarvel
