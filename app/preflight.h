#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "platform/deployment_settings.h"
#include "service/downloads.h"
#include "service/service_operations.h"

namespace skarvel {

// How a check reached its server: plain, or over TLS with the certificate the server presented.
struct ConnectionReport {
  bool tls = false;
  std::optional<CertificateInfo> certificate;
};

// A fact a check found, for machines: a number (bytes, a version, a status), a yes or no, or a
// text (Windows-1252).
using CheckFact = std::variant<bool, std::int64_t, std::string>;

// One check of the preflight: its name (stable: "service", "code", "download-server",
// "package:FOLDER", "central-database", "disk-space", "archive-tool", "printing-system"),
// whether it passed, one line saying what was found, and what it found as named facts
// ("bytes_needed", "version", …; skarvel-cli(1) lists them); the checks that reach a server
// ("service", "download-server") say how they reached it.
struct CheckResult {
  std::string name;
  bool ok = false;
  std::string detail;
  std::vector<std::pair<std::string, CheckFact>> facts = {};
  std::optional<ConnectionReport> connection = std::nullopt;
  // False for what an installation does without, ending complete with a warning (the receipt
  // printer): its failure is said, but does not say that the installation would fail.
  bool blocking = true;
};

// A check that failed where the installation would not.
inline bool IsWarning(const CheckResult& check) { return !check.ok && !check.blocking; }

enum class PreflightOutcome { kCanRun, kServiceUnreachable, kCodeRejected, kCheckFailed };

struct PreflightResult {
  PreflightOutcome outcome = PreflightOutcome::kCheckFailed;
  std::optional<int> status;  // the status the service holds for the customer
  std::vector<CheckResult> checks;
};

// What the preflight needs around the service: where the work folder would be, and the account
// and settings of the downloads.
struct PreflightContext {
  ServiceContext& service;
  DownloadContext& downloads;
  const DeploymentSettings& settings;
  std::string work_folder;
  std::string temporary_folder;  // where a folder for the server list is made, and removed
  // Check the installation as it would run after an undo (skarvel-cli --check --undo), which
  // itself is not made.
  bool after_undo = false;
};

// Whether the installation of code can run here, found without changing anything and without
// reporting anything to the service: the service answers, the code is accepted (and what the
// next run would do), the download server accepts the login and lists every package, the central
// database opens (after the server list's aliases) and gives its version, the work and till
// folders' disks have room for the packages, the archive tool is there, and a printing system
// answers when the customer has a receipt printer. Each check goes to on_check as it is made;
// after a failed service or code check nothing more can be checked.
PreflightResult RunPreflight(PreflightContext& context, const std::string& code,
                             const std::function<void(const CheckResult&)>& on_check);

}  // namespace skarvel
