#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

#include "app/installation_driver.h"
#include "app/wizard_flow.h"
#include "tests/support/recording_notifier.h"
#include "tests/support/recording_operations.h"
#include "tests/support/recording_view.h"
#include "tests/support/reference_service_process.h"

namespace skarvel::test {

// A pump that can play a click arriving while the flow waits.
class ScriptedPump final : public EventPump {
 public:
  void ProcessMessages() override {
    if (on_pump) on_pump();
  }
  bool Terminating() const override { return false; }
  std::function<void()> on_pump;
};

// The whole flow against a fresh reference service, with recording fakes for the view and the
// installation operations.
class FlowTest : public testing::Test {
 protected:
  FlowTest()
      : context_(service_.base_url(), pump_, notifier_),
        state_(context_),
        driver_(state_, view_, operations_, autostart_, reboot_, {"/usr/bin/skarvel"}),
        flow_(state_, view_, operations_, autostart_, driver_) {
    state_.WorkFolder = "/tmp/skarvel/";
    state_.FtpAccount = DefaultFtpAccount("127.0.0.1", 21);
  }

  // Starts the wizard and has the code accepted: page 2 shows the customer.
  void AcceptCode(const std::string& code) {
    view_.code = code;
    flow_.FormCreate({});
    flow_.FormActivate();
    flow_.btCodeClick();
  }

  // The customer's record as loaded, with its status set in memory, on page 3.
  void StandOnPage3(const std::string& code, const std::string& status) {
    AcceptCode(code);
    ASSERT_EQ(view_.page, 1);
    flow_.btvolgendeClick();
    ASSERT_EQ(view_.page, 2);
    state_.CustPost().cp_ps_code = status;
    view_.ticked.clear();
    view_.failed.clear();
    view_.error_windows.clear();
  }

  // The status reports the service received, as "status/info".
  std::vector<std::string> Reports() const {
    std::vector<std::string> reports;
    for (const auto& request : service_.Requests("UpdateStatus")) {
      reports.push_back(request["params"]["status"].get<std::string>() + "/" +
                        request["params"]["info"].get<std::string>());
    }
    return reports;
  }

  ReferenceServiceProcess service_;
  ScriptedPump pump_;
  RecordingNotifier notifier_;
  ServiceContext context_;
  InstallState state_;
  RecordingView view_;
  RecordingOperations operations_;
  RecordingAutostart autostart_;
  RecordingReboot reboot_;
  InstallationDriver driver_;
  WizardFlow flow_;
};

}  // namespace skarvel::test
