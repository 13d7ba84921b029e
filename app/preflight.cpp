#include "app/preflight.h"

#include "app/install_state.h"
#include "app/machine_checks.h"
#include "database/central_probe.h"
#include "platform/ansi_text.h"
#include "platform/child_programs.h"
#include "platform/data_size.h"
#include "platform/file_system.h"
#include "platform/printers.h"
#include "platform/scratch_folder.h"
#include "platform/service_manager.h"
#include "platform/translation.h"
#include "workstation/process_control.h"

namespace skarvel {
namespace {

// Unpacked, a package takes up to this many times its archive's size, and the till folder gets
// a copy of the unpacked till programs.
constexpr std::uintmax_t kUnpackFactor = 3;

std::string Size(std::uintmax_t bytes) { return DataSize(bytes); }

CheckFact Bytes(std::uintmax_t bytes) { return static_cast<std::int64_t>(bytes); }

std::string Files(std::size_t count) {
  return Fill(count == 1 ? Tr("Check", "%1 file") : Tr("Check", "%1 files"),
              {std::to_string(count)});
}

// How a server was reached, each way a whole sentence; %1 the server, and with a certificate %2
// whom it is for, %3 who issued it, %4 until when it holds.
struct ReachedSentences {
  const char* plain;
  const char* tls;
  const char* certified;
};
constexpr ReachedSentences kServiceReached{
    SKARVEL_TEXT("Check",
                 "the configuration service at %1 answers over plain HTTP (not encrypted)"),
    SKARVEL_TEXT("Check", "the configuration service at %1 answers over TLS"),
    SKARVEL_TEXT("Check",
                 "the configuration service at %1 answers over TLS (certificate for %2, issued by "
                 "%3, valid until %4)")};
constexpr ReachedSentences kDownloadServerReached{
    SKARVEL_TEXT("Check", "the download server %1 accepts the login in plain FTP (not encrypted)"),
    SKARVEL_TEXT("Check", "the download server %1 accepts the login over TLS"),
    SKARVEL_TEXT("Check",
                 "the download server %1 accepts the login over TLS (certificate for %2, issued by "
                 "%3, valid until %4)")};

// "... over TLS (certificate for config.example.org, issued by CN = Lumtrak CA, valid until
// 2027-05-01)", or how the plain connection is called.
std::string Reached(const ConnectionReport& connection, const ReachedSentences& sentences,
                    const std::string& server) {
  if (!connection.tls) return Fill(Tr("Check", sentences.plain), {server});
  if (!connection.certificate) return Fill(Tr("Check", sentences.tls), {server});
  const CertificateInfo& certificate = *connection.certificate;
  return Fill(Tr("Check", sentences.certified), {server, certificate.Holder(), certificate.issuer,
                                                 certificate.valid_until.substr(0, 10)});
}

CheckResult ServiceCheck(const ServiceContext& service, bool answers) {
  if (!answers) {
    return {"service", false, ServiceProblem(service), {{"url", service.ServiceBaseUrl}}};
  }
  const ConnectionReport connection{service.ServiceBaseUrl.rfind("https://", 0) == 0,
                                    service.certificate};
  return {"service",
          true,
          Reached(connection, kServiceReached, service.ServiceBaseUrl),
          {{"url", service.ServiceBaseUrl}},
          connection};
}

CheckResult DownloadServerCheck(DownloadContext& downloads, const TfTP& account) {
  const DownloadServerProbe probe = ProbeDownloadServer(downloads, account);
  std::vector<std::pair<std::string, CheckFact>> facts{{"host", account.Host},
                                                       {"port", std::int64_t{account.Port}}};
  if (!probe.failure.empty()) return {"download-server", false, probe.failure.cause, facts};
  const ConnectionReport connection{account.Tls, probe.certificate};
  return {"download-server", true,
          Reached(connection, kDownloadServerReached,
                  account.Host + ":" + std::to_string(account.Port)),
          facts, connection};
}

std::string StepName(const StatusList& statuses, int step) {
  const std::string caption = FindStatusEntry(statuses, std::to_string(10 * step)).psl_name;
  if (caption.empty()) return Fill(Tr("Check", "step %1"), {std::to_string(step)});
  return Fill(Tr("Check", "step %1 (%2)"), {std::to_string(step), caption});
}

// What the next run would do from the status, and whether it can.
CheckResult CodeCheck(const std::string& code, const cust_post& record, const StatusList& statuses,
                      bool after_undo) {
  const int status = StrToIntDef(record.cp_ps_code, 99);
  // Each line names the customer and the status first (%1, %2).
  const std::string& name = record.cus_name;
  const std::string& held = record.cp_ps_code;
  const auto facts = [&](int step) {
    std::vector<std::pair<std::string, CheckFact>> found{{"customer", record.cus_name},
                                                         {"status", std::int64_t{status}}};
    if (step != 0) found.emplace_back("next_step", std::int64_t{step});
    return found;
  };
  if (after_undo && HasInstallationToUndo(status)) {
    const int step = kStatusUndone / 10 + 1;
    return {
        "code", true,
        Fill(Tr("Check",
                "%1, status %2: the undo sends the installation back; the next run starts at %3"),
             {name, held, StepName(statuses, step)}),
        facts(step)};
  }
  if (InstallationComplete(status)) {
    return {"code", true,
            Fill(Tr("Check", "%1, status %2: the installation is complete; nothing is left to do"),
                 {name, held}),
            facts(0)};
  }
  const int step = status % 10 == 9 ? status / 10 + 1 : status / 10;
  if (status % 10 == 8 && step >= 1) {
    return {"code", false,
            Fill(Tr("Check",
                    "%1, status %2: the installation stopped at %3; put the cause right, then "
                    "start skarvel-cli --undo %4"),
                 {name, held, StepName(statuses, status / 10), code}),
            facts(0)};
  }
  if (step < 1 || step > 12 || (status % 10 != 0 && status % 10 != 9)) {
    return {
        "code", false,
        Fill(Tr("Check", "%1, status %2: this status names no step: the installation cannot run"),
             {name, held}),
        facts(0)};
  }
  return {"code", true,
          Fill(Tr("Check", "%1, status %2: the next run starts at %3"),
               {name, held, StepName(statuses, step)}),
          facts(step)};
}

class Checker {
 public:
  Checker(PreflightContext& context, const std::function<void(const CheckResult&)>& on_check)
      : context_(context), on_check_(on_check) {}

