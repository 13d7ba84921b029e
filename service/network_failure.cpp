#include "service/network_failure.h"

#include "platform/translation.h"

namespace skarvel {
namespace {

// Every sentence the person reads about the network, each whole (translated where it is used), with
// %1 and %2 for what it names (the host; the folder or file).

struct Sentence {
  NetworkCause cause;
  const char* text;
};

// The configuration service; %1 its host.
constexpr Sentence kService[] = {
    {NetworkCause::kNameNotFound,
     SKARVEL_TEXT("Network",
                  "The name of the configuration service, %1, cannot be found on the network.")},
    {NetworkCause::kRefused,
     SKARVEL_TEXT("Network", "The configuration service at %1 refuses the connection.")},
    {NetworkCause::kTimedOut,
     SKARVEL_TEXT("Network",
                  "Nothing came back from the configuration service at %1 within the time limit.")},
    {NetworkCause::kGivenUp,
     SKARVEL_TEXT("Network", "The wait for the configuration service at %1 was given up.")},
    {NetworkCause::kConnectionLost,
     SKARVEL_TEXT("Network", "The connection to the configuration service at %1 broke off.")},
    {NetworkCause::kNotTheServer,
     SKARVEL_TEXT(
         "Network",
         "What answers at %1 is not the configuration service: check its address and port.")},
    {NetworkCause::kNotFound,
     SKARVEL_TEXT("Network", "The configuration service at %1 answered \"not found\".")},
    {NetworkCause::kUnexpectedAnswer,
     SKARVEL_TEXT("Network",
                  "The configuration service at %1 answered, but not that it is ready.")},
    {NetworkCause::kTlsUnavailable,
     SKARVEL_TEXT("Network",
                  "The configuration service at %1 does not offer an encrypted connection.")},
    {NetworkCause::kCertificateExpired,
     SKARVEL_TEXT("Network", "The certificate of the configuration service at %1 has expired.")},
    {NetworkCause::kCertificateNotYetValid,
     SKARVEL_TEXT("Network",
                  "The certificate of the configuration service at %1 is not valid yet.")},
    {NetworkCause::kCertificateUnknownAuthority,
     SKARVEL_TEXT(
         "Network",
         "The certificate of the configuration service at %1 comes from an authority this computer "
         "does not trust.")},
    {NetworkCause::kCertificateWrongName,
     SKARVEL_TEXT(
         "Network",
         "The certificate of the configuration service at %1 is made out for another name.")},
    {NetworkCause::kTlsFailed,
     SKARVEL_TEXT("Network",
                  "No encrypted connection could be set up with the configuration service at %1.")},
};
constexpr const char* kServiceOther =
    SKARVEL_TEXT("Network", "The configuration service at %1 cannot be reached.");

// The download server, whatever was asked of it; %1 its host.
constexpr Sentence kDownloadServer[] = {
    {NetworkCause::kNameNotFound,
     SKARVEL_TEXT("Network",
                  "The name of the download server, %1, cannot be found on the network.")},
    {NetworkCause::kRefused,
     SKARVEL_TEXT("Network", "The download server %1 refuses the connection.")},
    {NetworkCause::kTimedOut,
     SKARVEL_TEXT("Network",
                  "Nothing came back from the download server %1 within the time limit.")},
    {NetworkCause::kGivenUp,
     SKARVEL_TEXT("Network", "The wait for the download server %1 was given up.")},
    {NetworkCause::kConnectionLost,
     SKARVEL_TEXT("Network", "The connection to the download server %1 broke off.")},
    {NetworkCause::kNotTheServer,
     SKARVEL_TEXT("Network",
                  "What answers at %1 is not the download server: check its address and port.")},
    {NetworkCause::kLoginRefused,
     SKARVEL_TEXT("Network", "The download server %1 refused the login.")},
    {NetworkCause::kTlsUnavailable,
     SKARVEL_TEXT(
         "Network",
         "The download server %1 does not offer the encrypted connection this computer requires.")},
    {NetworkCause::kCertificateExpired,
     SKARVEL_TEXT("Network", "The certificate of the download server %1 has expired.")},
    {NetworkCause::kCertificateNotYetValid,
     SKARVEL_TEXT("Network", "The certificate of the download server %1 is not valid yet.")},
    {NetworkCause::kCertificateUnknownAuthority,
     SKARVEL_TEXT(
         "Network",
         "The certificate of the download server %1 comes from an authority this computer does not "
         "trust.")},
    {NetworkCause::kCertificateWrongName,
     SKARVEL_TEXT("Network",
                  "The certificate of the download server %1 is made out for another name.")},
    {NetworkCause::kTlsFailed,
     SKARVEL_TEXT("Network",
                  "No encrypted connection could be set up with the download server %1.")},
};

// What the download server refused, what could not be done with the file on this computer, and
// any other failure, per action; %1 the host, %2 the folder or file.
struct ActionSentences {
  DownloadAction action;
  const char* refused;
  const char* local;
  const char* failed;
};
constexpr ActionSentences kActions[] = {
    {DownloadAction::kConnect, SKARVEL_TEXT("Network", "The download server %1 refused the login."),
     SKARVEL_TEXT("Network", "The download server %1 cannot be reached."),
     SKARVEL_TEXT("Network", "The download server %1 cannot be reached.")},
    {DownloadAction::kEnterFolder,
     SKARVEL_TEXT("Network", "The download server %1 refused the folder %2."),
     SKARVEL_TEXT("Network", "The folder %2 could not be entered on the download server %1."),
     SKARVEL_TEXT("Network", "The folder %2 could not be entered on the download server %1.")},
    {DownloadAction::kListFolder,
     SKARVEL_TEXT("Network", "The download server %1 refused to list the folder %2."),
     SKARVEL_TEXT("Network", "The folder %2 could not be listed on the download server %1."),
     SKARVEL_TEXT("Network", "The folder %2 could not be listed on the download server %1.")},
    {DownloadAction::kGetFile,
     SKARVEL_TEXT("Network", "The download server %1 refused the file %2."),
     SKARVEL_TEXT("Network", "The file %2 could not be written into the work folder."),
     SKARVEL_TEXT("Network", "The file %2 could not be downloaded from the download server %1.")},
    {DownloadAction::kPutFile,
     SKARVEL_TEXT("Network", "The download server %1 refused the upload of %2."),
     SKARVEL_TEXT("Network", "The file %2 could not be read on this computer."),
     SKARVEL_TEXT("Network", "The file %2 could not be uploaded to the download server %1.")},
};

const char* Find(const Sentence* first, const Sentence* last, NetworkCause cause) {
  for (; first != last; ++first) {
    if (first->cause == cause) return first->text;
  }
  return nullptr;
}

// The host without its port: a name is looked up without it.
std::string NameOf(const std::string& host) {
  if (!host.empty() && host.front() == '[') return host.substr(0, host.find(']') + 1);
  const std::size_t colon = host.find(':');
  return colon != std::string::npos && host.find(':', colon + 1) == std::string::npos
             ? host.substr(0, colon)
             : host;
}

}  // namespace

std::string ServiceFailureSentence(NetworkCause cause, const std::string& host) {
  const char* text = Find(std::begin(kService), std::end(kService), cause);
  return Fill(Tr("Network", text != nullptr ? text : kServiceOther),
              {cause == NetworkCause::kNameNotFound ? NameOf(host) : host});
}

std::string DownloadFailureSentence(NetworkCause cause, DownloadAction action,
                                    const std::string& host, const std::string& what) {
  const ActionSentences* sentences = &kActions[0];
  for (const ActionSentences& candidate : kActions) {
    if (candidate.action == action) sentences = &candidate;
  }
  const char* text = cause == NetworkCause::kRequestRefused ? sentences->refused
                     : cause == NetworkCause::kLocalFile    ? sentences->local
                                                            : nullptr;
  if (text == nullptr) text = Find(std::begin(kDownloadServer), std::end(kDownloadServer), cause);
  return Fill(Tr("Network", text != nullptr ? text : sentences->failed), {host, what});
}

}  // namespace skarvel
