#pragma once

#include "app/install_state.h"
#include "app/wizard_view.h"
#include "service/silent_peer.h"

namespace skarvel {

// A silent peer as the person sees it: the view's silence note. A wait on it is given up once the
// person has cancelled the installation, or the program is ending.
class ViewSilence final : public SilentPeerWatch {
 public:
  ViewSilence(WizardView& view, const InstallState& state) : view_(view), state_(state) {}

  void Silent(const std::string& text) override { view_.SetSilenceNote(text); }
  void Answered() override { view_.SetSilenceNote(""); }
  bool WaitGivenUp() override { return state_.AbortRequested || state_.service.pump.Terminating(); }

 private:
  WizardView& view_;
  const InstallState& state_;
};

}  // namespace skarvel
