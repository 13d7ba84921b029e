#pragma once

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "platform/curl_transport.h"
#include "platform/event_pump.h"
#include "platform/wininet.h"
#include "service/ftp_account.h"
#include "service/network_failure.h"
#include "service/silent_peer.h"

namespace skarvel {

// How far one download (FetchFile, DownloadFolder) has got: the server's folder, the file arriving
// now (empty before the first), the bytes that arrived so far and the bytes it fetches in all (0
// when the listing gave no size), and whether it has ended, the files arrived or not.
struct DownloadProgress {
  std::string folder;
  std::string file;
  std::uint64_t done = 0;
  std::uint64_t total = 0;
  bool ended = false;
};

// What a download needs besides its arguments: the pump that keeps the window alive during
// transfers, and the run log (which never sees the account's password).
struct DownloadContext {
  EventPump& pump;
  std::function<void(const std::string& line)> log;
  // Told why a download failed: one sentence for the person ("The download server 10.0.0.5
  // refused the folder zip.") and the server's or the system's words apart.
  std::function<void(const NetworkFailure& failure)> failure = nullptr;
  // Told while the server is silent, and asked whether the person gave the wait up; none by
  // default.
  SilentPeerWatch* silence = nullptr;
  // Told how far each download has got: once its folder is listed, as its bytes arrive, and at
  // its end; none by default. Must not throw.
  std::function<void(const DownloadProgress&)> progress = nullptr;
  // How long the server may send nothing before an operation fails (WinINet's 12002).
  std::chrono::milliseconds silence_limit{60'000};
  // The servers ("host:port") that stayed silent for the limit and have not answered since: the
  // next connect to one waits a tenth of the limit (at least a second), not the whole of it.
  std::set<std::string> silent_servers = {};
  // The last failure, its sentence and its detail (the server's reply, the transfer library's
  // words, the code); set before failure is told.
  NetworkFailure last_failure = {};
};

class TSimpleFTP;

// Points the client at the account's server, with its user, password and mode.
void UseAccount(TSimpleFTP& ftp, const TfTP& account);

// A progress bar: position and maximum.
using ProgressBarSink = std::function<void(int position, int maximum)>;

// Downloads the file of remote_folder whose name equals file_name without regard to case into
// local_folder (ending in "/"), under the server's spelling. True when it arrived, and also when
// the folder holds no such file; false when the server cannot be reached or the folder entered
// or listed. Every failure's cause goes to the log.
bool FetchFile(DownloadContext& context, const std::string& remote_folder,
               const std::string& local_folder, const TfTP& account, const std::string& file_name,
               const ProgressBarSink& bar);

// Downloads every file of remote_folder whose name holds a "." into local_folder, overwriting.
// True when every one arrived; false when the server cannot be reached, the folder entered or
// listed, or a file did not arrive whole. A name that would leave the local folder (one holding
// "/" or "\") is skipped and logged.
bool DownloadFolder(DownloadContext& context, const std::string& remote_folder,
                    const std::string& local_folder, const TfTP& account,
                    const ProgressBarSink& bar);

// Why the download server does not let the account in (it cannot be reached, refuses the
// login or its certificate is refused), in words for the person; empty when it does.
std::string DownloadServerProblem(DownloadContext& context, const TfTP& account);

// How the download server took the account's login: its failure (empty when it let the account
// in), and over TLS the certificate it presented.
struct DownloadServerProbe {
  NetworkFailure failure;
  std::optional<CertificateInfo> certificate;
};
DownloadServerProbe ProbeDownloadServer(DownloadContext& context, const TfTP& account);

// The files of remote_folder that DownloadFolder would download, with their sizes (a link's: its
// file's, from SIZE), without downloading anything; none when the server cannot be reached or
// the folder entered or listed (the cause goes to the log and to context.failure).
std::optional<std::vector<wininet::FindData>> ListPackageFolder(DownloadContext& context,
                                                                const std::string& remote_folder,
                                                                const TfTP& account);

// Uploads local_folder + file_name into remote_folder. False when the server cannot be reached
// or the folder entered; true otherwise, whether or not the put succeeded.
bool UploadFile(DownloadContext& context, const std::string& remote_folder,
                const std::string& local_folder, const std::string& file_name, const TfTP& account);

// location ("SERVER:path") with every occurrence of its server part replaced through section
// "SRV" of the server list in work_folder, "serveurs.cfg" in any case (keys without regard to
// case). Unchanged without a colon, without the file, or when the server is not listed.
std::string TranslateServerAlias(const std::string& location, const std::string& work_folder);

}  // namespace skarvel
