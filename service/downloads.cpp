#include "service/downloads.h"

#include <algorithm>
#include <exception>

#include "platform/ansi_text.h"
#include "platform/file_system.h"
#include "platform/profile_file.h"
#include "platform/translation.h"
#include "service/download_choice.h"
#include "service/simple_ftp.h"

namespace skarvel {
namespace {

constexpr char kAgent[] = "Lumtrak Install";

// The cause of the client's last failure, for the log: the server's refusal as it sent it, a
// refused connection, a time-out, a certificate refused.
std::string Because(const TSimpleFTP& ftp) {
  const std::string why = ftp.LastErrorText();
  return why.empty() ? "" : " (" + why + ")";
}

// The client's last failure: the sentence for the person, and its words and code apart. A file
// on this computer that could not be written or read keeps the system's own words ("No space
// left on device"), which say what to put right.
NetworkFailure FailureOf(const TSimpleFTP& ftp, DownloadAction action, const std::string& what) {
  const std::string why = ftp.LastErrorText();
  std::string sentence = DownloadFailureSentence(ftp.LastErrorCause(), action, ftp.HostName, what);
  const std::size_t system_words = why.rfind(": ");
  if (ftp.LastErrorCause() == NetworkCause::kLocalFile && system_words != std::string::npos) {
    sentence.insert(sentence.size() - 1, ": " + why.substr(system_words + 2));
  }
  return {sentence, (why.empty() ? Tr("Downloads", "no reason given") : why) + " (" +
                        std::to_string(ftp.LastError()) + ")"};
}

void Failed(DownloadContext& context, NetworkFailure failure) {
  context.last_failure = std::move(failure);
  if (context.failure) context.failure(context.last_failure);
}

// How long a server found silent gets to answer the next connect.
std::chrono::milliseconds KnownSilentLimit(std::chrono::milliseconds limit) {
  return std::max(limit / 10, std::chrono::milliseconds(1'000));
}

std::string ServerOf(const TfTP& account) {
  return account.Host + ":" + std::to_string(account.Port);
}

// Connects within the silence the server earned: one found silent earlier in this run gets
// seconds, not minutes, and one silent now is remembered, so a run (or a check) that meets a dead
// server waits the full limit once. The full limit is back for the commands that follow.
bool ConnectMindingSilence(DownloadContext& context, TSimpleFTP& ftp, const TfTP& account) {
  const std::string server = ServerOf(account);
  const bool known_silent = context.silent_servers.count(server) != 0;
  ftp.SetReceiveTimeout(static_cast<unsigned long>(
      (known_silent ? KnownSilentLimit(context.silence_limit) : context.silence_limit).count()));
  if (!ftp.Connect()) {
    if (ftp.LastError() == wininet::ERROR_INTERNET_TIMEOUT) context.silent_servers.insert(server);
    return false;
  }
  context.silent_servers.erase(server);
  ftp.SetReceiveTimeout(static_cast<unsigned long>(context.silence_limit.count()));
  return true;
}

// A connected client in the remote folder, or none (the client is then disconnected).
struct Session {
  DownloadContext& context;
  std::string server;  // "host:port"
  PeerSilence silence;
  TSimpleFTP ftp;
  bool ready = false;

  Session(DownloadContext& download_context, const std::string& remote_folder, const TfTP& account,
          const ProgressBarSink& bar)
      : context(download_context),
        server(ServerOf(account)),
        silence(context.silence, DownloadServerPeer(account.Host)),
        ftp(context.pump, kAgent) {
    ftp.SetTransferType(TFTPTransferType::ttBinary);
    ftp.QuickProgress = static_cast<bool>(bar);
    ftp.QuickProgressMinor = bar;
    UseAccount(ftp, account);
    ftp.SilentExceptions = true;
    ftp.OnWaiting = [this](std::chrono::milliseconds silent) { return silence.Waited(silent); };
    if (!ConnectMindingSilence(context, ftp, account)) {
      Log("FTP " + server + " as " + account.UserName + ": cannot connect" + Because(ftp));
      Failed(context, FailureOf(ftp, DownloadAction::kConnect, ""));
      return;
    }
    if (account.Tls && !account.Passive && !ActiveDataConnectionsProtected()) {
      Log("FTP " + server +
          ": inside TLS the data connections are passive (PASV): this "
          "system's transfer library cannot protect an active one");
    }
    ready = ftp.ChangeDir(remote_folder);
    if (!ready) {
      NoteSilence();
      Log("FTP: cannot enter the folder " + remote_folder + Because(ftp));
      Failed(context, FailureOf(ftp, DownloadAction::kEnterFolder, remote_folder));
    }
  }

  // A server that stayed silent for the limit is remembered as silent.
  void NoteSilence() {
    if (ftp.LastError() == wininet::ERROR_INTERNET_TIMEOUT) context.silent_servers.insert(server);
  }

  ~Session() {
    ftp.ClearListing();
    ftp.SilentExceptions = false;
    try {
      ftp.Disconnect();
    } catch (const std::exception&) {
    }
  }

  void Log(const std::string& line) const {
    if (context.log) context.log(line);
  }
};

bool IsFileName(DownloadContext& context, const std::string& name) {
  const EntryChoice choice = ChooseEntry(name);
  if (choice == EntryChoice::kRefuse && context.log) {
    context.log("FTP: skipped the listed name \"" + name + "\"");
  }
  return choice == EntryChoice::kFetch;
}

void ResetBar(const ProgressBarSink& bar) {
  if (bar) bar(0, 0);
}

// Tells the context how far one download has got: what it fetches once its folder is listed, the
// bytes as they arrive, and its end, whatever became of it.
class DownloadTally {
 public:
  DownloadTally(DownloadContext& context, const std::string& folder) : context_(context) {
    progress_.folder = folder;
  }
  ~DownloadTally() {
    if (!listed_) return;
    progress_.ended = true;
    Tell();
  }
  DownloadTally(const DownloadTally&) = delete;
  DownloadTally& operator=(const DownloadTally&) = delete;

  // The files it fetches; a size the listing did not give leaves the total unknown.
  void Listed(const std::vector<wininet::FindData>& files) {
    bool known = true;
    for (const wininet::FindData& file : files) {
      known = known && file.size_listed && !file.link;
      progress_.total += file.nFileSize;
    }
    if (!known) progress_.total = 0;
    listed_ = true;
    Tell();
  }
  void Arriving(TSimpleFTP& ftp, const std::string& file) {
    progress_.file = file;
    ftp.OnTransferProgress = [this](TSimpleFTP&, const TFTPProgressInfo& info) {
      progress_.done = before_ + info.bytes_moved;
      Tell();
    };
  }
  void Arrived(TSimpleFTP& ftp) {
    before_ += ftp.Progress().bytes_moved;
    progress_.done = before_;
    ftp.OnTransferProgress = nullptr;
  }

 private:
  void Tell() const {
    if (context_.progress) context_.progress(progress_);
  }

  DownloadContext& context_;
  DownloadProgress progress_;
  std::uint64_t before_ = 0;  // the bytes of the files before the current one
  bool listed_ = false;
};

// Connects, enters remote_folder, lists it and hands every file entry that is wanted to visit
// until visit returns false; the tally, when given, learns what the walk fetches. False when the
// folder cannot be entered or listed: a listing that fails is not an empty folder.
template <typename Wanted, typename Visit>
bool WalkFolder(DownloadContext& context, const std::string& remote_folder, const TfTP& account,
                const ProgressBarSink& bar, DownloadTally* tally, Wanted wanted, Visit visit) {
  Session session(context, remote_folder, account, bar);
  if (!session.ready) return false;
  if (session.ftp.ListFiles("*.*", false) == 0 &&
      session.ftp.LastError() != wininet::ERROR_NO_MORE_FILES) {
    session.NoteSilence();
    session.Log("FTP: cannot list the folder " + remote_folder + Because(session.ftp));
    Failed(context, FailureOf(session.ftp, DownloadAction::kListFolder, remote_folder));
    return false;
  }
  std::vector<wininet::FindData> files;
  for (const auto& [name, entry] : session.ftp.Files()) {
    if (IsFileName(context, name) && wanted(name)) files.push_back(entry);
  }
  if (tally != nullptr) tally->Listed(files);
  for (const wininet::FindData& entry : files) {
    if (!visit(session, entry)) break;
  }
  return true;
}

bool Get(Session& session, const std::string& remote_folder, const wininet::FindData& entry,
         const std::string& local_folder, const ProgressBarSink& bar, DownloadTally& tally) {
  ResetBar(bar);
  TSimpleFTP& ftp = session.ftp;
  tally.Arriving(ftp, entry.cFileName);
  const bool got = ftp.GetFile(entry, local_folder + entry.cFileName);
  tally.Arrived(ftp);
  const std::string what = remote_folder + "/" + entry.cFileName;
  if (got) {
    session.Log("FTP: downloaded " + what);
    return true;
  }
  session.NoteSilence();
  session.Log("FTP: could not download " + what + Because(ftp));
  Failed(session.context, FailureOf(ftp, DownloadAction::kGetFile, what));
  ResetBar(bar);
  return false;
}

bool AnyName(const std::string&) { return true; }

}  // namespace

void UseAccount(TSimpleFTP& ftp, const TfTP& account) {
  ftp.HostName = account.Host;
  ftp.Port = static_cast<std::uint16_t>(account.Port);
  ftp.UserName = account.UserName;
  ftp.Password = account.Password;
  ftp.SetPassive(account.Passive);
  ftp.SetSecure(account.Tls);
  ftp.CaFile = account.CaFile;
}

bool FetchFile(DownloadContext& context, const std::string& remote_folder,
               const std::string& local_folder, const TfTP& account, const std::string& file_name,
               const ProgressBarSink& bar) {
  bool result = true;
  DownloadTally tally(context, remote_folder);
  const bool entered = WalkFolder(
      context, remote_folder, account, bar, &tally,
      [&](const std::string& name) { return SameText(name, file_name); },
      [&](Session& session, const wininet::FindData& entry) {
        result = Get(session, remote_folder, entry, local_folder, bar, tally);
        return !result;  // a file that arrived ends the walk
      });
  return entered && result;
}

bool DownloadFolder(DownloadContext& context, const std::string& remote_folder,
                    const std::string& local_folder, const TfTP& account,
                    const ProgressBarSink& bar) {
  bool result = true;
  DownloadTally tally(context, remote_folder);
  const bool entered =
      WalkFolder(context, remote_folder, account, bar, &tally, AnyName,
                 [&](Session& session, const wininet::FindData& entry) {
                   result = Get(session, remote_folder, entry, local_folder, bar, tally) && result;
                   ResetBar(bar);
                   return true;
                 });
  return entered && result;
}

std::string DownloadServerProblem(DownloadContext& context, const TfTP& account) {
  return ProbeDownloadServer(context, account).failure.cause;
}

DownloadServerProbe ProbeDownloadServer(DownloadContext& context, const TfTP& account) {
  TSimpleFTP ftp(context.pump, kAgent);
  UseAccount(ftp, account);
  DownloadServerProbe probe;
  if (!ConnectMindingSilence(context, ftp, account)) {
    probe.failure = FailureOf(ftp, DownloadAction::kConnect, "");
    return probe;
  }
  probe.certificate = ftp.ServerCertificate();
  ftp.Disconnect();
  return probe;
}

std::optional<std::vector<wininet::FindData>> ListPackageFolder(DownloadContext& context,
                                                                const std::string& remote_folder,
                                                                const TfTP& account) {
  std::vector<wininet::FindData> files;
  const bool listed =
      WalkFolder(context, remote_folder, account, nullptr, nullptr, AnyName,
                 [&](Session& session, const wininet::FindData& entry) {
                   files.push_back(entry);
                   // A link's listed size is the link's own, not its file's.
                   if (!entry.link) return true;
                   if (const auto size = session.ftp.RemoteFileSize(entry.cFileName)) {
                     files.back().nFileSize = *size;
                   }
                   return true;
                 });
  if (!listed) return std::nullopt;
  return files;
}

bool UploadFile(DownloadContext& context, const std::string& remote_folder,
                const std::string& local_folder, const std::string& file_name,
                const TfTP& account) {
  const bool exists = FileExists(local_folder + file_name);
  Session session(context, remote_folder, account, nullptr);
  if (!session.ready) return false;
  if (exists) session.ftp.PutFile(local_folder + file_name, file_name);
  return true;
}

std::string TranslateServerAlias(const std::string& location, const std::string& work_folder) {
  std::string result = location;
  try {
    // FetchFile keeps the server's spelling of the list ("SERVEURS.CFG").
    const std::string name = FindNameIgnoringCase(work_folder, "serveurs.cfg");
    if (name.empty()) return result;
    const std::string list = work_folder + name;
    const std::size_t colon = location.find(':');
    const std::string server = colon == std::string::npos ? "" : location.substr(0, colon);
    if (server.empty()) return result;
    const std::string replacement = ReadProfileString(list, "SRV", server, server);
    for (std::size_t at = result.find(server); at != std::string::npos;
         at = result.find(server, at + replacement.size())) {
      result.replace(at, server.size(), replacement);
    }
    return result;
  } catch (const std::exception&) {
    return location;
  }
}

}  // namespace skarvel