  bool Record(CheckResult check) {
    if (on_check_) on_check_(check);
    const bool ok = check.ok;
    result.checks.push_back(std::move(check));
    return ok;
  }
  bool AllPassed() const {
    for (const CheckResult& check : result.checks) {
      if (!check.ok && check.blocking) return false;
    }
    return true;
  }

  void Packages(const cust_post& record, const TfTP& account);
  void Central(const cust_post& record, const TfTP& account);
  void Disk(const cust_post& record);
  void Tools(const cust_post& record);

  PreflightResult result;

 private:
  std::string Listed(const std::string& folder, const TfTP& account, std::uintmax_t& total);

  PreflightContext& context_;
  const std::function<void(const CheckResult&)>& on_check_;
  std::uintmax_t downloads_ = 0;
  std::uintmax_t till_package_ = 0;
  std::string cause_;
};

// The folder's files and their total size; the cause when it cannot be listed.
std::string Checker::Listed(const std::string& folder, const TfTP& account, std::uintmax_t& total) {
  cause_.clear();
  const auto files = ListPackageFolder(context_.downloads, folder, account);
  if (!files) {
    return cause_.empty() ? Fill(Tr("Check", "the folder %1 cannot be listed"), {folder}) : cause_;
  }
  total = 0;
  for (const wininet::FindData& file : *files) total += file.nFileSize;
  Record({"package:" + folder,
          true,
          Files(files->size()) + ", " + Size(total),
          {{"files", static_cast<std::int64_t>(files->size())}, {"bytes", Bytes(total)}}});
  return "";
}

void Checker::Packages(const cust_post& record, const TfTP& account) {
  DownloadContext& downloads = context_.downloads;
  const auto keep_failure = downloads.failure;
  downloads.failure = [this](const NetworkFailure& failure) {
    if (cause_.empty()) cause_ = failure.cause;
  };
  for (const std::string& folder :
       {std::string("srv"), std::string("zip"), record.pv_path, std::string("firebird")}) {
    std::uintmax_t total = 0;
    const std::string problem = Listed(folder, account, total);
    if (!problem.empty()) {
      Record({"package:" + folder, false, problem});
      continue;
    }
    if (folder != "srv") downloads_ += total;
    if (folder == record.pv_path) till_package_ = total;
  }
  cause_.clear();
  const auto templates = ListPackageFolder(downloads, record.pt_path, account);
  const std::string name = "package:" + record.pt_path;
  if (!templates) {
    Record({name, false, cause_});
  } else {
    bool found = false;
    for (const wininet::FindData& file : *templates) {
      if (!SameText(file.cFileName, record.pt_filename)) continue;
      found = true;
      downloads_ += file.nFileSize;
      Record({name,
              true,
              file.cFileName + ", " + Size(file.nFileSize),
              {{"file", file.cFileName}, {"bytes", Bytes(file.nFileSize)}}});
    }
    if (!found)
      Record({name, false,
              Fill(Tr("Check", "the folder %1 has no %2"), {record.pt_path, record.pt_filename})});
  }
  downloads.failure = keep_failure;
}

void Checker::Central(const cust_post& record, const TfTP& account) {
  // The server list is fetched into a folder of the check's own, which goes again: the check
  // changes nothing on this workstation, and checks running side by side never meet.
  std::string location = record.cus_base_pos;
  {
    const ScratchFolder folder(context_.temporary_folder, "skarvel-check-");
    if (!folder.path().empty()) {
      FetchFile(context_.downloads, "srv", folder.path(), account, "serveurs.cfg", nullptr);
      location = TranslateServerAlias(record.cus_base_pos, folder.path());
    }
  }
  const db::CentralProbe probe = db::ProbeCentralDatabase(location);
  std::vector<std::pair<std::string, CheckFact>> facts{{"location", location}};
  if (probe.reached) facts.emplace_back("version", std::int64_t{probe.version});
  Record(
      {"central-database", probe.reached,
       probe.reached
           ? Fill(Tr("Check", "%1 answers, version %2"), {location, std::to_string(probe.version)})
           : Fill(Tr("Check", "%1 cannot be opened: %2"), {location, OneLine(probe.error)}),
       facts});
}

void Checker::Disk(const cust_post& record) {
  const std::uintmax_t work_needs = downloads_ + kUnpackFactor * till_package_;
  const std::uintmax_t till_needs = kUnpackFactor * till_package_;
  const auto work_free = FreeSpace(context_.work_folder);
  const auto till_free = FreeSpace(record.PPA_POSPATH);
  if (!work_free || !till_free) {
    Record({"disk-space", false,
            Tr("Check", "the free space of the work or the till folder's disk is unknown")});
    return;
  }
  const bool shared = FileSystemOf(context_.work_folder) == FileSystemOf(record.PPA_POSPATH);
  const bool enough = shared ? *work_free >= work_needs + till_needs
                             : *work_free >= work_needs && *till_free >= till_needs;
  Record({"disk-space",
          enough,
          shared
              ? Fill(Tr("Check",
                        "the work folder needs %1 and has %2 on the disk it shares with the till "
                        "folder, which needs %3"),
                     {Size(work_needs), Size(*work_free), Size(till_needs)})
              : Fill(Tr("Check",
                        "the work folder needs %1 and has %2; the till folder needs %3 and has %4"),
                     {Size(work_needs), Size(*work_free), Size(till_needs), Size(*till_free)}),
          {{"work_bytes_needed", Bytes(work_needs)},
           {"work_bytes_free", Bytes(*work_free)},
           {"till_bytes_needed", Bytes(till_needs)},
           {"till_bytes_free", Bytes(*till_free)},
           {"same_disk", shared}}});
}

void Checker::Tools(const cust_post& record) {
  const bool tool = ProgramOnPath(kArchiveTool);
  Record({"archive-tool",
          tool,
          tool ? Fill(Tr("Check", "%1 is there"), {kArchiveTool})
               : Fill(Tr("Check", "%1 is missing: install the package p7zip-full"), {kArchiveTool}),
          {{"program", std::string(kArchiveTool)}}});
  if (Trim(record.CP_GENTEXT).empty()) return;
  const std::string problem = PrintingSystemProblem();
  CheckResult printing{
      "printing-system", problem.empty(),
      problem.empty()
          ? Fill(Tr("Check", "a printing system answers for the printer %1"), {record.CP_GENTEXT})
          : problem};
  printing.blocking = false;
  Record(std::move(printing));
}

}  // namespace

PreflightResult RunPreflight(PreflightContext& context, const std::string& code,
                             const std::function<void(const CheckResult&)>& on_check) {
  Checker checker(context, on_check);
  ServiceContext& service = context.service;
  const bool answers = CheckStatus(service, service.ServiceBaseUrl);
  if (!checker.Record(ServiceCheck(service, answers))) {
    checker.result.outcome = PreflightOutcome::kServiceUnreachable;
    return checker.result;
  }
  if (!GetCustInfo(service, code)) {
    checker.Record({"code", false,
                    Fill(Tr("Check", "the service does not accept the customer code %1"), {code})});
    checker.result.outcome = PreflightOutcome::kCodeRejected;
    return checker.result;
  }
  const cust_post& record = service.CustPost;
  UseLanguageOfCode(record.cp_lng_code);
  checker.result.status = StrToIntDef(record.cp_ps_code, 99);
  GetStatus2(service, record.cp_lng_code, nullptr);
  checker.Record(CodeCheck(code, record, service.PosStatuses, context.after_undo));

  TfTP account = DownloadAccount(context.settings);
  account.Passive = record.CP_FTPPASSIF;
  if (checker.Record(DownloadServerCheck(context.downloads, account))) {
    checker.Packages(record, account);
  }
  checker.Central(record, account);
  checker.Disk(record);
  checker.Tools(record);
  SystemdServiceManager services(context.settings.systemd_root);
  for (CheckResult& check :
       CheckRights(record, *checker.result.status, services, context.settings)) {
    checker.Record(std::move(check));
  }
  checker.result.outcome =
      checker.AllPassed() ? PreflightOutcome::kCanRun : PreflightOutcome::kCheckFailed;
  return checker.result;
}

}  // namespace skarvel
