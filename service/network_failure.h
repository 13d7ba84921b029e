#pragma once

#include <string>

#include "platform/network_cause.h"

namespace skarvel {

// Why a request to the configuration service, or an operation on the download server, failed:
// the one sentence the person reads, and apart from it the technical detail (the server's reply,
// the transfer library's words, the codes) for the log and a details part.
struct NetworkFailure {
  std::string cause;    // "The certificate of the download server 10.0.0.5 has expired."
  std::string details;  // "SSL certificate problem: certificate has expired (12037)"

  bool empty() const { return cause.empty(); }
};

// What was asked of the download server when it failed.
enum class DownloadAction { kConnect, kEnterFolder, kListFolder, kGetFile, kPutFile };

// The sentence for a failed request to the configuration service at host ("host" or
// "host:port").
std::string ServiceFailureSentence(NetworkCause cause, const std::string& host);

// The sentence for a failed action on the download server host; what is the folder or file it
// was about (none for kConnect).
std::string DownloadFailureSentence(NetworkCause cause, DownloadAction action,
                                    const std::string& host, const std::string& what = "");

}  // namespace skarvel
