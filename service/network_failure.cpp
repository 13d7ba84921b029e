#include "service/network_failure.h"

#include <initializer_list>

namespace skarvel {
namespace {

// Every sentence the person reads about the network, in English, each whole, with %1 and %2 for
// what it names (the host; the folder or file).

struct Sentence {
  NetworkCause cause;
  const char* text;
};

// The configuration service; %1 its host.
constexpr Sentence kService[] = {
    {NetworkCause::kNameNotFound,
     "The name of the configuration service, %1, cannot be found on the network."},
    {NetworkCause::kRefused, "The configuration service at %1 refuses the connection."},
    {NetworkCause::kTimedOut,
     "Nothing came back from the configuration service at %1 within the time limit."},
    {NetworkCause::kGivenUp, "The wait for the configuration service at %1 was given up."},
    {NetworkCause::kConnectionLost, "The connection to the configuration service at %1 broke off."},
    {NetworkCause::kNotTheServer,
     "What answers at %1 is not the configuration service: check its address and port."},
    {NetworkCause::kNotFound, "The configuration service at %1 answered \"not found\"."},
    {NetworkCause::kUnexpectedAnswer,
     "The configuration service at %1 answered, but not that it is ready."},
    {NetworkCause::kTlsUnavailable,
     "The configuration service at %1 does not offer an encrypted connection."},
    {NetworkCause::kCertificateExpired,
     "The certificate of the configuration service at %1 has expired."},
    {NetworkCause::kCertificateNotYetValid,
     "The certificate of the configuration service at %1 is not valid yet."},
    {NetworkCause::kCertificateUnknownAuthority,
     "The certificate of the configuration service at %1 comes from an authority this computer "
     "does not trust."},
    {NetworkCause::kCertificateWrongName,
     "The certificate of the configuration service at %1 is made out for another name."},
    {NetworkCause::kTlsFailed,
     "No encrypted connection could be set up with the configuration service at %1."},
};
constexpr const char* kServiceOther = "The configuration service at %1 cannot be reached.";

// The download server, whatever was asked of it; %1 its host.
constexpr Sentence kDownloadServer[] = {
    {NetworkCause::kNameNotFound,
     "The name of the download server, %1, cannot be found on the network."},
    {NetworkCause::kRefused, "The download server %1 refuses the connection."},
    {NetworkCause::kTimedOut,
     "Nothing came back from the download server %1 within the time limit."},
    {NetworkCause::kGivenUp, "The wait for the download server %1 was given up."},
    {NetworkCause::kConnectionLost, "The connection to the download server %1 broke off."},
    {NetworkCause::kNotTheServer,
     "What answers at %1 is not the download server: check its address and port."},
    {NetworkCause::kLoginRefused, "The download server %1 refused the login."},
    {NetworkCause::kTlsUnavailable,
     "The download server %1 does not offer the encrypted connection this computer requires."},
    {NetworkCause::kCertificateExpired, "The certificate of the download server %1 has expired."},
    {NetworkCause::kCertificateNotYetValid,
     "The certificate of the download server %1 is not valid yet."},
    {NetworkCause::kCertificateUnknownAuthority,
     "The certificate of the download server %1 comes from an authority this computer does not "
     "trust."},
    {NetworkCause::kCertificateWrongName,
     "The certificate of the download server %1 is made out for another name."},
    {NetworkCause::kTlsFailed,
     "No encrypted connection could be set up with the download server %1."},
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
    {DownloadAction::kConnect, "The download server %1 refused the login.",
     "The download server %1 cannot be reached.", "The download server %1 cannot be reached."},
    {DownloadAction::kEnterFolder, "The download server %1 refused the folder %2.",
     "The folder %2 could not be entered on the download server %1.",
     "The folder %2 could not be entered on the download server %1."},
    {DownloadAction::kListFolder, "The download server %1 refused to list the folder %2.",
     "The folder %2 could not be listed on the download server %1.",
     "The folder %2 could not be listed on the download server %1."},
    {DownloadAction::kGetFile, "The download server %1 refused the file %2.",
     "The file %2 could not be written into the work folder.",
     "The file %2 could not be downloaded from the download server %1."},
    {DownloadAction::kPutFile, "The download server %1 refused the upload of %2.",
     "The file %2 could not be read on this computer.",
     "The file %2 could not be uploaded to the download server %1."},
};

std::string Fill(const char* pattern, std::initializer_list<std::string> values) {
  std::string text = pattern;
  char number = '1';
  for (const std::string& value : values) {
    const std::string marker = {'%', number++};
    for (std::size_t at = text.find(marker); at != std::string::npos;
         at = text.find(marker, at + value.size())) {
      text.replace(at, marker.size(), value);
    }
  }
  return text;
}

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
  return Fill(text != nullptr ? text : kServiceOther,
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
  return Fill(text != nullptr ? text : sentences->failed, {host, what});
}

}  // namespace skarvel
