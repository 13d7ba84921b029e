#pragma once

#include <functional>
#include <string>
#include <vector>

#include "app/install_operations.h"
#include "app/install_state.h"
#include "app/wizard_view.h"
#include "platform/autostart.h"
#include "platform/reboot.h"

namespace skarvel {

// The name of the autostart entry that resumes the installation after the restart.
inline constexpr char kRunEntryName[] = "runskarvel";

// RunInstallation: the loop that carries a till through its twelve steps, one step per pass,
// driven by the record's status code. Each step reports its outcome to the service; only an
// acknowledged report ("OKOK") moves the status on, so an interrupted run resumes where it
// stopped. Returns when the loop has ended and its closing window (if any) is closed.
class InstallationDriver {
 public:
  // resume_command: what the autostart entry starts again with the customer code (the program,
  // after whatever sets its environment).
  InstallationDriver(InstallState& state, WizardView& view, InstallOperations& operations,
                     Autostart& autostart, RebootAction& reboot,
                     std::vector<std::string> resume_command);

  void RunInstallation();

  // Told of each step (1 … 12) as it starts, before its description shows.
  std::function<void(int step)> on_step_started;

 private:
  enum class PassEnd { kContinue, kLeaveAtOnce };

  void RunLoop();
  PassEnd RunStep(int status);
  // The box to mark as failed after a pass: that of the failure status the pass left, if any.
  int FailedBoxOfPass() const;
  void TranslateAliases();

  // A status report with the record's current status as its information. After a report the
  // service never answered, none is sent: false.
  bool Report(int code);
  bool Report(int code, const std::string& info);
  void SetStatus(int code);
  // Report code, then take it as the status and stop.
  void Fail(int code);
  void AdvanceOnAcknowledgement(bool acknowledged, int next);
  void Describe(int code);
  std::string TillFolder() const;

  // The error window of a run that stopped: the design's text, then the step that failed (its
  // caption from the status list) and why, as far as the run knows.
  ErrorWindowTexts StopTexts() const;
  // Why a failure status the run found at its start stopped an earlier run, as that run kept it.
  OperationFailure EarlierFailure(int status);
  // Keeps the cause of the failure status this run leaves, for the run that finds it.
  void KeepFailureForLater();

  void RestartWindows();
  void PrepareWorkFolder();
  void DownloadPackages();
  void UnpackTillPackage();
  void InstallTillPrograms();
  // The till package fetched again when it is gone, and unpacked into the work folder.
  bool UnpackTillPrograms();
  // Copies from over to when from exists; false only when a copy failed.
  bool CopyIfThere(const std::string& from, const std::string& to);
  void AddReceiptPrinter();
  PassEnd InstallDatabaseServer();
  void UnpackTemplates();
  void WriteTillSettings();
  void FillTillDatabase();
  // Reports 98 with the failure's word; an acknowledged report stops at 98.
  void ReportDatabaseFailure(const char* info);
  void StoreClosingNumber();
  void CreateShortcuts();
  void Finish();

  InstallState& state_;
  WizardView& view_;
  InstallOperations& operations_;
  Autostart& autostart_;
  RebootAction& reboot_;
  std::vector<std::string> resume_command_;
  bool stop_ = false;
  bool done_ = false;
  bool restart_refused_ = false;       // the computer refused the restart of step 1
  int step_ = 0;                       // the step of the pass that runs or ran last
  OperationFailure cause_;             // why an operation of that pass failed
  OperationFailure service_cause_;     // what went wrong with the service in that pass
  std::vector<std::string> warnings_;  // what the installation could not do, kept between runs
  bool report_unanswered_ = false;     // a report of this run got no answer at all
  bool earlier_failure_ = false;       // the run found a failure status an earlier run left
};

}  // namespace skarvel
